// PadInputTest.cpp -- pad events in, the messages a keyboard and mouse would give out.
#include "engine/platform/PadInput.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "engine/platform/VirtualKey.h"

namespace engine::platform {
namespace {

constexpr WindowHandle kWindow = 7;

// One player's layout of a few kinds: a held key, a held mouse button, typed characters.
PadLayout Layout() {
  PadLayout layout{};
  layout[static_cast<std::size_t>(PadButton::kA)] = {PadAction::Kind::kKey, vk::Digit(1)};
  layout[static_cast<std::size_t>(PadButton::kLeft)] = {PadAction::Kind::kKey, vk::kLeft};
  layout[static_cast<std::size_t>(PadButton::kRight)] = {PadAction::Kind::kMouseButton, 2};
  layout[static_cast<std::size_t>(PadButton::kY)] = {PadAction::Kind::kCharacter, 'q'};
  layout[static_cast<std::size_t>(PadButton::kRightTrigger)] = {PadAction::Kind::kCharacter, '+'};
  return layout;
}

// The title's three buttons, stacked as the shell lays them out.
const std::vector<Rect> kTitle = {{535, 225, 745, 285}, {430, 315, 645, 375}, {520, 410, 760, 465}};

// Messages as words: K49 and k49 a key down and up, L l R r the left and right button, c113 a
// typed character, m640,255 a pointer move.
std::string Words(std::deque<Message>& out) {
  std::ostringstream words;
  for (const Message& m : out) {
    if (!words.str().empty()) words << ' ';
    EXPECT_EQ(m.window, kWindow);
    switch (m.type) {
      case MessageType::kKeyDown:
        words << 'K' << m.wParam;
        break;
      case MessageType::kKeyUp:
        words << 'k' << m.wParam;
        break;
      case MessageType::kLeftDown:
        words << 'L';
        break;
      case MessageType::kLeftUp:
        words << 'l';
        break;
      case MessageType::kRightDown:
        words << 'R';
        break;
      case MessageType::kRightUp:
        words << 'r';
        break;
      case MessageType::kChar:
        words << 'c' << m.wParam;
        break;
      case MessageType::kMouseMove:
        words << 'm' << LowWord(m.lParam) << ',' << HighWord(m.lParam);
        break;
      default:
        words << '?';
        break;
    }
  }
  out.clear();
  return words.str();
}

class PadInputTest : public ::testing::Test {
 protected:
  std::string Press(PadButton b, bool down, int slot = 0) {
    pads.Button(slot, b, down, kWindow, out);
    return Words(out);
  }
  std::string Lean(PadAxis axis, int value, int slot = 0) {
    pads.Axis(slot, axis, value, kWindow, out);
    return Words(out);
  }
  std::string Frames(int n) {
    for (int i = 0; i < n; ++i)
      pads.FrameRan(kWindow, out);
    return Words(out);
  }
  std::string Unplug(int slot = 0) {
    pads.Unplug(slot, kWindow, out);
    return Words(out);
  }

