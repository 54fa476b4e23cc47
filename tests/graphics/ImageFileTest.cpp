// ImageFileTest.cpp -- loading TIFF pictures: byte orders, sample sizes, alpha, strips, the
// loader's notices and printed lines, and Load's preparation of the image for its use.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "engine/graphics/ImageFile.h"
#include "engine/graphics/ScreenFormat.h"
#include "engine/support/File.h"
#include "tests/common/GlobalPlatform.h"
#include "tests/common/TempDir.h"
#include "tests/graphics/TiffBuilder.h"

namespace engine::graphics {
namespace {

using tests::LoadBytes;
using tests::MakeTiff;
using tests::PictureOf;
using tests::Rgba;
using tests::TestPicture;
using tests::TiffBuild;
using tests::TiffEntry;
using tests::TiffPicture;

std::vector<Rgba> Opaque(std::vector<Rgba> pixels) {
  for (auto& p : pixels)
    p.a = 0;
  return pixels;
}

// The picture a file made by MakeTiff should load as.
std::vector<Rgba> Expected(const TiffPicture& p) {
  const auto pixels = TestPicture(p.width, p.height);
  return p.alpha ? pixels : Opaque(pixels);
}

// The screen format for the length of a scope: the loader decodes straight to screen words only
// when it knows the format.
class ScreenFormatFor {
 public:
  explicit ScreenFormatFor(const PixelFormat& format) : saved_(ScreenFormat) {
    ScreenFormat = format;
  }
  ~ScreenFormatFor() { ScreenFormat = saved_; }
  ScreenFormatFor(const ScreenFormatFor&) = delete;
  ScreenFormatFor& operator=(const ScreenFormatFor&) = delete;

