// Clipping an image to the clip rectangle: visibility, offsets and visible size at every edge
// and corner, and the surface's clip rectangle cut to its buffer.
#include <gtest/gtest.h>

#include <climits>

#include "engine/graphics/DrawClip.h"
#include "tests/graphics/DrawFixture.h"

namespace {

using engine::graphics::ClipImage;
using engine::graphics::ClipRect;
using engine::graphics::DrawSurface;
using engine::graphics::Image;
using engine::graphics::ImageClip;

struct ClipCase {
  const char* name;
  int x, y, w, h;
  ClipRect clip;
  int stride;
  ImageClip expected;
};

constexpr ClipRect kInner{100, 50, 699, 449};
constexpr ImageClip kNothing{};

ImageClip Shows(std::ptrdiff_t destination, std::ptrdiff_t source, int width, int height) {
  return ImageClip{true, destination, source, width, height};
}

TEST(ClipImage, EdgesCornersAndOutside) {
  const ClipCase cases[] = {
      {"inside", 200, 100, 100, 50, kInner, 1024, Shows(200 + 100 * 1024, 0, 100, 50)},
      {"left", 70, 100, 100, 50, kInner, 1024, Shows(100 + 100 * 1024, 30, 70, 50)},
      {"right", 650, 100, 100, 50, kInner, 1024, Shows(650 + 100 * 1024, 0, 50, 50)},
      {"top", 200, 30, 100, 50, kInner, 1024, Shows(200 + 50 * 1024, 20 * 100, 100, 30)},
      {"bottom", 200, 420, 100, 50, kInner, 1024, Shows(200 + 420 * 1024, 0, 100, 30)},
      {"top_left", 70, 30, 100, 50, kInner, 1024, Shows(100 + 50 * 1024, 30 + 2000, 70, 30)},
      {"top_right", 650, 30, 100, 50, kInner, 1024, Shows(650 + 50 * 1024, 2000, 50, 30)},
      {"bottom_left", 70, 420, 100, 50, kInner, 1024, Shows(100 + 420 * 1024, 30, 70, 30)},
      {"bottom_right", 650, 420, 100, 50, kInner, 1024, Shows(650 + 420 * 1024, 0, 50, 30)},
      {"over_all_sides", 50, 0, 700, 500, kInner, 1024,
       Shows(100 + 50 * 1024, 50 + 50 * 700, 600, 400)},
      {"last_column", 699, 100, 100, 50, kInner, 1024, Shows(699 + 100 * 1024, 0, 1, 50)},
      {"first_column", 1, 100, 100, 50, kInner, 1024, Shows(100 + 100 * 1024, 99, 1, 50)},
      {"last_row", 200, 449, 100, 50, kInner, 1024, Shows(200 + 449 * 1024, 0, 100, 1)},
      {"first_row", 200, 1, 100, 50, kInner, 1024, Shows(200 + 50 * 1024, 49 * 100, 100, 1)},
      {"beyond_right", 700, 100, 100, 50, kInner, 1024, kNothing},
      {"before_left", 0, 100, 100, 50, kInner, 1024, kNothing},
      {"beyond_bottom", 200, 450, 100, 50, kInner, 1024, kNothing},
      {"before_top", 200, 0, 100, 50, kInner, 1024, kNothing},
      {"corner_outside", 0, 0, 100, 50, kInner, 1024, kNothing},
      // An 800 x 600 area with the default clip rectangle.
      {"area_bottom_left", -30, 580, 100, 50, {0, 0, 799, 599}, 800, Shows(580 * 800, 30, 70, 20)},
      {"area_right_of", 800, 0, 100, 50, {0, 0, 799, 599}, 800, kNothing},
      {"area_left_of", -100, 0, 100, 50, {0, 0, 799, 599}, 800, kNothing},
      // Degenerate input shows nothing rather than a negative size.
      {"clip_right_of_left", 0, 100, 1000, 50, {500, 50, 400, 449}, 1024, kNothing},
      {"clip_bottom_above_top", 200, 0, 100, 600, {100, 300, 699, 200}, 1024, kNothing},
      {"zero_width", 200, 100, 0, 50, kInner, 1024, kNothing},
      {"zero_height", 200, 100, 100, 0, kInner, 1024, kNothing},
      {"negative_size", 200, 100, -5, -5, kInner, 1024, kNothing},
      {"x_near_int_max", INT_MAX - 10, 100, 100, 50, kInner, 1024, kNothing},
      {"x_int_min", INT_MIN, 100, 100, 50, kInner, 1024, kNothing},
      {"y_near_int_max", 200, INT_MAX - 1, 100, 50, kInner, 1024, kNothing},
  };
  for (const ClipCase& c : cases) {
    SCOPED_TRACE(c.name);
    const ImageClip got = ClipImage(c.x, c.y, c.w, c.h, c.clip, c.stride);
    ASSERT_EQ(got.visible, c.expected.visible);
    if (!got.visible) continue;
    EXPECT_EQ(got.destination, c.expected.destination);
    EXPECT_EQ(got.source, c.expected.source);
    EXPECT_EQ(got.width, c.expected.width);
    EXPECT_EQ(got.height, c.expected.height);
  }
}

struct BufferCase {
  const char* name;
  ClipRect set;
  ClipRect drawn;
};

// The clip rectangle the image operations use is the surface's, cut to rows 0..599 and
// columns 0..stride - 1; one inside the buffer is used as it is.
TEST(DrawingClip, IsTheClipRectangleCutToTheBuffer) {
  const BufferCase cases[] = {
      {"default", {0, 0, 799, 599}, {0, 0, 799, 599}},
      {"inside", {100, 50, 699, 449}, {100, 50, 699, 449}},
      {"beyond_every_edge", {-50, -20, 5000, 4000}, {0, 0, 1023, 599}},
      {"beyond_left_and_bottom", {-1, 10, 500, 600}, {0, 10, 500, 599}},
  };
  for (const BufferCase& c : cases) {
    SCOPED_TRACE(c.name);
    const DrawSurface surface{nullptr, 1024, 800, 600, c.set};
    const ClipRect got = surface.DrawingClip();
    EXPECT_EQ(got.left, c.drawn.left);
    EXPECT_EQ(got.top, c.drawn.top);
    EXPECT_EQ(got.right, c.drawn.right);
    EXPECT_EQ(got.bottom, c.drawn.bottom);
  }
}

// An image is clipped to the cut rectangle and placed by the stride, not the drawing width.
TEST(DrawingClip, ImagesAreClippedWithinTheSurface) {
  const DrawSurface surface{nullptr, 1024, 800, 600, {-50, -20, 5000, 4000}};
  const Image image = tests::MakeImage(100, 50, engine::graphics::DRAW_PLAIN, tests::Tag);
  const ImageClip got = ClipImage(surface, 980, -10, image);
  ASSERT_TRUE(got.visible);
  EXPECT_EQ(got.destination, 980);
  EXPECT_EQ(got.source, 10 * 100);
  EXPECT_EQ(got.width, 44);
  EXPECT_EQ(got.height, 40);
  EXPECT_FALSE(ClipImage(surface, 1024, 0, image).visible) << "right of the last column";
}

// The engine's surface carries the clip rectangle as SetClip stored it, unchecked.
TEST(DrawingClip, SetClipStoresTheValuesUnchecked) {
  tests::DrawScreen screen(tests::kWide565);
  ASSERT_TRUE(screen.Ok());
  screen.E().SetClip(-50, -20, 5000, 4000);
  const DrawSurface surface = screen.Surface();
  EXPECT_EQ(surface.clip.left, -50);
  EXPECT_EQ(surface.clip.bottom, 4000);
  EXPECT_EQ(surface.stride, 1024);
  EXPECT_EQ(surface.width, 800) << "the stride is not the width";
}

}  // namespace
