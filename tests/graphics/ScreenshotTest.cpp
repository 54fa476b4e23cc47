// Back buffer captures: channel expansion by bit replication, and the layout of the copy.
#include <gtest/gtest.h>

#include "engine/graphics/Screenshot.h"

namespace {

using namespace engine::graphics;

TEST(Screenshot, ChannelsExpandByRepeatingTheirTopBits) {
  for (std::uint32_t v = 0; v < 32; ++v)
    EXPECT_EQ(ExpandChannel(v, 5), (v << 3) | (v >> 2)) << v;
  for (std::uint32_t v = 0; v < 64; ++v)
    EXPECT_EQ(ExpandChannel(v, 6), (v << 2) | (v >> 4)) << v;
  EXPECT_EQ(ExpandChannel(1, 1), 255);
  EXPECT_EQ(ExpandChannel(0b101, 3), 0b10110110);
  EXPECT_EQ(ExpandChannel(0xAB, 8), 0xAB);
  EXPECT_EQ(ExpandChannel(5, 0), 0);
}

TEST(Screenshot, CaptureReadsTheDrawingAreaRowByRow) {
  // A 3 x 2 drawing area in a buffer 5 pixels wide; the padding must not show.
  const std::uint16_t buffer[] = {
      0xF800, 0x07E0, 0x001F, 0x1234, 0x1234,  //
      0xFFFF, 0x0000, 0x8410, 0x1234, 0x1234,
  };
  const PixelFormat rgb565 = PixelFormat::FromMasks(0xF800, 0x07E0, 0x001F);
  const Image image = CaptureRgb(buffer, 5, 3, 2, rgb565);
  ASSERT_EQ(image.Width(), 3);
  ASSERT_EQ(image.Height(), 2);
  EXPECT_EQ(image.Format(), IMG_24BIT);
  const std::vector<std::uint8_t> expected = {255, 0,   0,   0, 255, 0, 0,   0,   255,
                                              255, 255, 255, 0, 0,   0, 132, 130, 132};
  EXPECT_EQ(std::vector<std::uint8_t>(image.PixelBytes(), image.PixelBytes() + 18), expected);
}

TEST(Screenshot, FiveFiveFiveBuffersExpandTheirOwnChannels) {
  const std::uint16_t pixel = 0x7FFF;
  const Image image = CaptureRgb(&pixel, 1, 1, 1, PixelFormat::FromMasks(0x7C00, 0x03E0, 0x001F));
  EXPECT_EQ(image.PixelBytes()[0], 255);
  EXPECT_EQ(image.PixelBytes()[1], 255);
  EXPECT_EQ(image.PixelBytes()[2], 255);
}

}  // namespace
