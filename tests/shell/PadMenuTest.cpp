// The pads on the title and rules pages: the shell offers the page's buttons, and a pad's
// pointer at a button's centre presses it.
#include <gtest/gtest.h>

#include "engine/platform/PadInput.h"
#include "game/shell/GameShell.h"

namespace {

using game::shell::GameShell;

// Where a pad puts the pointer to press each button the page offers.
std::vector<engine::platform::Point> Centres(const GameShell& shell) {
  std::vector<engine::platform::Point> centres;
  for (const engine::platform::Rect& r : shell.PadControls().menu)
    centres.push_back({(r.left + r.right) / 2, (r.top + r.bottom) / 2});
  return centres;
}

TEST(PadMenu, EachPageOffersItsButtonsAndTheirCentresPressThem) {
  GameShell shell;
  EXPECT_TRUE(shell.PadControls().players.empty());
  const std::vector<engine::platform::Point> title = Centres(shell);
  ASSERT_EQ(title.size(), 3u);
  // A press where the pad puts the pointer, after long enough without one for the click delay.
  const auto press = [&shell](engine::platform::Point at) {
    game::actors::FrameInput input;
    for (int f = 0; f < 20; ++f)
      shell.Run(input);
    input.mouseButton = 1;
    input.mouseX = at.x;
    input.mouseY = at.y;
    shell.Run(input);
  };
  press(title[2]);  // rules
  ASSERT_EQ(shell.Page(), 1);
  const std::vector<engine::platform::Point> rules = Centres(shell);
  ASSERT_EQ(rules.size(), 2u);
  press(rules[0]);  // next
  EXPECT_EQ(shell.Page(), 2);
  press(rules[1]);  // previous
  EXPECT_EQ(shell.Page(), 1);
  // The title's first two start the modes: their centres lie inside those buttons.
  EXPECT_TRUE(GameShell::HitButton(title[0].x, title[0].y, 535, 225, 210, 60));
  EXPECT_TRUE(GameShell::HitButton(title[1].x, title[1].y, 430, 315, 215, 60));
}

}  // namespace
