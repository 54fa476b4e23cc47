// TiffWriterTest.cpp -- SaveTiff: the exact bytes of a small file, a save read back, and the
// images and places it cannot write.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <sstream>
#include <string>

#include "engine/graphics/ImageFile.h"
#include "tests/common/GlobalPlatform.h"
#include "tests/common/TempDir.h"
#include "tests/graphics/TiffBuilder.h"

namespace engine::graphics {
namespace {

using tests::PictureOf;
using tests::Rgba;
using tests::TestPicture;

// Bytes from hexadecimal pairs separated by white space.
std::string Hex(const std::string& text) {
  std::istringstream in(text);
  std::string bytes;
  std::string pair;
  while (in >> pair)
    bytes.push_back(static_cast<char>(std::stoi(pair, nullptr, 16)));
  return bytes;
}

// A 24-bit image of the picture's colours; alpha is not kept.
Image Rgb(int width, int height) {
  Image image;
  image.Create(width, height, IMG_24BIT);
  const auto pixels = TestPicture(width, height);
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    image.PixelBytes()[3 * i] = pixels[i].r;
    image.PixelBytes()[3 * i + 1] = pixels[i].g;
    image.PixelBytes()[3 * i + 2] = pixels[i].b;
  }
  return image;
}

TEST(TiffSave, TwoByOneImageByteForByte) {
  tests::TempDir dir;
  Image image;
  image.Create(2, 1, IMG_24BIT);
  const std::uint8_t rgb[6] = {0x11, 0x22, 0x33, 0xA4, 0xB5, 0xC6};
  std::copy(rgb, rgb + 6, image.PixelBytes());
  ImageFile saver;
  EXPECT_TRUE(saver.SaveTiff("two.tif", image));
  const std::string expected =
      Hex("49 49 2A 00 08 00 00 00"
          " 0E 00"
          " FE 00 04 00 01 00 00 00 00 00 00 00"  // NewSubfileType 0
          " 00 01 03 00 01 00 00 00 02 00 00 00"  // ImageWidth 2
          " 01 01 03 00 01 00 00 00 01 00 00 00"  // ImageLength 1
          " 02 01 03 00 03 00 00 00 B6 00 00 00"  // BitsPerSample at 182
          " 03 01 03 00 01 00 00 00 01 00 00 00"  // Compression none
          " 06 01 03 00 01 00 00 00 02 00 00 00"  // PhotometricInterpretation RGB
          " 11 01 04 00 01 00 00 00 CC 00 00 00"  // StripOffsets 204
          " 15 01 03 00 01 00 00 00 03 00 00 00"  // SamplesPerPixel 3
          " 16 01 03 00 01 00 00 00 01 00 00 00"  // RowsPerStrip 1
          " 17 01 04 00 01 00 00 00 06 00 00 00"  // StripByteCounts 6
          " 1A 01 05 00 01 00 00 00 BC 00 00 00"  // XResolution at 188
          " 1B 01 05 00 01 00 00 00 C4 00 00 00"  // YResolution at 196
          " 28 01 03 00 01 00 00 00 02 00 00 00"  // ResolutionUnit inch
          " 40 01 03 00 00 00 00 00 00 00 00 00"  // ColorMap, empty
          " 00 00 00 00"                          // no next directory
          " 08 00 08 00 08 00"
          " 01 00 00 00 01 00 00 00"
          " 01 00 00 00 01 00 00 00"
          " 11 22 33 A4 B5 C6");
  ASSERT_EQ(expected.size(), 210u);
  EXPECT_EQ(dir.Read("two.tif"), expected);
  EXPECT_EQ(saver.loaded, 1);
  EXPECT_EQ(saver.stripByteCounts, 6);
}

TEST(TiffSave, SavedImageLoadsBack) {
  tests::TempDir dir;
  tests::GlobalPlatform platform;
  // An older, longer file of the same name is replaced, not overwritten in part.
  dir.Write("round.tif", std::string(5000, 'x'));
  Image saved = Rgb(5, 4);
  ImageFile file;
  ASSERT_TRUE(file.SaveTiff("round.tif", saved));
  EXPECT_EQ(dir.Read("round.tif").size(), 204u + 5 * 4 * 3);

  Image loaded;
  ASSERT_TRUE(file.LoadTiff("round.tif", loaded));
  EXPECT_EQ(loaded.Format(), IMG_24BIT);
  EXPECT_EQ(PictureOf(loaded), PictureOf(saved));
  EXPECT_TRUE(platform.Notices().empty());
}

// Only 24-bit pictures can be written; anything else ends the process with the line.
TEST(TiffSave, OtherImagesEndTheProcess) {
  tests::TempDir dir;
  struct Case {
    const char* name;
    std::function<void(Image&)> make;
  };
  const Case cases[] = {
      {"16-bit", [](Image& i) { i.CreateBlank(2, 2, DRAW_PLAIN); }},
      {"empty", [](Image&) {}},
      {"wider than a SHORT", [](Image& i) { i.Create(70000, 1, IMG_24BIT); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Image image;
    c.make(image);
    ImageFile saver;
    EXPECT_EXIT(
        {
          std::fflush(stdout);
          dup2(2, 1);
          saver.SaveTiff("never.tif", image);
        },
        testing::ExitedWithCode(255),
        testing::Eq("SaveTiff: Given pixel depth and color mode not supported.\n"));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "never.tif"));
  }
}

// A device that takes no bytes makes the save fail, and says so.
TEST(TiffSave, FailedWritesAreReported) {
  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  tests::TempDir dir;
  Image image = Rgb(4, 4);
  ImageFile saver;
  EXPECT_FALSE(saver.SaveTiff("/dev/full", image));
  EXPECT_EQ(saver.loaded, 0);
}

}  // namespace
}  // namespace engine::graphics
