// The performers' control schemes: which held key or button drives each action of each player.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/core/Engine.h"
#include "game/actors/PlayerControls.h"

namespace {

using engine::platform::Message;
using engine::platform::MessageType;
using game::actors::Action;
using game::actors::ActionDown;

constexpr Action kActions[] = {Action::kLeft, Action::kRight, Action::kMove1, Action::kMove2,
                               Action::kMove3};

// Every key released and no button held before and after each test: the engine is global.
class PlayerControls : public ::testing::Test {
 protected:
  void SetUp() override { ReleaseAll(); }
  void TearDown() override { ReleaseAll(); }
  static void ReleaseAll() {
    Vorel.keyDownTable.fill(0);
    Vorel.MouseUp();
  }
  static void Send(MessageType type, std::uint32_t code = 0) {
    Vorel.WindowProc(Message{type, 0, code, 0});
  }
  // The actions of playerNumber that read as held, in the order of kActions.
  static std::vector<bool> Held(std::int32_t playerNumber) {
    std::vector<bool> held;
    for (Action a : kActions)
      held.push_back(ActionDown(playerNumber, a));
    return held;
  }
};

TEST_F(PlayerControls, EachKeyDrivesOneActionOfItsScheme) {
  struct Case {
    std::int32_t playerNumber;
    std::uint32_t key;
    Action action;
  };
  const Case cases[] = {
      {0, 37, Action::kLeft},   {0, 39, Action::kRight},  {0, 49, Action::kMove1},
      {0, 50, Action::kMove2},  {0, 51, Action::kMove3},  {1, 78, Action::kLeft},
      {1, 77, Action::kRight},  {1, 49, Action::kMove1},  {1, 50, Action::kMove2},
      {1, 51, Action::kMove3},  {2, 103, Action::kMove1}, {2, 104, Action::kMove2},
      {2, 105, Action::kMove3},
  };
  for (const Case& c : cases) {
    Send(MessageType::kKeyDown, c.key);
    std::vector<bool> expected(5, false);
    expected[static_cast<std::size_t>(c.action)] = true;
    EXPECT_EQ(Held(c.playerNumber), expected) << "player " << c.playerNumber << " key " << c.key;
    Send(MessageType::kKeyUp, c.key);
    EXPECT_EQ(Held(c.playerNumber), std::vector<bool>(5, false)) << "released " << c.key;
  }
}

TEST_F(PlayerControls, KeysOfOneSchemeDoNotDriveAnother) {
  for (std::uint32_t key : {37u, 39u, 78u, 77u})
    Send(MessageType::kKeyDown, key);
  EXPECT_EQ(Held(0), (std::vector<bool>{true, true, false, false, false}));
  EXPECT_EQ(Held(1), (std::vector<bool>{true, true, false, false, false}));
  EXPECT_EQ(Held(2), std::vector<bool>(5, false));
  ReleaseAll();
  for (std::uint32_t key : {103u, 104u, 105u})
    Send(MessageType::kKeyDown, key);
  EXPECT_EQ(Held(0), std::vector<bool>(5, false));
  EXPECT_EQ(Held(1), std::vector<bool>(5, false));
}

TEST_F(PlayerControls, PlayerTwoWalksWithTheMouseButtons) {
  Send(MessageType::kLeftDown);
  EXPECT_EQ(Held(2), (std::vector<bool>{true, false, false, false, false}));
  EXPECT_EQ(Held(0), std::vector<bool>(5, false));
  Send(MessageType::kRightDown);  // the newer button replaces the code
  EXPECT_EQ(Held(2), (std::vector<bool>{false, true, false, false, false}));
  Send(MessageType::kRightUp);
  EXPECT_EQ(Held(2), std::vector<bool>(5, false));
  Send(MessageType::kMiddleDown);
  EXPECT_EQ(Held(2), std::vector<bool>(5, false));
}

TEST_F(PlayerControls, OtherPlayerNumbersHaveNoKeys) {
  for (std::uint32_t key : {37u, 39u, 49u, 50u, 51u, 77u, 78u, 103u, 104u, 105u})
    Send(MessageType::kKeyDown, key);
  Send(MessageType::kLeftDown);
  for (std::int32_t n : {-1, 3, 256})
    EXPECT_EQ(Held(n), std::vector<bool>(5, false)) << n;
}

}  // namespace
