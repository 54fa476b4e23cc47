// ScreenFormat.cpp -- channel shifts and widths found from the display's masks.
#include "engine/graphics/ScreenFormat.h"

namespace engine::graphics {

PixelFormat ScreenFormat;

namespace {

// Counts the shifts to the mask's lowest set bit, then the bits up to its end.
void Measure(std::uint32_t mask, std::int32_t& shift, std::int32_t& bits) {
  shift = 0;
  bits = 0;
  if (mask == 0) return;
  while ((mask & 1u) == 0) {
    mask >>= 1;
    ++shift;
  }
  while (mask != 0) {
    mask >>= 1;
    ++bits;
  }
}

}  // namespace

PixelFormat PixelFormat::FromMasks(std::uint32_t rmask, std::uint32_t gmask, std::uint32_t bmask) {
  PixelFormat f;
  f.rmask = static_cast<std::int32_t>(rmask);
  f.gmask = static_cast<std::int32_t>(gmask);
  f.bmask = static_cast<std::int32_t>(bmask);
  Measure(rmask, f.rshift, f.rbits);
  Measure(gmask, f.gshift, f.gbits);
  Measure(bmask, f.bshift, f.bbits);
  return f;
}

}  // namespace engine::graphics
