// Letterbox.cpp -- aspect-kept fitting of the picture, the choice of whole-number scaling,
// and the reverse mapping of pointer positions.
#include "engine/platform/Letterbox.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace engine::platform {

namespace {

bool Empty(Size size) {
  return size.width <= 0 || size.height <= 0;
}

}  // namespace

Rect FitPicture(Size picture, Size output) {
  if (Empty(picture) || Empty(output)) return {};
  const std::int64_t pw = picture.width, ph = picture.height;
  const std::int64_t ow = output.width, oh = output.height;
  std::int64_t width = ow, height = oh;
  if (ow * ph > oh * pw) {
    width = oh * pw / ph;  // output is wider than the picture: bars left and right
  } else {
    height = ow * ph / pw;  // output is taller: bars above and below
  }
  width = std::max<std::int64_t>(width, 1);
  height = std::max<std::int64_t>(height, 1);
  const int left = static_cast<int>((ow - width) / 2);
  const int top = static_cast<int>((oh - height) / 2);
  return {left, top, left + static_cast<int>(width), top + static_cast<int>(height)};
}

Placement PlacePicture(Size picture, Size output) {
  Placement placement;
  placement.destination = FitPicture(picture, output);
  if (placement.destination.Width() <= 0) return placement;
  const int whole = std::min(output.width / picture.width, output.height / picture.height);
  if (whole >= 1) {
    // Close enough to a whole number: bars a few pixels wider are better than uneven pixels.
    const std::int64_t wholeWidth = std::int64_t{whole} * picture.width;
    if (std::int64_t{placement.destination.Width()} * 32 <= wholeWidth * 33) {
      const std::int64_t wholeHeight = std::int64_t{whole} * picture.height;
      const int left = static_cast<int>((output.width - wholeWidth) / 2);
      const int top = static_cast<int>((output.height - wholeHeight) / 2);
      placement.destination = {left, top, left + static_cast<int>(wholeWidth),
                               top + static_cast<int>(wholeHeight)};
      placement.sharpScale = whole;
      placement.exact = true;
      return placement;
    }
  }
  // Enlarged past the destination (up to the limit), so that smoothing shrinks; a picture
  // larger than its destination is smoothed directly.
  placement.sharpScale = whole == 0 ? 1 : std::min(whole + 1, kMaxSharpScale);
  return placement;
}

Point WindowToPicture(Point point, Size window, Size output, Size picture) {
  const Rect shown = PlacePicture(picture, output).destination;
  if (Empty(window) || shown.Width() <= 0 || shown.Height() <= 0) return {};
  // The centre of the window point, in output pixels, then in picture pixels.
  const double ox = (point.x + 0.5) * output.width / window.width;
  const double oy = (point.y + 0.5) * output.height / window.height;
  const double px = std::floor((ox - shown.left) * picture.width / shown.Width());
  const double py = std::floor((oy - shown.top) * picture.height / shown.Height());
  return {static_cast<int>(std::clamp(px, 0.0, picture.width - 1.0)),
          static_cast<int>(std::clamp(py, 0.0, picture.height - 1.0))};
}

}  // namespace engine::platform
