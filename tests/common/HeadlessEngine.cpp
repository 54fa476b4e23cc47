// HeadlessEngine.cpp -- a headless engine for tests.
#include "tests/common/HeadlessEngine.h"

namespace tests {

HeadlessEngine::HeadlessEngine(engine::platform::headless::DesktopConfig desktop,
                               const engine::platform::headless::DisplayConfig& display)
    : platform_(desktop, display), engine_(std::make_unique<engine::core::Engine>()) {
  engine_->AttachPlatform(&platform_);
}

HeadlessEngine::~HeadlessEngine() { engine_->DetachPlatform(); }

void HeadlessEngine::Pump() {
  engine::platform::Message message;
  while (platform_.Windows().PeekMessage(message)) engine_->WindowProc(message);
}

}  // namespace tests
