// DrawSurface.h -- what every drawing operation draws into: the locked back buffer's pixels and
// geometry, and the clip rectangle of the image operations. A small value, made by the engine
// for each call, so drawing needs nothing of the engine object itself.
#pragma once

#include <algorithm>
#include <cstdint>

namespace engine::graphics {

// A rectangle of back-buffer pixels, inclusive on all four sides.
struct ClipRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = -1;
  std::int32_t bottom = -1;
};

struct DrawSurface {
  // Pixel (x, y) is pixels[y * stride + x]. Null while the back buffer is not locked: then
  // every operation draws nothing.
  std::uint16_t* pixels = nullptr;
  // Pixels from the start of one row to the start of the next; every column up to stride - 1
  // lies in the buffer, although only width of them are shown.
  std::int32_t stride = 0;
  // The drawing area, as the window shows it.
  std::int32_t width = 0;
  std::int32_t height = 0;
  // The image operations' clip rectangle as it was set, unchecked.
  ClipRect clip;

  // The whole buffer: rows 0 to height - 1, columns 0 to stride - 1.
  ClipRect Bounds() const { return ClipRect{0, 0, stride - 1, height - 1}; }
  // The clip rectangle cut down to the buffer, so that a rectangle set beyond its edges never
  // lets an image operation write outside it.
  ClipRect DrawingClip() const {
    const ClipRect bounds = Bounds();
    return ClipRect{std::max(clip.left, bounds.left), std::max(clip.top, bounds.top),
                    std::min(clip.right, bounds.right), std::min(clip.bottom, bounds.bottom)};
  }
};

}  // namespace engine::graphics
