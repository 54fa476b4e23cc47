// HeadlessPlatform.h -- the complete in-memory backend for tests and scripted runs.
#pragma once

#include "engine/platform/Platform.h"
#include "engine/platform/headless/Faults.h"
#include "engine/platform/headless/HeadlessDisplay.h"
#include "engine/platform/headless/HeadlessSound.h"
#include "engine/platform/headless/HeadlessWindows.h"

namespace engine::platform::headless {

class HeadlessPlatform final : public Platform {
 public:
  explicit HeadlessPlatform(const DesktopConfig& desktop = {}, const DisplayConfig& display = {},
                            const SoundConfig& sound = {});
  // The services point at each other and at the fault plan.
  HeadlessPlatform(const HeadlessPlatform&) = delete;
  HeadlessPlatform& operator=(const HeadlessPlatform&) = delete;

  WindowSystem& Windows() override { return windows_; }
  DisplaySystem& Display() override { return display_; }
  SoundSystem& Sound() override { return sound_; }

  Faults& GetFaults() { return faults_; }
  HeadlessWindows& GetWindows() { return windows_; }
  HeadlessDisplaySystem& GetDisplay() { return display_; }
  HeadlessSoundSystem& GetSound() { return sound_; }

 private:
  Faults faults_;
  HeadlessWindows windows_;
  HeadlessDisplaySystem display_;
  HeadlessSoundSystem sound_;
};

}  // namespace engine::platform::headless
