// PixelExpand.cpp -- the two byte tables of the RGB565 expansion.
#include "engine/platform/PixelExpand.h"

#include <cstddef>

namespace engine::platform {

namespace {

// Bit replication of a 5-bit channel, as the screenshot writer expands it.
constexpr std::uint32_t Expand5(std::uint32_t v) {
  return (v << 3) | (v >> 2);
}

}  // namespace

// Green's six bits are gh (3, from the high byte) above gl (3, from the low one). Its
// replication (g << 2) | (g >> 4) is gh << 5 | gl << 2 | gh >> 1: the high byte's part and the
// low byte's part fill separate bits.
Rgb565Expander::Rgb565Expander() {
  for (std::uint32_t byte = 0; byte < 256; ++byte) {
    const std::uint32_t red = byte >> 3, greenHigh = byte & 7;
    const std::uint32_t green = (greenHigh << 5) | (greenHigh >> 1);
    high_[byte] = 0xFF000000u | (Expand5(red) << 16) | (green << 8);
    const std::uint32_t greenLow = byte >> 5, blue = byte & 31;
    low_[byte] = ((greenLow << 2) << 8) | Expand5(blue);
  }
}

void Rgb565Expander::Picture(const std::uint16_t* in, int inPitch, std::uint32_t* out, int outPitch,
                             int width, int height) const {
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const std::uint16_t*>(
        reinterpret_cast<const unsigned char*>(in) + static_cast<std::ptrdiff_t>(y) * inPitch);
    auto* target = reinterpret_cast<std::uint32_t*>(reinterpret_cast<unsigned char*>(out) +
                                                    static_cast<std::ptrdiff_t>(y) * outPitch);
    for (int x = 0; x < width; ++x)
      target[x] = (*this)(row[x]);
  }
}

}  // namespace engine::platform
