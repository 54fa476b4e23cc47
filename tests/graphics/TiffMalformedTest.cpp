// TiffMalformedTest.cpp -- damaged and hostile TIFF files: one field broken at a time, and a
// valid file cut at every byte. Each ends as intended (loaded, refused with a notice and a log
// line and an empty image, or the process exit of a file that is no TIFF) and never reads or
// writes outside a buffer, which the sanitizer build checks.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "engine/graphics/ImageFile.h"
#include "tests/common/GlobalPlatform.h"
#include "tests/common/TempDir.h"
#include "tests/graphics/TiffBuilder.h"

namespace engine::graphics {
namespace {

using tests::LoadBytes;
using tests::MakeTiff;
using tests::PictureOf;
using tests::TestPicture;
using tests::TiffBuild;
using tests::TiffEntry;
using tests::TiffPicture;

// Three strips of two rows (the last holds one), with alpha, so that BitsPerSample and both
// strip arrays lie outside the directory.
constexpr TiffPicture kBase{.width = 3, .height = 5, .alpha = true, .rowsPerStrip = 2};

enum class Outcome { kLoaded, kRefused, kExit };

struct Case {
  const char* name;
  std::function<void(TiffBuild&)> change;
  Outcome outcome;
  // Refused: the problem as the notice and the log state it. Exit: the line printed. Loaded:
  // the line printed, if any.
  std::string text;
  std::function<void(std::string&)> changeBytes = nullptr;
};

void SetValue(TiffBuild& b, std::uint16_t tag, std::uint16_t type, std::uint32_t value) {
  b.Set({tag, type, 1, {value}, {}});
}

void PointAt(TiffBuild& b, std::uint16_t tag, std::uint32_t offset) {
  b.Find(tag)->field = offset;
}

const std::string kNotTiff = "Load:Tiff: File is corrupted, or is not a .TIFF file.\n";
const std::string kUnknownMode = "Load:Tiff: Unknown TIFF mode.\n";

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      // Size.
      {"width 0", [](TiffBuild& b) { SetValue(b, 256, 3, 0); }, Outcome::kRefused,
       "The image is 0 x 5 pixels; each side must be 1 to 16384."},
      {"height 0", [](TiffBuild& b) { SetValue(b, 257, 4, 0); }, Outcome::kRefused,
       "The image is 3 x 0 pixels; each side must be 1 to 16384."},
      {"width 16385", [](TiffBuild& b) { SetValue(b, 256, 3, 16385); }, Outcome::kRefused,
       "The image is 16385 x 5 pixels; each side must be 1 to 16384."},
      {"height 2^31", [](TiffBuild& b) { SetValue(b, 257, 4, 0x80000000); }, Outcome::kRefused,
       "The image is 3 x 2147483648 pixels; each side must be 1 to 16384."},
      {"height 2^32 - 1", [](TiffBuild& b) { SetValue(b, 257, 4, 0xFFFFFFFF); }, Outcome::kRefused,
       "The image is 3 x 4294967295 pixels; each side must be 1 to 16384."},
      // The largest size passes the size check, but its rows are not in the file.
      {"width 16384 without its rows", [](TiffBuild& b) { SetValue(b, 256, 4, 16384); },
       Outcome::kRefused, "Strip 1 of 3 runs past the end of the file."},
      // Rows per strip.
      {"RowsPerStrip 0", [](TiffBuild& b) { SetValue(b, 278, 3, 0); }, Outcome::kRefused,
       "RowsPerStrip is 0."},
      // One strip then, starting where the first strip starts; the strips are contiguous.
      {"RowsPerStrip missing", [](TiffBuild& b) { b.Remove(278); }, Outcome::kLoaded, ""},
      {"RowsPerStrip 2^32 - 1", [](TiffBuild& b) { SetValue(b, 278, 4, 0xFFFFFFFF); },
       Outcome::kLoaded, ""},
      // Strip offsets.
      {"StripOffsets missing", [](TiffBuild& b) { b.Remove(273); }, Outcome::kRefused,
       "The file has no StripOffsets."},
      {"StripOffsets lists too few strips", [](TiffBuild& b) { b.Find(273)->count = 2; },
       Outcome::kRefused, "StripOffsets lists 2 strips; the image has 3."},
      {"StripOffsets lists one strip", [](TiffBuild& b) { b.Find(273)->count = 1; },
       Outcome::kRefused, "StripOffsets lists 1 strips; the image has 3."},
      // Only the offsets the image needs are read.
      {"StripOffsets count 2^32 - 1", [](TiffBuild& b) { b.Find(273)->count = 0xFFFFFFFF; },
       Outcome::kLoaded, ""},
      {"StripOffsets array past the end", [](TiffBuild& b) { PointAt(b, 273, 0xFFFFFFF0); },
       Outcome::kRefused, "The StripOffsets array lies past the end of the file."},
      {"StripOffsets array across the end", [](TiffBuild& b) { PointAt(b, 273, 0xFFFFFFFE); },
       Outcome::kRefused, "The StripOffsets array lies past the end of the file."},
      {"strip offset past the end",
       [](TiffBuild& b) {
         b.Find(273)->values = {8, 0x7FFFFFFF, 8};
       },
       Outcome::kRefused, "Strip 2 of 3 runs past the end of the file."},
      {"strip offset wrapping around 2^32",
       [](TiffBuild& b) {
         b.Find(273)->values = {8, 8, 0xFFFFFFFE};
       },
       Outcome::kRefused, "Strip 3 of 3 runs past the end of the file."},
      {"last strip cut short",
       [](TiffBuild& b) {
         b.directoryFirst = true;
         b.strips.back().pop_back();
       },
       Outcome::kRefused, "Strip 3 of 3 runs past the end of the file."},
      // Samples.
      {"BitsPerSample array past the end", [](TiffBuild& b) { PointAt(b, 258, 0xFFFFFFFE); },
       Outcome::kRefused, "The BitsPerSample values lie past the end of the file."},
      {"BitsPerSample array across the end", [](TiffBuild& b) { PointAt(b, 258, 0x7FFFFFFF); },
       Outcome::kRefused, "The BitsPerSample values lie past the end of the file."},
      {"16-bit red, 8-bit green",
       [](TiffBuild& b) {
         b.Find(258)->values = {16, 8, 8, 8};
       },
       Outcome::kRefused,
       "Samples of 16, 8, 8 and 8 bits are not supported; every sample must have 8, 16 or 32 "
       "bits."},
      {"12-bit samples",
       [](TiffBuild& b) {
         b.Find(258)->values = {12, 12, 12, 12};
       },
       Outcome::kRefused,
       "Samples of 12, 12, 12 and 12 bits are not supported; every sample must have 8, 16 or "
       "32 bits."},
      {"ExtraSamples with three samples",
       [](TiffBuild& b) {
         b.Set({258, 3, 3, {8, 8, 8}, {}});
       },
       Outcome::kRefused, "ExtraSamples is given, but BitsPerSample lists only 3 samples."},
      {"BitsPerSample count 5",
       [](TiffBuild& b) {
         b.Set({258, 3, 5, {8, 8, 8, 8, 8}, {}});
       },
       Outcome::kExit, kUnknownMode},
      {"BitsPerSample count 0",
       [](TiffBuild& b) {
         b.Set({258, 3, 0, {}, {}});
       },
       Outcome::kExit, kUnknownMode},
      // Kinds of image the loader does not read.
      {"grey",
       [](TiffBuild& b) {
         b.Set({258, 3, 1, {8}, {}});
       },
       Outcome::kRefused, "Only RGB images can be loaded; this one is grey."},
      {"grey with alpha",
       [](TiffBuild& b) {
         b.Set({258, 3, 2, {8, 8}, {}});
       },
       Outcome::kRefused, "Only RGB images can be loaded; this one is grey."},
      {"bilevel",
       [](TiffBuild& b) {
         b.Set({258, 3, 1, {1}, {}});
       },
       Outcome::kRefused, "Only RGB images can be loaded; this one is bilevel."},
      {"no BitsPerSample", [](TiffBuild& b) { b.Remove(258); }, Outcome::kRefused,
       "Only RGB images can be loaded; this one is bilevel."},
      {"palette", [](TiffBuild& b) { SetValue(b, 262, 3, 3); }, Outcome::kRefused,
       "Only RGB images can be loaded; this one is palette."},
      // Directory.
      {"directory offset past the end", [](TiffBuild& b) { b.directoryOffset = 0xFFFFFFFF; },
       Outcome::kRefused, "The image directory lies past the end of the file."},
      {"directory offset at the last byte", [](TiffBuild& b) { b.directoryOffset = 0x7FFFFFFF; },
       Outcome::kRefused, "The image directory lies past the end of the file."},
      {"entry count past the end", [](TiffBuild& b) { b.entryCount = 0xFFFF; }, Outcome::kRefused,
       "The image directory's 65535 entries run past the end of the file."},
      {"entry count 0", [](TiffBuild& b) { b.entryCount = 0; }, Outcome::kRefused,
       "Only RGB images can be loaded; this one is bilevel."},
      // Only a warning: the second directory is never read.
      {"next directory past the end", [](TiffBuild& b) { b.nextDirectory = 0xFFFFFFFF; },
       Outcome::kLoaded,
       "Load:Tiff: (Warning only) File contains multiple tiff images - reading only first.\n"},
      // Header.
      {"second word 43", nullptr, Outcome::kExit, kNotTiff,
       [](std::string& bytes) { bytes[bytes[0] == 'I' ? 2 : 3] = 43; }},
  };
  return cases;
}

