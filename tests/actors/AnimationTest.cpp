// The frame step: looping and leading rows, the first picture's shorter stay, states without a
// row, and frame loading.
#include <gtest/gtest.h>

#include "engine/support/Path.h"
#include "game/actors/Animation.h"
#include "tests/common/GlobalPlatform.h"
#include "tests/common/TempDir.h"

namespace {

using game::actors::Actor;
using game::actors::ActorType;
using game::actors::RowFor;

// The performer's rows, stepped as an actor's update does: count, then animate.
class Stepper : public Actor {
 public:
  void Update() {
    ++ticks;
    Animate(state);
  }

 protected:
  ActorType AnimationType() const override { return ActorType::kPlayer; }
};

TEST(Animation, LoopingRowRepeatsItsSlice) {
  Stepper a;
  a.SetState(14);
  std::vector<int> shown;
  for (int i = 0; i < 80; ++i) {
    a.Update();
    if (i % 10 == 9) shown.push_back(a.cur_img);
  }
  EXPECT_EQ(shown, (std::vector<int>{44, 45, 46, 43, 44, 45, 46, 43}));
  EXPECT_EQ(a.state, 14);
}

TEST(Animation, LeadInEntersItsLoopInTheSameUpdate) {
  Stepper a;
  a.SetState(12);
  int updates = 0;
  while (a.state == 12) {
    a.Update();
    ++updates;
  }
  EXPECT_EQ(updates, 40);
  EXPECT_EQ(a.state, 14);
  EXPECT_EQ(a.cur_img, 43);
}

TEST(Animation, FallLastsElevenToTwelveSlicesOfTen) {
  for (int start = 0; start < 10; ++start) {
    Stepper a;
    a.ticks = start;
    a.SetState(5);
    int updates = 0;
    while (a.state == 5) {
      a.Update();
      ++updates;
    }
    EXPECT_EQ(updates, 120 - start) << "ticks " << start;
    EXPECT_EQ(a.state, 0);
    EXPECT_EQ(a.cur_img, 0);
  }
}

TEST(Animation, FirstPictureWaitsForTheNextMultipleOfTen) {
  Stepper a;
  a.ticks = 25;
  a.SetState(0);
  for (int i = 0; i < 4; ++i)
    a.Update();
  EXPECT_EQ(a.cur_img, 0) << "ticks 29";
  a.Update();
  EXPECT_EQ(a.cur_img, 1) << "ticks 30";
}

TEST(Animation, StateWithoutARowKeepsThePicture) {
  Stepper a;
  a.SetState(2);
  a.cur_img = 9;
  a.SetState(7);
  EXPECT_EQ(a.state, 7);
  EXPECT_EQ(a.cur_img, 9);
  a.ticks = 9;
  a.Update();  // no row: nothing moves
  EXPECT_EQ(a.cur_img, 9);
  EXPECT_EQ(RowFor(ActorType::kPlayer, 34), nullptr);
  EXPECT_EQ(RowFor(ActorType::kPlayer, 37), nullptr);
  EXPECT_EQ(RowFor(ActorType::kNormal, -1), nullptr);
  EXPECT_EQ(RowFor(ActorType::kHobo, 2)->num_img, 6);
}

TEST(Animation, FramesLoadByPatternIntoTheirSlots) {
  tests::TempDir dir;
  tests::GlobalPlatform platform;
  engine::support::SetDataFolder(CURBSIDE_DATA_DIR);
  std::array<engine::graphics::Image, 8> frames;
  const game::actors::FrameGroup groups[] = {
      {"Images\\Player\\player-stand%03d.tif", 3, 1},
      {"Images\\Player\\player-missing%03d.tif", 1, 5},
      {"Images\\Player\\player-moveleft%03d.tif", 4, 6},  // the last two fall outside
  };
  game::actors::LoadFrames(groups, frames, engine::graphics::DRAW_MASKED);
  engine::support::SetDataFolder("");
  EXPECT_FALSE(frames[0].HasPixels());
  for (int i : {1, 2, 3, 6, 7}) {
    EXPECT_EQ(frames[static_cast<std::size_t>(i)].Width(), 100) << i;
    EXPECT_EQ(frames[static_cast<std::size_t>(i)].Use(), engine::graphics::DRAW_MASKED) << i;
  }
  EXPECT_FALSE(frames[5].HasPixels());
  ASSERT_EQ(platform.Notices().size(), 1u);
  EXPECT_NE(platform.Notices()[0].text.find("player-missing000.tif"), std::string::npos);
}

}  // namespace
