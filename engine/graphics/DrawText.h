// DrawText.h -- text drawn into the back buffer in one colour, background left as it is.
#pragma once

#include <cstdint>

#include "engine/graphics/DrawSurface.h"

namespace engine::graphics {

class Font;

// Draws the zero-terminated text with its top-left at (x, y), each glyph's coverage blended
// over what is already there and cut to the buffer (not to the clip rectangle). font must be
// loaded; a null text draws nothing.
void DrawText(const DrawSurface& surface, Font& font, int x, int y, const char* text,
              std::uint16_t colour);

}  // namespace engine::graphics