// Runs statement in a child process with standard output sent to standard error, where the
// death test can see it.
#define EXPECT_EXIT_PRINTING(statement, line) \
  EXPECT_EXIT(                                \
      {                                       \
        std::fflush(stdout);                  \
        dup2(2, 1);                           \
        statement;                            \
      },                                      \
      testing::ExitedWithCode(255), testing::Eq(line))

class TiffMalformed : public testing::Test {
 protected:
  void ExpectRefused(bool read, const Image& image, const std::string& problem) {
    EXPECT_FALSE(read);
    EXPECT_EQ(image.Width(), 0);
    EXPECT_EQ(image.Height(), 0);
    EXPECT_EQ(image.Format(), 0);
    EXPECT_FALSE(image.HasPixels());
    EXPECT_FALSE(image.HasAlphaPlane());
    ASSERT_FALSE(platform.Notices().empty());
    const auto& notice = platform.Notices().back();
    EXPECT_EQ(notice.caption, "Vorel Error");
    EXPECT_EQ(notice.owner, 0u);
    if (!problem.empty()) {
      EXPECT_EQ(notice.text, "TIF Load Error: bad.tif\n\n" + problem + "\n");
      const std::string log = dir.Read("debug.txt");
      EXPECT_NE(log.find("ImageFile::LoadTiff: bad.tif: " + problem + "\n  "), std::string::npos)
          << log;
    }
  }

