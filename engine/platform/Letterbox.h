// Letterbox.h -- where the picture goes when it is scaled into a window or screen of another
// shape, and which picture pixel lies under a point of that window.
#pragma once

#include "engine/platform/WindowSystem.h"

namespace engine::platform {

struct Size {
  int width = 0;
  int height = 0;
};

// The largest rectangle with the picture's aspect ratio that fits inside output, centred; the
// rest of output shows as bars. Never narrower or shorter than one pixel while both sizes are
// non-empty; empty when either is empty.
Rect FitPicture(Size picture, Size output);

// The picture pixel under a point of a window whose size in its own coordinates is window,
// while its drawable output of size output (larger than window on a high-density screen) shows
// the picture in FitPicture(picture, output). Points in the bars or outside the window map to
// the nearest picture pixel; (0, 0) when nothing is shown.
Point WindowToPicture(Point point, Size window, Size output, Size picture);

}  // namespace engine::platform
