// ImageRotate.cpp -- turning and scaling an image into another by sampling backwards from
// every destination pixel.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/graphics/Image.h"

namespace engine::graphics {

namespace {

// Degrees to radians, as the walk has always used it.
constexpr double kDegrees = 0.01745328888888889;

struct Walk {
  float x0, y0;  // sample position of row 0's first pixel
  float dx, dy;  // step along a row; the next row starts at (x - dy, y + dx)
};

// Fills a plane of elementSize-byte elements: every destination element whose sample falls
// inside the source copies it, the others get outside (a byte value repeated).
void WalkPlane(const Walk& walk, const std::uint8_t* source, int sourceWidth, int sourceHeight,
               std::uint8_t* destination, int destinationWidth, int destinationHeight,
               int elementSize, std::uint8_t outside) {
  const float sw = static_cast<float>(sourceWidth);
  const float sh = static_cast<float>(sourceHeight);
  const std::size_t rowBytes = static_cast<std::size_t>(destinationWidth) * elementSize;
  float xj = walk.x0, yj = walk.y0;
  for (int j = 0; j < destinationHeight; ++j) {
    std::uint8_t* row = destination + static_cast<std::size_t>(j) * rowBytes;
    // Positions along a row move monotonically, so those inside the source are contiguous:
    // trim the outside ends, then copy the middle without further tests.
    auto x = [&](int i) { return xj + static_cast<float>(i) * walk.dx; };
    auto y = [&](int i) { return yj + static_cast<float>(i) * walk.dy; };
    auto inside = [&](int i) {
      const float px = x(i), py = y(i);
      return px >= 0.0f && px < sw && py >= 0.0f && py < sh;
    };
    int last = destinationWidth - 1;
    while (last >= 0 && !inside(last))
      --last;
    int first = 0;
    while (first <= last && !inside(first))
      ++first;
    std::memset(row, outside, static_cast<std::size_t>(first) * elementSize);
    for (int i = first; i <= last; ++i) {
      // The limits only guard against rounding; the trimmed positions are all inside.
      const int sx = std::min(static_cast<int>(x(i)), sourceWidth - 1);
      const int sy = std::min(static_cast<int>(y(i)), sourceHeight - 1);
      std::memcpy(row + static_cast<std::size_t>(i) * elementSize,
                  source + (static_cast<std::size_t>(sy) * sourceWidth + sx) * elementSize,
                  static_cast<std::size_t>(elementSize));
    }
    std::memset(row + static_cast<std::size_t>(last + 1) * elementSize, outside,
                static_cast<std::size_t>(destinationWidth - 1 - last) * elementSize);
    xj -= walk.dy;
    yj += walk.dx;
  }
}

}  // namespace

// A non-square source walks both planes alike: the plain walk, with no correction factor for
// the pixel plane, so pixels and alpha stay in register.
void Image::Rotate(Image* destination, float angle, float scale) const {
  if (destination == nullptr || !HasPixels()) return;
  destination->use_ = use_;
  destination->runs_.reset();

  const int dw = destination->width_, dh = destination->height_;
  const float inv = 1.0f / scale;
  const float r = static_cast<float>(
      0.5 * std::sqrt(static_cast<double>(dw) * dw + static_cast<double>(dh) * dh));
  const double beta = (135.0 - angle) * kDegrees;
  const double a = angle * kDegrees;
  Walk walk;
  walk.dx = static_cast<float>(inv * std::cos(a));
  walk.dy = static_cast<float>(inv * std::sin(a));
  walk.x0 = static_cast<float>(r * inv * std::cos(beta) + width_ * 0.5);
  walk.y0 = static_cast<float>(height_ * 0.5 - r * inv * std::sin(beta));
  if (!std::isfinite(walk.dx) || !std::isfinite(walk.dy) || !std::isfinite(walk.x0) ||
      !std::isfinite(walk.y0)) {
    return;
  }

  const std::size_t sourceCount = static_cast<std::size_t>(width_) * height_;
  const std::size_t destinationCount = static_cast<std::size_t>(dw) * dh;
  // Elements are copied whole, so both pixel planes must hold elements of one size.
  const int element = BytesPerPixel(format_);
  if (element > 0 && element == BytesPerPixel(destination->format_) &&
      pixelBytes_ >= sourceCount * element &&
      destination->pixelBytes_ >= destinationCount * element) {
    WalkPlane(walk, PixelBytes(), width_, height_, destination->PixelBytes(), dw, dh, element, 0);
  }
  if (alpha_.size() >= sourceCount && destination->alpha_.size() >= destinationCount &&
      !alpha_.empty() && !destination->alpha_.empty()) {
    WalkPlane(walk, alpha_.data(), width_, height_, destination->alpha_.data(), dw, dh, 1, 255);
  }
}

}  // namespace engine::graphics
