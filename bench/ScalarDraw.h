// ScalarDraw.h -- the four drawing rules written the plainest way, one pixel at a time with its
// own clipping, as the reference every fast kernel must match bit for bit.
#pragma once

#include <cstdint>

#include "engine/graphics/Image.h"

namespace bench {

// Draws image (prepared for use) with its top-left at (x, y) into a width x height buffer whose
// rows are stride pixels apart, in RGB565; pixels off the buffer are left out.
void ScalarDraw(std::uint8_t use, const engine::graphics::Image& image, int x, int y,
                std::uint16_t* buffer, int stride, int width, int height);

}  // namespace bench
