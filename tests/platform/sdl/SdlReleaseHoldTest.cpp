// SdlReleaseHoldTest.cpp -- quick presses: what the engine is handed before each frame when
// presses and releases come faster than frames.
#include "engine/platform/sdl/SdlReleaseHold.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace engine::platform::sdl {
namespace {

// Messages written as words: K27 and k27 a key down and up by code, L l and R r the left and
// right button down and up, c a typed character, m a mouse move.
constexpr std::pair<char, MessageType> kWords[] = {
    {'K', MessageType::kKeyDown}, {'k', MessageType::kKeyUp},     {'L', MessageType::kLeftDown},
    {'l', MessageType::kLeftUp},  {'R', MessageType::kRightDown}, {'r', MessageType::kRightUp},
    {'c', MessageType::kChar},    {'m', MessageType::kMouseMove},
};

Message Parse(const std::string& word) {
  for (const auto& [letter, type] : kWords) {
    if (word[0] == letter) {
      const auto code = word.size() > 1 ? static_cast<std::uint32_t>(std::stoi(word.substr(1))) : 0;
      return {type, 1, code, 0};
    }
  }
  ADD_FAILURE() << word;
  return {};
}

std::string Word(const Message& m) {
  for (const auto& [letter, type] : kWords) {
    if (m.type == type) {
      const bool key = type == MessageType::kKeyDown || type == MessageType::kKeyUp;
      return letter + (key ? std::to_string(m.wParam) : "");
    }
  }
  return "?";
}

// Everything arrives at once before the first frame, as the window system would queue it;
// returns what the engine is handed before each frame.
std::vector<std::string> Deliver(const std::string& arriving, int frames) {
  ReleaseHold hold;
  std::deque<Message> queue;
  std::istringstream words(arriving);
  for (std::string w; words >> w;)
    queue.push_back(Parse(w));
  std::vector<std::string> got;
  for (int f = 0; f < frames; ++f) {
    std::string handed;
    for (; !queue.empty(); queue.pop_front()) {
      if (hold.Admit(queue.front())) handed += (handed.empty() ? "" : " ") + Word(queue.front());
    }
    got.push_back(handed);
    hold.FrameRan(queue);
  }
  return got;
}

TEST(SdlReleaseHold, EveryPressIsSeenByOneFrameAndNothingIsLostOrReordered) {
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"K27 k27", {"K27", "k27", ""}},
      {"K81 k81 K81 k81", {"K81", "k81 K81", "k81"}},   // a double tap
      {"m L l", {"m L", "l", ""}},                      // a click
      {"L l R r", {"L", "l R", "r"}},                   // one button state for all buttons
      {"K65 k65 c K66 m", {"K65 c K66 m", "k65", ""}},  // nothing else waits
      {"k39 l", {"k39 l", ""}},                         // releases of earlier presses
  };
  for (const auto& [arriving, want] : cases)
    EXPECT_EQ(Deliver(arriving, static_cast<int>(want.size())), want) << arriving;
}

TEST(SdlReleaseHold, AGoneWindowLeavesNothingKept) {
  ReleaseHold hold;
  EXPECT_TRUE(hold.Admit(Parse("K38")));
  EXPECT_FALSE(hold.Admit(Parse("k38")));
  hold.Forget(1);
  std::deque<Message> queue;
  hold.FrameRan(queue);
  EXPECT_TRUE(queue.empty());
}

}  // namespace
}  // namespace engine::platform::sdl
