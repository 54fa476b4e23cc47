// Message.h -- the window messages the engine's loop removes and dispatches.
#pragma once

#include <cstdint>

namespace engine::platform {

// Identifies one window of the platform; 0 means no window.
using WindowHandle = std::uint32_t;

enum class MessageType : std::uint8_t {
  kQuit,     // wParam: exit code
  kDestroy,  // the window has been destroyed
  kMove,     // lParam: client area's screen position, x low 16 bits, y high 16 bits
  kSetFocus,
  kKillFocus,
  kActivateApp,  // wParam: non-zero when the application is being activated
  kClose,        // the user asked to close the window
  kKeyDown,      // wParam: virtual-key code
  kKeyUp,        // wParam: virtual-key code
  kChar,         // wParam: character code
  kMouseMove,    // lParam: client position, x low 16 bits, y high 16 bits
  kLeftDown,
  kLeftUp,
  kRightDown,
  kRightUp,
  kMiddleDown,
  kMiddleUp,
};

struct Message {
  MessageType type = MessageType::kQuit;
  WindowHandle window = 0;
  std::uint32_t wParam = 0;
  std::uint32_t lParam = 0;
};

// Packs two 16-bit coordinates the way position messages carry them.
constexpr std::uint32_t PackPoint(int x, int y) {
  return (static_cast<std::uint32_t>(x) & 0xFFFFu) |
         ((static_cast<std::uint32_t>(y) & 0xFFFFu) << 16);
}
constexpr int LowWord(std::uint32_t v) {
  return static_cast<int>(v & 0xFFFFu);
}
constexpr int HighWord(std::uint32_t v) {
  return static_cast<int>((v >> 16) & 0xFFFFu);
}

}  // namespace engine::platform
