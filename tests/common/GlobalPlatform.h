// GlobalPlatform.h -- gives the program-wide engine object Vorel a quiet headless platform for
// the length of a test, so that what the engine shows through it (notices, reports) can be
// read back.
#pragma once

#include <vector>

#include "engine/core/Engine.h"
#include "engine/platform/headless/HeadlessPlatform.h"

namespace tests {

class GlobalPlatform {
 public:
  GlobalPlatform() : platform_(engine::platform::headless::DesktopConfig::Quiet()) {
    Vorel.AttachPlatform(&platform_);
  }
  // Detaching also leaves the status as before Initialize, for the next test.
  ~GlobalPlatform() { Vorel.DetachPlatform(); }
  GlobalPlatform(const GlobalPlatform&) = delete;
  GlobalPlatform& operator=(const GlobalPlatform&) = delete;

  const std::vector<engine::platform::headless::Notice>& Notices() {
    return platform_.GetWindows().Notices();
  }
  engine::platform::headless::HeadlessPlatform& Platform() { return platform_; }

 private:
  engine::platform::headless::HeadlessPlatform platform_;
};

}  // namespace tests