 private:
  PixelFormat saved_;
};

const PixelFormat k565 = PixelFormat::FromMasks(0xF800, 0x07E0, 0x001F);
const PixelFormat k555 = PixelFormat::FromMasks(0x7C00, 0x03E0, 0x001F);

// Load of a file's bytes for a use, through loader.
bool LoadForUse(ImageFile& loader, const std::string& bytes, std::uint8_t use, Image& image) {
  support::File file;
  file.OpenMemory("picture.tif",
                  {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
  return loader.Load(file, image, use);
}

// A file's bytes loaded for a use both ways: by Load, and by reading then SetUse.
struct BothWays {
  ImageFile loader, read;
  Image image, expected;
  bool same = false;  // both loaded and SameImage holds
};

// Whether two images are the same: format, use, words and alpha plane.
testing::AssertionResult SameImage(const Image& a, const Image& b) {
  if (a.Format() != b.Format() || a.Use() != b.Use()) {
    return testing::AssertionFailure() << "format or use differ";
  }
  if (a.PixelBufferSize() != b.PixelBufferSize() ||
      std::memcmp(a.Pixels16(), b.Pixels16(), a.PixelBufferSize()) != 0) {
    return testing::AssertionFailure() << "words differ";
  }
  if (a.HasAlphaPlane() != b.HasAlphaPlane()) {
    return testing::AssertionFailure() << "one has an alpha plane";
  }
  const std::size_t count = static_cast<std::size_t>(a.Width()) * a.Height();
  if (a.HasAlphaPlane() && std::memcmp(a.Alpha(), b.Alpha(), count) != 0) {
    return testing::AssertionFailure() << "alpha differs";
  }
  return testing::AssertionSuccess();
}

void LoadBothWays(const std::string& bytes, std::uint8_t use, BothWays& out) {
  ASSERT_TRUE(LoadBytes(out.read, bytes, out.expected));
  out.expected.SetUse(use);
  ASSERT_TRUE(LoadForUse(out.loader, bytes, use, out.image));
  ASSERT_TRUE(SameImage(out.image, out.expected));
  out.same = true;
}

class TiffLoad : public testing::Test {
 protected:
  // Loads bytes into image with a fresh loader, which stays in loader.
  bool Load(const std::string& bytes) {
    loader = ImageFile();
    return LoadBytes(loader, bytes, image);
  }
  ImageFile loader;
  Image image;
  tests::TempDir dir;
  tests::GlobalPlatform platform;
};

// "II" and "MM" files with 8-, 16- and 32-bit samples, with and without an alpha sample, all
// give the same picture; the wider samples put a different value in every byte but the most
// significant one.
TEST_F(TiffLoad, EveryByteOrderAndSampleSizeGivesTheSamePicture) {
  for (bool big : {false, true}) {
    for (int bits : {8, 16, 32}) {
      for (bool alpha : {false, true}) {
        SCOPED_TRACE(std::string(big ? "MM " : "II ") + std::to_string(bits) +
                     (alpha ? " RGBA" : " RGB"));
        const TiffPicture p{
            .width = 4, .height = 3, .bits = bits, .alpha = alpha, .bigEndian = big};
        ASSERT_TRUE(Load(MakeTiff(p).Bytes()));
        EXPECT_EQ(image.Format(), alpha ? 0x21 : 0x20);
        EXPECT_EQ(image.Width(), 4);
        EXPECT_EQ(image.Height(), 3);
        EXPECT_EQ(PictureOf(image), Expected(p));
        EXPECT_EQ(loader.mode, 2);
        EXPECT_EQ(loader.createFormat, alpha ? 0x21 : 0x20);
        EXPECT_EQ(loader.bitsRed, bits);
        EXPECT_EQ(loader.bitsBlue, bits);
        EXPECT_EQ(loader.bitsAlpha, alpha ? bits : 0);
        EXPECT_EQ(loader.bytesPerRow, 4 * (alpha ? 4 : 3) * bits / 8);
        EXPECT_EQ(loader.loaded, 1);
      }
    }
  }
  EXPECT_TRUE(platform.Notices().empty());
}

// Strips may lie anywhere and in any order; each row goes where its strip's offset says.
TEST_F(TiffLoad, StripsAreFoundThroughTheirOffsets) {
  const TiffPicture p{.width = 3, .height = 5, .rowsPerStrip = 2, .bigEndian = true};
  TiffBuild build = MakeTiff(p);
  // Store the strips last to first; the offsets still name strip 1, 2, 3 in order.
  std::vector<std::uint32_t> offsets;
  std::uint32_t at = 8;
  for (const auto& s : build.strips)
    at += static_cast<std::uint32_t>(s.size());
  for (const auto& s : build.strips) {
    at -= static_cast<std::uint32_t>(s.size());
    offsets.push_back(at);
  }
  std::reverse(build.strips.begin(), build.strips.end());
  build.Set({273, 4, 3, offsets, {}});
  ASSERT_TRUE(Load(build.Bytes()));
  EXPECT_EQ(PictureOf(image), Expected(p));
}

// RowsPerStrip decides the strips, whatever its value; without it the image is one strip.
TEST_F(TiffLoad, RowsPerStripVariants) {
  struct Case {
    const char* name;
    int height;
    std::uint16_t type;
    std::optional<std::uint32_t> rows;  // none: the entry is left out
    int strips;                         // strips in the file and in stripCount
  };
  const Case cases[] = {
      {"two strips of ten rows for fifteen rows", 15, 3, 10, 2},
      {"one row a strip", 5, 3, 1, 5},
      {"two rows a strip, last strip short", 5, 4, 2, 3},
      {"exactly the height", 5, 3, 5, 1},
      {"more than the height", 5, 3, 100, 1},
      {"the all-rows value 2^32 - 1", 5, 4, 0xFFFFFFFF, 1},
      {"missing", 5, 3, std::nullopt, 1},
  };
  for (bool big : {false, true}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.name) + (big ? " MM" : " II"));
      const int rows = static_cast<int>(std::min<std::uint32_t>(c.rows.value_or(0), c.height));
      const TiffPicture p{.width = 2, .height = c.height, .rowsPerStrip = rows, .bigEndian = big};
      TiffBuild build = MakeTiff(p);
      ASSERT_EQ(build.strips.size(), static_cast<std::size_t>(c.strips));
      build.Remove(278);
      if (c.rows) build.Set({278, c.type, 1, {*c.rows}, {}});
      ASSERT_TRUE(Load(build.Bytes()));
      EXPECT_EQ(loader.stripCount, c.strips);
      EXPECT_EQ(PictureOf(image), Expected(p));
    }
  }
}

// The strip count is worked out from the whole directory, not when RowsPerStrip is met.
TEST_F(TiffLoad, ImageLengthAfterRowsPerStrip) {
  const TiffPicture p{.width = 3, .height = 5, .rowsPerStrip = 2};
  TiffBuild build = MakeTiff(p);
  const TiffEntry length = *build.Find(257);
  build.Remove(257);
  build.Set(length);  // now the last entry
  ASSERT_TRUE(Load(build.Bytes()));
  EXPECT_EQ(loader.stripCount, 3);
  EXPECT_EQ(PictureOf(image), Expected(p));
}

// Rows of more than 20000 bytes load whole.
TEST_F(TiffLoad, LongRows) {
  for (bool alpha : {false, true}) {
    const TiffPicture p{.width = 7000, .height = 2, .alpha = alpha};
    ASSERT_TRUE(Load(MakeTiff(p).Bytes()));
    EXPECT_EQ(loader.bytesPerRow, 7000 * (alpha ? 4 : 3));
    EXPECT_EQ(PictureOf(image), Expected(p));
  }
}

// StripOffsets may be SHORTs: two fit inside the value field, three need an array.
TEST_F(TiffLoad, ShortStripOffsets) {
  for (bool big : {false, true}) {
    for (int height : {4, 5}) {
      SCOPED_TRACE(std::to_string(height) + (big ? " rows MM" : " rows II"));
      const TiffPicture p{.width = 3, .height = height, .rowsPerStrip = 2, .bigEndian = big};
      TiffBuild build = MakeTiff(p);
      build.Find(273)->type = 3;
      ASSERT_TRUE(Load(build.Bytes()));
      EXPECT_EQ(PictureOf(image), Expected(p));
    }
  }
}

// Four samples without ExtraSamples: the fourth is skipped and no alpha is kept.
TEST_F(TiffLoad, FourthSampleWithoutExtraSamplesIsSkipped) {
  TiffPicture p{.width = 3, .height = 2, .alpha = true};
  TiffBuild build = MakeTiff(p);
  build.Remove(338);
  ASSERT_TRUE(Load(build.Bytes()));
  EXPECT_EQ(image.Format(), 0x20);
  p.alpha = false;
  EXPECT_EQ(PictureOf(image), Expected(p));
}

TEST_F(TiffLoad, SecondImageIsWarnedAboutAndSkipped) {
  const TiffPicture p{.width = 2, .height = 2};
  TiffBuild build = MakeTiff(p);
  build.nextDirectory = 8;
  testing::internal::CaptureStdout();
  const bool read = Load(build.Bytes());
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "Load:Tiff: (Warning only) File contains multiple tiff images - reading only "
            "first.\n");
  ASSERT_TRUE(read);
  EXPECT_EQ(PictureOf(image), Expected(p));
  EXPECT_TRUE(platform.Notices().empty());
}

