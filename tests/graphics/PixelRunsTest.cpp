// The runs a picture is drawn by: what they leave out and copy, the pixels drawn through them at
// every clip against a pixel-by-pixel reference, and that they follow changes to the picture.
#include "engine/graphics/PixelRuns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/graphics/DrawImage.h"
#include "engine/graphics/PixelRows.h"
#include "tests/graphics/DrawFixture.h"

namespace {

using engine::graphics::DRAW_ADD;
using engine::graphics::DRAW_ALPHA;
using engine::graphics::DRAW_MASKED;
using engine::graphics::DRAW_PLAIN;
using engine::graphics::FindRuns;
using engine::graphics::Image;
using engine::graphics::ImageOp;
using engine::graphics::RowRuns;
using tests::DrawScreen;
using tests::MakeImage;

constexpr engine::graphics::rows::Fields k565{0xF800, 0x07E0, 0x001F};

ImageOp OpFor(std::uint8_t use) {
  switch (use) {
    case DRAW_MASKED:
      return engine::graphics::DrawMasked;
    case DRAW_ALPHA:
      return engine::graphics::DrawAlpha;
    default:
      return engine::graphics::DrawAdd;
  }
}

std::uint32_t Hash(int x, int y, int seed) {
  // Unsigned, so that large coordinates wrap instead of overflowing.
  std::uint32_t h = static_cast<std::uint32_t>(x) * 73856093u ^
                    static_cast<std::uint32_t>(y) * 19349663u ^
                    static_cast<std::uint32_t>(seed) * 83492791u;
  h ^= h >> 13;
  h *= 0x5bd1e995u;
  return h ^ (h >> 15);
}

// Sprite-like pictures: an opaque disc with a translucent rim on a transparent ground, crossed
// by stripes of every gap width, so that rows hold long and short runs, gaps shorter and longer
// than any joining distance, and runs that reach either edge.
struct Shape {
  const char* name;
  std::uint16_t (*word)(int x, int y, int w, int h);
  std::uint8_t (*alpha)(int x, int y, int w, int h);
};

int Distance2(int x, int y, int w, int h) {
  const int dx = 2 * x - w, dy = 2 * y - h;
  return dx * dx + dy * dy;
}

const Shape kShapes[] = {
    {"disc",
     [](int x, int y, int w, int h) -> std::uint16_t {
       return Distance2(x, y, w, h) < w * w ? static_cast<std::uint16_t>(Hash(x, y, 1) | 1) : 0;
     },
     [](int x, int y, int w, int h) -> std::uint8_t {
       const int d = Distance2(x, y, w, h);
       if (d < w * w * 6 / 10) return 0;
       if (d < w * w) return static_cast<std::uint8_t>(Hash(x, y, 2));
       return 255;
     }},
    {"stripes",
     [](int x, int y, int, int) -> std::uint16_t {
       // Columns are drawn in bands whose gaps grow with the row: 1, 2, ... 20 pixels.
       const int gap = 1 + y % 20;
       return (x / gap) % 2 == 0 ? static_cast<std::uint16_t>(Hash(x, y, 3) | 0x0100) : 0;
     },
     [](int x, int y, int, int) -> std::uint8_t {
       const int gap = 1 + y % 20;
       if ((x / gap) % 2 != 0) return 255;
       return (x / (gap * 3)) % 2 == 0 ? 0 : static_cast<std::uint8_t>(Hash(x, y, 4) % 255);
     }},
    {"solid",
     [](int x, int y, int, int) -> std::uint16_t {
       return static_cast<std::uint16_t>(Hash(x, y, 9) | 1);
     },
     [](int, int, int, int) -> std::uint8_t { return 0; }},
    {"noise",
     [](int x, int y, int, int) -> std::uint16_t {
       return Hash(x, y, 5) % 3 == 0 ? 0 : static_cast<std::uint16_t>(Hash(x, y, 6));
     },
     [](int x, int y, int, int) -> std::uint8_t {
       const std::uint32_t pick = Hash(x, y, 7) % 4;
       return pick == 0 ? 0 : pick == 1 ? 255 : static_cast<std::uint8_t>(Hash(x, y, 8));
     }},
};

Image MakeShape(const Shape& shape, int w, int h, std::uint8_t use) {
  Image image = MakeImage(
      w, h, use, [&](int x, int y) { return shape.word(x, y, w, h); },
      [&](int x, int y) { return shape.alpha(x, y, w, h); });
  if (use == DRAW_ALPHA) {
    // A pixel the operation copies has an alpha of 0; those that keep the destination are left
    // as they are, whatever word they hold.
    for (int i = 0; i < w * h; ++i) {
      if (image.Alpha()[i] == 255) image.Pixels16()[i] = static_cast<std::uint16_t>(i);
    }
  }
  return image;
}

bool Idle(std::uint8_t use, const Image& image, std::size_t i) {
  return use == DRAW_ALPHA ? image.Alpha()[i] == 255 : image.Pixels16()[i] == 0;
}

bool Copyable(std::uint8_t use, const Image& image, std::size_t i) {
  if (use == DRAW_ALPHA) return image.Alpha()[i] == 0;
  return use == DRAW_MASKED && image.Pixels16()[i] != 0;
}

TEST(PixelRuns, RunsCoverEveryPixelTheRuleChangesAndCopyOnlyCopies) {
  for (const std::uint8_t use : {DRAW_MASKED, DRAW_ALPHA, DRAW_ADD}) {
    for (const Shape& shape : kShapes) {
      for (int w : {1, 7, 8, 9, 63, 64, 65, 100, 130}) {
        SCOPED_TRACE(std::string(shape.name) + " use " + std::to_string(use) + " width " +
                     std::to_string(w));
        const int h = 23;
        const Image image = MakeShape(shape, w, h, use);
        const auto runs = FindRuns(use, image.Pixels16(), image.Alpha(), w, h);
        ASSERT_NE(runs, nullptr);
        ASSERT_EQ(runs->first.size(), static_cast<std::size_t>(h) + 1);
        ASSERT_EQ(runs->first.back(), runs->runs.size());
        bool copiesOnly = true;
        int longest = 0;
        for (const engine::graphics::PixelRun& r : runs->runs) {
          copiesOnly = copiesOnly && r.copy;
          longest = std::max(longest, r.end - r.begin);
        }
        EXPECT_EQ(runs->copiesOnly, copiesOnly);
        EXPECT_EQ(runs->longest, longest);
        // An opaque picture is copied whole, row by row.
        if (std::string(shape.name) == "solid" && use != DRAW_ADD) {
          EXPECT_TRUE(runs->copiesOnly);
          EXPECT_EQ(runs->longest, w);
        }
        for (int y = 0; y < h; ++y) {
          std::vector<int> covered(static_cast<std::size_t>(w), 0);
          int previousEnd = 0;
          for (std::uint32_t k = runs->first[y]; k < runs->first[y + 1]; ++k) {
            const engine::graphics::PixelRun& r = runs->runs[k];
            ASSERT_LT(r.begin, r.end);
            ASSERT_GE(r.begin, previousEnd);
            ASSERT_LE(r.end, w);
            previousEnd = r.end;
            for (int x = r.begin; x < r.end; ++x) {
              covered[static_cast<std::size_t>(x)] = 1;
              const std::size_t i = static_cast<std::size_t>(y) * w + x;
              if (r.copy) {
                ASSERT_TRUE(Copyable(use, image, i)) << "copied at " << x << ", " << y;
              }
            }
          }
          for (int x = 0; x < w; ++x) {
            const std::size_t i = static_cast<std::size_t>(y) * w + x;
            if (!covered[static_cast<std::size_t>(x)]) {
              ASSERT_TRUE(Idle(use, image, i)) << "left out at " << x << ", " << y;
            }
          }
        }
      }
    }
  }
}

TEST(PixelRuns, NoRunsForOtherUsesMissingAlphaOrTooWide) {
  const std::vector<std::uint16_t> words(70000, 1);
  const std::vector<std::uint8_t> alpha(70000, 0);
  EXPECT_EQ(FindRuns(DRAW_PLAIN, words.data(), alpha.data(), 10, 10), nullptr);
  EXPECT_EQ(FindRuns(DRAW_ALPHA, words.data(), nullptr, 10, 10), nullptr);
  EXPECT_EQ(FindRuns(DRAW_MASKED, words.data(), nullptr, 0x10000, 1), nullptr);
  EXPECT_EQ(FindRuns(DRAW_MASKED, words.data(), nullptr, 0, 1), nullptr);
  EXPECT_NE(FindRuns(DRAW_MASKED, words.data(), nullptr, 0xFFFF, 1), nullptr);
}

// The rules one pixel at a time, through the scalar row forms, inside an inclusive clip.
void ReferenceDraw(std::uint8_t use, const Image& image, int x0, int y0, int left, int top,
                   int right, int bottom, std::vector<std::uint16_t>& buffer, int stride) {
  for (int j = 0; j < image.Height(); ++j) {
    for (int i = 0; i < image.Width(); ++i) {
      const int x = x0 + i, y = y0 + j;
      if (x < left || x > right || y < top || y > bottom) continue;
      std::uint16_t* d = &buffer[static_cast<std::size_t>(y) * stride + x];
      const std::size_t at = static_cast<std::size_t>(j) * image.Width() + i;
      const std::uint16_t* s = image.Pixels16() + at;
      if (use == DRAW_MASKED) engine::graphics::rows::MaskedScalar(d, s, 1);
      if (use == DRAW_ALPHA) engine::graphics::rows::AlphaScalar(d, s, image.Alpha() + at, 1, k565);
      if (use == DRAW_ADD) engine::graphics::rows::AddScalar(d, s, 1, k565);
    }
  }
}

struct Placement {
  int x, y;
  int left, top, right, bottom;  // the clip rectangle, inclusive
};

TEST(PixelRuns, DrawingThroughRunsMatchesTheReferenceAtEveryClip) {
  DrawScreen screen;
  ASSERT_TRUE(screen.Ok());
  const int h = 90;
  const Placement kPlacements[] = {
      {64, 64, 0, 0, 799, 599},        // whole
      {-37, 10, 0, 0, 799, 599},       // left edge cut off
      {741, 300, 0, 0, 799, 599},      // right edge cut off
      {301, -45, 0, 0, 799, 599},      // top cut off
      {5, 555, 0, 0, 799, 599},        // bottom cut off
      {200, 200, 223, 211, 270, 260},  // both sides cut by a narrow clip
      {200, 200, 250, 0, 250, 599},    // one column
      {-99, -89, 0, 0, 799, 599},      // one pixel in the corner
  };
  // Widths above and below the longest run copied inline, so that opaque pictures are drawn by
  // each kind of run walk.
  for (const int w : {100, 40}) {
    for (const std::uint8_t use : {DRAW_MASKED, DRAW_ALPHA, DRAW_ADD}) {
      for (const Shape& shape : kShapes) {
        const Image image = MakeShape(shape, w, h, use);
        for (const Placement& p : kPlacements) {
          SCOPED_TRACE(std::string(shape.name) + " width " + std::to_string(w) + " use " +
                       std::to_string(use) + " at " + std::to_string(p.x) + ", " +
                       std::to_string(p.y));
          screen.FillPattern();
          screen.E().SetClip(p.left, p.top, p.right, p.bottom);
          std::vector<std::uint16_t> expected = screen.Snapshot();
          ReferenceDraw(use, image, p.x, p.y, p.left, p.top, p.right, p.bottom, expected,
                        screen.Stride());
          ASSERT_EQ(OpFor(use)(screen.Surface(), p.x, p.y, &image), 1);
          ASSERT_TRUE(image.Runs() != nullptr);
          ASSERT_TRUE(expected == screen.Snapshot());
        }
      }
    }
  }
}

// Draws image at 0, 0 over a buffer of 0x1234 and returns the word at x, y.
std::uint16_t DrawnAt(DrawScreen& screen, const Image& image, int x, int y) {
  screen.Fill(0x1234);
  screen.E().SetClip(0, 0, 799, 599);
  OpFor(image.Use())(screen.Surface(), 0, 0, &image);
  return screen.At(x, y);
}

TEST(PixelRuns, RunsFollowChangesToThePicture) {
  DrawScreen screen;
  ASSERT_TRUE(screen.Ok());

  // A masked picture, all transparent, drawn once so that its runs exist, then given a pixel.
  Image masked = MakeImage(16, 4, DRAW_MASKED, [](int, int) { return std::uint16_t{0}; });
  EXPECT_EQ(DrawnAt(screen, masked, 5, 2), 0x1234);
  masked.Pixels16()[2 * 16 + 5] = 0x0F0F;
  EXPECT_EQ(DrawnAt(screen, masked, 5, 2), 0x0F0F);

  // An alpha picture that keeps everything, then copies one pixel.
  Image alpha = MakeImage(
      16, 4, DRAW_ALPHA, [](int, int) { return std::uint16_t{0x0101}; },
      [](int, int) { return std::uint8_t{255}; });
  EXPECT_EQ(DrawnAt(screen, alpha, 3, 1), 0x1234);
  alpha.Alpha()[16 + 3] = 0;
  EXPECT_EQ(DrawnAt(screen, alpha, 3, 1), 0x0101);

  // Moving a picture over another carries the new picture's runs, not the old ones.
  Image add = MakeImage(
      16, 4, DRAW_ADD, [](int x, int) { return std::uint16_t(x == 7 ? 1 : 0); },
      [](int, int) { return std::uint8_t{0}; });
  EXPECT_EQ(DrawnAt(screen, add, 7, 0), 0x1235);
  add = MakeImage(
      16, 4, DRAW_ADD, [](int x, int) { return std::uint16_t(x == 9 ? 2 : 0); },
      [](int, int) { return std::uint8_t{0}; });
  EXPECT_EQ(DrawnAt(screen, add, 7, 0), 0x1234);
  EXPECT_EQ(DrawnAt(screen, add, 9, 0), 0x1236);

  // A turned copy is drawn from its own new pixels.
  Image turned = MakeImage(16, 16, DRAW_MASKED, [](int, int) { return std::uint16_t{0}; });
  EXPECT_EQ(DrawnAt(screen, turned, 8, 8), 0x1234);
  const Image source =
      MakeImage(16, 16, DRAW_MASKED, [](int, int) { return std::uint16_t{0x0202}; });
  source.Rotate(&turned, 0.0f, 1.0f);
  EXPECT_EQ(DrawnAt(screen, turned, 8, 8), 0x0202);
}

}  // namespace
