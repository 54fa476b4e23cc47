// FrameInput.h -- what the players hold and type in one frame: read from the engine once, at
// the start of the frame, and handed down to the rules and the performers.
#pragma once

#include <array>
#include <cstdint>

namespace game::actors {

struct FrameInput {
  // Held keys by virtual-key code: non-zero while held.
  std::array<std::uint8_t, 256> keys{};
  // The code of the last button pressed (1 left, 2 right, 16 middle); 0 after any release.
  std::int32_t mouseButton = 0;
  // The last pointer position, in drawing-area pixels.
  std::int32_t mouseX = 0, mouseY = 0;
  // The character typed for this frame; 0 for none.
  std::int8_t typed = 0;

  // Codes outside the table are never held.
  bool KeyDown(std::int32_t code) const {
    return code >= 0 && code < 256 && keys[static_cast<std::size_t>(code)] != 0;
  }
};

}  // namespace game::actors