// Compression other than none is announced, then the data is read as it stands.
TEST_F(TiffLoad, CompressedFileIsAnnouncedThenReadRaw) {
  const TiffPicture p{.width = 2, .height = 3, .bigEndian = true};
  TiffBuild build = MakeTiff(p);
  build.Set({259, 3, 1, {5}, {}});
  ASSERT_TRUE(Load(build.Bytes()));
  ASSERT_EQ(platform.Notices().size(), 1u);
  const auto& notice = platform.Notices()[0];
  EXPECT_EQ(notice.owner, 0u);
  EXPECT_EQ(notice.caption, "Vorel Error");
  EXPECT_EQ(notice.text,
            "TIF Load Error: LZW Compression not supported.\n\nVorel does not support LZW "
            "compressed TIF images. Save your TIF image again and be sure that the LZW "
            "compression option is turned off.\n");
  EXPECT_EQ(loader.compression, 5);
  EXPECT_EQ(PictureOf(image), Expected(p));
}

// One loader reads many files; nothing of one file carries over to the next.
TEST_F(TiffLoad, ReusedLoaderStartsAfreshForEachFile) {
  const TiffPicture first{
      .width = 4, .height = 5, .bits = 16, .alpha = true, .rowsPerStrip = 2, .bigEndian = true};
  TiffBuild second = MakeTiff({.width = 3, .height = 4});
  second.Remove(278);
  ASSERT_TRUE(LoadBytes(loader, MakeTiff(first).Bytes(), image));
  EXPECT_EQ(loader.stripCount, 3);
  ASSERT_TRUE(LoadBytes(loader, second.Bytes(), image));
  EXPECT_EQ(loader.stripCount, 1);
  EXPECT_EQ(loader.hasExtraSample, 0);
  EXPECT_EQ(image.Format(), 0x20);
  EXPECT_EQ(PictureOf(image), Expected({.width = 3, .height = 4}));
}

