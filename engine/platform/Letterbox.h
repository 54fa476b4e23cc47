// Letterbox.h -- where the picture goes when it is scaled into a window or screen of another
// shape, how it is filtered there, and which picture pixel lies under a point of that window.
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

// The largest whole-number enlargement PlacePicture makes before smoothing.
inline constexpr int kMaxSharpScale = 4;

// How the picture is drawn into an output.
struct Placement {
  Rect destination;  // empty when nothing is shown
  // The picture is first enlarged this many times with nearest-neighbour sampling. When exact,
  // the destination is that enlargement and nothing else is done; otherwise the enlargement is
  // scaled smoothly into the destination (plain smooth scaling when sharpScale is 1).
  int sharpScale = 1;
  bool exact = false;
};

// Whole-number scaling where the output allows it, so that pixel art stays sharp: when the
// output holds the picture k times over (k >= 1) and the aspect-kept fit is at most 1/32
// larger than that, the picture is shown exactly k times its size, centred. Otherwise it fills
// the aspect-kept fit: enlarged to the next whole number (at most kMaxSharpScale) and smoothed
// down from there, which keeps every picture pixel almost as sharp as a whole-number scale
// and evenly sized; an output smaller than the picture gets plain smooth scaling.
Placement PlacePicture(Size picture, Size output);

// The picture pixel under a point of a window whose size in its own coordinates is window,
// while its drawable output of size output (larger than window on a high-density screen) shows
// the picture in PlacePicture(picture, output). Points in the bars or outside the window map
// to the nearest picture pixel; (0, 0) when nothing is shown.
Point WindowToPicture(Point point, Size window, Size output, Size picture);

}  // namespace engine::platform
