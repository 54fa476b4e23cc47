// TiffConvertTest.cpp -- TIFF files made by another program, ImageMagick's convert, at test
// time from a picture the test writes itself: both byte orders, alpha, 8- and 16-bit samples
// and several strips load to the same pixels; and convert reads what SaveTiff writes.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/graphics/ImageFile.h"
#include "tests/common/GlobalPlatform.h"
#include "tests/common/TempDir.h"
#include "tests/graphics/TiffBuilder.h"

namespace engine::graphics {
namespace {

using tests::PictureOf;
using tests::Rgba;
using tests::TestPicture;

constexpr int kWidth = 7;
constexpr int kHeight = 6;

bool Shell(const std::string& command) {
  return std::system((command + " 2>&1").c_str()) == 0;
}

// The test picture as a PAM (RGB_ALPHA) or PPM file.
std::string Netpbm(const std::vector<Rgba>& pixels, bool alpha) {
  std::string out =
      alpha ? "P7\nWIDTH " + std::to_string(kWidth) + "\nHEIGHT " + std::to_string(kHeight) +
                  "\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n"
            : "P6\n" + std::to_string(kWidth) + " " + std::to_string(kHeight) + "\n255\n";
  for (const Rgba& p : pixels) {
    out += static_cast<char>(p.r);
    out += static_cast<char>(p.g);
    out += static_cast<char>(p.b);
    if (alpha) out += static_cast<char>(p.a);
  }
  return out;
}

class TiffConvert : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Shell("convert -version > /dev/null"))
        << "ImageMagick's convert is needed; scripts/setup.sh installs it";
  }
  tests::TempDir dir;
  tests::GlobalPlatform platform;
};

TEST_F(TiffConvert, FilesWrittenByConvertLoad) {
  struct Case {
    const char* name;
    bool alpha;
    const char* options;
    int strips;
  };
  const Case cases[] = {
      {"RGB, little-endian", false, "-endian LSB", 0},
      {"RGB, big-endian", false, "-endian MSB", 0},
      {"RGBA, little-endian", true, "-endian LSB", 0},
      {"RGBA, big-endian", true, "-endian MSB", 0},
      {"RGB, one row a strip", false, "-endian LSB -define tiff:rows-per-strip=1", 6},
      {"RGBA, big-endian, strips of 4 rows", true, "-endian MSB -define tiff:rows-per-strip=4", 2},
      {"16-bit RGB, big-endian", false, "-depth 16 -endian MSB", 0},
      {"16-bit RGBA, little-endian, strips of 2", true,
       "-depth 16 -endian LSB -define tiff:rows-per-strip=2", 3},
  };
  const auto pixels = TestPicture(kWidth, kHeight);
  dir.Write("rgb.ppm", Netpbm(pixels, false));
  dir.Write("rgba.pam", Netpbm(pixels, true));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string command =
        std::string("convert ") + (c.alpha ? "rgba.pam" : "rgb.ppm") + " -compress none -type " +
        (c.alpha ? "TrueColorAlpha " : "TrueColor ") + c.options + " made.tif";
    ASSERT_TRUE(Shell(command)) << command;
    ImageFile loader;
    Image image;
    ASSERT_TRUE(loader.LoadTiff("made.tif", image));
    if (c.strips != 0) {
      EXPECT_EQ(loader.stripCount, c.strips);
    }
    EXPECT_EQ(image.Format(), c.alpha ? 0x21 : 0x20);
    auto expected = pixels;
    if (!c.alpha) {
      for (auto& p : expected)
        p.a = 0;
    }
    EXPECT_EQ(PictureOf(image), expected);
  }
  EXPECT_TRUE(platform.Notices().empty());
}

TEST_F(TiffConvert, ConvertReadsWhatSaveTiffWrites) {
  const auto pixels = TestPicture(kWidth, kHeight);
  Image image;
  image.Create(kWidth, kHeight, IMG_24BIT);
  std::string rgb;
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    for (std::uint8_t c : {pixels[i].r, pixels[i].g, pixels[i].b}) {
      image.PixelBytes()[rgb.size()] = c;
      rgb += static_cast<char>(c);
    }
  }
  ImageFile saver;
  ASSERT_TRUE(saver.SaveTiff("saved.tif", image));
  ASSERT_TRUE(Shell("convert -quiet saved.tif -depth 8 rgb:saved.rgb"));
  EXPECT_EQ(dir.Read("saved.rgb"), rgb);
}

}  // namespace
}  // namespace engine::graphics
