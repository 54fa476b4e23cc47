// Letterbox.cpp -- aspect-kept fitting of the picture and the reverse mapping of pointer
// positions.
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

Point WindowToPicture(Point point, Size window, Size output, Size picture) {
  const Rect shown = FitPicture(picture, output);
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
