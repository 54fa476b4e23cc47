// DrawClip.h -- the clipping step shared by the image operations: which part of an image lands
// inside the clip rectangle, and where.
#pragma once

#include <cstddef>
#include <cstdint>

#include "engine/graphics/DrawSurface.h"

namespace engine::graphics {

class Image;

// The visible part of an image. Offsets count pixels (16-bit words): destination from the back
// buffer's first pixel, source from the image's first pixel; the alpha plane uses the source
// offset too. Width and height are only meaningful when visible.
struct ImageClip {
  bool visible = false;
  std::ptrdiff_t destination = 0;
  std::ptrdiff_t source = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
};

// Clips a w x h image at (x, y) to clip, for a back buffer whose rows are stride pixels apart.
// A clip rectangle or image without area shows nothing.
ImageClip ClipImage(std::int32_t x, std::int32_t y, std::int32_t w, std::int32_t h,
                    const ClipRect& clip, std::int32_t stride);

// Clips image at (x, y) to the surface's clip rectangle within its buffer. Called by the image
// operations once the image has been accepted.
ImageClip ClipImage(const DrawSurface& surface, std::int32_t x, std::int32_t y, const Image& image);

}  // namespace engine::graphics
