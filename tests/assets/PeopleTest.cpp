// PeopleTest.cpp -- the street's people as the game draws them: every actor frame stands on
// one ground line and leaves room around the figure, a walk to the right is the walk to the
// left turned round, and the four kinds of passer-by are four different people, each with a
// round badge of its own colour.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/graphics/Image.h"
#include "engine/graphics/ImageFile.h"
#include "engine/support/Path.h"
#include "tests/assets/AssetData.h"
#include "tests/common/GlobalPlatform.h"

namespace tests::assets {
namespace {

using engine::graphics::Image;
using engine::graphics::ImageFile;

// One animation: the file-name pattern with %03d for the frame number, and its frame count.
struct Strip {
  std::string pattern;
  int count;
};

std::string Frame(const Strip& strip, int i) {
  char name[160];
  std::snprintf(name, sizeof name, strip.pattern.c_str(), i);
  return name;
}

std::string Normal(int kind, const std::string& group) {
  const std::string k = std::to_string(kind);
  return "Images\\Bypasser\\Normal" + k + "\\normal" + k + "-" + group + "%03d.tif";
}

// Animations in which the actor has both feet on the pavement in every frame.
std::vector<Strip> Grounded() {
  std::vector<Strip> strips = {
      {"Images\\Player\\player-stand%03d.tif", 3},
      {"Images\\Player\\player-moveleft%03d.tif", 4},
      {"Images\\Player\\player-moveright%03d.tif", 4},
      {"Images\\Player\\player-begleftloop%03d.tif", 4},
      {"Images\\Player\\player-singleftloop%03d.tif", 4},
      {"Images\\Player\\player-rabbitleftloop%03d.tif", 4},
      {"Images\\Bypasser\\Thief\\thief-moveleft%03d.tif", 4},
      {"Images\\Bypasser\\Hobo\\hobo-moveleft%03d.tif", 4},
  };
  for (int kind = 1; kind <= 4; ++kind) {
    for (const char* group : {"watch", "moveleft", "moveright", "payleft", "payright"}) {
      strips.push_back({Normal(kind, group), std::string(group) == "watch" ? 3 : 4});
    }
  }
  return strips;
}

// Every actor animation, with the right-facing ones.
std::vector<Strip> AllActorFrames() {
  std::vector<Strip> strips;
  const std::string player = "Images\\Player\\player-";
  strips.push_back({player + "stand%03d.tif", 3});
  strips.push_back({player + "danceone%03d.tif", 3});
  strips.push_back({player + "danceoneloop%03d.tif", 3});
  for (const char* side : {"left", "right"}) {
    const std::string s = side;
    for (const char* group : {"move", "beg", "sing", "rabbit", "push"}) {
      strips.push_back({player + group + s + "%03d.tif", 4});
    }
    for (const char* group : {"beg", "sing", "rabbit"}) {
      strips.push_back({player + group + s + "loop%03d.tif", 4});
    }
    strips.push_back({player + "fall" + s + "%03d.tif", 12});
    strips.push_back({"Images\\Bypasser\\Thief\\thief-move" + s + "%03d.tif", 4});
    strips.push_back({"Images\\Bypasser\\Thief\\thief-run" + s + "%03d.tif", 4});
    strips.push_back({"Images\\Bypasser\\Hobo\\hobo-move" + s + "%03d.tif", 4});
  }
  strips.push_back({"Images\\Bypasser\\Hobo\\hobo-teach%03d.tif", 6});
  for (int kind = 1; kind <= 4; ++kind) {
    strips.push_back({Normal(kind, "watch"), 3});
    for (const char* group : {"moveleft", "moveright", "payleft", "payright"}) {
      strips.push_back({Normal(kind, group), 4});
    }
  }
  return strips;
}

// The rows and columns a picture's visible pixels span.
struct Extent {
  int left = 1 << 30, right = -1, top = 1 << 30, bottom = -1;
};

class People : public testing::Test {
 protected:
  void SetUp() override { engine::support::SetDataFolder(BuildDataFolder().string()); }
  void TearDown() override { engine::support::SetDataFolder(""); }

  static void Load(const std::string& name, Image& image) {
    ImageFile loader;
    ASSERT_TRUE(loader.LoadTiff(name, image)) << name;
    ASSERT_EQ(image.Format(), 0x21) << name;
    ASSERT_NE(image.Alpha(), nullptr) << name;
  }

  static bool Visible(const Image& image, int x, int y) {
    return image.Alpha()[static_cast<long>(y) * image.Width() + x] != 0;
  }

