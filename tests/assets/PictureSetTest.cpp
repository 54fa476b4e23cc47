// PictureSetTest.cpp -- every generated picture loads through the engine's own TIFF loader as
// 8-bit RGBA of the size its place needs; plain pictures are opaque, masked ones are cut
// cleanly (alpha 0 or 255, no pure black showing) and figures stand on a transparent ground.
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <string>

#include "engine/graphics/Image.h"
#include "engine/graphics/ImageFile.h"
#include "engine/support/Path.h"
#include "tests/assets/AssetData.h"
#include "tests/assets/ExpectedAssets.h"
#include "tests/common/GlobalPlatform.h"
#include "tests/common/TempDir.h"

namespace tests::assets {
namespace {

using engine::graphics::Image;
using engine::graphics::ImageFile;

struct Counts {
  long transparent = 0, opaque = 0, partial = 0, blackShowing = 0;
};

// An RGBA picture as LoadTiff leaves it: R, G, B bytes and an alpha plane.
Counts Count(const Image& image) {
  Counts counts;
  const std::uint8_t* rgb = image.PixelBytes();
  const std::uint8_t* alpha = image.Alpha();
  const long pixels = static_cast<long>(image.Width()) * image.Height();
  for (long i = 0; i < pixels; ++i) {
    const std::uint8_t a = alpha[i];
    if (a == 0) {
      ++counts.transparent;
    } else {
      if (a == 255) ++counts.opaque;
      if (a != 255) ++counts.partial;
      if (rgb[3 * i] == 0 && rgb[3 * i + 1] == 0 && rgb[3 * i + 2] == 0) ++counts.blackShowing;
    }
  }
  return counts;
}

std::uint8_t AlphaAt(const Image& image, int x, int y) {
  return image.Alpha()[static_cast<long>(y) * image.Width() + x];
}

class PictureSet : public testing::Test {
 protected:
  void SetUp() override {
    engine::support::SetDataFolder(BuildDataFolder().string());
    for (const ManifestEntry& entry : EntriesOf(ReadManifest(BuildDataFolder()), "image")) {
      listed[entry.name] = entry;
    }
    ASSERT_FALSE(listed.empty()) << "no pictures listed in " << BuildDataFolder();
  }
  void TearDown() override {
    engine::support::SetDataFolder("");
    EXPECT_TRUE(platform.Notices().empty())
        << platform.Notices().front().caption << ": " << platform.Notices().front().text;
  }

  // Each expected picture that the generator wrote (a missing one is CoverageTest's to report),
  // read as the file holds it.
  template <typename Check>
  void ForEachPicture(Check check) {
    for (const ExpectedPicture& expected : ExpectedPictures()) {
      const auto entry = listed.find(expected.name);
      if (entry == listed.end()) continue;
      SCOPED_TRACE(expected.name);
      Image image;
      ImageFile loader;
      ASSERT_TRUE(loader.LoadTiff(expected.name, image));
      ASSERT_EQ(image.Format(), 0x21) << "8-bit RGB with an alpha plane";
      ASSERT_NE(image.Alpha(), nullptr);
      check(expected, entry->second, image);
    }
  }

  TempDir dir;
  GlobalPlatform platform;
  std::map<std::string, ManifestEntry> listed;
};

TEST_F(PictureSet, EachPictureIsRgbaOfTheSizeItsPlaceNeeds) {
  ForEachPicture(
      [](const ExpectedPicture& expected, const ManifestEntry& entry, const Image& image) {
        EXPECT_EQ(image.Width(), entry.first) << "the manifest's width";
        EXPECT_EQ(image.Height(), entry.second) << "the manifest's height";
        EXPECT_GE(image.Width(), expected.size.minWidth);
        EXPECT_LE(image.Width(), expected.size.maxWidth);
        EXPECT_GE(image.Height(), expected.size.minHeight);
        EXPECT_LE(image.Height(), expected.size.maxHeight);
      });
}

// A plain draw copies every pixel, so a transparent pixel would show whatever colour it holds.
TEST_F(PictureSet, PlainPicturesAreOpaque) {
  ForEachPicture([](const ExpectedPicture& expected, const ManifestEntry&, const Image& image) {
    if (!expected.plain) return;
    const Counts counts = Count(image);
    EXPECT_EQ(counts.transparent + counts.partial, 0);
  });
}

// A masked draw shows every pixel whose alpha is not 0 at full strength, so a soft edge would
// become a hard fringe; and the pictures keep pure black out of what they show.
TEST_F(PictureSet, MaskedPicturesAreCutCleanly) {
  ForEachPicture([](const ExpectedPicture& expected, const ManifestEntry&, const Image& image) {
    if (!expected.masked) return;
    const Counts counts = Count(image);
    EXPECT_EQ(counts.partial, 0) << "pixels neither transparent nor opaque";
    EXPECT_EQ(counts.blackShowing, 0) << "pure black pixels shown";
    EXPECT_GT(counts.opaque, 0) << "nothing to see";
  });
}

TEST_F(PictureSet, FiguresStandOnATransparentGround) {
  ForEachPicture([](const ExpectedPicture& expected, const ManifestEntry&, const Image& image) {
    if (!expected.figure) return;
    const int right = image.Width() - 1, bottom = image.Height() - 1;
    EXPECT_EQ(AlphaAt(image, 0, 0), 0);
    EXPECT_EQ(AlphaAt(image, right, 0), 0);
    EXPECT_EQ(AlphaAt(image, 0, bottom), 0);
    EXPECT_EQ(AlphaAt(image, right, bottom), 0);
    // A person fills a good part of an actor's frame, even lying down; a clock hand may be a
    // thin line.
    if (image.Width() == 100 && image.Height() == 100) {
      EXPECT_GE(Count(image).opaque, 800) << "too little of a person";
    }
  });
}

// The game's own path: Load with each use the game gives the picture prepares it for that
// drawing operation, and a masked picture keeps a transparent ground after the preparation.
TEST_F(PictureSet, EachPictureLoadsForEachOfItsUses) {
  for (const ExpectedPicture& expected : ExpectedPictures()) {
    const auto entry = listed.find(expected.name);
    if (entry == listed.end()) continue;
    SCOPED_TRACE(expected.name);
    for (std::uint8_t use : {engine::graphics::DRAW_PLAIN, engine::graphics::DRAW_MASKED}) {
      if (use == engine::graphics::DRAW_PLAIN && !expected.plain) continue;
      if (use == engine::graphics::DRAW_MASKED && !expected.masked) continue;
      Image image;
      ImageFile loader;
      ASSERT_TRUE(loader.Load(expected.name, image, use));
      EXPECT_EQ(loader.createFormat, 0x21);
      EXPECT_EQ(image.Use(), use);
      EXPECT_EQ(image.Width(), entry->second.first);
      EXPECT_EQ(image.Height(), entry->second.second);
      if (use == engine::graphics::DRAW_MASKED && expected.figure) {
        // After the preparation a transparent pixel is the 16-bit word 0.
        EXPECT_EQ(image.Pixels16()[0], 0);
      }
    }
  }
}

}  // namespace
}  // namespace tests::assets
