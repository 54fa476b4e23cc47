// Tune.h -- the street band's background tune, made to be restarted every 12.5 seconds.
#pragma once

#include "tools/assetgen/Synth.h"

namespace tools::assetgen::synth {

// The game starts the tune again every 750 frames at 60 frames a second.
inline constexpr int kTuneSamples = kSoundRate * 25 / 2;

// Eight bars of accordion melody over guitar, bass and hand percussion, exactly kTuneSamples
// long, beginning on the downbeat and ending on a pickup that leads back into it.
Buffer StreetTune();

}  // namespace tools::assetgen::synth
