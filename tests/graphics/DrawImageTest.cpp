// The four image operations: refusal and missing data, clipping at every edge and corner,
// and the masked, alpha and additive pixel rules against a per-pixel reference.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <climits>
#include <string>

#include "engine/graphics/DrawClip.h"
#include "engine/graphics/DrawImage.h"
#include "tests/graphics/DrawFixture.h"

namespace {

using engine::core::IMAGEUSE_FAILED;
using engine::core::INIT_OK;
using engine::graphics::ClipRect;
using engine::graphics::DRAW_ADD;
using engine::graphics::DRAW_ALPHA;
using engine::graphics::DRAW_MASKED;
using engine::graphics::DRAW_PLAIN;
using engine::graphics::Image;
using engine::graphics::ImageOp;
using tests::DrawScreen;
using tests::MakeImage;
using tests::Screen;
using tests::Tag;

using Engine = engine::core::Engine;

// Each operation as the draw table holds it, and as the engine offers it with the report.
struct Operation {
  const char* name;
  std::uint8_t use;
  ImageOp op;
  int (Engine::*call)(int, int, const Image&);
};

const Operation kOperations[] = {
    {"DrawPlain", DRAW_PLAIN, engine::graphics::DrawPlain, &Engine::DrawPlain},
    {"DrawMasked", DRAW_MASKED, engine::graphics::DrawMasked, &Engine::DrawMasked},
    {"DrawAlpha", DRAW_ALPHA, engine::graphics::DrawAlpha, &Engine::DrawAlpha},
    {"DrawAdd", DRAW_ADD, engine::graphics::DrawAdd, &Engine::DrawAdd},
};

// The pixel rules one pixel at a time, worked on each colour field shifted down to its own
// range rather than on the masked words.
struct Channel {
  std::uint32_t mask;
  int shift;
};

std::array<Channel, 3> Channels(const Screen& screen) {
  std::array<Channel, 3> out{};
  const std::uint32_t masks[3] = {screen.rmask, screen.gmask, screen.bmask};
  for (int c = 0; c < 3; ++c)
    out[c] = {masks[c], std::countr_zero(masks[c])};
  return out;
}

std::uint16_t ReferencePixel(std::uint8_t use, std::uint16_t d, std::uint16_t s, std::uint8_t t,
                             const Screen& screen) {
  switch (use) {
    case DRAW_PLAIN:
      return s;
    case DRAW_MASKED:
      return s != 0 ? s : d;
    case DRAW_ALPHA: {
      if (t == 255) return d;
      std::uint32_t kept = 0;
      for (const Channel& c : Channels(screen)) {
        const std::uint32_t field = (d & c.mask) >> c.shift;
        kept |= ((field * t) >> 8) << c.shift;
      }
      return static_cast<std::uint16_t>(kept + s);
    }
    default: {
      if (s == 0) return d;
      std::uint32_t sum = 0;
      for (const Channel& c : Channels(screen)) {
        const std::uint32_t top = c.mask >> c.shift;
        const std::uint32_t field = ((d & c.mask) >> c.shift) + ((s & c.mask) >> c.shift);
        sum |= std::min(field, top) << c.shift;
      }
      return static_cast<std::uint16_t>(sum);
    }
  }
}

// The whole buffer as it should be after drawing image at (ix, iy) over before: the rule
// applied to every pixel that lies both in the image and in the clip rectangle cut to the
// buffer, every other word unchanged.
std::vector<std::uint16_t> ReferenceDraw(std::vector<std::uint16_t> buffer, int stride, int height,
                                         ClipRect clip, int ix, int iy, const Image& image,
                                         const Screen& screen) {
  const int left = std::max(clip.left, 0), right = std::min(clip.right, stride - 1);
  const int top = std::max(clip.top, 0), bottom = std::min(clip.bottom, height - 1);
  for (int y = top; y <= bottom; ++y) {
    for (int x = left; x <= right; ++x) {
      const long long u = static_cast<long long>(x) - ix, v = static_cast<long long>(y) - iy;
      if (u < 0 || v < 0 || u >= image.Width() || v >= image.Height()) continue;
      const std::size_t i = static_cast<std::size_t>(v * image.Width() + u);
      std::uint16_t& d = buffer[static_cast<std::size_t>(y) * stride + x];
      const std::uint8_t t = image.Alpha() != nullptr ? image.Alpha()[i] : 0;
      d = ReferencePixel(image.Use(), d, image.Pixels16()[i], t, screen);
    }
  }
  return buffer;
}

// Reports the first differing word of two buffers by its position.
::testing::AssertionResult SameBuffer(const std::vector<std::uint16_t>& expected,
                                      const std::vector<std::uint16_t>& got, int stride) {
  if (expected.size() != got.size()) return ::testing::AssertionFailure() << "size differs";
  const auto [e, g] = std::mismatch(expected.begin(), expected.end(), got.begin());
  if (e == expected.end()) return ::testing::AssertionSuccess();
  const auto at = e - expected.begin();
  return ::testing::AssertionFailure() << "pixel (" << at % stride << ", " << at / stride
                                       << "): expected " << *e << ", got " << *g;
}

// An image for operation use whose words and alpha bytes vary from pixel to pixel, with
// words of 0 (masked, additive) and alpha bytes of 255 and 0 among them.
Image PatternImage(int w, int h, std::uint8_t use) {
  return MakeImage(
      w, h, use,
      [use](int x, int y) -> std::uint16_t {
        if (use == DRAW_MASKED && (x + 2 * y) % 5 == 0) return 0;
        if (use == DRAW_ADD && (x * y) % 7 == 3) return 0;
        return static_cast<std::uint16_t>((x * 40503u + y * 9973u) ^ 0x5A5A);
      },
      [](int x, int y) -> std::uint8_t {
        const int t = (x * 37 + y * 101) % 300;
        return static_cast<std::uint8_t>(t >= 256 ? (t % 2 == 0 ? 255 : 0) : t);
      });
}

// --- The common frame -------------------------------------------------------------------

TEST(ImageFrame, MaskedImageDrawnPlainIsRefusedWithAReport) {
  DrawScreen screen;
  ASSERT_TRUE(screen.Ok());
  screen.FillPattern();
  const auto before = screen.Snapshot();
  const Image masked = MakeImage(10, 10, DRAW_MASKED, Tag);

  EXPECT_EQ(screen.E().DrawPlain(5, 5, masked), 0);
  EXPECT_EQ(screen.E().GetStatus(), IMAGEUSE_FAILED);
  const auto& notices = screen.H().Windows().Notices();
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_EQ(notices[0].caption, "Vorel");
  EXPECT_NE(notices[0].text.find("Error: IMAGEUSE_FAILED (Image used incorrectly)"),
            std::string::npos);
  EXPECT_TRUE(SameBuffer(before, screen.Snapshot(), screen.Stride()));
}

TEST(ImageFrame, EveryOperationRefusesOtherUsesAndAMissingImage) {
  DrawScreen screen;
  ASSERT_TRUE(screen.Ok());
  screen.FillPattern();
  const auto before = screen.Snapshot();
  const auto& notices = screen.H().Windows().Notices();
  std::size_t reports = 0;
  for (const Operation& op : kOperations) {
    for (std::uint8_t use = 0; use <= 5; ++use) {
      if (use == op.use) continue;
      SCOPED_TRACE(std::string(op.name) + " of use " + std::to_string(use));
      Image image = MakeImage(8, 8, DRAW_PLAIN, Tag);
      image.SetUseOnly(use);
      EXPECT_EQ(op.op(screen.Surface(), 0, 0, &image), 0);
      EXPECT_EQ(notices.size(), reports) << "the table's operation only refuses";
      EXPECT_EQ((screen.E().*op.call)(0, 0, image), 0);
      ASSERT_EQ(notices.size(), ++reports) << "one report per attempt";
      EXPECT_NE(notices.back().text.find("Error: IMAGEUSE_FAILED"), std::string::npos);
    }
    SCOPED_TRACE(std::string(op.name) + " of no image");
    EXPECT_EQ(op.op(screen.Surface(), 0, 0, nullptr), 0);
  }
  EXPECT_EQ(screen.E().GetStatus(), IMAGEUSE_FAILED);
  EXPECT_TRUE(SameBuffer(before, screen.Snapshot(), screen.Stride()));
}

TEST(ImageFrame, MissingDataDrawsNothingSilently) {
  DrawScreen screen;
  ASSERT_TRUE(screen.Ok());
  screen.FillPattern();
  const auto before = screen.Snapshot();
  for (const Operation& op : kOperations) {
    SCOPED_TRACE(op.name);
    Image empty;
    empty.SetUseOnly(op.use);
    EXPECT_EQ(op.op(screen.Surface(), 0, 0, &empty), 1) << "no pixels";

    // One byte a pixel cannot be read as words.
    Image narrow;
    narrow.Create(20, 20, 0x04);
    narrow.SetUseOnly(op.use);
    EXPECT_EQ(op.op(screen.Surface(), 0, 0, &narrow), 1) << "pixel buffer too small";
  }
  for (const std::uint8_t use : {DRAW_ALPHA, DRAW_ADD}) {
    Image noAlpha = MakeImage(8, 8, use, Tag);
    noAlpha.MakeMask();  // releases the alpha plane
    noAlpha.SetUseOnly(use);
    ASSERT_EQ(noAlpha.Alpha(), nullptr);
    EXPECT_EQ(kOperations[use - 1].op(screen.Surface(), 0, 0, &noAlpha), 1);
  }
  EXPECT_EQ(screen.E().GetStatus(), INIT_OK);
  EXPECT_TRUE(screen.H().Windows().Notices().empty());
  EXPECT_TRUE(SameBuffer(before, screen.Snapshot(), screen.Stride()));
}

TEST(ImageFrame, PlainAndMaskedNeedNoAlphaPlane) {
  DrawScreen screen;
  ASSERT_TRUE(screen.Ok());
  for (const std::uint8_t use : {DRAW_PLAIN, DRAW_MASKED}) {
    Image image = MakeImage(4, 4, DRAW_ALPHA, Tag, [](int, int) { return std::uint8_t{255}; });
    image.MakeMask();  // opaque everywhere: keeps every pixel, releases the alpha plane
    image.SetUseOnly(use);
    ASSERT_EQ(image.Alpha(), nullptr);
    screen.Fill(0);
    EXPECT_EQ(kOperations[use - 1].op(screen.Surface(), 2, 3, &image), 1);
    EXPECT_EQ(screen.At(2, 3), Tag(0, 0));
    EXPECT_EQ(screen.At(5, 6), Tag(3, 3));
  }
}

TEST(ImageFrame, NothingIsDrawnWhileUnlocked) {
  DrawScreen screen;
  ASSERT_TRUE(screen.Ok());
  screen.FillPattern();
  const auto before = screen.Snapshot();
  screen.E().ViewUnlock();
  for (const Operation& op : kOperations) {
    SCOPED_TRACE(op.name);
    const Image image = PatternImage(30, 30, op.use);
    EXPECT_EQ(op.op(screen.Surface(), 10, 10, &image), 1);
  }
  EXPECT_TRUE(SameBuffer(before, screen.Snapshot(), screen.Stride()));
}

TEST(ImageFrame, EngineCallsGoThroughTheDrawTable) {
  static int calls;
  static const Image* seen;
  static const std::uint16_t* pixels;
  calls = 0;
  DrawScreen screen;
  ASSERT_TRUE(screen.Ok());
  auto& e = screen.E();
  const Image image = MakeImage(2, 2, DRAW_PLAIN, Tag);
  const ImageOp spy = [](const engine::graphics::DrawSurface& s, int x, int y, const Image* i) {
    ++calls;
    seen = i;
    pixels = s.pixels;
    return x + y;
  };
  engine::graphics::DrawTable table = e.GetDrawTable();
  table.DrawPlain = table.DrawMasked = table.DrawAlpha = table.DrawAdd = spy;
  e.SetDrawTable(table);
  EXPECT_EQ(e.DrawPlain(1, 2, image), 3);
  EXPECT_EQ(e.DrawMasked(1, 3, image), 4);
  EXPECT_EQ(e.DrawAlpha(1, 4, image), 5);
  EXPECT_EQ(e.DrawAdd(1, 5, image), 6);
  EXPECT_EQ(calls, 4);
  EXPECT_EQ(seen, &image);
  EXPECT_EQ(pixels, e.GetBackBuffer()) << "drawn into the locked back buffer";

  e.SetDrawTable({});
  EXPECT_EQ(e.DrawPlain(0, 0, image), 0) << "no table, nothing to draw with";
}

// --- Clipping -----------------------------------------------------------------------------

// The 800 x 600 area with the default clip rectangle, as the game draws.
TEST(ImageClipping, ImageOverTheBottomLeftCorner) {
  DrawScreen screen;
  ASSERT_TRUE(screen.Ok());
  screen.Fill(0xAAAA);
  const Image image = MakeImage(100, 50, DRAW_PLAIN, Tag);
  EXPECT_EQ(screen.E().DrawPlain(-30, 580, image), 1);
  for (int y = 0; y < 600; ++y) {
    for (int x = 0; x < 800; ++x) {
      const bool drawn = x <= 69 && y >= 580;
      const std::uint16_t expected = drawn ? Tag(x + 30, y - 580) : 0xAAAA;
      ASSERT_EQ(screen.At(x, y), expected) << x << ", " << y;
    }
  }
}

TEST(ImageClipping, ImagesBesideTheAreaDrawNothing) {
  DrawScreen screen;
  ASSERT_TRUE(screen.Ok());
  screen.FillPattern();
  const auto before = screen.Snapshot();
  const Image image = MakeImage(100, 50, DRAW_PLAIN, Tag);
  const std::pair<int, int> places[] = {{800, 0},     {-100, 0},          {0, 600},        {0, -50},
                                        {INT_MAX, 0}, {INT_MIN, INT_MIN}, {0, INT_MAX - 5}};
  for (const auto& [x, y] : places) {
    EXPECT_EQ(screen.E().DrawPlain(x, y, image), 1) << x << ", " << y;
  }
  EXPECT_TRUE(SameBuffer(before, screen.Snapshot(), screen.Stride()));
}

// Every operation at every edge and corner of an inner clip rectangle, on a buffer whose
// rows are 1024 pixels apart: the whole buffer is compared, padding columns included.
TEST(ImageClipping, EveryEdgeAndCornerOfANarrowerClipRectangle) {
  DrawScreen screen(tests::kWide565);
  ASSERT_TRUE(screen.Ok());
  ASSERT_EQ(screen.Stride(), 1024);
  const ClipRect clip{100, 50, 699, 449};
  screen.E().SetClip(clip.left, clip.top, clip.right, clip.bottom);
  const int xs[] = {55, 61, 85, 300, 680, 699, 700};
  const int ys[] = {15, 21, 35, 200, 430, 449, 450};
  for (const Operation& op : kOperations) {
    const Image image = PatternImage(40, 30, op.use);
    for (const int x : xs) {
      for (const int y : ys) {
        SCOPED_TRACE(std::string(op.name) + " at " + std::to_string(x) + ", " + std::to_string(y));
        screen.FillPattern();
        const auto expected =
            ReferenceDraw(screen.Snapshot(), 1024, 600, clip, x, y, image, tests::kWide565);
        ASSERT_EQ(op.op(screen.Surface(), x, y, &image), 1);
        ASSERT_TRUE(SameBuffer(expected, screen.Snapshot(), 1024));
      }
    }
  }
}

// A clip rectangle set beyond the buffer is cut to it: nothing is written before the first
// row, after the last, or into the next row past a row's end.
TEST(ImageClipping, ClipRectangleBeyondTheBufferStaysInside) {
  for (const Screen& s : {tests::kRgb565, tests::kWide565}) {
    DrawScreen screen(s);
    ASSERT_TRUE(screen.Ok());
    const int stride = screen.Stride();
    const ClipRect clip{-100, -100, 5000, 5000};
    screen.E().SetClip(clip.left, clip.top, clip.right, clip.bottom);
    const std::pair<int, int> places[] = {
        {-20, -20}, {stride - 15, 590}, {stride - 10, -10}, {-15, 580}, {stride - 1, 0}};
    for (const Operation& op : kOperations) {
      const Image image = PatternImage(40, 30, op.use);
      for (const auto& [x, y] : places) {
        SCOPED_TRACE(std::string(s.name) + " " + op.name + " at " + std::to_string(x) + ", " +
                     std::to_string(y));
        screen.FillPattern();
        const auto expected = ReferenceDraw(screen.Snapshot(), stride, 600, clip, x, y, image, s);
        ASSERT_EQ(op.op(screen.Surface(), x, y, &image), 1);
        ASSERT_TRUE(SameBuffer(expected, screen.Snapshot(), stride));
      }
    }
  }
}

// --- Pixel rules --------------------------------------------------------------------------

TEST(PixelRules, MaskedSkipsOnlyZeroWords) {
  DrawScreen screen;
  ASSERT_TRUE(screen.Ok());
  screen.Fill(0x1234);
  const std::uint16_t words[] = {0, 1, 0xFFFF};
  const Image image = MakeImage(3, 1, DRAW_MASKED, [&](int x, int) { return words[x]; });
  EXPECT_EQ(screen.E().DrawMasked(10, 10, image), 1);
  EXPECT_EQ(screen.At(10, 10), 0x1234);
  EXPECT_EQ(screen.At(11, 10), 1);
  EXPECT_EQ(screen.At(12, 10), 0xFFFF);
}

struct BlendCase {
  const char* name;
  std::uint8_t use;
  std::uint16_t d, s;
  std::uint8_t t;
  std::uint16_t expected;
};

TEST(PixelRules, WorkedExamplesOn565) {
  const BlendCase cases[] = {
      {"alpha_half_of_white", DRAW_ALPHA, 0xFFFF, 0x0000, 128, 0x7BEF},
      {"alpha_opaque_source", DRAW_ALPHA, 0xFFFF, 0x1234, 0, 0x1234},
      {"alpha_transparent_keeps", DRAW_ALPHA, 0x5555, 0xFFFF, 255, 0x5555},
      {"alpha_half_plus_source", DRAW_ALPHA, 0xFFFF, 0x0821, 128, 0x7BEF + 0x0821},
      {"add_doubles", DRAW_ADD, 0x4208, 0x4208, 0, 0x8410},
      {"add_saturates_all", DRAW_ADD, 0x8410, 0x8410, 0, 0xFFFF},
      {"add_red_no_carry", DRAW_ADD, 0xF800, 0x0800, 0, 0xF800},
      {"add_green_no_carry", DRAW_ADD, 0x07E0, 0x0020, 0, 0x07E0},
      {"add_blue_no_carry", DRAW_ADD, 0x001F, 0x0001, 0, 0x001F},
      {"add_zero_source_keeps", DRAW_ADD, 0x1234, 0x0000, 0, 0x1234},
      // A destination word of 255 is added to like any other.
      {"add_onto_255", DRAW_ADD, 0x00FF, 0x0821, 0, 0x091F},
      {"add_ignores_alpha_byte", DRAW_ADD, 0x0001, 0x0001, 255, 0x0002},
  };
  DrawScreen screen;
  ASSERT_TRUE(screen.Ok());
  for (const BlendCase& c : cases) {
    SCOPED_TRACE(c.name);
    screen.At(7, 9) = c.d;
    const Image image = MakeImage(
        1, 1, c.use, [&](int, int) { return c.s; }, [&](int, int) { return c.t; });
    ASSERT_EQ(kOperations[c.use - 1].op(screen.Surface(), 7, 9, &image), 1);
    EXPECT_EQ(screen.At(7, 9), c.expected);
  }
}

// Thousands of destination, source and alpha combinations against the field-by-field
// reference, on both 16-bit formats.
TEST(PixelRules, BlendsMatchTheReferenceOnBothFormats) {
  for (const Screen& s : {tests::kRgb565, tests::kRgb555}) {
    DrawScreen screen(s);
    ASSERT_TRUE(screen.Ok());
    for (const std::uint8_t use : {DRAW_MASKED, DRAW_ALPHA, DRAW_ADD}) {
      SCOPED_TRACE(std::string(s.name) + " use " + std::to_string(use));
      std::uint32_t state = 12345;
      auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return static_cast<std::uint16_t>(state >> 12);
      };
      const Image image = MakeImage(
          96, 64, use, [&](int x, int) { return x % 11 == 0 ? std::uint16_t{0} : next(); },
          [&](int x, int y) {
            const int pick = (x + y) % 13;
            return static_cast<std::uint8_t>(pick == 0 ? 255 : pick == 1 ? 0 : next() & 0xFF);
          });
      for (int y = 0; y < 600; ++y) {
        for (int x = 0; x < screen.Stride(); ++x)
          screen.At(x, y) = next();
      }
      const auto expected =
          ReferenceDraw(screen.Snapshot(), screen.Stride(), 600, {0, 0, 799, 599}, 3, 5, image, s);
      ASSERT_EQ(kOperations[use - 1].op(screen.Surface(), 3, 5, &image), 1);
      EXPECT_TRUE(SameBuffer(expected, screen.Snapshot(), screen.Stride()));
    }
  }
}

}  // namespace
