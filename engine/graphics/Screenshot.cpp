// Screenshot.cpp -- back buffer to 24-bit picture.
#include "engine/graphics/Screenshot.h"

namespace engine::graphics {

std::uint8_t ExpandChannel(std::uint32_t value, int bits) {
  if (bits <= 0) return 0;
  if (bits >= 8) return static_cast<std::uint8_t>(value >> (bits - 8));
  // Repeat the pattern until 8 bits are filled, for any channel width.
  std::uint32_t expanded = 0;
  int filled = 0;
  while (filled < 8) {
    expanded = (expanded << bits) | value;
    filled += bits;
  }
  return static_cast<std::uint8_t>(expanded >> (filled - 8));
}

Image CaptureRgb(const std::uint16_t* pixels, int stride, int width, int height,
                 const PixelFormat& format) {
  Image image;
  image.Create(width, height, IMG_24BIT);
  if (pixels == nullptr || !image.HasPixels()) return image;
  std::uint8_t* out = image.PixelBytes();
  for (int y = 0; y < height; ++y) {
    const std::uint16_t* row = pixels + static_cast<std::size_t>(y) * stride;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = row[x];
      *out++ = ExpandChannel((p & format.rmask) >> format.rshift, format.rbits);
      *out++ = ExpandChannel((p & format.gmask) >> format.gshift, format.gbits);
      *out++ = ExpandChannel((p & format.bmask) >> format.bshift, format.bbits);
    }
  }
  return image;
}

}  // namespace engine::graphics