TEST_F(TiffLoad, MissingFileLeavesTheImageAsItWas) {
  image.Create(2, 1, IMG_24BIT);
  for (int i = 0; i < 6; ++i)
    image.PixelBytes()[i] = static_cast<std::uint8_t>(10 + i);
  EXPECT_FALSE(loader.LoadTiff("Images\\missing.tif", image));
  ASSERT_EQ(platform.Notices().size(), 1u);
  EXPECT_EQ(platform.Notices()[0].owner, 0u);
  EXPECT_EQ(platform.Notices()[0].caption, "Vorel Error");
  EXPECT_EQ(platform.Notices()[0].text,
            ".TIF File Not Found: Images\\missing.tif\n\nMake sure paths and names of TIF images "
            "are correct. If you started the game outside of Visual C++, make sure the "
            "executable is in the correct location to find images.");
  EXPECT_EQ(dir.Read("debug.txt"), "File::Open: File does not exist for read.\n  ");
  EXPECT_EQ(image.Width(), 2);
  EXPECT_EQ(image.Format(), IMG_24BIT);
  EXPECT_EQ(PictureOf(image), (std::vector<Rgba>{{10, 11, 12, 0}, {13, 14, 15, 0}}));
  EXPECT_EQ(loader.loaded, 0);
}

// Names are kept to 99 characters, however long the name given.
TEST_F(TiffLoad, LongNamesAreCutInFileName) {
  const std::string name = std::string(150, 'n') + ".tif";
  dir.Write(name, MakeTiff({.width = 1, .height = 1}).Bytes());
  EXPECT_TRUE(loader.LoadTiff(name, image));
  EXPECT_EQ(loader.Name(), name.substr(0, 99));
  EXPECT_EQ(loader.fileName[99], '\0');

  EXPECT_FALSE(loader.LoadTiff("missing-" + name, image));
  EXPECT_EQ(loader.Name(), ("missing-" + name).substr(0, 99));
  ASSERT_EQ(platform.Notices().size(), 1u);
  EXPECT_NE(platform.Notices()[0].text.find("missing-" + name), std::string::npos)
      << "the notice names the file in full";
}

// Load prepares the image for its use whatever the load gave.
TEST_F(TiffLoad, LoadAppliesTheUseOnEveryOutcome) {
  dir.Write("alpha.tif", MakeTiff({.width = 3, .height = 2, .alpha = true}).Bytes());
  TiffBuild grey = MakeTiff({.width = 3, .height = 2});
  grey.Set({258, 3, 1, {8}, {}});
  dir.Write("grey.tif", grey.Bytes());

  EXPECT_TRUE(loader.Load("alpha.tif", image, DRAW_MASKED));
  EXPECT_EQ(image.Use(), DRAW_MASKED);
  EXPECT_EQ(image.Format(), IMG_16BIT | IMG_MASKED);
  EXPECT_FALSE(image.HasAlphaPlane());

  Image refused;
  EXPECT_FALSE(loader.Load("grey.tif", refused, DRAW_ALPHA));
  EXPECT_EQ(refused.Use(), DRAW_ALPHA);
  EXPECT_FALSE(refused.HasPixels());

  Image missing;
  EXPECT_FALSE(loader.Load("missing.tif", missing, DRAW_PLAIN));
  EXPECT_EQ(missing.Use(), DRAW_PLAIN);
  EXPECT_FALSE(missing.HasPixels());
  EXPECT_EQ(platform.Notices().size(), 2u);
}

