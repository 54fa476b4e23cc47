// Mixer.h -- mixes the playing voices into interleaved signed 16-bit output of one rate and
// channel count. Plain code shared by every sound backend; the backend only supplies the
// output buffer and the lock.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "engine/sound/Voice.h"

namespace engine::sound {

class Mixer {
 public:
  // rate in frames per second; channels 1 or 2 (anything else is taken as 2).
  Mixer(std::uint32_t rate, int channels);

  std::uint32_t Rate() const { return rate_; }
  int Channels() const { return channels_; }

  // Sizes the scratch space for outputs of up to `frames` frames, so that Mix never allocates
  // (the SDL device calls this once with its buffer size).
  void Reserve(std::size_t frames);

  // Called with the voices locked (the device's callback, or the headless device once per
  // frame). Fills out, whose length is a whole number of frames, with the sum of the playing
  // voices and moves each of them on by as many frames of its own rate. A voice that reaches
  // its end stops there, with its position at the end. Volume and pan are hundredths of a
  // decibel, turned into a gain once per voice per call.
  void Mix(std::span<std::int16_t> out, std::span<const std::shared_ptr<Voice>> voices);

 private:
  std::uint32_t rate_;
  int channels_;
  std::vector<std::int32_t> sum_;  // wider than the output, so that loud voices saturate
};

}  // namespace engine::sound
