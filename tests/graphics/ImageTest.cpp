// Images: the format bits, conversion to the screen format, mask and alpha preparation, and
// rotation.
#include <gtest/gtest.h>

#include "engine/graphics/Image.h"
#include "engine/graphics/ScreenFormat.h"

namespace {

using namespace engine::graphics;

class ImageTest : public testing::Test {
 protected:
  void SetUp() override { ScreenFormat = PixelFormat::FromMasks(0xF800, 0x07E0, 0x001F); }

  // A 24-bit image as the TIFF reader leaves it: R, G, B bytes and, with alpha, the file's
  // alpha sample.
  static Image Loaded(const std::vector<std::array<int, 4>>& rgba, bool withAlpha) {
    Image image;
    image.Create(static_cast<int>(rgba.size()), 1, withAlpha ? 0x21 : 0x20);
    for (std::size_t i = 0; i < rgba.size(); ++i) {
      for (int c = 0; c < 3; ++c)
        image.PixelBytes()[i * 3 + c] = static_cast<std::uint8_t>(rgba[i][c]);
      if (withAlpha) image.Alpha()[i] = static_cast<std::uint8_t>(rgba[i][3]);
    }
    return image;
  }
};

TEST_F(ImageTest, NewImageIsEmptyAndFresh) {
  Image image;
  EXPECT_FALSE(image.HasPixels());
  EXPECT_FALSE(image.HasAlphaPlane());
  EXPECT_EQ(image.Width(), 0);
  EXPECT_EQ(image.Use(), 0);
  EXPECT_EQ(image.Format(), 0);
  EXPECT_EQ(image.Fresh(), 1);
}

TEST_F(ImageTest, BytesPerPixelAndTheFirstFormatBit) {
  const std::pair<int, int> sizes[] = {{0x10, 2}, {0x11, 2}, {0x20, 3}, {0x21, 3},
                                       {0x04, 1}, {0x08, 0}, {0x12, 3}, {0x22, 4},
                                       {0x06, 2}, {0x0A, 1}, {0x30, 2}, {0x00, 0}};
  for (const auto& [format, bytes] : sizes) {
    EXPECT_EQ(Image::BytesPerPixel(static_cast<std::uint8_t>(format)), bytes) << format;
  }
  EXPECT_EQ(Image::PixelFormatBit(0x31), 0x10);
  EXPECT_EQ(Image::PixelFormatBit(0x0C), 0x04);
  EXPECT_EQ(Image::PixelFormatBit(0x41), 0);
  EXPECT_TRUE(Image::HasAlpha(0x11));
  EXPECT_FALSE(Image::HasAlpha(0x50));
}

TEST_F(ImageTest, CreateAllocatesAlphaOnlyForAFormat) {
  Image image;
  image.Create(3, 2, 0x20);
  EXPECT_EQ(image.PixelBufferSize(), 18u);
  EXPECT_TRUE(image.HasAlphaPlane());
  image.Create(3, 2, 0);
  EXPECT_EQ(image.PixelBufferSize(), 0u);
  EXPECT_TRUE(image.HasAlphaPlane()) << "format 0 keeps the old alpha plane";
  image.Create(-5, 4, 0x10);
  EXPECT_EQ(image.Width(), 0);
  EXPECT_FALSE(image.HasPixels());
}

TEST_F(ImageTest, BlankImagesAreBlackAndPrepared) {
  Image hand;
  hand.CreateBlank(50, 50, DRAW_MASKED);
  EXPECT_EQ(hand.Format(), 0x11);
  EXPECT_EQ(hand.Use(), DRAW_MASKED);
  EXPECT_EQ(hand.Fresh(), 0);
  for (int i = 0; i < 2500; ++i)
    ASSERT_EQ(hand.Pixels16()[i], 0);
  Image plain;
  plain.CreateBlank(2, 2, DRAW_PLAIN);
  EXPECT_EQ(plain.Format(), 0x10);

  plain.SetPixel(0, 0, 31, 63, 31);
  plain.CreateBlank(9, 9, 7);
  EXPECT_EQ(plain.Width(), 2) << "an unknown use keeps the buffers";
  EXPECT_EQ(plain.Pixels16()[0], 0) << "but still clears them";
  EXPECT_EQ(plain.Use(), 7);
}

TEST_F(ImageTest, PixelsPackAndUnpackThroughTheScreenFormat) {
  Image image;
  image.CreateBlank(4, 3, DRAW_PLAIN);
  image.Fill(1, 2, 3);
  EXPECT_EQ(image.Pixels16()[11], (1 << 11) | (2 << 5) | 3);
  image.SetPixel(3, 2, 31, 0, 7);
  int r, g, b;
  image.GetPixel(3, 2, r, g, b);
  EXPECT_EQ(std::tie(r, g, b), std::make_tuple(31, 0, 7));
  for (auto [x, y] : {std::pair{-1, 0}, {4, 0}, {0, 3}, {0, -1}}) {
    image.SetPixel(x, y, 31, 63, 31);
    image.GetPixel(x, y, r, g, b);
    EXPECT_EQ(std::tie(r, g, b), std::make_tuple(0, 0, 0)) << x << "," << y;
  }
  ScreenFormat = PixelFormat::FromMasks(0x7C00, 0x03E0, 0x001F);
  image.SetPixel(0, 0, 31, 31, 31);
  EXPECT_EQ(image.Pixels16()[0], 0x7FFF);
}

TEST_F(ImageTest, ConvertScalesEachByteToItsChannel) {
  Image image = Loaded({{255, 255, 255, 0}, {128, 64, 32, 0}, {7, 3, 7, 0}}, true);
  image.Convert(IMG_16BIT);
  EXPECT_EQ(image.Format(), 0x11);
  EXPECT_EQ(image.Pixels16()[0], 0xFFFF);
  EXPECT_EQ(image.Pixels16()[1], (16 << 11) | (16 << 5) | 4);
  EXPECT_EQ(image.Pixels16()[2], 0) << "low bits are dropped";
  image.Convert(0x04);
  EXPECT_EQ(image.Format(), 0x05) << "only the bits change without a 24-bit source";
}

TEST_F(ImageTest, PlainUseOnlyConverts) {
  Image image = Loaded({{255, 0, 0, 0}}, false);
  image.SetUse(DRAW_PLAIN);
  EXPECT_EQ(image.Format(), 0x10);
  EXPECT_EQ(image.Pixels16()[0], 0xF800);
  EXPECT_EQ(image.Fresh(), 0);
  Image withAlpha = Loaded({{255, 0, 0, 0}}, true);
  withAlpha.SetUse(DRAW_NONE);
  EXPECT_EQ(withAlpha.Format(), 0x11);
}

TEST_F(ImageTest, MaskFromAlphaKeepsOpaqueBlackVisible) {
  Image image = Loaded({{0, 0, 0, 255}, {255, 255, 255, 0}, {0, 0, 255, 1}, {0, 0, 0, 0}}, true);
  image.SetUse(DRAW_MASKED);
  EXPECT_EQ(image.Format(), 0x50);
  EXPECT_FALSE(image.HasAlphaPlane());
  EXPECT_EQ(image.Pixels16()[0], 1) << "opaque pure black";
  EXPECT_EQ(image.Pixels16()[1], 0) << "transparent";
  EXPECT_EQ(image.Pixels16()[2], 0x001F) << "barely opaque is opaque";
  EXPECT_EQ(image.Pixels16()[3], 0);
}

TEST_F(ImageTest, MaskWithoutAlphaOnlyBlackIsTransparent) {
  Image image = Loaded({{0, 0, 0, 0}, {10, 10, 10, 0}}, false);
  image.SetUse(DRAW_MASKED);
  EXPECT_EQ(image.Format(), 0x10);
  EXPECT_EQ(image.Pixels16()[0], 0);
  EXPECT_EQ(image.Pixels16()[1], (1 << 11) | (2 << 5) | 1);
  EXPECT_TRUE(image.HasAlphaPlane()) << "left allocated";
}

TEST_F(ImageTest, AlphaUsePremultipliesAndInverts) {
  Image image = Loaded({{255, 255, 255, 128}, {255, 0, 0, 255}, {255, 255, 255, 0}}, true);
  image.SetUse(DRAW_ALPHA);
  EXPECT_EQ(image.Format(), 0x11);
  EXPECT_EQ(image.Pixels16()[0], (15 << 11) | (31 << 5) | 15);
  EXPECT_EQ(image.Alpha()[0], 127);
  EXPECT_EQ(image.Pixels16()[1], 30 << 11) << "(31 x 255) >> 8";
  EXPECT_EQ(image.Alpha()[1], 0);
  EXPECT_EQ(image.Pixels16()[2], 0);
  EXPECT_EQ(image.Alpha()[2], 255);

  image.SetUse(DRAW_ADD);  // a second preparation multiplies again by the stored value
  EXPECT_EQ(image.Pixels16()[0], (7 << 11) | (15 << 5) | 7);
  EXPECT_EQ(image.Alpha()[0], 128);
}

TEST_F(ImageTest, AlphaWithoutAlphaComesFromBrightness) {
  Image image = Loaded({{255, 255, 255, 0}, {0, 0, 0, 0}}, false);
  image.SetUse(DRAW_ALPHA);
  EXPECT_EQ(image.Format(), 0x11);
  EXPECT_EQ(image.Alpha()[0], 255 - 166);
  EXPECT_EQ(image.Pixels16()[0], (20 << 11) | (40 << 5) | 20);
  EXPECT_EQ(image.Alpha()[1], 255) << "black is fully transparent";
}

TEST_F(ImageTest, TwentyFourBitAlphaWorksOnBytes) {
  Image image = Loaded({{200, 100, 50, 0}}, false);
  image.MakeAlpha();
  EXPECT_EQ(image.Alpha()[0], 255 - 116);
  EXPECT_EQ(image.PixelBytes()[0], (200 * 116) >> 8);
  EXPECT_EQ(image.PixelBytes()[2], (50 * 116) >> 8);
  Image masked = Loaded({{0, 0, 0, 0}}, true);
  masked.MakeMask();
  EXPECT_EQ(masked.Format(), 0x60) << "bits change, bytes stay";
  EXPECT_FALSE(masked.HasAlphaPlane());
}

TEST_F(ImageTest, FreeKeepsUseAndFreshness) {
  Image image;
  image.CreateBlank(5, 5, DRAW_ALPHA);
  image.Free();
  EXPECT_FALSE(image.HasPixels());
  EXPECT_FALSE(image.HasAlphaPlane());
  EXPECT_EQ(image.Width(), 0);
  EXPECT_EQ(image.Format(), 0);
  EXPECT_EQ(image.Use(), DRAW_ALPHA);
  EXPECT_EQ(image.Fresh(), 0);
}

TEST_F(ImageTest, MovingHandsTheBuffersOver) {
  Image a;
  a.CreateBlank(3, 3, DRAW_PLAIN);
  Image b = std::move(a);
  EXPECT_EQ(b.Width(), 3);
  EXPECT_TRUE(b.HasPixels());
  EXPECT_FALSE(a.HasPixels());
  EXPECT_EQ(a.Width(), 0);
}

class RotateTest : public ImageTest {
 protected:
  // A 4 x 4 opaque source: red left half, blue right half.
  void SetUp() override {
    ImageTest::SetUp();
    source.CreateBlank(4, 4, DRAW_ALPHA);
    for (int i = 0; i < 16; ++i) {
      source.Pixels16()[i] = i % 4 < 2 ? 0xF800 : 0x001F;
      source.Alpha()[i] = 0;
    }
  }
  static int Count(const Image& image, std::uint16_t value) {
    int n = 0;
    for (int i = 0; i < image.Width() * image.Height(); ++i)
      n += image.Pixels16()[i] == value;
    return n;
  }
  Image source;
};

TEST_F(RotateTest, OutsideSamplesAreBlackAndTransparent) {
  Image destination;
  destination.CreateBlank(12, 12, DRAW_ALPHA);
  std::fill_n(destination.Pixels16(), 144, 0x1234);
  source.Rotate(&destination, 0.0f, 1.0f);
  EXPECT_EQ(Count(destination, 0xF800) + Count(destination, 0x001F), 16);
  EXPECT_EQ(Count(destination, 0), 144 - 16);
  for (int i = 0; i < 144; ++i) {
    EXPECT_EQ(destination.Alpha()[i], destination.Pixels16()[i] == 0 ? 255 : 0) << i;
  }
  EXPECT_EQ(destination.Use(), DRAW_ALPHA);
}

TEST_F(RotateTest, ScaleTwoDrawsTwiceTheSize) {
  Image destination;
  destination.CreateBlank(12, 12, DRAW_ALPHA);
  source.Rotate(&destination, 0.0f, 2.0f);
  EXPECT_EQ(Count(destination, 0xF800), 32);
  EXPECT_EQ(Count(destination, 0x001F), 32);
}

TEST_F(RotateTest, HalfATurnSwapsTheHalves) {
  Image turned;
  turned.CreateBlank(4, 4, DRAW_ALPHA);
  source.Rotate(&turned, 180.0f, 1.0f);
  const std::uint16_t* p = turned.Pixels16();
  EXPECT_EQ(p[1 * 4 + 0], 0x001F);
  EXPECT_EQ(p[1 * 4 + 3], 0xF800);
  source.Rotate(&turned, 90.0f, 1.0f);
  EXPECT_EQ(p[1 * 4 + 0], p[1 * 4 + 3]) << "a quarter turn makes the halves rows";
  EXPECT_NE(p[1 * 4 + 0], p[3 * 4 + 0]);
}

TEST_F(RotateTest, NonSquareSourceKeepsPixelsAndAlphaTogether) {
  Image wide;
  wide.CreateBlank(8, 3, DRAW_ALPHA);
  std::fill_n(wide.Pixels16(), 24, 0xFFFF);
  std::fill_n(wide.Alpha(), 24, 0);
  Image destination;
  destination.CreateBlank(10, 10, DRAW_ALPHA);
  for (float angle : {0.0f, 30.0f, 90.0f, 215.0f}) {
    wide.Rotate(&destination, angle, 1.0f);
    int shown = 0;
    for (int i = 0; i < 100; ++i) {
      const bool opaque = destination.Alpha()[i] == 0;
      EXPECT_EQ(destination.Pixels16()[i] == 0xFFFF, opaque) << angle << " at " << i;
      shown += opaque;
    }
    EXPECT_GT(shown, 15) << angle;
  }
}

TEST_F(RotateTest, NothingWithoutADestinationOrSourcePixels) {
  source.Rotate(nullptr, 10.0f, 1.0f);
  Image empty, destination;
  destination.CreateBlank(4, 4, DRAW_MASKED);
  destination.Pixels16()[5] = 7;
  empty.Rotate(&destination, 0.0f, 1.0f);
  EXPECT_EQ(destination.Pixels16()[5], 7);
  EXPECT_EQ(destination.Use(), DRAW_MASKED);
  source.Rotate(&destination, 0.0f, 0.0f);  // an infinite scale samples nowhere
  EXPECT_EQ(destination.Pixels16()[5], 7);
}

}  // namespace
