// Input.cpp -- the key buffer, the held-key table and the mouse state. The window procedure
// records; the game polls once per frame.
#include "engine/core/Engine.h"
#include "engine/platform/PadInput.h"
#include "engine/support/DebugLog.h"

namespace engine::core {

void Engine::PushKey(std::uint8_t c) {
  if (keyCount_ >= kKeyBufferSize) {
    support::Log.Write("WinDX: Keyboard buffer overflow.\n");
    return;
  }
  if (keyCount_ < 0) keyCount_ = 0;
  keyBuffer_[static_cast<std::size_t>(keyCount_)] = c;
  ++keyCount_;
}

// Last in, first out: of several characters typed between two frames the newest comes first.
std::uint8_t Engine::GetKey() {
  if (keyCount_ <= 0) return 0;
  --keyCount_;
  return keyBuffer_[static_cast<std::size_t>(keyCount_)];
}

void Engine::SetKeyDown(std::uint8_t k) {
  keyDownTable_[k] = 1;
}

void Engine::SetKeyUp(std::uint8_t k) {
  keyDownTable_[k] = 0;
}

// Codes outside the table are never held.
std::uint8_t Engine::KeyDown(std::int32_t k) const {
  if (k < 0 || k > 255) return 0;
  return keyDownTable_[static_cast<std::size_t>(k)];
}

void Engine::MouseMove(std::int32_t x, std::int32_t y) {
  mouse_.previousX = mouse_.x;
  mouse_.previousY = mouse_.y;
  mouse_.x = x;
  mouse_.y = y;
  mouse_.moved = 1;
}

void Engine::MouseDown(std::int32_t code) {
  mouse_.buttonHeld = 1;
  mouse_.buttonCode = code;
}

void Engine::MouseUp() {
  mouse_.buttonHeld = 0;
  mouse_.buttonCode = 0;
}

float Engine::GetMouseDX() const {
  return static_cast<float>(mouse_.x - mouse_.previousX);
}

float Engine::GetMouseDY() const {
  return static_cast<float>(mouse_.y - mouse_.previousY);
}

void Engine::SetPadControls(const platform::PadControls& controls) {
  if (platform_ != nullptr) platform_->Windows().SetPadControls(controls);
}

int Engine::PadSelection() const {
  return platform_ != nullptr ? platform_->Windows().PadSelection() : -1;
}

}  // namespace engine::core
