// Tune.h -- the street band's background tune, made to be restarted every 12.5 seconds.
#pragma once

#include "tools/assetgen/Synth.h"

namespace tools::assetgen::synth {

// The game starts the tune again every 750 frames at 60 frames a second.
inline constexpr int kTuneSamples = kSoundRate * 25 / 2;
// Past that point the band's closing chord rings on and dies away, so that a restart that
// comes late still finds music playing; the restart cuts it wherever it has got to.
inline constexpr int kTuneTailSamples = kSoundRate;

// Eight bars of accordion melody over guitar, bass and hand percussion, kTuneSamples long,
// beginning on the downbeat and ending on a pickup that leads back into it, followed by
// kTuneTailSamples of the closing chord.
Buffer StreetTune();

}  // namespace tools::assetgen::synth
