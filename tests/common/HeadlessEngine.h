// HeadlessEngine.h -- an engine object of its own on the headless backend, in a temporary
// working folder, for tests of start-up, the loop and presentation.
#pragma once

#include <memory>
#include <string>

#include "engine/core/Engine.h"
#include "engine/platform/headless/HeadlessPlatform.h"
#include "tests/common/TempDir.h"

namespace tests {

class HeadlessEngine {
 public:
  explicit HeadlessEngine(engine::platform::headless::DesktopConfig desktop =
                              engine::platform::headless::DesktopConfig::Quiet(),
                          const engine::platform::headless::DisplayConfig& display = {});
  ~HeadlessEngine();

  engine::core::Engine& Engine() { return *engine_; }
  engine::platform::headless::HeadlessPlatform& Platform() { return platform_; }
  engine::platform::headless::Faults& Faults() { return platform_.GetFaults(); }
  engine::platform::headless::HeadlessWindows& Windows() { return platform_.GetWindows(); }
  engine::platform::headless::HeadlessDisplaySystem& Display() { return platform_.GetDisplay(); }
  // The debug log's contents so far.
  std::string Log() const { return dir_.Read("debug.txt"); }
  const TempDir& Dir() const { return dir_; }

  // Dispatches every waiting message as the loop would, without running frames.
  void Pump();

 private:
  TempDir dir_;
  engine::platform::headless::HeadlessPlatform platform_;
  std::unique_ptr<engine::core::Engine> engine_;
};

}  // namespace tests
