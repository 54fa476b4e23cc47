// Option parsing: values in both spellings, and every refusal with its reason.
#include <gtest/gtest.h>

#include "game/shell/CommandLine.h"

namespace {

using game::shell::ParseCommandLine;

TEST(CommandLine, NoArgumentsMeansFullScreenOnTheDesktop) {
  const auto parsed = ParseCommandLine({});
  EXPECT_TRUE(parsed.error.empty());
  EXPECT_FALSE(parsed.options.windowed);
  EXPECT_FALSE(parsed.options.headless);
  EXPECT_FALSE(parsed.options.frames);
}

TEST(CommandLine, EveryOptionInBothSpellings) {
  const auto parsed =
      ParseCommandLine({"--windowed", "--headless", "--frames", "10", "--script=in.txt", "--record",
                        "out.txt", "--desktop=1024x768x32", "--data", "assets"});
  ASSERT_TRUE(parsed.error.empty()) << parsed.error;
  const auto& o = parsed.options;
  EXPECT_TRUE(o.windowed);
  EXPECT_TRUE(o.headless);
  EXPECT_EQ(o.frames, 10);
  EXPECT_EQ(o.script, "in.txt");
  EXPECT_EQ(o.record, "out.txt");
  ASSERT_TRUE(o.desktop);
  EXPECT_EQ(o.desktop->width, 1024);
  EXPECT_EQ(o.desktop->height, 768);
  EXPECT_EQ(o.desktop->depth, 32);
  EXPECT_EQ(o.data, "assets");
}

TEST(CommandLine, ShotsKeepTheirOrder) {
  const auto parsed = ParseCommandLine({"--shot", "120:title.tif", "--shot=5:a:b.tif"});
  ASSERT_TRUE(parsed.error.empty()) << parsed.error;
  ASSERT_EQ(parsed.options.shots.size(), 2u);
  EXPECT_EQ(parsed.options.shots[0].frame, 120);
  EXPECT_EQ(parsed.options.shots[0].file, "title.tif");
  EXPECT_EQ(parsed.options.shots[1].frame, 5);
  EXPECT_EQ(parsed.options.shots[1].file, "a:b.tif");
}

TEST(CommandLine, HelpAndVersion) {
  EXPECT_TRUE(ParseCommandLine({"--help"}).options.help);
  EXPECT_TRUE(ParseCommandLine({"-h"}).options.help);
  EXPECT_TRUE(ParseCommandLine({"--version"}).options.version);
}

// --help lists every option the parser takes and the controls of both modes, and fits a
// terminal.
TEST(CommandLine, UsageNamesEveryOptionAndTheControlsOfBothModes) {
  const std::string usage = game::shell::UsageText();
  const std::vector<std::vector<std::string>> options = {
      {"--windowed"},
      {"--headless"},
      {"--frames", "5"},
      {"--script", "s.txt"},
      {"--record", "r.txt"},
      {"--trace", "t.txt"},
      {"--shot", "5:a.tif"},
      {"--data", "d"},
      {"--from-menu"},
      {"--help"},
      {"--version"},
      {"--desktop", "640x480x16", "--headless"},
  };
  for (const auto& args : options) {
    EXPECT_EQ(ParseCommandLine(args).error, "") << args[0];
    EXPECT_NE(usage.find("\n  " + args[0] + " "), std::string::npos) << args[0];
  }
  const char* controls[] = {
      "  Left, Right arrows (hold)  walk left, right",
      "  q                          follow the passer-by beside you; again to stop",
      "  1, 2, 3 (hold)             beg, sing, rabbit trick while following; the three",
      "                             dance moves while dancing",
      "  p                          pause and resume; a new game once the game is over",
      "Two players:              player 1         player 2",
      "  walk left, right        N, M (hold)      left, right mouse button (hold)",
      "  beg, sing, rabbit;      1, 2, 3 (hold)   keypad 7, 8, 9 (hold, Num Lock on)",
      "    dance moves",
      "  push the other          s                +",
      "Alt+Enter or F11 switches between full screen and a window.",
      "Escape quits from every screen.",
  };
  for (const char* line : controls) {
    EXPECT_NE(usage.find(std::string("\n") + line + "\n"), std::string::npos) << line;
  }
  std::size_t start = 0;
  for (std::size_t end; (end = usage.find('\n', start)) != std::string::npos; start = end + 1) {
    EXPECT_LE(end - start, 80u) << usage.substr(start, end - start);
  }
  EXPECT_EQ(start, usage.size()) << "ends with a newline";
}

TEST(CommandLine, RefusalsNameTheProblem) {
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{"--frames"}, "needs a value"},
      {{"--frames", "0"}, "--frames needs"},
      {{"--frames", "-3"}, "--frames needs"},
      {{"--frames", "12x"}, "--frames needs"},
      {{"--frames", "99999999999999999999"}, "--frames needs"},
      {{"--desktop", "1024x768", "--headless"}, "--desktop needs"},
      {{"--desktop", "1024x768x16x2", "--headless"}, "--desktop needs"},
      {{"--desktop", "0x768x16", "--headless"}, "--desktop needs"},
      {{"--desktop", "1024x768x16"}, "--headless runs only"},
      {{"--shot", "12"}, "--shot needs FRAME:FILE"},
      {{"--shot", "0:a.tif"}, "--shot needs FRAME:FILE"},
      {{"--shot", "3:"}, "--shot needs FRAME:FILE"},
      {{"--fullscreen"}, "unknown option '--fullscreen'"},
      {{"frames"}, "unknown option 'frames'"},
      {{"--windowed=yes"}, "takes no value"},
      {{"--script="}, "needs a value"},
  };
  for (const auto& [args, why] : cases) {
    const auto parsed = ParseCommandLine(args);
    EXPECT_NE(parsed.error.find(why), std::string::npos) << args[0] << ": " << parsed.error;
  }
}

}  // namespace
