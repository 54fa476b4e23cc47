// Screenshot.h -- a copy of the 16-bit back buffer as a 24-bit picture.
#pragma once

#include <cstdint>

#include "engine/graphics/Image.h"
#include "engine/graphics/ScreenFormat.h"

namespace engine::graphics {

// Expands each channel to 8 bits by repeating its top bits below it (5 bits: v << 3 | v >> 2;
// 6 bits: v << 2 | v >> 4), so black stays 0 and full intensity becomes 255.
std::uint8_t ExpandChannel(std::uint32_t value, int bits);

// A 24-bit image (format IMG_24BIT) of width x height pixels read from rows stride pixels
// apart.
Image CaptureRgb(const std::uint16_t* pixels, int stride, int width, int height,
                 const PixelFormat& format);

}  // namespace engine::graphics
