// LetterboxTest.cpp -- fitting the picture with bars, and pointer positions back into it.
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
