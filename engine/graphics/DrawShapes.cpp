// DrawShapes.cpp -- pixels, rectangles, clearing and tiling. None of these honours the clip
// rectangle except tiling, which draws through the plain image copy; all of them stay inside the
// locked back buffer.
#include "engine/graphics/DrawShapes.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "engine/graphics/Image.h"
#include "engine/graphics/ScreenFormat.h"

namespace engine::graphics {

namespace {

// Brings a component of `from` bits to a channel of `to` bits (see PackColour5).
std::uint32_t Scale(int component, int from, int to) {
  const auto value = static_cast<std::uint32_t>(component) & ((1u << from) - 1u);
  if (to <= 0) return 0;
  if (to <= from) return value >> (from - to);
  std::uint32_t out = 0;
  int filled = 0;
  while (filled < to) {
    out = (out << from) | value;
    filled += from;
  }
  return out >> (filled - to);
}

std::uint16_t Pack(int r, int g, int b, int from) {
  const PixelFormat& f = ScreenFormat;
  const std::uint32_t red = (Scale(r, from, f.rbits) << f.rshift) & f.rmask;
  const std::uint32_t green = (Scale(g, from, f.gbits) << f.gshift) & f.gmask;
  const std::uint32_t blue = (Scale(b, from, f.bbits) << f.bshift) & f.bmask;
  return static_cast<std::uint16_t>(red | green | blue);
}

}  // namespace

std::uint16_t PackColour5(int r, int g, int b) {
  return Pack(r, g, b, 5);
}

std::uint16_t PackColour8(int r, int g, int b) {
  return Pack(r, g, b, 8);
}

TileDivision TileDivide(std::int64_t dividend, std::int64_t divisor) {
  if (dividend >= 0) return {dividend / divisor, dividend % divisor};
  return {dividend / divisor - 1, dividend % divisor + divisor};
}

int DrawPixel(const DrawSurface& surface, int x, int y, int r, int g, int b) {
  if (surface.pixels == nullptr || x < 0 || y < 0 || x >= surface.stride || y >= surface.height)
    return 1;
  surface.pixels[static_cast<std::ptrdiff_t>(y) * surface.stride + x] = PackColour5(r, g, b);
  return 1;
}

void FillRect(const DrawSurface& surface, int x1, int y1, int x2, int y2, std::uint16_t colour) {
  if (surface.pixels == nullptr) return;
  const ClipRect bounds = surface.Bounds();
  const int left = std::max(x1, bounds.left);
  const int top = std::max(y1, bounds.top);
  const int right = std::min(x2, bounds.right);
  const int bottom = std::min(y2, bounds.bottom);
  if (left > right || top > bottom) return;
  for (int y = top; y <= bottom; ++y) {
    std::fill_n(surface.pixels + static_cast<std::ptrdiff_t>(y) * surface.stride + left,
                right - left + 1, colour);
  }
}

void Clear(const DrawSurface& surface) {
  if (surface.pixels == nullptr || surface.height <= 0 || surface.stride <= 0) return;
  std::memset(surface.pixels, 0,
              static_cast<std::size_t>(surface.height) * static_cast<std::size_t>(surface.stride) *
                  sizeof(std::uint16_t));
}

int DrawTiled(const DrawSurface& surface, ImageOp plain, int ox, int oy, const Image& image) {
  const std::int64_t w = image.Width();
  const std::int64_t h = image.Height();
  // An image without area has no grid; one plain draw still refuses it if it is not plain.
  if (w <= 0 || h <= 0) return plain(surface, 0, 0, &image);

  const TileDivision x0 = TileDivide(ox, w);
  const TileDivision y0 = TileDivide(oy, h);
  const std::int64_t columns =
      TileDivide(std::int64_t{ox} + surface.stride, w).quotient - x0.quotient + 1;
  const std::int64_t rows =
      TileDivide(std::int64_t{oy} + surface.height, h).quotient - y0.quotient + 1;
  constexpr std::int64_t kMax = std::numeric_limits<int>::max();
  for (std::int64_t j = 0; j < rows; ++j) {
    const std::int64_t y = -y0.remainder + j * h;
    for (std::int64_t i = 0; i < columns; ++i) {
      const std::int64_t x = -x0.remainder + i * w;
      // A copy whose position does not fit an int lies far beyond the buffer.
      if (x > kMax || y > kMax) continue;
      // A refused image would be refused again by every copy; one refusal is enough.
      if (plain(surface, static_cast<int>(x), static_cast<int>(y), &image) == 0) return 0;
    }
  }
  return 1;
}

}  // namespace engine::graphics
