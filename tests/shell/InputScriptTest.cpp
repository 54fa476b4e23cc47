// The script format: every event, comments, the errors a hand-written script meets, and
// recorded lines that read back as the same messages.
#include <gtest/gtest.h>

#include "game/shell/InputScript.h"

namespace {

using engine::platform::Message;
using engine::platform::MessageType;
using engine::platform::PackPoint;
using game::shell::FormatEvent;
using game::shell::ParseScript;

TEST(InputScript, EveryEventKind) {
  const auto parse = ParseScript(
      "# a comment line\n"
      "120 key-down 37\n"
      "180 key-up 37   # trailing comment\n"
      "200 char q\n"
      "200 mouse-move 600 250\n"
      "201 mouse-down left\n"
      "205 mouse-up left\n"
      "206 mouse-down right\n"
      "207 mouse-up middle\r\n"
      "\n");
  ASSERT_TRUE(parse.error.empty()) << parse.error;
  ASSERT_EQ(parse.events.size(), 8u);
  const auto& e = parse.events;
  EXPECT_EQ(e[0].frame, 120);
  EXPECT_EQ(e[0].message.type, MessageType::kKeyDown);
  EXPECT_EQ(e[0].message.wParam, 37u);
  EXPECT_EQ(e[1].message.type, MessageType::kKeyUp);
  EXPECT_EQ(e[2].message.type, MessageType::kChar);
  EXPECT_EQ(e[2].message.wParam, static_cast<std::uint32_t>('q'));
  EXPECT_EQ(e[3].message.type, MessageType::kMouseMove);
  EXPECT_EQ(e[3].message.lParam, PackPoint(600, 250));
  EXPECT_EQ(e[4].message.type, MessageType::kLeftDown);
  EXPECT_EQ(e[5].message.type, MessageType::kLeftUp);
  EXPECT_EQ(e[6].message.type, MessageType::kRightDown);
  EXPECT_EQ(e[7].message.type, MessageType::kMiddleUp);
}

TEST(InputScript, SpaceAndHashCanBeTyped) {
  const auto parse = ParseScript("5 char  \n6 char #\n7 char # # then a comment\n");
  ASSERT_TRUE(parse.error.empty()) << parse.error;
  ASSERT_EQ(parse.events.size(), 3u);
  EXPECT_EQ(parse.events[0].message.wParam, static_cast<std::uint32_t>(' '));
  EXPECT_EQ(parse.events[1].message.wParam, static_cast<std::uint32_t>('#'));
  EXPECT_EQ(parse.events[2].message.wParam, static_cast<std::uint32_t>('#'));
}

TEST(InputScript, EventsAreOrderedByFrameKeepingTheFileOrderWithinOne) {
  const auto parse = ParseScript("9 char b\n3 char a\n9 char c\n3 char d\n");
  ASSERT_TRUE(parse.error.empty());
  std::string order;
  for (const auto& event : parse.events)
    order += static_cast<char>(event.message.wParam);
  EXPECT_EQ(order, "adbc");
}

TEST(InputScript, ErrorsNameTheLine) {
  const std::pair<const char*, const char*> cases[] = {
      {"0 char a", "line 1: frame must be"},
      {"x char a", "line 1: frame must be"},
      {"\n\n5 key-down 256", "line 3: key code"},
      {"5 key-down -1", "key code"},
      {"5 key-down", "key code"},
      {"5 char", "char needs"},
      {"5 char ab", "single character"},
      {"5 char \x01", "char needs"},
      {"5 char \xE9", "char needs"},
      {"5 mouse-move 10", "two coordinates"},
      {"5 mouse-move 10 70000", "two coordinates"},
      {"5 mouse-down up", "left, right or middle"},
      {"5 jump", "unknown event 'jump'"},
      {"5", "missing event"},
      {"5 key-up 3 4", "unexpected text"},
  };
  for (const auto& [text, why] : cases) {
    const auto parse = ParseScript(text);
    EXPECT_NE(parse.error.find(why), std::string::npos) << text << " gave: " << parse.error;
    EXPECT_TRUE(parse.events.empty());
  }
}

TEST(InputScript, RecordedLinesReadBackAsTheSameMessages) {
  const Message messages[] = {
      {MessageType::kKeyDown, 0, 27, 0},   {MessageType::kKeyUp, 0, 255, 0},
      {MessageType::kChar, 0, ' ', 0},     {MessageType::kChar, 0, '#', 0},
      {MessageType::kChar, 0, '~', 0},     {MessageType::kMouseMove, 0, 0, PackPoint(799, 0)},
      {MessageType::kMiddleDown, 0, 0, 0}, {MessageType::kRightUp, 0, 0, 0},
  };
  std::string text;
  for (const Message& m : messages)
    text += *FormatEvent(42, m) + "\n";
  const auto parse = ParseScript(text);
  ASSERT_TRUE(parse.error.empty()) << parse.error;
  ASSERT_EQ(parse.events.size(), std::size(messages));
  for (std::size_t i = 0; i < std::size(messages); ++i) {
    EXPECT_EQ(parse.events[i].frame, 42);
    EXPECT_EQ(parse.events[i].message.type, messages[i].type) << i;
    EXPECT_EQ(parse.events[i].message.wParam, messages[i].wParam) << i;
    EXPECT_EQ(parse.events[i].message.lParam, messages[i].lParam) << i;
  }
}

TEST(InputScript, OnlyInputIsRecorded) {
  EXPECT_FALSE(FormatEvent(1, {MessageType::kSetFocus, 0, 0, 0}));
  EXPECT_FALSE(FormatEvent(1, {MessageType::kMove, 0, 0, 0}));
  EXPECT_FALSE(FormatEvent(1, {MessageType::kClose, 0, 0, 0}));
  EXPECT_FALSE(FormatEvent(1, {MessageType::kChar, 0, 13, 0})) << "made from its key-down";
}

}  // namespace
