// Input.cpp -- the key buffer, the held-key table and the mouse state. The window procedure
// records; the game polls once per frame.
#include "engine/core/Engine.h"
#include "engine/support/DebugLog.h"

namespace engine::core {

void Engine::PushKey(std::uint8_t c) {
  if (keyCount >= kKeyBufferSize) {
    support::Log.Write("WinDX: Keyboard buffer overflow.\n");
    return;
  }
  if (keyCount < 0) keyCount = 0;
  keyBuffer[static_cast<std::size_t>(keyCount)] = c;
  ++keyCount;
}

// Last in, first out: of several characters typed between two frames the newest comes first.
std::uint8_t Engine::GetKey() {
  if (keyCount <= 0) return 0;
  --keyCount;
  return keyBuffer[static_cast<std::size_t>(keyCount)];
}

void Engine::SetKeyDown(std::uint8_t k) {
  keyDownTable[k] = 1;
}

void Engine::SetKeyUp(std::uint8_t k) {
  keyDownTable[k] = 0;
}

// Codes outside the table are never held.
std::uint8_t Engine::KeyDown(std::int32_t k) const {
  if (k < 0 || k > 255) return 0;
  return keyDownTable[static_cast<std::size_t>(k)];
}

void Engine::MouseMove(std::int32_t x, std::int32_t y) {
  previousX = mouseX;
  previousY = mouseY;
  mouseX = x;
  mouseY = y;
  moved = 1;
}

void Engine::MouseDown(std::int32_t code) {
  buttonHeld = 1;
  buttonCode = code;
}

void Engine::MouseUp() {
  buttonHeld = 0;
  buttonCode = 0;
}

float Engine::GetMouseDX() const {
  return static_cast<float>(mouseX - previousX);
}

float Engine::GetMouseDY() const {
  return static_cast<float>(mouseY - previousY);
}

}  // namespace engine::core
