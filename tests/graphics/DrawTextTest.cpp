// Text: the text colour, where text lands and what it touches, clipping at the buffer's
// edges, and the failures that leave a log line.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>

#include "engine/graphics/Font.h"
#include "tests/graphics/DrawFixture.h"

namespace {

using engine::graphics::Font;
using engine::graphics::TextFont;
using tests::DrawScreen;

constexpr const char* kNoContext = "WinDX::DrawText: Unable to get device context handle.\n";
constexpr std::uint16_t kGrey = 0x8410;

// The pixels a draw changed, compared with the buffer before it.
struct Changes {
  int count = 0;
  int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
  std::vector<int> perRow;  // changed pixels in each row of the buffer
};

Changes Compare(const std::vector<std::uint16_t>& before, const std::vector<std::uint16_t>& after,
                int stride) {
  Changes c;
  c.perRow.assign(after.size() / stride, 0);
  for (std::size_t i = 0; i < after.size(); ++i) {
    if (before[i] == after[i]) continue;
    const int x = static_cast<int>(i % stride), y = static_cast<int>(i / stride);
    ++c.count;
    ++c.perRow[y];
    c.left = std::min(c.left, x);
    c.right = std::max(c.right, x);
    c.top = std::min(c.top, y);
    c.bottom = std::max(c.bottom, y);
  }
  return c;
}

TEST(TextColour, StoresComponentsAndThePackedValue) {
  DrawScreen screen;
  ASSERT_TRUE(screen.Ok());
  auto& e = screen.E();
  e.SetTextRGB(10, 20, 30);
  EXPECT_EQ(e.GetTextColour().red, 10);
  EXPECT_EQ(e.GetTextColour().green, 20);
  EXPECT_EQ(e.GetTextColour().blue, 30);
  EXPECT_EQ(e.GetTextColour().packed, 10u + 20u * 256u + 30u * 65536u);
  e.SetTextRGB(255, 255, 255);
  EXPECT_EQ(e.GetTextColour().packed, 0xFFFFFFu);
}

TEST(DrawText, InkLandsBelowAndRightOfThePositionAndNowhereElse) {
  DrawScreen screen;
  ASSERT_TRUE(screen.Ok());
  auto& e = screen.E();
  screen.Fill(kGrey);
  const auto before = screen.Snapshot();
  e.SetTextRGB(255, 255, 0);
  const std::string text = "Hello, Curbside";
  ASSERT_EQ(e.DrawText(100, 200, text.c_str()), 1);
  const auto after = screen.Snapshot();
  const Changes c = Compare(before, after, screen.Stride());

  ASSERT_GT(c.count, 100);
  EXPECT_GE(c.left, 100);
  EXPECT_LE(c.left, 103);
  EXPECT_GE(c.top, 200) << "the top of the line is at y";
  EXPECT_LE(c.top, 205);
  EXPECT_LT(c.right, 100 + static_cast<int>(text.size()) * 14);
  EXPECT_GT(c.right, 100 + static_cast<int>(text.size()) * 5);
  EXPECT_LE(c.bottom, 200 + TextFont().LineHeight());

  // Full coverage gives exactly the text colour; partial coverage lies between the
  // background and the text colour in every field; the space between strokes keeps the
  // background.
  int ink = 0, untouched = 0;
  for (int y = c.top; y <= c.bottom; ++y) {
    for (int x = c.left; x <= c.right; ++x) {
      const std::uint16_t p = screen.At(x, y);
      if (p == 0xFFE0) ++ink;
      if (p == kGrey) ++untouched;
      EXPECT_GE(p & 0xF800, kGrey & 0xF800);
      EXPECT_GE(p & 0x07E0, kGrey & 0x07E0);
      EXPECT_LE(p & 0x001F, kGrey & 0x001F);
    }
  }
  EXPECT_GT(ink, 20);
  EXPECT_GT(untouched, c.count) << "background is transparent";
}

TEST(DrawText, LineMetricsSuitADesktopFont) {
  Font& font = TextFont();
  ASSERT_TRUE(font.Load());
  EXPECT_GE(font.LineHeight(), 15);
  EXPECT_LE(font.LineHeight(), 18);
  EXPECT_GE(font.Ascent(), 11);
  EXPECT_LE(font.Ascent(), 15);
}

TEST(DrawText, CapitalsSitOnTheBaselineAndTheRightWayUp) {
  DrawScreen screen;
  ASSERT_TRUE(screen.Ok());
  auto& e = screen.E();
  e.SetTextRGB(255, 255, 255);
  ASSERT_TRUE(TextFont().Load());
  const int ascent = TextFont().Ascent();

  screen.Fill(0);
  auto before = screen.Snapshot();
  ASSERT_EQ(e.DrawText(300, 300, "T"), 1);
  const Changes t = Compare(before, screen.Snapshot(), screen.Stride());
  EXPECT_EQ(t.bottom, 300 + ascent - 1) << "the baseline is ascent pixels below y";
  EXPECT_GT(t.perRow[t.top], 2 * t.perRow[t.bottom]) << "T's bar is at the top";

  screen.Fill(0);
  before = screen.Snapshot();
  ASSERT_EQ(e.DrawText(300, 300, "L"), 1);
  const Changes l = Compare(before, screen.Snapshot(), screen.Stride());
  EXPECT_EQ(l.bottom, 300 + ascent - 1);
  EXPECT_GT(l.perRow[l.bottom], 2 * l.perRow[l.top]) << "L's foot is at the bottom";

  screen.Fill(0);
  before = screen.Snapshot();
  ASSERT_EQ(e.DrawText(300, 300, "g"), 1);
  const Changes g = Compare(before, screen.Snapshot(), screen.Stride());
  EXPECT_GT(g.bottom, 300 + ascent) << "descenders reach below the baseline";
}

// Text cut by an edge shows exactly the pixels the same text shows away from the edges.
TEST(DrawText, ClippedAtTheBufferEdges) {
  DrawScreen screen(tests::kWide565);
  ASSERT_TRUE(screen.Ok());
  auto& e = screen.E();
  e.SetTextRGB(0, 255, 255);
  const char* text = "Wg|ly";
  screen.Fill(kGrey);
  ASSERT_EQ(e.DrawText(500, 300, text), 1);
  const auto reference = screen.Snapshot();

  const std::pair<int, int> places[] = {
      {-7, -5}, {1024 - 20, 600 - 9}, {1024 - 3, 20}, {30, 600 - 4}, {-25, 590}};
  for (const auto& [x, y] : places) {
    SCOPED_TRACE(std::to_string(x) + ", " + std::to_string(y));
    screen.Fill(kGrey);
    ASSERT_EQ(e.DrawText(x, y, text), 1);
    int shown = 0;
    for (int by = 0; by < 600; ++by) {
      for (int bx = 0; bx < 1024; ++bx) {
        const int rx = bx - x + 500, ry = by - y + 300;
        const bool mapped = rx >= 0 && rx < 1024 && ry >= 0 && ry < 600;
        const std::uint16_t expected =
            mapped ? reference[static_cast<std::size_t>(ry) * 1024 + rx] : kGrey;
        ASSERT_EQ(screen.At(bx, by), expected) << bx << ", " << by;
        if (expected != kGrey) ++shown;
      }
    }
    EXPECT_GT(shown, 0) << "part of the text is inside";
  }
}

TEST(DrawText, FarOutsideTheBufferOrEmptyDrawsNothing) {
  DrawScreen screen;
  ASSERT_TRUE(screen.Ok());
  screen.FillPattern();
  const auto before = screen.Snapshot();
  const std::pair<int, int> places[] = {
      {-10000, 10},      {10, -10000}, {5000, 10}, {10, 5000}, {INT_MAX - 5, INT_MAX - 5},
      {INT_MIN, INT_MIN}};
  for (const auto& [x, y] : places) {
    EXPECT_EQ(screen.E().DrawText(x, y, "Outside the screen"), 1) << x << ", " << y;
  }
  EXPECT_EQ(screen.E().DrawText(10, 10, ""), 1);
  EXPECT_EQ(screen.E().DrawText(10, 10, nullptr), 1);
  EXPECT_EQ(screen.Snapshot(), before);
}

TEST(DrawText, TextColourFollowsThe555Format) {
  DrawScreen screen(tests::kRgb555);
  ASSERT_TRUE(screen.Ok());
  screen.Fill(0);
  screen.E().SetTextRGB(255, 0, 0);
  ASSERT_EQ(screen.E().DrawText(10, 10, "TTTT"), 1);
  int red = 0;
  for (int y = 10; y < 30; ++y) {
    for (int x = 10; x < 80; ++x) {
      const std::uint16_t p = screen.At(x, y);
      EXPECT_EQ(p & ~0x7C00, 0) << "only the red field: " << x << ", " << y;
      if (p == 0x7C00) ++red;
    }
  }
  EXPECT_GT(red, 10);
}

TEST(DrawText, UnlockedBufferLogsAndReturnsZero) {
  DrawScreen screen;
  ASSERT_TRUE(screen.Ok());
  screen.FillPattern();
  const auto before = screen.Snapshot();
  screen.E().ViewUnlock();
  EXPECT_EQ(screen.E().DrawText(10, 10, "Hello"), 0);
  EXPECT_NE(screen.H().Log().find(kNoContext), std::string::npos);
  EXPECT_EQ(screen.Snapshot(), before);
}

TEST(DrawText, MissingFontLogsAndReturnsZero) {
  DrawScreen screen;
  ASSERT_TRUE(screen.Ok());
  screen.H().Dir().Write("not-a-font.ttf", "plain text, no font tables");
  const std::string missing[] = {"/nonexistent/DejaVuSans.ttf",
                                 (screen.H().Dir().Path() / "not-a-font.ttf").string()};
  for (const std::string& path : missing) {
    SCOPED_TRACE(path);
    TextFont().Reset(path);
    EXPECT_EQ(screen.E().DrawText(10, 10, "Hello"), 0);
    EXPECT_FALSE(TextFont().IsLoaded());
    EXPECT_EQ(TextFont().Ascent(), 0);
    EXPECT_EQ(TextFont().GlyphFor('A').advance, 0);
  }
  const std::string log = screen.H().Log();
  std::size_t lines = 0;
  for (std::size_t at = log.find(kNoContext); at != std::string::npos;
       at = log.find(kNoContext, at + 1)) {
    ++lines;
  }
  EXPECT_EQ(lines, 2u);

  TextFont().Reset(Font::kDefaultPath);
  EXPECT_EQ(screen.E().DrawText(10, 10, "Hello"), 1);
}

}  // namespace
