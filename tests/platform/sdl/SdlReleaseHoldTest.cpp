// SdlReleaseHoldTest.cpp -- quick presses: what the engine is handed before each frame when
// presses and releases come faster than frames.
#include "engine/platform/sdl/SdlReleaseHold.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace engine::platform::sdl {
namespace {

Message Key(bool down, std::uint32_t code) {
  return {down ? MessageType::kKeyDown : MessageType::kKeyUp, 1, code, 0};
}
const Message kLeftDown{MessageType::kLeftDown, 1, 0, 0};
const Message kLeftUp{MessageType::kLeftUp, 1, 0, 0};
const Message kRightDown{MessageType::kRightDown, 1, 0, 0};
const Message kRightUp{MessageType::kRightUp, 1, 0, 0};
const Message kCharX{MessageType::kChar, 1, 'x', 0};
const Message kMove{MessageType::kMouseMove, 1, 0, PackPoint(5, 6)};

std::string Name(const Message& m) {
  switch (m.type) {
    case MessageType::kKeyDown:
      return "down" + std::to_string(m.wParam);
    case MessageType::kKeyUp:
      return "up" + std::to_string(m.wParam);
    case MessageType::kLeftDown:
      return "L";
    case MessageType::kLeftUp:
      return "l";
    case MessageType::kRightDown:
      return "R";
    case MessageType::kRightUp:
      return "r";
    case MessageType::kChar:
      return "char";
    case MessageType::kMouseMove:
      return "move";
    default:
      return "other";
  }
}

// The messages arrive all at once before the first frame, as the window system would queue
// them; returns what the engine gets before each of the frames, one string per frame.
std::vector<std::string> Deliver(const std::vector<Message>& arriving, int frames) {
  ReleaseHold hold;
  std::deque<Message> queue(arriving.begin(), arriving.end());
  std::vector<std::string> got;
  for (int f = 0; f < frames; ++f) {
    std::string seen;
    while (!queue.empty()) {
      const Message m = queue.front();
      queue.pop_front();
      if (hold.Admit(m)) seen += (seen.empty() ? "" : " ") + Name(m);
    }
    got.push_back(seen);
    hold.FrameRan(queue);
  }
  return got;
}

TEST(SdlReleaseHold, EveryPressIsSeenByOneFrameAndNothingIsLostOrReordered) {
  struct Case {
    std::string name;
    std::vector<Message> arriving;
    std::vector<std::string> want;
  };
  const Case cases[] = {
      {"a tap", {Key(true, 27), Key(false, 27)}, {"down27", "up27", ""}},
      {"a double tap",
       {Key(true, 81), Key(false, 81), Key(true, 81), Key(false, 81)},
       {"down81", "up81 down81", "up81"}},
      {"a click", {kMove, kLeftDown, kLeftUp}, {"move L", "l", ""}},
      {"one button state: the right click waits for the left one",
       {kLeftDown, kLeftUp, kRightDown, kRightUp},
       {"L", "l R", "r"}},
      {"other keys and messages are not held up",
       {Key(true, 65), Key(false, 65), kCharX, Key(true, 66), kMove},
       {"down65 char down66 move", "up65", ""}},
      {"a lone release goes at once", {Key(false, 39), kLeftUp}, {"up39 l", ""}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(Deliver(c.arriving, static_cast<int>(c.want.size())), c.want);
  }
}

// A press seen by a frame is released the moment its release comes.
TEST(SdlReleaseHold, AReleaseAfterAFrameGoesAtOnceAndAGoneWindowKeepsNothing) {
  ReleaseHold hold;
  std::deque<Message> queue;
  EXPECT_TRUE(hold.Admit(Key(true, 37)));
  hold.FrameRan(queue);
  EXPECT_TRUE(hold.Admit(Key(false, 37)));

  EXPECT_TRUE(hold.Admit(Key(true, 38)));
  EXPECT_FALSE(hold.Admit(Key(false, 38)));
  hold.Forget(1);
  hold.FrameRan(queue);
  EXPECT_TRUE(queue.empty());
}

}  // namespace
}  // namespace engine::platform::sdl