  static Extent ExtentOf(const Image& image) {
    Extent e;
    for (int y = 0; y < image.Height(); ++y) {
      for (int x = 0; x < image.Width(); ++x) {
        if (!Visible(image, x, y)) continue;
        e.left = std::min(e.left, x);
        e.right = std::max(e.right, x);
        e.top = std::min(e.top, y);
        e.bottom = std::max(e.bottom, y);
      }
    }
    return e;
  }

  GlobalPlatform platform;
};

// Each actor is drawn at one street height whatever it is doing, so feet that sat higher or
// lower in some frames would make it float or sink as its animation runs.
TEST_F(People, EveryActorStandsOnOneGroundLine) {
  Image reference;
  ASSERT_NO_FATAL_FAILURE(Load("Images\\Player\\player-stand000.tif", reference));
  const int ground = ExtentOf(reference).bottom;
  ASSERT_GT(ground, 80) << "the performer's feet are near the bottom of the frame";
  for (const Strip& strip : Grounded()) {
    for (int i = 0; i < strip.count; ++i) {
      SCOPED_TRACE(Frame(strip, i));
      Image image;
      ASSERT_NO_FATAL_FAILURE(Load(Frame(strip, i), image));
      EXPECT_EQ(ExtentOf(image).bottom, ground);
    }
  }
  // Jumps and falls may leave the ground but never go through it.
  for (const Strip& strip : AllActorFrames()) {
    for (int i = 0; i < strip.count; ++i) {
      SCOPED_TRACE(Frame(strip, i));
      Image image;
      ASSERT_NO_FATAL_FAILURE(Load(Frame(strip, i), image));
      EXPECT_LE(ExtentOf(image).bottom, ground);
    }
  }
}

// A figure that reaches the edge of its frame is cut off there, outline and all.
TEST_F(People, NoFigureIsCutByItsFrame) {
  for (const Strip& strip : AllActorFrames()) {
    for (int i = 0; i < strip.count; ++i) {
      SCOPED_TRACE(Frame(strip, i));
      Image image;
      ASSERT_NO_FATAL_FAILURE(Load(Frame(strip, i), image));
      const Extent e = ExtentOf(image);
      ASSERT_GE(e.right, 0) << "an empty frame";
      EXPECT_GT(e.left, 0);
      EXPECT_GT(e.top, 0);
      EXPECT_LT(e.right, image.Width() - 1);
      EXPECT_LT(e.bottom, image.Height() - 1);
    }
  }
}

// Facing is nothing but the state, so a right-facing walk has to show the same person walking
// the other way, step for step; a set left unturned would walk backwards.
TEST_F(People, WalkingRightIsWalkingLeftTurnedRound) {
  std::vector<std::string> walkers = {"Images\\Player\\player-move%s%03d.tif",
                                      "Images\\Bypasser\\Thief\\thief-move%s%03d.tif",
                                      "Images\\Bypasser\\Thief\\thief-run%s%03d.tif",
                                      "Images\\Bypasser\\Hobo\\hobo-move%s%03d.tif"};
  for (int kind = 1; kind <= 4; ++kind) {
    const std::string k = std::to_string(kind);
    walkers.push_back("Images\\Bypasser\\Normal" + k + "\\normal" + k + "-move%s%03d.tif");
  }
  for (const std::string& walker : walkers) {
    for (int i = 0; i < 4; ++i) {
      char leftName[160], rightName[160];
      std::snprintf(leftName, sizeof leftName, walker.c_str(), "left", i);
      std::snprintf(rightName, sizeof rightName, walker.c_str(), "right", i);
      SCOPED_TRACE(rightName);
      Image left, right;
      ASSERT_NO_FATAL_FAILURE(Load(leftName, left));
      ASSERT_NO_FATAL_FAILURE(Load(rightName, right));
      ASSERT_EQ(left.Width(), right.Width());
      ASSERT_EQ(left.Height(), right.Height());
      const int w = left.Width();
      long differing = 0;
      for (int y = 0; y < left.Height(); ++y) {
        for (int x = 0; x < w; ++x) {
          const long a = static_cast<long>(y) * w + x, b = static_cast<long>(y) * w + (w - 1 - x);
          const bool same = left.Alpha()[a] == right.Alpha()[b] &&
                            (left.Alpha()[a] == 0 ||
                             std::equal(left.PixelBytes() + 3 * a, left.PixelBytes() + 3 * a + 3,
                                        right.PixelBytes() + 3 * b));
          if (!same) ++differing;
        }
      }
      EXPECT_EQ(differing, 0);
    }
  }
}

// Pixels that differ between two pictures of one size.
long Differing(const Image& p, const Image& q) {
  const long pixels = static_cast<long>(p.Width()) * p.Height();
  long differing = 0;
  for (long i = 0; i < pixels; ++i) {
    const bool same =
        p.Alpha()[i] == q.Alpha()[i] &&
        (p.Alpha()[i] == 0 ||
         std::equal(p.PixelBytes() + 3 * i, p.PixelBytes() + 3 * i + 3, q.PixelBytes() + 3 * i));
    if (!same) ++differing;
  }
  return differing;
}

long VisibleCount(const Image& image) {
  const long pixels = static_cast<long>(image.Width()) * image.Height();
  return std::count_if(image.Alpha(), image.Alpha() + pixels, [](std::uint8_t a) { return a; });
}

// The four kinds must be told apart at a glance, on the street and in the status display: any
// two differ over at least half of the smaller figure, or a third of a portrait, which a mere
// change of shirt colour would not.
TEST_F(People, EachKindOfPasserByIsADifferentPerson) {
  for (const char* group : {"moveleft000", "watch000", "portrait"}) {
    std::vector<Image> kinds(4);
    for (int kind = 1; kind <= 4; ++kind) {
      const std::string k = std::to_string(kind);
      ASSERT_NO_FATAL_FAILURE(Load(
          "Images\\Bypasser\\Normal" + k + "\\normal" + k + "-" + group + ".tif", kinds[kind - 1]));
    }
    for (int a = 0; a < 4; ++a) {
      for (int b = a + 1; b < 4; ++b) {
        SCOPED_TRACE(std::string(group) + ": kinds " + std::to_string(a + 1) + " and " +
                     std::to_string(b + 1));
        const Image& p = kinds[a];
        const Image& q = kinds[b];
        ASSERT_EQ(p.Width(), q.Width());
        ASSERT_EQ(p.Height(), q.Height());
        const bool portrait = std::string(group) == "portrait";
        const long figure = portrait ? static_cast<long>(p.Width()) * p.Height() / 3
                                     : std::min(VisibleCount(p), VisibleCount(q)) / 2;
        EXPECT_GE(Differing(p, q), figure);
      }
    }
  }
}

// The game draws each kind's badge opaque, a square: it reads as round only if its corners
// are one ground shared by all four and its disc reaches the middle of every edge, and "who
// has paid" reads at a glance only if each disc has a colour of its own.
TEST_F(People, EachKindsBadgeIsADiscOfItsOwnColourOnOneGround) {
  using Rgb = std::array<std::uint8_t, 3>;
  Rgb ground{};
  std::set<Rgb> fields;
  for (int kind = 1; kind <= 4; ++kind) {
    const std::string k = std::to_string(kind);
    SCOPED_TRACE("kind " + k);
    Image badge;
    ASSERT_NO_FATAL_FAILURE(
        Load("Images\\Bypasser\\Normal" + k + "\\normal" + k + "-portrait.tif", badge));
    ASSERT_EQ(badge.Width(), 25);
    ASSERT_EQ(badge.Height(), 25);
    auto at = [&](int x, int y) {
      const std::uint8_t* p = badge.PixelBytes() + 3 * (y * 25 + x);
      return Rgb{p[0], p[1], p[2]};
    };
    if (kind == 1) ground = at(0, 0);
    for (const int edge : {0, 24}) {
      EXPECT_EQ(at(edge, 0), ground) << "corner at x " << edge;
      EXPECT_EQ(at(edge, 24), ground) << "corner at x " << edge;
      EXPECT_NE(at(12, edge), ground) << "the disc falls short of the edge at y " << edge;
      EXPECT_NE(at(edge, 12), ground) << "the disc falls short of the edge at x " << edge;
    }
    // The disc's own colour is the commonest inside it, round the face.
    std::map<Rgb, int> inside;
    for (int y = 2; y < 23; ++y) {
      for (int x = 2; x < 23; ++x) {
        if ((x - 12) * (x - 12) + (y - 12) * (y - 12) <= 100) ++inside[at(x, y)];
      }
    }
    const auto commonest = std::max_element(inside.begin(), inside.end(),
                                            [](auto& a, auto& b) { return a.second < b.second; });
    EXPECT_NE(commonest->first, ground);
    fields.insert(commonest->first);
  }
  EXPECT_EQ(fields.size(), 4u) << "two kinds share a badge colour";
}

}  // namespace
}  // namespace tests::assets
