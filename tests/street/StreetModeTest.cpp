// StreetModeTest.cpp -- the street handling both modes share: a new game's street clears the
// performance and dance records that pointed at the old street's passers-by before those go,
// and a hobo that is teaching sells no second lesson.
#include <cstdint>
#include <memory>

#include "game/actors/Dance.h"
#include "game/actors/Performance.h"
#include "game/actors/StreetList.h"
#include "game/street/StreetMode.h"
#include "tests/actors/AudienceFixture.h"

namespace {

using game::actors::Bypasser;

// The street handling both modes share, opened up to drive it directly.
class Street : public game::street::StreetMode {
 public:
  using StreetMode::BuyDance;
  using StreetMode::LoadSounds;
  using StreetMode::NewStreet;
  game::actors::StreetList& List() { return *street_; }

 private:
  // The frame's steps are not used here.
  void OpenStreet(bool) override {}
  void FreezePerformers() override {}
  void Play(const game::actors::FrameInput&) override {}
  void NewGame() override {}
};

using NewStreet = tests::AudienceFixture;

TEST_F(NewStreet, ClearsThePerformanceAndTheDanceBeforeTheOldPassersByGo) {
  Street street;
  street.NewStreet({}, {});
  street.List().Add(MakeNormal({.kind = 1}), 0);
  street.List().Add(MakeNormal({.kind = 2}), 0);
  street.List().Advance(1.0f);
  ASSERT_EQ(street.List().Active().size(), 2u);
  Bypasser* performedFor = street.List().Active().front();
  Bypasser* watching = street.List().Active().back();

  game::actors::Performance performance;
  performance.Begin(&player, performedFor, 1.0f);
  ASSERT_TRUE(performance.IsActive());
  game::actors::Dance dance;
  player.SetKnowsDance(true);
  player.SetState(27);
  dance.Begin(&player, {watching}, 1000, gongSound);
  ASSERT_EQ(dance.Audience().size(), 1u);

  // Under the sanitizers, any touch of a released passer-by here or later is a failure.
  street.NewStreet({&performance}, {&dance});
  EXPECT_TRUE(street.List().Active().empty());
  EXPECT_EQ(street.List().PendingCount(), 0);
  EXPECT_FALSE(performance.IsActive());
  EXPECT_EQ(performance.GetBypasser(), nullptr);
  EXPECT_EQ(performance.GetSchedule(), nullptr);
  EXPECT_TRUE(dance.Audience().empty());
  EXPECT_EQ(dance.GetPlayer(), nullptr);

  // The cleared records start afresh on the new street.
  street.List().Add(MakeNormal({.kind = 3}), 0);
  street.List().Advance(1.0f);
  ASSERT_EQ(street.List().Active().size(), 1u);
  performance.Begin(&player, street.List().Active().front(), 1.0f);
  EXPECT_TRUE(performance.IsActive());
}

TEST_F(NewStreet, AHoboTeachingSellsNoSecondLessonAndSellsAgainOnceItWalks) {
  Street street;
  street.LoadSounds();
  street.NewStreet({}, {});
  auto hobo = std::make_unique<Bypasser>();
  hobo->InitHobo(1000, 300, 1.0f, 1, 500);
  Bypasser* teacher = hobo.get();
  street.List().Add(std::move(hobo), 0);
  street.List().Advance(1.0f);
  ASSERT_EQ(street.List().Active().size(), 1u);

  // Two performers beside it, as on the two-player street; the first buys.
  game::actors::Player other;
  other.Init(1000, 280, 2300, 0, false, false);
  const std::int32_t cash = player.Cash();
  ASSERT_EQ(other.Cash(), cash);
  street.BuyDance(player);
  EXPECT_TRUE(player.KnowsDance());
  EXPECT_EQ(player.Cash(), cash - 500);
  EXPECT_EQ(teacher->state, 2);
  EXPECT_EQ(teacher->SavedState(), 1);
  EXPECT_FALSE(teacher->Selling());

  // The second cannot buy while it teaches: had it bought, the hobo would save its teaching
  // state as the one to return to, and teach for ever.
  street.BuyDance(other);
  EXPECT_FALSE(other.KnowsDance());
  EXPECT_EQ(other.Cash(), cash);
  EXPECT_EQ(teacher->SavedState(), 1);

  // Walking again, it offers lessons once more.
  teacher->SetState(teacher->SavedState());
  EXPECT_TRUE(teacher->Selling());
  street.BuyDance(other);
  EXPECT_TRUE(other.KnowsDance());
}

}  // namespace
