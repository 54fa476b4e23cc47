// PixelExpandTest.cpp -- RGB565 widened for the screen exactly as screenshots widen it.
#include "engine/platform/PixelExpand.h"

#include <gtest/gtest.h>

#include <vector>

#include "engine/graphics/Screenshot.h"

namespace engine::platform {
namespace {

TEST(PixelExpand, EveryPixelMatchesTheScreenshotExpansion) {
  const Rgb565Expander expand;
  int mismatches = 0;
  for (std::uint32_t p = 0; p < 0x10000; ++p) {
    const std::uint32_t expected = 0xFF000000u |
                                   (std::uint32_t{graphics::ExpandChannel(p >> 11, 5)} << 16) |
                                   (std::uint32_t{graphics::ExpandChannel((p >> 5) & 63, 6)} << 8) |
                                   graphics::ExpandChannel(p & 31, 5);
    mismatches += expand(static_cast<std::uint16_t>(p)) != expected;
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_EQ(expand(0xFFFF), 0xFFFFFFFFu) << "white is white";
  EXPECT_EQ(expand(0x0000), 0xFF000000u);
  EXPECT_EQ(expand(0x07E0), 0xFF00FF00u);
}

// Rows are found by their pitches, and the bytes past each row's end are left alone.
TEST(PixelExpand, PicturesFollowBothPitches) {
  const Rgb565Expander expand;
  constexpr int kWidth = 3, kHeight = 2, kInPitch = 8, kOutPitch = 16;
  const std::vector<std::uint16_t> in = {0xF800, 0x07E0, 0x001F, 0x1234,
                                         0xFFFF, 0x0000, 0x8410, 0x4321};
  std::vector<std::uint32_t> out(kHeight * kOutPitch / 4, 0xDEADBEEF);
  expand.Picture(in.data(), kInPitch, out.data(), kOutPitch, kWidth, kHeight);
  const std::vector<std::uint32_t> expected = {
      0xFFFF0000, 0xFF00FF00, 0xFF0000FF,     0xDEADBEEF,
      0xFFFFFFFF, 0xFF000000, expand(0x8410), 0xDEADBEEF,
  };
  EXPECT_EQ(out, expected);
}

// A picture wide enough for the eight-pixel steps, with a tail and padded rows, holding nearly
// every colour: each pixel is widened as the single-pixel form widens it.
TEST(PixelExpand, WidePicturesMatchSinglePixels) {
  const Rgb565Expander expand;
  constexpr int kWidth = 259, kHeight = 253, kInStride = 263, kOutStride = 261;
  std::vector<std::uint16_t> in(kInStride * kHeight);
  for (std::size_t i = 0; i < in.size(); ++i)
    in[i] = static_cast<std::uint16_t>(i * 40503u);
  std::vector<std::uint32_t> out(kOutStride * kHeight, 0xDEADBEEF);
  expand.Picture(in.data(), kInStride * 2, out.data(), kOutStride * 4, kWidth, kHeight);
  int mismatches = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kOutStride; ++x) {
      const std::uint32_t expected =
          x < kWidth ? expand(in[y * kInStride + x]) : std::uint32_t{0xDEADBEEF};
      mismatches += out[y * kOutStride + x] != expected;
    }
  }
  EXPECT_EQ(mismatches, 0);
}

}  // namespace
}  // namespace engine::platform
