// HeadlessSound.h -- a sound device without audio output: its voices live in memory and the
// engine's mixer plays them one frame's worth at a time.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "engine/platform/SoundSystem.h"
#include "engine/platform/headless/Faults.h"
#include "engine/sound/Mixer.h"
#include "engine/sound/Voice.h"

namespace engine::platform::headless {

struct SoundConfig {
  std::uint32_t rate = 44100;
  int channels = 2;
  int framesPerSecond = 60;  // how much time one displayed frame stands for
};

class HeadlessSoundSystem final : public SoundSystem {
 public:
  explicit HeadlessSoundSystem(Faults& faults, const SoundConfig& config = {});

  std::unique_ptr<SoundDevice> CreateDevice() override;

  // Mixes one display frame's worth of output (rate / framesPerSecond frames, the remainder
  // carried to later frames so that the total stays exact). Called by the headless platform
  // for every presented or skipped frame.
  void AdvanceFrame();

  // Every voice created so far, in creation order.
  const std::vector<std::shared_ptr<sound::Voice>>& Voices() const { return *voices_; }
  // The interleaved samples the last AdvanceFrame mixed.
  std::span<const std::int16_t> LastOutput() const { return {output_.data(), outputSamples_}; }
  // Output frames mixed since the start.
  std::uint64_t FramesMixed() const { return framesMixed_; }

 private:
  Faults& faults_;
  SoundConfig config_;
  std::shared_ptr<std::vector<std::shared_ptr<sound::Voice>>> voices_;
  sound::Mixer mixer_;
  std::vector<std::int16_t> output_;
  std::size_t outputSamples_ = 0;
  std::uint32_t carry_ = 0;  // rate * frames shown so far, modulo framesPerSecond
  std::uint64_t framesMixed_ = 0;
};

}  // namespace engine::platform::headless
