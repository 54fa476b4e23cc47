// Pixels, rectangles, clearing and tiling: colour packing on both 16-bit formats, staying
// inside the back buffer, the tiling grid and its division rule.
#include <gtest/gtest.h>

#include <string>

#include "engine/graphics/DrawShapes.h"
#include "tests/graphics/DrawFixture.h"

namespace {

using engine::core::IMAGEUSE_FAILED;
using engine::graphics::DRAW_MASKED;
using engine::graphics::DRAW_PLAIN;
using engine::graphics::Image;
using engine::graphics::TileDivide;
using tests::DrawScreen;
using tests::MakeImage;
using tests::Screen;

// --- Colour packing -----------------------------------------------------------------------

struct PackCase {
  int r, g, b;
  std::uint16_t on565;
  std::uint16_t on555;
};

TEST(ColourPacking, DrawPixelTakesFiveBitComponents) {
  const PackCase cases[] = {
      {31, 31, 31, 0xFFFF, 0x7FFF},
      {31, 0, 0, 0xF800, 0x7C00},
      {0, 31, 0, 0x07E0, 0x03E0},
      {0, 0, 31, 0x001F, 0x001F},
      {0, 0, 0, 0x0000, 0x0000},
      {1, 2, 3, 0x0883, 0x0443},
      {16, 16, 16, 0x8430, 0x4210},
      {0, 1, 0, 0x0040, 0x0020},
      // Components keep their low five bits and never reach a neighbouring field.
      {32, 33, 63, 0x0040 | 0x001F, 0x0020 | 0x001F},
  };
  for (const Screen& s : {tests::kRgb565, tests::kRgb555}) {
    DrawScreen screen(s);
    ASSERT_TRUE(screen.Ok());
    for (const PackCase& c : cases) {
      SCOPED_TRACE(std::string(s.name) + " " + std::to_string(c.r) + "," + std::to_string(c.g) +
                   "," + std::to_string(c.b));
      EXPECT_EQ(screen.E().DrawPixel(4, 6, c.r, c.g, c.b), 1);
      EXPECT_EQ(screen.At(4, 6), s.rmask == 0xF800 ? c.on565 : c.on555);
    }
  }
}

TEST(ColourPacking, On555EveryPixelColourIsTheFiveFiveFiveWord) {
  DrawScreen screen(tests::kRgb555);
  ASSERT_TRUE(screen.Ok());
  for (int r = 0; r < 32; r += 3) {
    for (int g = 0; g < 32; ++g) {
      for (int b = 0; b < 32; b += 5) {
        screen.E().DrawPixel(0, 0, r, g, b);
        ASSERT_EQ(screen.At(0, 0), r * 1024 + g * 32 + b) << r << "," << g << "," << b;
      }
    }
  }
}

TEST(ColourPacking, DrawRectTakesEightBitComponents) {
  const PackCase cases[] = {
      {255, 255, 255, 0xFFFF, 0x7FFF}, {255, 0, 0, 0xF800, 0x7C00},     {0, 255, 0, 0x07E0, 0x03E0},
      {0, 0, 255, 0x001F, 0x001F},     {8, 4, 8, 0x0821, 0x0401},       {7, 3, 7, 0x0000, 0x0000},
      {128, 128, 128, 0x8410, 0x4210}, {0, 256 + 8, 0, 0x0040, 0x0020},
  };
  for (const Screen& s : {tests::kRgb565, tests::kRgb555}) {
    DrawScreen screen(s);
    ASSERT_TRUE(screen.Ok());
    for (const PackCase& c : cases) {
      SCOPED_TRACE(std::string(s.name) + " " + std::to_string(c.r) + "," + std::to_string(c.g) +
                   "," + std::to_string(c.b));
      screen.E().DrawRect(2, 2, 2, 2, c.r, c.g, c.b);
      EXPECT_EQ(screen.At(2, 2), s.rmask == 0xF800 ? c.on565 : c.on555);
    }
  }
}

// On 5-5-5 a rectangle's colour is (r / 8) * 1024 + (g / 8) * 32 + b / 8, and on either
// format it is the colour an image converted from the same bytes gets.
TEST(ColourPacking, DrawRectMatchesConvertedImagePixels) {
  for (const Screen& s : {tests::kRgb565, tests::kRgb555}) {
    DrawScreen screen(s);
    ASSERT_TRUE(screen.Ok());
    for (int v = 0; v < 256; v += 17) {
      const int r = v, g = 255 - v, b = (v * 7) & 0xFF;
      screen.E().DrawRect(0, 0, 0, 0, r, g, b);
      Image converted;
      converted.Create(1, 1, 0x20);
      converted.PixelBytes()[0] = static_cast<std::uint8_t>(r);
      converted.PixelBytes()[1] = static_cast<std::uint8_t>(g);
      converted.PixelBytes()[2] = static_cast<std::uint8_t>(b);
      converted.SetUse(DRAW_PLAIN);
      EXPECT_EQ(screen.At(0, 0), converted.Pixels16()[0]) << s.name << " " << v;
      if (s.rmask == 0x7C00) {
        EXPECT_EQ(screen.At(0, 0), (r / 8) * 1024 + (g / 8) * 32 + b / 8);
      }
    }
  }
}

// --- Staying inside the back buffer -------------------------------------------------------

TEST(ShapeBounds, DrawRectFillsInclusiveAndIsCutToTheBuffer) {
  struct RectCase {
    const char* name;
    int x1, y1, x2, y2;
    int left, top, right, bottom;  // filled; right < left for none
  };
  const RectCase cases[] = {
      {"inside", 10, 20, 12, 21, 10, 20, 12, 21},
      {"single_pixel", 5, 5, 5, 5, 5, 5, 5, 5},
      {"over_top_left", -10, -10, 5, 3, 0, 0, 5, 3},
      {"over_right_and_bottom", 1000, 598, 2000, 700, 1000, 598, 1023, 599},
      {"whole_buffer_and_more", -5, -5, 5000, 5000, 0, 0, 1023, 599},
      {"x1_after_x2", 20, 20, 10, 30, 1, 1, 0, 0},
      {"y1_after_y2", 10, 30, 20, 20, 1, 1, 0, 0},
      {"left_of_buffer", -30, 10, -1, 20, 1, 1, 0, 0},
      {"below_buffer", 10, 600, 20, 700, 1, 1, 0, 0},
  };
  DrawScreen screen(tests::kWide565);
  ASSERT_TRUE(screen.Ok());
  screen.E().SetClip(100, 100, 200, 200);  // rectangles ignore the clip rectangle
  for (const RectCase& c : cases) {
    SCOPED_TRACE(c.name);
    screen.Fill(0x1111);
    screen.E().DrawRect(c.x1, c.y1, c.x2, c.y2, 255, 255, 255);
    for (int y = 0; y < 600; ++y) {
      for (int x = 0; x < 1024; ++x) {
        const bool inside = x >= c.left && x <= c.right && y >= c.top && y <= c.bottom;
        ASSERT_EQ(screen.At(x, y), inside ? 0xFFFF : 0x1111) << x << ", " << y;
      }
    }
  }
}

TEST(ShapeBounds, DrawPixelDropsPixelsOffTheBuffer) {
  DrawScreen screen(tests::kWide565);
  ASSERT_TRUE(screen.Ok());
  screen.Fill(0);
  const auto before = screen.Snapshot();
  for (const auto& [x, y] : {std::pair{-1, 0}, {0, -1}, {1024, 0}, {0, 600}, {-1, 600}}) {
    EXPECT_EQ(screen.E().DrawPixel(x, y, 31, 31, 31), 1) << x << ", " << y;
  }
  EXPECT_EQ(screen.Snapshot(), before);
  screen.E().DrawPixel(1023, 599, 31, 31, 31);
  screen.E().DrawPixel(10, 2, 31, 0, 0);
  EXPECT_EQ(screen.At(1023, 599), 0xFFFF) << "padding columns are part of the buffer";
  EXPECT_EQ(screen.E().GetBackBuffer()[2058], 0xF800);
}

TEST(ShapeBounds, ClearViewBlackensEveryRowPaddingIncluded) {
  DrawScreen screen(tests::kWide565);
  ASSERT_TRUE(screen.Ok());
  screen.FillPattern();
  screen.E().SetClip(100, 100, 200, 200);
  screen.E().ClearView();
  EXPECT_EQ(screen.Snapshot(), std::vector<std::uint16_t>(1024 * 600, 0));
}

TEST(ShapeBounds, NothingIsDrawnWhileUnlocked) {
  DrawScreen screen(tests::kWide565);
  ASSERT_TRUE(screen.Ok());
  screen.FillPattern();
  const auto before = screen.Snapshot();
  auto& e = screen.E();
  e.ViewUnlock();
  const Image tile = MakeImage(16, 16, DRAW_PLAIN, tests::Tag);
  EXPECT_EQ(e.DrawPixel(5, 5, 31, 31, 31), 1);
  e.DrawRect(0, 0, 100, 100, 255, 255, 255);
  e.ClearView();
  EXPECT_EQ(e.DrawTiled(0, 0, tile), 1);
  EXPECT_EQ(screen.Snapshot(), before);
}

// --- Tiling -------------------------------------------------------------------------------

TEST(Tiling, DivisionRule) {
  struct DivCase {
    std::int64_t dividend, divisor, quotient, remainder;
  };
  const DivCase cases[] = {
      {0, 32, 0, 0},     {31, 32, 0, 31},   {32, 32, 1, 0},    {100, 32, 3, 4},
      {-1, 32, -1, 31},  {-31, 32, -1, 1},  {-32, 32, -2, 32}, {-33, 32, -2, 31},
      {-64, 32, -3, 32}, {-65, 32, -3, 31}, {-5, 1, -6, 1},    {7, 1, 7, 0},
  };
  for (const DivCase& c : cases) {
    const auto got = TileDivide(c.dividend, c.divisor);
    EXPECT_EQ(got.quotient, c.quotient) << c.dividend << " / " << c.divisor;
    EXPECT_EQ(got.remainder, c.remainder) << c.dividend << " % " << c.divisor;
  }
}

std::int64_t FloorMod(std::int64_t a, std::int64_t b) {
  return ((a % b) + b) % b;
}

// Every pixel inside the clip rectangle shows the image pixel the scroll offset puts there:
// buffer (x, y) shows image ((x + ox) mod w, (y + oy) mod h).
TEST(Tiling, CoversTheClipAreaAtEveryOffset) {
  DrawScreen screen(tests::kWide565);
  ASSERT_TRUE(screen.Ok());
  const int w = 32, h = 24;
  const Image tile = MakeImage(w, h, DRAW_PLAIN, tests::Tag);
  const std::pair<int, int> offsets[] = {{0, 0},   {-32, -24}, {-33, -25}, {-1, -1},
                                         {31, 23}, {5, -48},   {1000, 7},  {-2301, 600}};
  for (const auto& [ox, oy] : offsets) {
    SCOPED_TRACE(std::to_string(ox) + ", " + std::to_string(oy));
    screen.Fill(0);
    ASSERT_EQ(screen.E().DrawTiled(ox, oy, tile), 1);
    for (int y = 0; y < 600; ++y) {
      for (int x = 0; x < 800; ++x) {
        const auto u = static_cast<int>(FloorMod(x + ox, w));
        const auto v = static_cast<int>(FloorMod(y + oy, h));
        ASSERT_EQ(screen.At(x, y), tests::Tag(u, v)) << x << ", " << y;
      }
      // Copies are clipped: the padding columns beyond the clip rectangle stay black.
      ASSERT_EQ(screen.At(800, y), 0);
    }
  }
}

TEST(Tiling, RefusedImageIsReportedOnce) {
  DrawScreen screen;
  ASSERT_TRUE(screen.Ok());
  screen.FillPattern();
  const auto before = screen.Snapshot();
  const Image masked = MakeImage(32, 32, DRAW_MASKED, tests::Tag);
  EXPECT_EQ(screen.E().DrawTiled(0, 0, masked), 0);
  EXPECT_EQ(screen.E().GetStatus(), IMAGEUSE_FAILED);
  EXPECT_EQ(screen.H().Windows().Notices().size(), 1u);
  EXPECT_EQ(screen.Snapshot(), before);
}

TEST(Tiling, ImageWithoutAreaTilesNothing) {
  DrawScreen screen;
  ASSERT_TRUE(screen.Ok());
  screen.FillPattern();
  const auto before = screen.Snapshot();
  Image empty;
  empty.SetUseOnly(DRAW_PLAIN);
  EXPECT_EQ(screen.E().DrawTiled(-5, 7, empty), 1);
  Image emptyMasked;
  emptyMasked.SetUseOnly(DRAW_MASKED);
  EXPECT_EQ(screen.E().DrawTiled(0, 0, emptyMasked), 0) << "still refused";
  EXPECT_EQ(screen.H().Windows().Notices().size(), 1u);
  EXPECT_EQ(screen.Snapshot(), before);
}

}  // namespace
