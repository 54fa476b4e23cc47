// Dances through the real executable: buying the lesson from a hobo, then dancing it for the
// passers-by around the performer until those still watching pay everything they carry.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/scenario/BattleTestSupport.h"

namespace {

using namespace tests::scenario;
using namespace tests::scenario::battle;

// In this street the first hobo comes by early, with a price the performer can pay, and a few
// passers-by gather round soon after.
constexpr int kClick = 24;
constexpr int kPlay = kClick + kCountDown;

class BattleDance : public BattleScenario {
 protected:
  void SetUp() override {
    const Trace& watched = Watch(kClick, kPlay + 1100);
    hobo_ = watched.Find(
        [](const Json& f) {
          return Game(f)["state"].Int() == 2 && SurelyNearest(f, 40, 50, IsSellingHobo);
        },
        kPlay);
    ASSERT_NE(hobo_, 0) << "no hobo came by";
    hoboId_ = SurelyNearest(watched[hobo_], 40, 50, IsSellingHobo).value()["id"].Int();
    buy_ = hobo_ + 1;
  }

  int hobo_ = 0;  // after this frame b reaches the hobo
  long long hoboId_ = -1;
  int buy_ = 0;
};

TEST_F(BattleDance, LessonBoughtFromAHoboForItsPrice) {
  const Outcome run = Play(StartGame(kClick) + Type(buy_, 'b'), buy_ + 100,
                           "--shot " + std::to_string(hobo_) + ":before.tif --shot " +
                               std::to_string(buy_) + ":after.tif");
  ASSERT_EQ(run.code, 0) << run.err;
  const Json before = run.trace[hobo_];
  const Json bought = run.trace[buy_];
  const long long price = Created(run.trace, hoboId_)["price"].Int();

  EXPECT_EQ(CashOf(bought), CashOf(before) - price);
  EXPECT_EQ(Performer(before)["dance"].Int(), 0);
  EXPECT_EQ(Performer(bought)["dance"].Int(), 1);
  EXPECT_EQ(Sounds(bought), std::vector<long long>{kSpinSound});
  const long long walking = Walker(before, hoboId_).value()["state"].Int();
  EXPECT_EQ(Walker(bought, hoboId_).value()["state"].Int(), 2) << "teaches";
  // It stands while it teaches, then walks on as before.
  const int walksOn = run.trace.Find(
      [&](const Json& f) { return Walker(f, hoboId_).value()["state"].Int() != 2; }, buy_);
  ASSERT_NE(walksOn, 0);
  EXPECT_EQ(Walker(run.trace[walksOn], hoboId_).value()["state"].Int(), walking);
  EXPECT_EQ(Walker(run.trace[walksOn - 1], hoboId_).value()["x"].Float(),
            Walker(bought, hoboId_).value()["x"].Float());

  // The status display shows the owned dance.
  const Image owned = Picture("Images/inter-dance.tif");
  EXPECT_GT(RegionMismatches(Shot("before.tif"), 40, 70, owned, true), 0);
  EXPECT_EQ(RegionMismatches(Shot("after.tif"), 40, 70, owned, true), 0);
  EXPECT_EQ(CashMismatches(Shot("after.tif"), CashOf(bought)), 0);
}

TEST_F(BattleDance, WatchersToTheEndPayAllTheyCarryAndTheOthersWalkOn) {
  // Where the crowd gathers, found in a run that only buys the lesson.
  const Outcome bought = Play(StartGame(kClick) + Type(buy_, 'b'), buy_ + 700);
  ASSERT_EQ(bought.code, 0) << bought.err;
  const int gathered =
      bought.trace.Find([](const Json& f) { return SureAudience(f, 200).size() >= 3; }, buy_);
  ASSERT_NE(gathered, 0) << "no crowd came by";
  const std::vector<Json> crowd = SureAudience(bought.trace[gathered], 200);
  const int again = bought.trace.Find(
      [&](const Json& f) { return Walker(f, hoboId_).value()["state"].Int() != 2; }, buy_);
  ASSERT_TRUE(again != 0 && again < gathered);
  ASSERT_TRUE(SurelyNearest(bought.trace[again], 40, 50, IsSellingHobo));

  // b again while owning the dance; r when the crowd is there; then the first watcher's
  // favourite move held to the end.
  const int dance = gathered + 1;
  const int move = static_cast<int>(Created(bought.trace, crowd[0]["id"].Int())["favourite"].Int());
  const Outcome run = Play(StartGame(kClick) + Type(buy_, 'b') + Type(again + 1, 'b') +
                               Type(dance, 'r') + Hold(DanceKey(move), dance + 1, dance + 1001),
                           dance + 1005);
  ASSERT_EQ(run.code, 0) << run.err;
  const Trace& trace = run.trace;

  const Json rebuy = trace[again + 1];
  EXPECT_EQ(CashOf(rebuy), CashOf(trace[again]));
  EXPECT_FALSE(Played(rebuy, kSpinSound));
  EXPECT_NE(Walker(rebuy, hoboId_).value()["state"].Int(), 2);

  // The gong, and every available passer-by within 200 stops to watch.
  const Json start = trace[dance];
  EXPECT_EQ(Sounds(start), std::vector<long long>{kGongSound});
  EXPECT_EQ(Performer(start)["state"].Int(), 27);
  std::map<long long, Json> joined;  // by id, as they were when they joined
  for (const Json& walker : crowd)
    joined.emplace(walker["id"].Int(), walker);
  for (const Json& walker : Game(start)["street"]["active"].Items()) {
    const bool member = joined.count(walker["id"].Int()) > 0;
    EXPECT_EQ(walker["watching"].Int(), member ? 1 : 0) << "passer-by " << walker["id"].Int();
    if (member) {
      EXPECT_EQ(walker["state"].Int(), 0);
    }
  }

  // 1000 frames of dancing; a watcher whose interest runs out walks on unpaid.
  std::map<long long, int> left;
  for (int f = dance; f < dance + 1000; ++f) {
    const Json frame = trace[f];
    SCOPED_TRACE("frame " + std::to_string(f));
    const long long state = Performer(frame)["state"].Int();
    ASSERT_TRUE(state >= 27 && state <= 33);
    EXPECT_EQ(CashOf(frame), CashOf(start));
    for (const auto& [id, was] : joined) {
      const Json walker = Walker(frame, id).value();
      if (left.count(id) || walker["watching"].Int() == 1) continue;
      left[id] = f;
      EXPECT_EQ(walker["interest"].Float(), 0.0f);
      EXPECT_EQ(walker["state"].Int(), was["state"].Int());
      EXPECT_EQ(walker["cash"].Int(), was["cash"].Int());
    }
  }
  const Json lastWatched = trace[dance + 999];
  const Json end = trace[dance + 1000];
  long long paid = 0;
  for (const auto& [id, was] : joined) {
    const Json walker = Walker(end, id).value();
    EXPECT_EQ(walker["watching"].Int(), 0);
    if (left.count(id)) {
      EXPECT_EQ(walker["cash"].Int(), was["cash"].Int()) << "passer-by " << id;
      continue;
    }
    paid += Walker(lastWatched, id).value()["cash"].Int();
    EXPECT_EQ(walker["cash"].Int(), 0);
    EXPECT_EQ(walker["state"].Int(), was["state"].Int() + 2) << "pays walking on";
  }
  EXPECT_FALSE(left.empty()) << "this crowd has someone who loses interest";
  EXPECT_LT(left.size(), joined.size()) << "and someone who watches to the end";
  EXPECT_GT(Walker(lastWatched, crowd[0]["id"].Int()).value()["interest"].Float(),
            crowd[0]["interest"].Float());
  EXPECT_EQ(CashOf(end), CashOf(lastWatched) + paid);
  EXPECT_TRUE(Played(end, kCashSound));
  EXPECT_EQ(Performer(end)["state"].Int(), 0);
  EXPECT_EQ(Performer(end)["dance"].Int(), 0);
}

}  // namespace
