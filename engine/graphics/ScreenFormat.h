// ScreenFormat.h -- the back buffer's 16-bit pixel format, read by drawing and by image
// preparation.
#pragma once

#include <cstdint>

namespace engine::graphics {

struct PixelFormat {
  std::int32_t rmask = 0, gmask = 0, bmask = 0;
  std::int32_t rshift = 0, gshift = 0, bshift = 0;
  std::int32_t rbits = 0, gbits = 0, bbits = 0;

  // Describes the format given by three channel masks. A zero mask gives shift and bit
  // count 0 instead of searching forever.
  static PixelFormat FromMasks(std::uint32_t rmask, std::uint32_t gmask, std::uint32_t bmask);
};

// Filled by CreateSurface.
extern PixelFormat ScreenFormat;

}  // namespace engine::graphics
