// TextLayoutTest.cpp -- the generator's word wrapping: lines never run past their width, no
// word is lost or reordered, forced breaks hold, and bold marks switch the face as written.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/assetgen/TextLayout.h"

namespace tools::assetgen {
namespace {

class Wrapping : public testing::Test {
 protected:
  std::unique_ptr<engine::graphics::Font> regular = LoadFont(kSansPath, 16);
  std::unique_ptr<engine::graphics::Font> bold = LoadFont(kSansBoldPath, 16);

  std::vector<TextLine> Wrap(std::string_view text, int width) {
    return WrapText(*regular, *bold, text, width);
  }
  int Width(const TextLine& line) { return LineWidth(*regular, *bold, line); }

  static std::vector<std::string> Words(const std::vector<TextLine>& lines) {
    std::vector<std::string> words;
    for (const TextLine& line : lines) {
      for (const PlacedWord& word : line)
        words.push_back(word.text);
    }
    return words;
  }
};

TEST_F(Wrapping, LinesStayWithinTheirWidthAndKeepEveryWordInOrder) {
  const std::string text =
      "A passer-by remembers how much they enjoyed your show, even after you stop, and pays "
      "in up to three instalments as the show goes on.";
  for (int width : {120, 200, 333, 552}) {
    SCOPED_TRACE(width);
    const std::vector<TextLine> lines = Wrap(text, width);
    EXPECT_GT(lines.size(), 1u);
    for (const TextLine& line : lines) {
      ASSERT_FALSE(line.empty());
      EXPECT_LE(Width(line), width);
    }
    const std::vector<std::string> expected = {
        "A",     "passer-by",   "remembers", "how",   "much", "they", "enjoyed", "your", "show,",
        "even",  "after",       "you",       "stop,", "and",  "pays", "in",      "up",   "to",
        "three", "instalments", "as",        "the",   "show", "goes", "on."};
    EXPECT_EQ(Words(lines), expected);
  }
}

// Greedy filling: no line could have taken the first word of the next.
TEST_F(Wrapping, EachLineTakesAsManyWordsAsFit) {
  const std::vector<TextLine> lines = Wrap("one two three four five six seven eight nine ten", 150);
  const int space = Canvas::TextWidth(*regular, " ");
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) {
    const PlacedWord& next = lines[i + 1].front();
    EXPECT_GT(Width(lines[i]) + space + Canvas::TextWidth(*regular, next.text), 150)
        << "line " << i << " had room for \"" << next.text << "\"";
  }
}

TEST_F(Wrapping, ForcedBreaksAndOverlongWords) {
  const std::vector<TextLine> lines = Wrap("short\nincomprehensibilities here", 60);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(Words({lines[0]}), std::vector<std::string>{"short"});
  // Too wide for the line, so it stands alone and whole rather than being cut.
  EXPECT_EQ(Words({lines[1]}), std::vector<std::string>{"incomprehensibilities"});
  EXPECT_EQ(Words({lines[2]}), std::vector<std::string>{"here"});
}

TEST_F(Wrapping, StarsMarkBoldWordsAndAreNotPrinted) {
  const std::vector<TextLine> lines = Wrap("press *Q* to *stop following,* then walk", 1000);
  ASSERT_EQ(lines.size(), 1u);
  const TextLine& line = lines[0];
  ASSERT_EQ(line.size(), 7u);
  const std::vector<std::pair<std::string, bool>> expected = {
      {"press", false},     {"Q", true},     {"to", false},  {"stop", true},
      {"following,", true}, {"then", false}, {"walk", false}};
  for (std::size_t i = 0; i < line.size(); ++i) {
    EXPECT_EQ(line[i].text, expected[i].first);
    EXPECT_EQ(line[i].bold, expected[i].second) << line[i].text;
  }
  // Words are placed one space apart, each measured in its own face.
  const int space = Canvas::TextWidth(*regular, " ");
  EXPECT_EQ(line[1].x, Canvas::TextWidth(*regular, "press") + space);
  EXPECT_EQ(line[2].x, line[1].x + Canvas::TextWidth(*bold, "Q") + space);
}

}  // namespace
}  // namespace tools::assetgen
