// Thieves through the real executable: whom they rob and of how much, and how they run off.
#include <gtest/gtest.h>

#include <string>

#include "tests/scenario/BattleTestSupport.h"

namespace {

using namespace tests::scenario;
using namespace tests::scenario::battle;

// In this street the first hobo asks 2500 and passes the performer before the first thief does.
constexpr int kClick = 24;
constexpr int kPlay = kClick + kCountDown;
// In this one the first hobo asks 3000, all the performer has, also before the first thief.
constexpr int kPoorClick = 14;
constexpr int kPoorPlay = kPoorClick + kCountDown;

class BattleThief : public BattleScenario {
 protected:
  // The first frame from `from` with the steal sound, 0 if none.
  static int Theft(const Trace& trace, int from) {
    return trace.Find([](const Json& f) { return Played(f, kStealSound); }, from);
  }
  // The first frame from `from` after which b surely reaches a selling hobo.
  static int HoboComes(const Trace& trace, int from) {
    return trace.Find(
        [](const Json& f) {
          return Game(f)["state"].Int() == 2 && SurelyNearest(f, 40, 50, IsSellingHobo);
        },
        from);
  }
  // The walking thieves within reach (10) of the performer's centre.
  static std::vector<Json> ThievesInReach(const Json& frame) {
    std::vector<Json> near;
    for (const Json& walker : Game(frame)["street"]["active"].Items()) {
      if (IsWalkingThief(walker) && Distance(frame, walker) <= 10.0f) near.push_back(walker);
    }
    return near;
  }
};

TEST_F(BattleThief, StandingPerformerLosesATenthToTheFirstThiefInReach) {
  const Trace& trace = Watch(kClick, kPlay + 1100);
  const int t = Theft(trace, kPlay);
  ASSERT_NE(t, 0) << "no thief came by";
  const Json before = trace[t - 1];
  const Json now = trace[t];

  ASSERT_GE(CashOf(before), 1000);
  EXPECT_EQ(CashOf(now), CashOf(before) - CashOf(before) / 10);
  EXPECT_EQ(Performer(now)["state"].Int(), 0);
  // It robs as soon as it comes within 10 of the standing performer.
  for (int f = kPlay; f < t - 1; ++f) {
    const Json frame = trace[f];
    ASSERT_EQ(Performer(frame)["state"].Int(), 0);
    EXPECT_TRUE(ThievesInReach(frame).empty()) << "frame " << f;
  }
  const std::vector<Json> reach = ThievesInReach(before);
  ASSERT_EQ(reach.size(), 1u);
  const Json& walking = reach[0];
  const long long id = walking["id"].Int();

  // It runs on in its direction at speed 6 and never robs again.
  const Json ran = Walker(now, id).value();
  const bool left = walking["state"].Int() == 0;
  EXPECT_EQ(ran["state"].Int(), left ? 2 : 3);
  EXPECT_EQ(ran["speed"].Float(), 6.0f);
  EXPECT_EQ(ran["x"].Float(), walking["x"].Float() + (left ? -6.0f : 6.0f));
  for (int f = t + 1; f <= trace.Frames(); ++f) {
    const Json frame = trace[f];
    const std::optional<Json> thief = Walker(frame, id);
    if (!thief) break;
    EXPECT_EQ((*thief)["state"].Int(), left ? 2 : 3);
    EXPECT_FALSE(Played(frame, kStealSound)) << "frame " << f;
  }
}

TEST_F(BattleThief, BelowAThousandTheLossIsAHundred) {
  const Trace& watched = Watch(kClick, kPlay + 1100);
  const int hobo = HoboComes(watched, kPlay);
  const int t = Theft(watched, kPlay);
  ASSERT_TRUE(hobo != 0 && t > hobo + 1);
  const Outcome run = Play(StartGame(kClick) + Type(hobo + 1, 'b'), t + 5);
  ASSERT_EQ(run.code, 0) << run.err;

  const long long left = CashOf(run.trace[hobo + 1]);
  ASSERT_LT(left, 1000) << "the lesson leaves less than 1000";
  ASSERT_GT(left, 100);
  EXPECT_EQ(Theft(run.trace, hobo + 2), t);
  EXPECT_EQ(CashOf(run.trace[t]), left - 100);
}

TEST_F(BattleThief, WalkingPerformerIsPassedBy) {
  const Trace& watched = Watch(kClick, kPlay + 1100);
  const int t = Theft(watched, kPlay);
  ASSERT_NE(t, 0);
  // Walk towards the thief through the frames it would have robbed in, and stop beyond it.
  const bool thiefWalksLeft = ThievesInReach(watched[t - 1]).at(0)["state"].Int() == 0;
  const Outcome run =
      Play(StartGame(kClick) + Hold(thiefWalksLeft ? kRightKey : kLeftKey, t - 8, t + 8), t + 200);
  ASSERT_EQ(run.code, 0) << run.err;

  int walkedPast = 0;
  for (int f = kPlay; f <= run.trace.Frames(); ++f) {
    const Json frame = run.trace[f];
    EXPECT_FALSE(Played(frame, kStealSound)) << "frame " << f;
    const long long state = Performer(frame)["state"].Int();
    walkedPast += (state == 1 || state == 2) && !ThievesInReach(frame).empty();
  }
  EXPECT_GT(walkedPast, 0) << "the thief was within reach while the performer walked";
  EXPECT_EQ(CashOf(run.trace[run.trace.Frames()]), 3000);
}

TEST_F(BattleThief, PennilessPerformerIsPassedBy) {
  const Trace& watched = Watch(kPoorClick, kPoorPlay + 1300);
  const int hobo = HoboComes(watched, kPoorPlay);
  const int t = Theft(watched, kPoorPlay);
  ASSERT_TRUE(hobo != 0 && t > hobo + 1);
  const Outcome run = Play(StartGame(kPoorClick) + Type(hobo + 1, 'b'), t + 50);
  ASSERT_EQ(run.code, 0) << run.err;
  ASSERT_EQ(CashOf(run.trace[hobo + 1]), 0) << "the lesson costs all the performer has";

  EXPECT_EQ(Theft(run.trace, hobo + 1), 0);
  const std::vector<Json> reach = ThievesInReach(run.trace[t - 1]);
  ASSERT_EQ(reach.size(), 1u);
  const Json passing = Walker(run.trace[t], reach[0]["id"].Int()).value();
  EXPECT_EQ(passing["state"].Int(), reach[0]["state"].Int());
  EXPECT_EQ(passing["speed"].Float(), reach[0]["speed"].Float());
  EXPECT_EQ(CashOf(run.trace[t + 50]), 0);
}

}  // namespace
