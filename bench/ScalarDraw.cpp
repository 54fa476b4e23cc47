// ScalarDraw.cpp -- the per-pixel reference, worked on each colour field shifted down to its own
// range.
#include "bench/ScalarDraw.h"

#include <algorithm>

namespace bench {

namespace {

using engine::graphics::DRAW_ADD;
using engine::graphics::DRAW_ALPHA;
using engine::graphics::DRAW_MASKED;
using engine::graphics::DRAW_PLAIN;

struct Field {
  unsigned shift, top;
};
constexpr Field kFields[3] = {{11, 31}, {5, 63}, {0, 31}};

std::uint16_t Pixel(std::uint8_t use, std::uint16_t d, std::uint16_t s, std::uint8_t t) {
  switch (use) {
    case DRAW_PLAIN:
      return s;
    case DRAW_MASKED:
      return s != 0 ? s : d;
    case DRAW_ALPHA: {
      // t is the destination's share out of 256; 255 leaves it untouched.
      if (t == 255) return d;
      unsigned kept = 0;
      for (const Field& f : kFields) {
        const unsigned v = (d >> f.shift) & f.top;
        kept |= ((v * t) / 256) << f.shift;
      }
      return static_cast<std::uint16_t>(kept + s);
    }
    case DRAW_ADD: {
      if (s == 0) return d;
      unsigned sum = 0;
      for (const Field& f : kFields) {
        const unsigned v = ((d >> f.shift) & f.top) + ((s >> f.shift) & f.top);
        sum |= std::min(v, f.top) << f.shift;
      }
      return static_cast<std::uint16_t>(sum);
    }
    default:
      return d;
  }
}

}  // namespace

void ScalarDraw(std::uint8_t use, const engine::graphics::Image& image, int x, int y,
                std::uint16_t* buffer, int stride, int width, int height) {
  const std::uint16_t* pixels = image.Pixels16();
  const std::uint8_t* alpha = image.Alpha();
  for (int j = 0; j < image.Height(); ++j) {
    for (int i = 0; i < image.Width(); ++i) {
      const int bx = x + i, by = y + j;
      if (bx < 0 || bx >= width || by < 0 || by >= height) continue;
      const std::size_t at = static_cast<std::size_t>(j) * image.Width() + i;
      std::uint16_t& d = buffer[static_cast<std::size_t>(by) * stride + bx];
      d = Pixel(use, d, pixels[at], alpha != nullptr ? alpha[at] : 0);
    }
  }
}

}  // namespace bench
