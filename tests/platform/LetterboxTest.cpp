// LetterboxTest.cpp -- fitting the picture with bars, the choice of whole-number scaling, and
// pointer positions back into the picture.
#include "engine/platform/Letterbox.h"

#include <gtest/gtest.h>

#include <string>

namespace engine::platform {
namespace {

constexpr Size kPicture{800, 600};

struct FitCase {
  std::string name;
  Size picture;
  Size output;
  Rect expected;
};

TEST(Letterbox, FitsTheLargestCentredRectangleOfThePicturesShape) {
  const FitCase cases[] = {
      {"wide screen: bars left and right", kPicture, {1920, 1080}, {240, 0, 1680, 1080}},
      {"exact fit", kPicture, {800, 600}, {0, 0, 800, 600}},
      {"same shape, larger", kPicture, {1024, 768}, {0, 0, 1024, 768}},
      {"5:4 screen: bars above and below", kPicture, {1280, 1024}, {0, 32, 1280, 992}},
      {"tall window", kPicture, {600, 1000}, {0, 275, 600, 725}},
      {"odd leftover rounds left", kPicture, {801, 600}, {0, 0, 800, 600}},
      {"tiny window keeps a pixel", kPicture, {1, 1}, {0, 0, 1, 1}},
      {"sliver keeps a pixel", kPicture, {1, 100}, {0, 49, 1, 50}},
      {"minimised window", kPicture, {0, 0}, {0, 0, 0, 0}},
      {"no picture", {0, 600}, {800, 600}, {0, 0, 0, 0}},
      {"huge sizes do not overflow", {60000, 40000}, {50000, 50000}, {0, 8333, 50000, 41666}},
  };
  for (const FitCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Rect r = FitPicture(c.picture, c.output);
    EXPECT_EQ(r.left, c.expected.left);
    EXPECT_EQ(r.top, c.expected.top);
    EXPECT_EQ(r.right, c.expected.right);
    EXPECT_EQ(r.bottom, c.expected.bottom);
  }
}

struct PlaceCase {
  std::string name;
  Size output;
  Rect expected;
  int sharpScale;
  bool exact;
};

TEST(Letterbox, PlacesThePictureAtWholeNumberScalesWhereTheOutputAllows) {
  const PlaceCase cases[] = {
      {"the window's own size", {800, 600}, {0, 0, 800, 600}, 1, true},
      {"twice the size", {1600, 1200}, {0, 0, 1600, 1200}, 2, true},
      {"a little larger keeps 1:1 with bars", {820, 610}, {10, 5, 810, 605}, 1, true},
      {"tall window keeps 1:1", {800, 1300}, {0, 350, 800, 950}, 1, true},
      {"exactly 1/32 over twice still snaps", {1650, 1300}, {25, 50, 1625, 1250}, 2, true},
      {"a pixel further fills the window", {1651, 1300}, {0, 31, 1651, 1269}, 3, false},
      {"just past 1/32 over 1:1", {826, 620}, {0, 0, 826, 619}, 2, false},
      {"1080p screen", {1920, 1080}, {240, 0, 1680, 1080}, 2, false},
      {"5:4 screen", {1280, 1024}, {0, 32, 1280, 992}, 2, false},
      {"1440p screen", {2560, 1440}, {320, 0, 2240, 1440}, 3, false},
      {"4K screen", {3840, 2160}, {480, 0, 3360, 2160}, 4, false},
      {"8K screen: seven times with bars", {7680, 4320}, {1040, 60, 6640, 4260}, 7, true},
      {"huge screen stops enlarging at the limit", {6000, 3375}, {750, 0, 5250, 3375}, 4, false},
      {"smaller than the picture: smooth only", {640, 480}, {0, 0, 640, 480}, 1, false},
      {"narrower than the picture", {700, 900}, {0, 187, 700, 712}, 1, false},
      {"minimised window shows nothing", {0, 0}, {0, 0, 0, 0}, 1, false},
  };
  for (const PlaceCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Placement p = PlacePicture(kPicture, c.output);
    EXPECT_EQ(p.destination.left, c.expected.left);
    EXPECT_EQ(p.destination.top, c.expected.top);
    EXPECT_EQ(p.destination.right, c.expected.right);
    EXPECT_EQ(p.destination.bottom, c.expected.bottom);
    EXPECT_EQ(p.sharpScale, c.sharpScale);
    EXPECT_EQ(p.exact, c.exact);
  }
}

// Across a sweep of window sizes: a whole-number placement is exactly that many times the
// picture, any other one enlarges past the destination before smoothing down (below the
// limit), and the picture never leaves the output.
TEST(Letterbox, PlacementsStayInsideTheOutputAndSharpScalesCoverThem) {
  for (int w = 1; w <= 2600; w += 7) {
    for (const int h : {1, 300, 599, 600, 601, 1024, 1200, 1800}) {
      SCOPED_TRACE(std::to_string(w) + "x" + std::to_string(h));
      const Placement p = PlacePicture(kPicture, {w, h});
      const Rect& d = p.destination;
      ASSERT_GE(d.left, 0);
      ASSERT_GE(d.top, 0);
      ASSERT_LE(d.right, w);
      ASSERT_LE(d.bottom, h);
      ASSERT_GE(p.sharpScale, 1);
      if (p.exact) {
        ASSERT_EQ(d.Width(), 800 * p.sharpScale);
        ASSERT_EQ(d.Height(), 600 * p.sharpScale);
      } else {
        ASSERT_LE(p.sharpScale, kMaxSharpScale);
        if (p.sharpScale > 1) {
          ASSERT_GT(800 * p.sharpScale, d.Width());
          ASSERT_GT(600 * p.sharpScale, d.Height());
        }
      }
    }
  }
}

struct PointCase {
  std::string name;
  Point point;
  Size window;
  Size output;
  Point expected;
};

TEST(Letterbox, MapsWindowPointsToPicturePixels) {
  const Size hd{1920, 1080};
  const PointCase cases[] = {
      {"unscaled window is the identity", {123, 456}, kPicture, kPicture, {123, 456}},
      {"unscaled bottom-right corner", {799, 599}, kPicture, kPicture, {799, 599}},
      {"first shown column", {240, 0}, hd, hd, {0, 0}},
      {"last shown column", {1679, 1079}, hd, hd, {799, 599}},
      {"centre", {960, 540}, hd, hd, {400, 300}},
      {"left bar maps to the left edge", {0, 540}, hd, hd, {0, 300}},
      {"right bar maps to the right edge", {1919, 540}, hd, hd, {799, 300}},
      {"first column past the picture", {1680, 540}, hd, hd, {799, 300}},
      {"outside the window above left", {-50, -50}, hd, hd, {0, 0}},
      {"outside the window below right", {5000, 5000}, hd, hd, {799, 599}},
      {"bar above on a 5:4 screen", {640, 5}, {1280, 1024}, {1280, 1024}, {400, 0}},
      {"bar below on a 5:4 screen", {640, 1020}, {1280, 1024}, {1280, 1024}, {400, 599}},
      {"high density: output twice the window", {480, 270}, {960, 540}, hd, {400, 300}},
      {"high density: first shown column", {120, 0}, {960, 540}, hd, {0, 0}},
      {"high density: last shown column", {839, 539}, {960, 540}, hd, {799, 599}},
      {"tiny window shows the middle", {0, 0}, {1, 1}, {1, 1}, {400, 300}},
      {"minimised window", {10, 10}, {0, 0}, {0, 0}, {0, 0}},
      {"twice the size: first pixel", {1, 1}, {1600, 1200}, {1600, 1200}, {0, 0}},
      {"twice the size: second pixel", {2, 3}, {1600, 1200}, {1600, 1200}, {1, 1}},
      {"twice the size: last pixel", {1599, 1199}, {1600, 1200}, {1600, 1200}, {799, 599}},
      {"snapped 1:1 with bars: first pixel", {10, 5}, {820, 610}, {820, 610}, {0, 0}},
      {"snapped 1:1 with bars: left bar", {9, 300}, {820, 610}, {820, 610}, {0, 295}},
      {"snapped 1:1 with bars: last pixel", {809, 604}, {820, 610}, {820, 610}, {799, 599}},
  };
  for (const PointCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Point p = WindowToPicture(c.point, c.window, c.output, kPicture);
    EXPECT_EQ(p.x, c.expected.x);
    EXPECT_EQ(p.y, c.expected.y);
  }
}

// Every window pixel of a scaled screen lands inside the picture, and the mapping never runs
// backwards.
TEST(Letterbox, EveryWindowPixelMapsInsideThePictureInOrder) {
  const Size window{1366, 768};
  int previous = -1;
  for (int x = -3; x < window.width + 3; ++x) {
    const Point p = WindowToPicture({x, 400}, window, window, kPicture);
    ASSERT_GE(p.x, 0);
    ASSERT_LE(p.x, 799);
    ASSERT_GE(p.x, previous);
    previous = p.x;
  }
  EXPECT_EQ(previous, 799);
}

}  // namespace
}  // namespace engine::platform
