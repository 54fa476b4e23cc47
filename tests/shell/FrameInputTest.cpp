// The frame's input record: one typed character a frame, newest first, and the held keys,
// button and pointer as the engine's tables stand.
#include <gtest/gtest.h>

#include "engine/core/Engine.h"
#include "game/shell/Callbacks.h"

namespace {

using engine::platform::Message;
using engine::platform::MessageType;

void Send(MessageType type, std::uint32_t wParam = 0, std::uint32_t lParam = 0) {
  Vorel.WindowProc(Message{type, 0, wParam, lParam});
}

TEST(FrameInput, TakesOneCharacterAndCopiesWhatIsHeld) {
  Send(MessageType::kChar, 'a');
  Send(MessageType::kChar, 'b');
  Send(MessageType::kKeyDown, 37);
  Send(MessageType::kKeyDown, 200);
  Send(MessageType::kMouseMove, 0, engine::platform::PackPoint(640, 255));
  Send(MessageType::kRightDown);

  const game::actors::FrameInput first = game::shell::ReadFrameInput();
  EXPECT_EQ(first.typed, 'b');
  for (int k = 0; k < 256; ++k)
    EXPECT_EQ(first.KeyDown(k), k == 37 || k == 200) << k;
  EXPECT_FALSE(first.KeyDown(-1));
  EXPECT_FALSE(first.KeyDown(256));
  EXPECT_EQ(first.mouseButton, 2);
  EXPECT_EQ(first.mouseX, 640);
  EXPECT_EQ(first.mouseY, 255);

  Send(MessageType::kKeyUp, 37);
  Send(MessageType::kKeyUp, 200);
  Send(MessageType::kRightUp);
  const game::actors::FrameInput second = game::shell::ReadFrameInput();
  EXPECT_EQ(second.typed, 'a');
  EXPECT_FALSE(second.KeyDown(37));
  EXPECT_EQ(second.mouseButton, 0);
  EXPECT_EQ(game::shell::ReadFrameInput().typed, 0);
}

}  // namespace
