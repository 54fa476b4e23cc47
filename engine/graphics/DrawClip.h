// DrawClip.h -- the clipping step shared by the image operations: which part of an image lands
// inside the clip rectangle, and where.
#pragma once

#include <cstddef>
#include <cstdint>

namespace engine::core {
class Engine;
}

namespace engine::graphics {

class Image;

// A rectangle of back-buffer pixels, inclusive on all four sides.
struct ClipRect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = -1;
  std::int32_t bottom = -1;
};

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

// The whole back buffer: rows 0 to height - 1, columns 0 to stride - 1.
ClipRect BufferRect(const core::Engine& engine);
// The engine's clip rectangle, cut down to the back buffer so that a rectangle set beyond its
// edges never lets a draw write outside it.
ClipRect DrawingClip(const core::Engine& engine);

// Clips image at (x, y) to the engine's clip rectangle within the back buffer. Called by the
// image operations once the image has been accepted.
ImageClip ClipImage(const core::Engine& engine, std::int32_t x, std::int32_t y, const Image& image);

}  // namespace engine::graphics
