// DrawClip.cpp -- clipping an image against the clip rectangle and the back buffer.
#include "engine/graphics/DrawClip.h"

#include <algorithm>

#include "engine/graphics/Image.h"

namespace engine::graphics {

ImageClip ClipImage(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                    const ClipRect& clip, std::int32_t stride) {
  ImageClip out;
  if (w <= 0 || h <= 0) return out;

  // Edges are taken in 64 bits so that positions near the ends of the 32-bit range cannot
  // overflow.
  const std::int64_t left = clip.left, top = clip.top, right = clip.right, bottom = clip.bottom;
  const std::int64_t xe = std::int64_t{x} + w - 1;
  const std::int64_t ye = std::int64_t{y} + h - 1;
  if (xe < left || x > right || ye < top || y > bottom) return out;

  std::int64_t source = 0;
  std::int64_t width = w;
  if (x < left) {
    width = w - (left - x);
    source += left - x;
  }
  if (xe > right) width -= xe - right;
  std::int64_t height = h;
  if (y < top) {
    height = h - (top - y);
    source += (top - y) * w;
  }
  if (ye > bottom) height -= ye - bottom;
  // Only a clip rectangle with its right edge left of its left edge (or bottom above top)
  // gets here without area.
  if (width <= 0 || height <= 0) return out;

  out.visible = true;
  out.destination = static_cast<std::ptrdiff_t>(std::max<std::int64_t>(x, left) +
                                                std::max<std::int64_t>(y, top) * stride);
  out.source = static_cast<std::ptrdiff_t>(source);
  out.width = static_cast<std::int32_t>(width);
  out.height = static_cast<std::int32_t>(height);
  return out;
}

ImageClip ClipImage(const DrawSurface& surface, std::int32_t x, std::int32_t y,
                    const Image& image) {
  return ClipImage(x, y, image.Width(), image.Height(), surface.DrawingClip(), surface.stride);
}

}  // namespace engine::graphics