  tests::TempDir dir;
  tests::GlobalPlatform platform;
};

TEST_F(TiffMalformed, OneBrokenFieldAtATime) {
  for (bool big : {false, true}) {
    for (const Case& c : Cases()) {
      SCOPED_TRACE(std::string(c.name) + (big ? " (MM)" : " (II)"));
      TiffPicture picture = kBase;
      picture.bigEndian = big;
      TiffBuild build = MakeTiff(picture);
      if (c.change) c.change(build);
      std::string bytes = build.Bytes();
      if (c.changeBytes) c.changeBytes(bytes);

      ImageFile loader;
      Image image;
      image.Create(7, 7, IMG_24BIT | IMG_ALPHA);  // whatever it held before must go
      if (c.outcome == Outcome::kExit) {
        EXPECT_EXIT_PRINTING(LoadBytes(loader, bytes, image, "bad.tif"), c.text);
        continue;
      }
      const std::size_t notices = platform.Notices().size();
      testing::internal::CaptureStdout();
      const bool read = LoadBytes(loader, bytes, image, "bad.tif");
      const std::string printed = testing::internal::GetCapturedStdout();
      if (c.outcome == Outcome::kRefused) {
        EXPECT_EQ(printed, "");
        EXPECT_EQ(platform.Notices().size(), notices + 1);
        ExpectRefused(read, image, c.text);
        EXPECT_EQ(loader.loaded, 0);
      } else {
        EXPECT_EQ(printed, c.text);
        EXPECT_TRUE(read);
        EXPECT_EQ(platform.Notices().size(), notices);
        EXPECT_EQ(PictureOf(image), TestPicture(kBase.width, kBase.height));
      }
    }
  }
}

