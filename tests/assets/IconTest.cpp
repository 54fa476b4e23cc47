// IconTest.cpp -- the desktop icon at every size, and the build's icon files that install.
#include "tools/assetgen/Icon.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "tests/common/TempDir.h"

namespace tools::assetgen {
namespace {

// How far a colour is from another, by its largest channel difference.
int Distance(Rgba a, Rgba b) {
  return std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)});
}

int CountNear(const Canvas& canvas, Rgba colour, int tolerance) {
  int count = 0;
  for (const Rgba& p : canvas.Pixels())
    count += p.a == 255 && Distance(p, colour) <= tolerance;
  return count;
}

// At every size: a round badge (clear corners, solid middle), with the hat's dark cloth and
// the coin's gold both plainly there, and the same pixels on every run.
TEST(Icon, EverySizeShowsTheHatAndTheCoinOnARoundBadge) {
  constexpr Rgba kGold{244, 196, 64}, kHat{56, 50, 74};
  for (const int size : kIconSizes) {
    SCOPED_TRACE(size);
    const Canvas icon = PaintIcon(size);
    ASSERT_EQ(icon.Width(), size);
    ASSERT_EQ(icon.Height(), size);
    for (const auto& [x, y] :
         {std::pair{0, 0}, {size - 1, 0}, {0, size - 1}, {size - 1, size - 1}}) {
      EXPECT_EQ(icon.Get(x, y).a, 0);
    }
    EXPECT_EQ(icon.Get(size / 2, size / 2).a, 255);
    const int area = size * size;
    EXPECT_GT(CountNear(icon, kGold, 24), area / 40) << "coin";
    EXPECT_GT(CountNear(icon, kHat, 24), area / 40) << "hat";
    EXPECT_TRUE(icon.Pixels() == PaintIcon(size).Pixels());
  }
}

// The build wrote each size in the icon theme's layout, and the file decodes to the icon.
TEST(Icon, BuildWroteEachSizeForTheIconTheme) {
  tests::TempDir dir;
  for (const int size : kIconSizes) {
    SCOPED_TRACE(size);
    const std::string side = std::to_string(size);
    const std::filesystem::path file = std::filesystem::path(CURBSIDE_ICON_DIR) / "hicolor" /
                                       (side + "x" + side) / "apps" / "curbside.png";
    ASSERT_TRUE(std::filesystem::exists(file)) << file;
    const std::string command = "identify -format '%m %w %h' '" + file.string() +
                                "' >info.txt && convert '" + file.string() +
                                "' -depth 8 rgba:icon.rgba";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(dir.Read("info.txt"), "PNG " + side + " " + side);
    const Canvas icon = PaintIcon(size);
    std::string painted;
    for (const Rgba& p : icon.Pixels()) {
      painted += {static_cast<char>(p.r), static_cast<char>(p.g), static_cast<char>(p.b),
                  static_cast<char>(p.a)};
    }
    EXPECT_TRUE(dir.Read("icon.rgba") == painted);
  }
}

}  // namespace
}  // namespace tools::assetgen
