// Keyboard and mouse state as the window procedure records it and the game polls it.
#include <gtest/gtest.h>

#include "engine/core/Engine.h"
#include "tests/common/TempDir.h"

namespace {

using engine::platform::Message;
using engine::platform::MessageType;
using engine::platform::PackPoint;

class Input : public testing::Test {
 protected:
  void Send(MessageType type, std::uint32_t wParam = 0, std::uint32_t lParam = 0) {
    e.WindowProc(Message{type, 0, wParam, lParam});
  }
  tests::TempDir dir;
  engine::core::Engine e;
};

TEST_F(Input, KeyBufferIsLastInFirstOut) {
  Send(MessageType::kChar, 'a');
  Send(MessageType::kChar, 'b');
  EXPECT_EQ(e.GetKey(), 'b');
  EXPECT_EQ(e.GetKey(), 'a');
  EXPECT_EQ(e.GetKey(), 0);
  EXPECT_EQ(e.GetKeyCount(), 0);
}

TEST_F(Input, FullBufferDropsAndLogsEachExtraCharacter) {
  for (int i = 0; i < 1000; ++i)
    e.PushKey(static_cast<std::uint8_t>('0' + i % 10));
  e.PushKey('x');
  e.PushKey('y');
  EXPECT_EQ(e.GetKeyCount(), 1000);
  EXPECT_EQ(dir.Read("debug.txt"),
            "WinDX: Keyboard buffer overflow.\n  WinDX: Keyboard buffer overflow.\n  ");
  EXPECT_EQ(e.GetKey(), '9') << "the 1000th character is the newest kept";
}

TEST_F(Input, CharacterIsTheMessagesLowByte) {
  Send(MessageType::kChar, 0x1E9);
  EXPECT_EQ(e.GetKey(), 0xE9);
}

TEST_F(Input, KeyTableChangesOnlyTheKeyConcerned) {
  Send(MessageType::kKeyDown, 200);
  for (int k = 0; k < 256; ++k)
    EXPECT_EQ(e.KeyDown(k), k == 200 ? 1 : 0) << k;
  Send(MessageType::kKeyUp, 200);
  for (int k = 0; k < 256; ++k)
    EXPECT_EQ(e.KeyDown(k), 0) << k;
}

TEST_F(Input, KeyCodesOutsideTheTableAreNeverHeld) {
  Send(MessageType::kKeyDown, 0x141);  // taken as its low byte, 0x41
  EXPECT_EQ(e.KeyDown(0x41), 1);
  EXPECT_EQ(e.KeyDown(-1), 0);
  EXPECT_EQ(e.KeyDown(256), 0);
  EXPECT_EQ(e.KeyDown(0x141), 0);
}

TEST_F(Input, LastPressedButtonWinsAndAnyReleaseClears) {
  Send(MessageType::kLeftDown);
  EXPECT_EQ(e.GetMouseButton(), 1);
  Send(MessageType::kRightDown);
  EXPECT_EQ(e.GetMouseButton(), 2);
  Send(MessageType::kRightUp);
  EXPECT_EQ(e.GetMouseButton(), 0) << "although left is still held";
  EXPECT_EQ(e.GetMouse().buttonHeld, 0);
  Send(MessageType::kMiddleDown);
  EXPECT_EQ(e.GetMouseButton(), 16);
  EXPECT_EQ(e.GetMouse().buttonHeld, 1);
  Send(MessageType::kLeftUp);
  EXPECT_EQ(e.GetMouseButton(), 0);
}

TEST_F(Input, MouseDeltaHoldsUntilTheNextMove) {
  Send(MessageType::kMouseMove, 0, PackPoint(10, 20));
  Send(MessageType::kMouseMove, 0, PackPoint(15, 18));
  EXPECT_FLOAT_EQ(e.GetMouseDX(), 5.0f);
  EXPECT_FLOAT_EQ(e.GetMouseDY(), -2.0f);
  Send(MessageType::kLeftDown);
  Send(MessageType::kLeftUp);
  EXPECT_EQ(e.GetMouseX(), 15) << "buttons do not move the mouse";
  EXPECT_EQ(e.GetMouseY(), 18);
  EXPECT_FLOAT_EQ(e.GetMouseDX(), 5.0f);
  EXPECT_EQ(e.GetMouse().moved, 1);
}

TEST_F(Input, MouseCoordinatesAreUnsignedSixteenBits) {
  Send(MessageType::kMouseMove, 0, 0xFFFF0000u | 0xFFFEu);
  EXPECT_EQ(e.GetMouseX(), 65534);
  EXPECT_EQ(e.GetMouseY(), 65535);
}

}  // namespace
