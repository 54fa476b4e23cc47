// HeadlessSound.h -- a sound device without audio output: its voices live in memory.
#pragma once

#include <memory>
#include <vector>

#include "engine/platform/SoundSystem.h"
#include "engine/platform/headless/Faults.h"
#include "engine/sound/Voice.h"

namespace engine::platform::headless {

class HeadlessSoundSystem final : public SoundSystem {
 public:
  explicit HeadlessSoundSystem(Faults& faults);

  std::unique_ptr<SoundDevice> CreateDevice() override;

  // Every voice created so far, in creation order.
  const std::vector<std::shared_ptr<sound::Voice>>& Voices() const { return *voices_; }

 private:
  Faults& faults_;
  std::shared_ptr<std::vector<std::shared_ptr<sound::Voice>>> voices_;
};

}  // namespace engine::platform::headless
