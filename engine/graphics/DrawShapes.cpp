// DrawShapes.cpp -- pixels, rectangles, clearing, tiling and the clip rectangle. None of these
// honours the clip rectangle except tiling, which draws through the plain image copy; all of
// them stay inside the locked back buffer.
#include "engine/graphics/DrawShapes.h"

#include <algorithm>
#include <cstring>
#include <limits>

#include "engine/core/Engine.h"
#include "engine/graphics/DrawClip.h"
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

int DrawPixel(core::Engine& engine, int x, int y, int r, int g, int b) {
  if (!engine.IsLocked() || x < 0 || y < 0 || x >= engine.width || y >= engine.height) return 1;
  engine.backBuffer[static_cast<std::ptrdiff_t>(y) * engine.width + x] = PackColour5(r, g, b);
  return 1;
}

}  // namespace engine::graphics

namespace engine::core {

int Engine::DrawPixel(int x, int y, int r, int g, int b) {
  return draw.DrawPixel != nullptr ? draw.DrawPixel(*this, x, y, r, g, b) : 0;
}

void Engine::SetClip(int left, int top, int right, int bottom) {
  clipLeft = left;
  clipTop = top;
  clipRight = right;
  clipBottom = bottom;
}

void Engine::DrawRect(int x1, int y1, int x2, int y2, int r, int g, int b) {
  if (!IsLocked()) return;
  const graphics::ClipRect buffer = graphics::BufferRect(*this);
  const int left = std::max(x1, buffer.left);
  const int top = std::max(y1, buffer.top);
  const int right = std::min(x2, buffer.right);
  const int bottom = std::min(y2, buffer.bottom);
  if (left > right || top > bottom) return;
  const std::uint16_t colour = graphics::PackColour8(r, g, b);
  for (int y = top; y <= bottom; ++y) {
    std::fill_n(backBuffer + static_cast<std::ptrdiff_t>(y) * width + left, right - left + 1,
                colour);
  }
}

void Engine::ClearView() {
  if (!IsLocked() || height <= 0 || width <= 0) return;
  std::memset(
      backBuffer, 0,
      static_cast<std::size_t>(height) * static_cast<std::size_t>(width) * sizeof(std::uint16_t));
}

int Engine::DrawTiled(int ox, int oy, const graphics::Image& image) {
  if (draw.DrawPlain == nullptr) return 0;
  const std::int64_t w = image.Width();
  const std::int64_t h = image.Height();
  // An image without area has no grid; one plain draw still refuses it if it is not plain.
  if (w <= 0 || h <= 0) return draw.DrawPlain(*this, 0, 0, &image);

  const graphics::TileDivision x0 = graphics::TileDivide(ox, w);
  const graphics::TileDivision y0 = graphics::TileDivide(oy, h);
  const std::int64_t columns =
      graphics::TileDivide(std::int64_t{ox} + width, w).quotient - x0.quotient + 1;
  const std::int64_t rows =
      graphics::TileDivide(std::int64_t{oy} + height, h).quotient - y0.quotient + 1;
  constexpr std::int64_t kMax = std::numeric_limits<int>::max();
  for (std::int64_t j = 0; j < rows; ++j) {
    const std::int64_t y = -y0.remainder + j * h;
    for (std::int64_t i = 0; i < columns; ++i) {
      const std::int64_t x = -x0.remainder + i * w;
      // A copy whose position does not fit an int lies far beyond the buffer.
      if (x > kMax || y > kMax) continue;
      // A refused image would be refused again by every copy; one report is enough.
      if (draw.DrawPlain(*this, static_cast<int>(x), static_cast<int>(y), &image) == 0) {
        return 0;
      }
    }
  }
  return 1;
}

}  // namespace engine::core
