// PixelExpand.h -- 16-bit RGB565 pixels widened to 32-bit 0xAARRGGBB for a display that shows
// 8 bits a channel, by the same bit replication that screenshots use, so the screen shows
// exactly the colours a screenshot records and full intensity is 255.
#pragma once

#include <array>
#include <cstdint>

namespace engine::platform {

class Rgb565Expander {
 public:
  Rgb565Expander();

  // One pixel; alpha is always 255.
  std::uint32_t operator()(std::uint16_t pixel) const {
    return high_[pixel >> 8] | low_[pixel & 0xFF];
  }
  // A picture of width x height pixels; pitches are in bytes.
  void Picture(const std::uint16_t* in, int inPitch, std::uint32_t* out, int outPitch, int width,
               int height) const;

 private:
  // Red and the top half of green sit in the high byte, the rest of green and blue in the
  // low one; their expanded bits never overlap, so a pixel is the two entries or'ed.
  std::array<std::uint32_t, 256> high_{};
  std::array<std::uint32_t, 256> low_{};
};

}  // namespace engine::platform