  PadInput pads;
  std::deque<Message> out;
};

TEST_F(PadInputTest, PlayingEachButtonGivesItsBindingsMessages) {
  pads.SetControls({{}, {Layout()}});
  EXPECT_EQ(Press(PadButton::kA, true), "K49");
  EXPECT_EQ(Press(PadButton::kA, true), "");  // no repeat while held
  EXPECT_EQ(Press(PadButton::kA, false), "k49");
  EXPECT_EQ(Press(PadButton::kY, true), "c113");
  EXPECT_EQ(Press(PadButton::kY, false), "");
  EXPECT_EQ(Press(PadButton::kRight, true), "R");
  EXPECT_EQ(Press(PadButton::kRight, false), "r");
  EXPECT_EQ(Press(PadButton::kB, true), "");  // a button with no binding
  // Only the first pad has a layout here; slots beyond the pads' number are nobody's.
  EXPECT_EQ(Press(PadButton::kA, true, 1), "");
  EXPECT_EQ(Press(PadButton::kA, true, PadInput::kSlots), "");
  EXPECT_EQ(pads.Selection(), -1);
}

TEST_F(PadInputTest, TheStickLeansPastItsDeadZoneAndSharesTheDirectionsWithTheDpad) {
  pads.SetControls({{}, {Layout()}});
  EXPECT_EQ(Lean(PadAxis::kStickX, -PadInput::kStickDeadZone), "");
  EXPECT_EQ(Lean(PadAxis::kStickX, -20000), "K37");
  EXPECT_EQ(Press(PadButton::kLeft, true), "");  // already held by the stick
  EXPECT_EQ(Lean(PadAxis::kStickX, 0), "");      // still held by the d-pad
  EXPECT_EQ(Press(PadButton::kLeft, false), "k37");
  EXPECT_EQ(Lean(PadAxis::kStickX, 32767), "R");
  EXPECT_EQ(Lean(PadAxis::kStickX, -32768), "K37 r");
  EXPECT_EQ(Lean(PadAxis::kStickY, 30000), "");  // down has no binding
}

TEST_F(PadInputTest, ATriggerPressesHalfWayAndReleasesNearlyLetGo) {
  pads.SetControls({{}, {Layout()}});
  EXPECT_EQ(Lean(PadAxis::kRightTrigger, PadInput::kTriggerPress - 1), "");
  EXPECT_EQ(Lean(PadAxis::kRightTrigger, PadInput::kTriggerPress), "c43");
  EXPECT_EQ(Lean(PadAxis::kRightTrigger, PadInput::kTriggerRelease + 1), "");
  EXPECT_EQ(Lean(PadAxis::kRightTrigger, PadInput::kTriggerPress), "");
  EXPECT_EQ(Lean(PadAxis::kRightTrigger, PadInput::kTriggerRelease), "");
  EXPECT_EQ(Lean(PadAxis::kRightTrigger, 32767), "c43");
}

TEST_F(PadInputTest, OnAMenuTheDpadChoosesAButtonAndAHoldsTheLeftButtonOnIt) {
  pads.SetControls({kTitle, {Layout()}});
  EXPECT_EQ(pads.Selection(), -1);                     // no pad used yet
  EXPECT_EQ(Press(PadButton::kUp, true), "m640,255");  // nothing above the first: it stays
  EXPECT_EQ(pads.Selection(), 0);
  EXPECT_EQ(Press(PadButton::kUp, false), "");
  EXPECT_EQ(Press(PadButton::kDown, true), "m537,345");  // the nearest below
  EXPECT_EQ(Press(PadButton::kDown, false), "");
  EXPECT_EQ(Lean(PadAxis::kStickY, 30000), "m640,437");
  EXPECT_EQ(Lean(PadAxis::kStickY, 0), "");
  EXPECT_EQ(Press(PadButton::kY, true, 3), "");  // any pad chooses; only A presses
  EXPECT_EQ(Press(PadButton::kA, true, 3), "m640,437 L");
  // The release takes back what the press gave, though the game has left the menu meanwhile.
  pads.SetControls({{}, {Layout()}});
  EXPECT_EQ(Press(PadButton::kA, false, 3), "l");
  pads.SetControls({kTitle, {}});
  EXPECT_EQ(pads.Selection(), 0);  // a new menu starts at its first button
  pads.OtherInput();
  EXPECT_EQ(pads.Selection(), -1);
}

TEST_F(PadInputTest, BackQuitsOnlyWhenHeldASecond) {
  EXPECT_EQ(Press(PadButton::kBack, true), "");
  EXPECT_EQ(Frames(PadInput::kQuitHoldFrames - 1), "");
  EXPECT_EQ(Press(PadButton::kBack, false), "");
  EXPECT_EQ(Press(PadButton::kBack, true), "");
  EXPECT_EQ(Frames(PadInput::kQuitHoldFrames + 5), "K27");
  EXPECT_EQ(Press(PadButton::kBack, false), "k27");
}

TEST_F(PadInputTest, APadThatGoesReleasesEverythingItHeld) {
  pads.SetControls({{}, {Layout(), Layout()}});
  Press(PadButton::kA, true);
  Press(PadButton::kRight, true);
  Press(PadButton::kY, true);
  Press(PadButton::kBack, true);
  Frames(PadInput::kQuitHoldFrames);
  Press(PadButton::kA, true, 1);
  EXPECT_EQ(Unplug(), "k49 k27 r");
  EXPECT_EQ(Press(PadButton::kA, false), "");  // a late release of a pad gone gives nothing
  EXPECT_EQ(Unplug(1), "k49");
  EXPECT_EQ(Unplug(1), "");
}

}  // namespace
}  // namespace engine::platform
