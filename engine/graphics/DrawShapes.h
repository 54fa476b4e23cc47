// DrawShapes.h -- single pixels, filled rectangles, clearing and tiling, and the colour packing
// they share with text.
#pragma once

#include <cstdint>

#include "engine/graphics/DrawTable.h"

namespace engine::graphics {

// The draw table's pixel operation: writes the colour of 5-bit components r, g, b at (x, y).
// Pixels off the back buffer, and every pixel while it is not locked, are dropped. Returns 1.
int DrawPixel(const DrawSurface& surface, int x, int y, int r, int g, int b);

// Fills x1..x2 by y1..y2 (inclusive) with colour, ignoring the clip rectangle but cut to the
// buffer.
void FillRect(const DrawSurface& surface, int x1, int y1, int x2, int y2, std::uint16_t colour);
// Sets every word of every row, the columns past the drawing width included, to 0.
void Clear(const DrawSurface& surface);
// Covers the buffer with copies of image on a grid scrolled by (ox, oy), each drawn through
// plain, the draw table's DrawPlain. Returns 0 at the first copy plain refuses (the engine
// reports it once), else 1.
int DrawTiled(const DrawSurface& surface, ImageOp plain, int ox, int oy, const Image& image);

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
