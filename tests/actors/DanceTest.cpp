// The dance: gathering the audience, interest moved by the move shown, members leaving, the
// payment after the last update, and cancelling.
#include <memory>
#include <vector>

#include "game/actors/Dance.h"
#include "tests/actors/AudienceFixture.h"

namespace {

using game::actors::Bypasser;
using game::actors::Dance;

class DanceTest : public tests::AudienceFixture {
 protected:
  // The performer has a lesson and the street has set it dancing.
  void BeginWith(const std::vector<Bypasser*>& candidates, std::int32_t frames = 1000) {
    player.SetKnowsDance(true);
    player.SetState(27);
    dance.Begin(&player, candidates, frames, gongSound);
  }
  void Steps(int n, std::int32_t move) {
    for (int i = 0; i < n; ++i)
      dance.Step(move, cashSound);
  }

  Dance dance;
};

TEST_F(DanceTest, BeginGathersTheCandidatesInOrder) {
  auto a = MakeNormal({.state = 1, .favourite = 3, .tolerated = 2});
  auto b = MakeNormal({.state = 2, .favourite = 1, .tolerated = 0});
  auto c = MakeNormal({.state = 1, .favourite = 2, .tolerated = 3});
  BeginWith({a.get(), b.get(), c.get()});
  EXPECT_TRUE(Played(gongSound));
  EXPECT_EQ(dance.GetPlayer(), &player);
  EXPECT_EQ(dance.FramesLeft(), 1000);
  const Bypasser* order[] = {a.get(), b.get(), c.get()};
  ASSERT_EQ(dance.Audience().size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    const auto& member = dance.Audience()[i];
    EXPECT_EQ(member.GetBypasser(), order[i]) << i;
    EXPECT_EQ(member.Favourite(), order[i]->Favourite()) << i;
    EXPECT_EQ(member.Tolerated(), order[i]->Tolerated()) << i;
    EXPECT_EQ(order[i]->state, 0) << i;
    EXPECT_TRUE(order[i]->Watching()) << i;
  }
}

TEST_F(DanceTest, NewDanceLeavesTheOldAudienceUntouched) {
  auto kept = MakeNormal({.state = 1});
  auto gone = MakeNormal({.state = 2});
  auto next = MakeNormal({.state = 2});
  BeginWith({kept.get(), gone.get()});
  gone.reset();  // its street was set up again
  BeginWith({next.get()});
  ASSERT_EQ(dance.Audience().size(), 1u);
  EXPECT_EQ(dance.Audience()[0].GetBypasser(), next.get());
  dance.Cancel();
  EXPECT_EQ(next->state, 2);
  EXPECT_EQ(kept->state, 0);
  EXPECT_TRUE(kept->Watching());
}

TEST_F(DanceTest, FavouriteMoveRaisesInterestToAtMostAHundredThenToleratedHoldsIt) {
  auto low = MakeNormal({.favourite = 2, .tolerated = 0, .interest = 25});
  auto high = MakeNormal({.favourite = 2, .tolerated = 0, .interest = 74});
  BeginWith({low.get(), high.get()});
  Steps(100, 2);
  EXPECT_NEAR(low->Interest(), 40.0f, 1e-3f);
  EXPECT_NEAR(high->Interest(), 89.0f, 1e-3f);
  Steps(400, 2);
  EXPECT_EQ(low->Interest(), 100.0f);
  EXPECT_EQ(high->Interest(), 100.0f);
  Steps(400, 0);
  EXPECT_EQ(low->Interest(), 100.0f);
  EXPECT_EQ(high->Interest(), 100.0f);
  EXPECT_TRUE(dance.Audience()[0].IsActive());
  EXPECT_TRUE(dance.Audience()[1].IsActive());
}

TEST_F(DanceTest, OtherMoveLowersInterestUntilTheMemberWalksOn) {
  auto member = MakeNormal({.state = 2, .favourite = 1, .tolerated = 3, .interest = 25});
  BeginWith({member.get()});
  Steps(249, 0);
  EXPECT_TRUE(dance.Audience()[0].IsActive());
  EXPECT_EQ(member->state, 0);
  EXPECT_GT(member->Interest(), 0.0f);
  Steps(1, 0);
  EXPECT_FALSE(dance.Audience()[0].IsActive());
  EXPECT_EQ(member->Interest(), 0.0f);
  EXPECT_EQ(member->state, 2);
  EXPECT_FALSE(member->Watching());
  EXPECT_FALSE(member->Engaged());
  EXPECT_EQ(dance.Audience().size(), 1u);
}

TEST_F(DanceTest, MemberThatLeftIsNotPaid) {
  auto leaver = MakeNormal({.state = 1, .favourite = 1, .tolerated = 3, .interest = 1});
  auto stayer = MakeNormal({.state = 2, .favourite = 2, .tolerated = 0, .interest = 50});
  BeginWith({leaver.get(), stayer.get()});
  Steps(20, 0);
  ASSERT_FALSE(dance.Audience()[0].IsActive());
  Steps(980, 0);
  EXPECT_EQ(leaver->Cash(), 450);
  EXPECT_EQ(leaver->state, 1);
  EXPECT_EQ(stayer->Cash(), 0);
  EXPECT_EQ(stayer->state, 4);
  EXPECT_EQ(player.Cash(), 3450);
}

TEST_F(DanceTest, EveryoneStillWatchingPaysAllTheyCarry) {
  auto a = MakeNormal({.state = 1, .cash = 200});
  auto b = MakeNormal({.state = 2, .cash = 0});
  auto c = MakeNormal({.state = 2, .cash = 310});
  BeginWith({a.get(), b.get(), c.get()});
  Played(gongSound);
  Steps(1000, 0);
  EXPECT_EQ(player.Cash(), 3510);
  EXPECT_EQ(a->state, 3);
  EXPECT_EQ(c->state, 4);
  EXPECT_TRUE(Played(cashSound));
  for (const Bypasser* member : {a.get(), b.get(), c.get()}) {
    EXPECT_EQ(member->Cash(), 0);
    EXPECT_FALSE(member->Watching());
    EXPECT_FALSE(member->Engaged());
    // A dance payment leaves the schedule alone.
    EXPECT_EQ(member->Schedule()->Steps().size(), 3u);
  }
  for (const auto& member : dance.Audience())
    EXPECT_FALSE(member.IsActive());
  for (std::int32_t kind = 1; kind <= 4; ++kind)
    EXPECT_FALSE(player.KindFlag(kind)) << kind;
  EXPECT_EQ(player.state, 0);
  EXPECT_FALSE(player.KnowsDance());
}

TEST_F(DanceTest, DanceEndsAtItsLastStepWithoutWatchingInIt) {
  for (std::int32_t frames : {1, 3, 1000}) {
    player.Init(1000, 280, 2300, 0, false, false);
    // Loses 0.1 a step from 100, so it stays for more than 1000 steps.
    auto member = MakeNormal({.state = 1, .favourite = 1, .tolerated = 2, .interest = 100});
    BeginWith({member.get()}, frames);
    Steps(frames - 1, 3);
    EXPECT_EQ(dance.FramesLeft(), 1);
    EXPECT_TRUE(dance.Audience()[0].IsActive()) << frames;
    EXPECT_EQ(player.state, 27) << frames;
    EXPECT_TRUE(player.KnowsDance()) << frames;
    EXPECT_EQ(player.Cash(), 3000) << frames;
    const float interest = member->Interest();
    Steps(1, 3);
    EXPECT_EQ(member->Interest(), interest) << frames;
    EXPECT_FALSE(dance.Audience()[0].IsActive()) << frames;
    EXPECT_EQ(member->state, 3) << frames;
    EXPECT_EQ(player.Cash(), 3450) << frames;
    EXPECT_EQ(player.state, 0) << frames;
    EXPECT_FALSE(player.KnowsDance()) << frames;
  }
}

TEST_F(DanceTest, CancelInTheLastUpdateButOneSendsEveryoneOnUnpaid) {
  auto a = MakeNormal({.state = 1});
  auto b = MakeNormal({.state = 2});
  BeginWith({a.get(), b.get()});
  Steps(998, 0);
  dance.Cancel();
  EXPECT_FALSE(player.KnowsDance());
  EXPECT_EQ(a->state, 1);
  EXPECT_EQ(b->state, 2);
  for (const Bypasser* member : {a.get(), b.get()}) {
    EXPECT_EQ(member->Cash(), 450);
    EXPECT_FALSE(member->Watching());
    EXPECT_TRUE(member->IsAvailable());
  }
  // Members that walked on are out of the dance's reach, even if it were stepped to its end.
  Steps(2, 0);
  EXPECT_EQ(player.Cash(), 3000);
  EXPECT_EQ(a->state, 1);
  EXPECT_EQ(b->state, 2);
  EXPECT_FALSE(Played(cashSound));
}

}  // namespace
