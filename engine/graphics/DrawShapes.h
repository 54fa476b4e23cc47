// DrawShapes.h -- single pixels, filled rectangles, clearing and tiling, and the colour packing
// they share with text.
#pragma once

#include <cstdint>

#include "engine/graphics/DrawTable.h"

namespace engine::graphics {

// The draw table's pixel operation: writes the colour of 5-bit components r, g, b at (x, y).
// Pixels off the back buffer, and every pixel while it is not locked, are dropped. Returns 1.
int DrawPixel(core::Engine& engine, int x, int y, int r, int g, int b);

// Packs a colour into a word of the screen format (ScreenFormat). Each component keeps only
// its low 5 (or 8) bits, so it can never spill into a neighbouring field. A channel narrower
// than the component keeps the component's high bits (c >> (bits - width), as images are
// converted); a wider channel repeats the component's bits below it, so the largest
// component fills the channel (5-bit 31 becomes 6-bit 63).
std::uint16_t PackColour5(int r, int g, int b);
std::uint16_t PackColour8(int r, int g, int b);

// Division for tiling offsets: for a dividend of 0 or more the truncated quotient and
// remainder; for a negative one the truncated quotient minus 1 and the truncated remainder
// plus the divisor (-32 / 32 gives -2 remainder 32; -33 / 32 gives -2 remainder 31). The
// divisor must be positive.
struct TileDivision {
  std::int64_t quotient;
  std::int64_t remainder;
};
TileDivision TileDivide(std::int64_t dividend, std::int64_t divisor);

}  // namespace engine::graphics
