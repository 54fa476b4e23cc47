// SceneryTest.cpp -- the backdrops fit the places the game shell gives them: the title's three
// buttons fill exactly the rectangles the shell answers clicks in, each rules page is an opaque
// panel whose only transparent pixels are its rounded corners, and the pages' text speaks of
// time as a player counts it.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <fstream>
#include <string>

#include "engine/graphics/Image.h"
#include "engine/graphics/ImageFile.h"
#include "engine/support/Path.h"
#include "tests/assets/AssetData.h"
#include "tests/common/GlobalPlatform.h"

namespace tests::assets {
namespace {

using engine::graphics::Image;
using engine::graphics::ImageFile;

struct Rgb {
  std::uint8_t r, g, b;
  bool operator==(const Rgb&) const = default;
};

Rgb At(const Image& image, int x, int y) {
  const std::uint8_t* p = image.PixelBytes() + 3 * (static_cast<long>(y) * image.Width() + x);
  return {p[0], p[1], p[2]};
}

std::uint8_t AlphaAt(const Image& image, int x, int y) {
  return image.Alpha()[static_cast<long>(y) * image.Width() + x];
}

class Scenery : public testing::Test {
 protected:
  void SetUp() override { engine::support::SetDataFolder(BuildDataFolder().string()); }
  void TearDown() override { engine::support::SetDataFolder(""); }

  void Load(const std::string& name, Image& image) {
    ImageFile loader;
    ASSERT_TRUE(loader.LoadTiff(name, image)) << name;
    ASSERT_EQ(image.Format(), 0x21) << name;
  }

  GlobalPlatform platform;
};

struct Button {
  const char* label;
  int left, top, width, height;
};

// The shell's hit rectangles (left, top, width, height) on the title screen.
constexpr Button kButtons[] = {
    {"one player", 535, 225, 210, 60},
    {"two players", 430, 315, 215, 60},
    {"rules", 520, 410, 240, 55},
};

// A button's outline runs along the very edge of its rectangle in one colour; one pixel
// outside, the backdrop shows. A button drawn a pixel off, or smaller or larger than its
// rectangle, breaks the ring.
TEST_F(Scenery, TitleButtonsFillTheShellsRectangles) {
  Image title;
  Load("Images\\backgrounds\\intro-bg.tif", title);
  ASSERT_EQ(title.Width(), 800);
  ASSERT_EQ(title.Height(), 600);
  for (const Button& b : kButtons) {
    SCOPED_TRACE(b.label);
    const int right = b.left + b.width - 1, bottom = b.top + b.height - 1;
    const Rgb edge = At(title, b.left, b.top);
    int outsideMatches = 0, outsideCount = 0;
    for (int x = b.left; x <= right; ++x) {
      EXPECT_EQ(At(title, x, b.top), edge) << "top edge at x " << x;
      EXPECT_EQ(At(title, x, bottom), edge) << "bottom edge at x " << x;
      outsideMatches += (At(title, x, b.top - 1) == edge) + (At(title, x, bottom + 1) == edge);
      outsideCount += 2;
    }
    for (int y = b.top; y <= bottom; ++y) {
      EXPECT_EQ(At(title, b.left, y), edge) << "left edge at y " << y;
      EXPECT_EQ(At(title, right, y), edge) << "right edge at y " << y;
      outsideMatches += (At(title, b.left - 1, y) == edge) + (At(title, right + 1, y) == edge);
      outsideCount += 2;
    }
    EXPECT_LT(outsideMatches, outsideCount / 4) << "the outline continues outside the rectangle";
    // Inside the outline there is a face with a label: more than one colour.
    const Rgb centre = At(title, b.left + b.width / 2, b.top + b.height / 2);
    bool varied = false;
    for (int x = b.left + 10; x < right - 10 && !varied; ++x) {
      varied = At(title, x, b.top + b.height / 2) != centre;
    }
    EXPECT_TRUE(varied) << "no label across the middle of the button";
  }
}

// The page is drawn masked at (100, 100) over the rules backdrop: inside its rounded corners
// every pixel must show, or the backdrop would show through the text.
TEST_F(Scenery, RulesPagesAreOpaqueBetweenRoundedCorners) {
  constexpr int kCorner = 16;
  for (int n = 1; n <= 10; ++n) {
    const std::string name = "Images\\rules\\rules" + std::to_string(n) + ".tif";
    SCOPED_TRACE(name);
    Image page;
    Load(name, page);
    const int w = page.Width(), h = page.Height();
    EXPECT_EQ(AlphaAt(page, 0, 0), 0) << "square top-left corner";
    EXPECT_EQ(AlphaAt(page, w - 1, h - 1), 0) << "square bottom-right corner";
    long holes = 0;
    for (int y = 0; y < h; ++y) {
      for (int x = 0; x < w; ++x) {
        const bool inCorner =
            (x < kCorner || x >= w - kCorner) && (y < kCorner || y >= h - kCorner);
        if (!inCorner && AlphaAt(page, x, y) != 255) ++holes;
      }
    }
    EXPECT_EQ(holes, 0) << "transparent pixels away from the corners";
  }
}

// The game counts time in frames, 60 a second; a player counts seconds and minutes. Only what
// stands between quotes in the pages' source is printed on them.
TEST(RulesText, SpeaksOfSecondsAndMinutesNotFrames) {
  std::ifstream source(CURBSIDE_RULES_SOURCE);
  ASSERT_TRUE(source) << CURBSIDE_RULES_SOURCE;
  std::string line;
  for (int number = 1; std::getline(source, line); ++number) {
    std::string printed;
    bool quoted = false;
    for (const char c : line) {
      if (c == '"') quoted = !quoted;
      if (quoted) printed += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    EXPECT_EQ(printed.find("frame"), std::string::npos) << "line " << number << ": " << line;
  }
}

}  // namespace
}  // namespace tests::assets