// A file cut short anywhere is refused, except when only the next-directory offset at its very
// end is missing: that offset only ever leads to a warning.
TEST_F(TiffMalformed, EveryCutOfAValidFile) {
  for (bool big : {false, true}) {
    for (bool directoryFirst : {false, true}) {
      SCOPED_TRACE(std::string(big ? "MM" : "II") +
                   (directoryFirst ? ", directory first" : ", strips first"));
      TiffPicture picture = kBase;
      picture.bigEndian = big;
      TiffBuild build = MakeTiff(picture);
      build.directoryFirst = directoryFirst;
      const std::string bytes = build.Bytes();
      for (std::size_t size = 4; size < bytes.size(); ++size) {
        SCOPED_TRACE("cut to " + std::to_string(size) + " bytes");
        ImageFile loader;
        Image image;
        const std::size_t notices = platform.Notices().size();
        const bool read = LoadBytes(loader, bytes.substr(0, size), image, "bad.tif");
        if (!directoryFirst && size >= bytes.size() - 4) {
          EXPECT_TRUE(read);
          EXPECT_EQ(PictureOf(image), TestPicture(kBase.width, kBase.height));
        } else {
          EXPECT_EQ(platform.Notices().size(), notices + 1);
          ExpectRefused(read, image, "");
        }
      }
    }
  }
}

// Any mark but "II" means big-endian values; the second word then tells whether it was right.
TEST_F(TiffMalformed, UnknownByteOrderMarkMeansBigEndian) {
  for (bool big : {false, true}) {
    TiffPicture picture = kBase;
    picture.bigEndian = big;
    std::string bytes = MakeTiff(picture).Bytes();
    bytes[0] = bytes[1] = 'X';
    ImageFile loader;
    Image image;
    if (big) {
      EXPECT_TRUE(LoadBytes(loader, bytes, image, "bad.tif"));
      EXPECT_EQ(PictureOf(image), TestPicture(kBase.width, kBase.height));
    } else {
      EXPECT_EXIT_PRINTING(LoadBytes(loader, bytes, image, "bad.tif"), kNotTiff);
    }
  }
}

// Shorter than the byte order mark and the second word: not a TIFF.
TEST_F(TiffMalformed, CutInsideTheFirstFourBytes) {
  const std::string bytes = MakeTiff(kBase).Bytes();
  for (std::size_t size = 0; size < 4; ++size) {
    SCOPED_TRACE("cut to " + std::to_string(size) + " bytes");
    ImageFile loader;
    Image image;
    EXPECT_EXIT_PRINTING(LoadBytes(loader, bytes.substr(0, size), image, "bad.tif"), kNotTiff);
  }
}

}  // namespace
}  // namespace engine::graphics
