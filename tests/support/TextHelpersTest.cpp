// TextHelpersTest.cpp -- the word splitter and the square text-line buffer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/support/TextLineBuffer.h"
#include "engine/support/WordSplit.h"

namespace engine::support {
namespace {

struct SplitCase {
  std::string line;
  char separator;
  std::int32_t result;
  std::string word;
  std::string lineAfter;
};

TEST(SplitWord, TakesTheFirstWord) {
  const SplitCase cases[] = {
      {"hello world\n", ' ', 1, "hello", "world"},
      {" \t hello world", ' ', 1, "hello", "world"},
      {"a\tb c", ' ', 1, "a", "b c"},
      {"a  b", ' ', 1, "a", " b"},
      {"one two\nthree", ' ', 1, "one", "two"},
      {"hello", ' ', 1, "hello", ""},
      {"hello\n", ' ', 1, "hello", ""},
      {"one\ntwo", ' ', 1, "one", ""},
      {"a,b,c", ',', 1, "a", "b,c"},
      {"a b,c", ',', 1, "a b", "c"},
      {"x\ty,z", ',', 1, "x", "y,z"},
      {",b", ',', 1, "", "b"},
      // Nothing before the newline: no word, the line is left alone.
      {"", ' ', 0, "", ""},
      {" \t  ", ' ', 0, "", " \t  "},
      {"  \nmore", ' ', 0, "", "  \nmore"},
  };
  for (const SplitCase& c : cases) {
    std::string line = c.line;
    std::string word = "stale";
    EXPECT_EQ(SplitWord(line, word, c.separator), c.result) << '"' << c.line << '"';
    EXPECT_EQ(word, c.word) << '"' << c.line << '"';
    EXPECT_EQ(line, c.lineAfter) << '"' << c.line << '"';
  }
}

TEST(SplitWord, RepeatedCallsWalkTheLine) {
  std::string line = "  alpha beta\t gamma  \n";
  std::string word;
  std::vector<std::string> words;
  while (SplitWord(line, word) == 1)
    words.push_back(word);
  EXPECT_EQ(words, (std::vector<std::string>{"alpha", "beta", "gamma"}));
  EXPECT_EQ(word, "");
}

std::string Type(TextLineBuffer& text, const std::string& keys) {
  for (char c : keys)
    text.PutChar(c);
  return std::string(text.Line());
}

TEST(TextLineBuffer, TypingBackspaceAndWrapping) {
  TextLineBuffer text(4);
  EXPECT_EQ(text.Line(), "");
  EXPECT_EQ(text.Line(1), "");
  EXPECT_EQ(Type(text, "ab"), "ab");
  EXPECT_EQ(Type(text, "\r"), "");
  EXPECT_EQ(text.Row(), 1u);
  EXPECT_EQ(text.Line(1), "ab");
  // Backspace stops at the start of the line, never reaching the line above.
  EXPECT_EQ(Type(text, "c\b\b\b"), "");
  EXPECT_EQ(text.Line(1), "ab");
  EXPECT_EQ(Type(text, std::string("d\0efg", 5)), "defg");
  // A full line still loses its last character; one more character wraps.
  EXPECT_EQ(Type(text, "\bgh"), "h");
  EXPECT_EQ(text.Line(1), "defg");
  EXPECT_EQ(text.Row(), 2u);
}

TEST(TextLineBuffer, NewLineWithTextIsCutToWidth) {
  TextLineBuffer text(4);
  text.NewLine("longer text");
  EXPECT_EQ(text.Line(), "long");
  EXPECT_EQ(Type(text, "!"), "!");
  EXPECT_EQ(text.Line(1), "long");
  text.NewLine("ab");
  EXPECT_EQ(Type(text, "c"), "abc");
  text.NewLine();
  EXPECT_EQ(text.Line(), "");
  EXPECT_EQ(text.Row(), 3u);
}

TEST(TextLineBuffer, ScrollsUpPastTheLastLine) {
  TextLineBuffer text(3);
  text.PutChar('a');
  text.NewLine("b");
  text.NewLine("c");
  text.NewLine("d");
  EXPECT_EQ(text.Row(), 2u);
  EXPECT_EQ(text.Line(), "d");
  EXPECT_EQ(text.Line(1), "c");
  EXPECT_EQ(text.Line(2), "b");
  EXPECT_EQ(text.Line(3), "");
  // Wrapping on the last line scrolls as well, and the new last line starts clean.
  EXPECT_EQ(Type(text, "efg"), "g");
  EXPECT_EQ(text.Line(1), "def");
  EXPECT_EQ(text.Line(2), "c");

  TextLineBuffer none(0);
  EXPECT_EQ(Type(none, "a\rb"), "");
  none.NewLine("x");
  EXPECT_EQ(none.Line(), "");
}

}  // namespace
}  // namespace engine::support