// Load decodes 8-bit samples straight to screen words; every layout and use must leave the
// image exactly as the 24-bit reading followed by SetUse does: words, alpha plane, sizes, format.
TEST_F(TiffLoad, LoadForAUseMatchesReadingThenSetUse) {
  std::vector<TiffPicture> pictures;
  for (int bits : {8, 16}) {
    for (bool alpha : {false, true}) {
      for (bool bigEndian : {false, true}) {
        pictures.push_back({37, 11, bits, alpha, 0, bigEndian});
        pictures.push_back({9, 7, bits, alpha, 3, bigEndian});
      }
    }
  }
  // Rows so long that the reader's window holds only a few, in strips of several rows.
  pictures.push_back({16000, 9, 8, true, 5, false});
  for (const PixelFormat& format : {k565, k555}) {
    const ScreenFormatFor screen(format);
    for (const TiffPicture& p : pictures) {
      const std::string bytes = MakeTiff(p).Bytes();
      for (std::uint8_t use : {DRAW_PLAIN, DRAW_MASKED, DRAW_ALPHA, DRAW_ADD}) {
        SCOPED_TRACE(std::to_string(p.width) + " x " + std::to_string(p.height) + " bits " +
                     std::to_string(p.bits) + " alpha " + std::to_string(p.alpha) + " strips of " +
                     std::to_string(p.rowsPerStrip) + (p.bigEndian ? " MM" : " II") + " use " +
                     std::to_string(use) + " red shift " + std::to_string(format.rshift));
        BothWays both;
        LoadBothWays(bytes, use, both);
        ASSERT_TRUE(both.same);
        EXPECT_EQ(both.loader.createFormat, both.read.createFormat);
        EXPECT_EQ(both.loader.loaded, 1);
      }
    }
  }
}

// A masked picture is decoded and masked in one pass: opaque black, and colours too dark for the
// screen format, stay visible as 1; a pixel of alpha 0 becomes 0 whatever its colour. Rows
// shorter than a step and rows ending in a part step both match reading then SetUse.
TEST_F(TiffLoad, MaskedLoadKeepsOpaqueBlackAndClearsTheTransparent) {
  const ScreenFormatFor screen(k565);
  for (int width : {5, 8, 21}) {
    SCOPED_TRACE("width " + std::to_string(width));
    const int height = 3;
    std::vector<Rgba> pixels = TestPicture(width, height);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
      if (i % 3 == 0) pixels[i] = {0, 0, 0, 255};
      if (i % 4 == 1) pixels[i] = {7, 3, 7, 200};  // below every field's lowest step on 565
      if (i % 5 == 2) pixels[i].a = 0;
    }
    const std::string bytes = MakeTiff({width, height, 8, true, 0, false}, pixels).Bytes();
    BothWays both;
    LoadBothWays(bytes, DRAW_MASKED, both);
    ASSERT_TRUE(both.same);
    const Image& image = both.image;
    EXPECT_FALSE(image.HasAlphaPlane());
    for (std::size_t i = 0; i < pixels.size(); ++i) {
      const std::uint16_t word = image.Pixels16()[i];
      if (pixels[i].a == 0) {
        EXPECT_EQ(word, 0) << "pixel " << i;
      } else if (i % 3 == 0 || i % 4 == 1) {
        EXPECT_EQ(word, 1) << "pixel " << i;
      } else {
        EXPECT_NE(word, 0) << "pixel " << i;
      }
    }
  }
}

// A file cut short inside its pixels is refused by Load as by LoadTiff, leaving no image.
TEST_F(TiffLoad, LoadRefusesAFileCutInsideItsPixels) {
  TiffBuild build = MakeTiff({40, 40, 8, true, 0, false});
  build.directoryFirst = true;
  std::string bytes = build.Bytes();
  bytes.resize(bytes.size() - 100);
  ImageFile loader;
  Image image;
  support::File file;
  file.OpenMemory("cut.tif", {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
  EXPECT_FALSE(loader.Load(file, image, DRAW_MASKED));
  EXPECT_FALSE(image.HasPixels());
}

}  // namespace
}  // namespace engine::graphics
