// One-to-one performances through the real executable: following a passer-by, offering at the
// last walk picture the performance its kind favours today and being paid its schedule in
// instalments, or offering one it does not want and falling.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "tests/scenario/BattleTestSupport.h"

namespace {

using namespace tests::scenario;
using namespace tests::scenario::battle;

constexpr int kClick = 10;
constexpr int kPlay = kClick + kCountDown;

// The passer-by that walks up to the standing performer first, and what the street knows of it.
struct Meeting {
  int frame = 0;  // the performer may ask in the next frame
  long long id = -1;
  long long kind = 0;
  float speed = 0;
  std::vector<long long> amounts, thresholds;
  long long favoured = 0;  // the performance its kind wants today
  bool walksRight = false;
};

class BattlePerformance : public BattleScenario {
 protected:
  // Watches a run without input for the first passer-by a performance would surely take.
  Meeting Meet() {
    const Trace& probe = Watch(kClick, kPlay + 1200);
    Meeting m;
    m.frame = probe.Find(
        [](const Json& frame) {
          return Game(frame)["state"].Int() == 2 && Performer(frame)["state"].Int() == 0 &&
                 SurelyNearest(frame, 40, 50, IsAvailable).has_value();
        },
        kPlay + 1);
    if (m.frame == 0) return m;
    const Json walker = *SurelyNearest(probe[m.frame], 40, 50, IsAvailable);
    m.walksRight = walker["state"].Int() == 2;
    m.id = walker["id"].Int();
    m.kind = walker["kind"].Int();
    m.speed = walker["speed"].Float();
    const Json created = Created(probe, m.id);
    for (const Json& step : created["schedule"].Items()) {
      m.amounts.push_back(step[0].Int());
      m.thresholds.push_back(step[1].Int());
    }
    m.favoured = Game(probe[kPlay])["interest"].Ints()[static_cast<std::size_t>(m.kind - 1)];
    return m;
  }
};

// Following right, the offer is taken when the previous frame showed walk picture 10.
constexpr long long kLastWalkRight = 10;
const std::set<long long> kFollowing{8, 9};
const std::set<long long> kPerformingRight{15, 20, 25};

TEST_F(BattlePerformance, FavouredOfferIsPaidTheScheduleAtItsThresholds) {
  const Meeting m = Meet();
  ASSERT_NE(m.frame, 0) << "nobody came by";
  // Walking right from the performer's place, it stays on the street through its schedule.
  ASSERT_TRUE(m.walksRight);
  ASSERT_EQ(m.amounts.size(), 3u);
  const int ask = m.frame + 1;
  const int last = ask + 1150;
  const Outcome run = Play(StartGame(kClick) + Type(ask, 'q') +
                               Hold(PerformanceKey(static_cast<int>(m.favoured)), ask, ask + 1100),
                           last, "--shot " + std::to_string(last) + ":end.tif");
  ASSERT_EQ(run.code, 0) << run.err;
  const Trace& trace = run.trace;

  // q: the performer follows at the passer-by's pace.
  EXPECT_EQ(Performer(trace[ask])["state"].Int(), 9);
  EXPECT_EQ(Performer(trace[ask])["follow"].Float(), m.speed);
  EXPECT_EQ(Walker(trace[ask], m.id).value()["engaged"].Int(), 1);

  // The held key counts at the first showing of the last walk picture.
  const int offer = trace.Find(
      [](const Json& f) { return kFollowing.count(Performer(f)["state"].Int()) == 0; }, ask);
  ASSERT_NE(offer, 0);
  EXPECT_EQ(Performer(trace[offer - 1])["img"].Int(), kLastWalkRight);
  for (int f = ask; f < offer - 1; ++f)
    EXPECT_NE(Performer(trace[f])["img"].Int(), kLastWalkRight) << "frame " << f;
  EXPECT_EQ(Performer(trace[offer])["state"].Int(), 13 + 5 * m.favoured) << "the lead-in";

  // One step of progress per frame of performing; each threshold reached pays its amount.
  long long steps = 0;
  std::size_t paid = 0;
  for (int f = offer; f <= trace.Frames() && paid < 3; ++f) {
    const Json now = trace[f];
    const Json before = trace[f - 1];
    SCOPED_TRACE("frame " + std::to_string(f));
    steps += kPerformingRight.count(Performer(now)["state"].Int());
    const Json walker = Walker(now, m.id).value();
    const long long drop = Walker(before, m.id).value()["cash"].Int() - walker["cash"].Int();
    if (drop == 0) {
      EXPECT_EQ(Performer(now)["kinds"][static_cast<int>(m.kind - 1)].Int(), paid > 0 ? 1 : 0);
      continue;
    }
    const bool lastStep = paid == 2;
    EXPECT_EQ(drop, m.amounts[paid]);
    EXPECT_EQ(CashOf(now) - CashOf(before), m.amounts[paid]);
    EXPECT_EQ(Sounds(now), std::vector<long long>{kCashSound});
    // The last payment stands the performer, so that frame is not counted above.
    EXPECT_EQ(steps + (lastStep ? 1 : 0), m.thresholds[paid]);
    EXPECT_EQ(walker["state"].Int(), 4) << "pays walking right";
    EXPECT_EQ(Performer(now)["kinds"][static_cast<int>(m.kind - 1)].Int(), 1);
    if (lastStep) {
      EXPECT_EQ(Performer(now)["state"].Int(), 0);
      EXPECT_EQ(walker["engaged"].Int(), 0);
      EXPECT_EQ(walker["cash"].Int(), 0);
      EXPECT_EQ(walker["progress"].Int(), m.thresholds[2]);
    }
    ++paid;
  }
  EXPECT_EQ(paid, 3u);

  // The status display shows the paying kind's portrait and the cash.
  const Image shot = Shot("end.tif");
  const Image portrait = Picture("Images/Bypasser/Normal" + std::to_string(m.kind) + "/normal" +
                                 std::to_string(m.kind) + "-portrait.tif");
  EXPECT_EQ(RegionMismatches(shot, 675, 51 + 26 * static_cast<int>(m.kind - 1), portrait, false),
            0);
  EXPECT_EQ(CashMismatches(shot, CashOf(trace[last])), 0);
}

TEST_F(BattlePerformance, UnwantedOfferCostsTwentyAndEndsThePerformance) {
  const Meeting m = Meet();
  ASSERT_NE(m.frame, 0) << "nobody came by";
  ASSERT_TRUE(m.walksRight);
  const int ask = m.frame + 1;
  const int unwanted = static_cast<int>((m.favoured + 1) % 3);
  const Outcome run =
      Play(StartGame(kClick) + Type(ask, 'q') + Hold(PerformanceKey(unwanted), ask, ask + 200),
           ask + 250);
  ASSERT_EQ(run.code, 0) << run.err;
  const Trace& trace = run.trace;

  const int offer = trace.Find(
      [](const Json& f) { return kFollowing.count(Performer(f)["state"].Int()) == 0; }, ask);
  ASSERT_NE(offer, 0);
  EXPECT_EQ(Performer(trace[offer - 1])["img"].Int(), kLastWalkRight);
  const Json fall = trace[offer];
  EXPECT_EQ(Performer(fall)["state"].Int(), 6) << "falls facing right";
  EXPECT_EQ(CashOf(fall), CashOf(trace[offer - 1]) - 20);
  EXPECT_EQ(Sounds(fall), std::vector<long long>{kWrongSound});
  EXPECT_EQ(Performer(fall)["kinds"].Ints(), (std::vector<long long>{0, 0, 0, 0}));
  const Json walker = Walker(fall, m.id).value();
  EXPECT_EQ(walker["engaged"].Int(), 0);
  EXPECT_EQ(walker["state"].Int(), 2) << "walks on";
  EXPECT_EQ(walker["cash"].Int(), Created(trace, m.id)["cash"].Int());

  // The fall ends standing, where it began.
  const int up = trace.Find([](const Json& f) { return Performer(f)["state"].Int() != 6; }, offer);
  ASSERT_NE(up, 0);
  EXPECT_EQ(Performer(trace[up])["state"].Int(), 0);
  EXPECT_EQ(Performer(trace[up])["x"].Float(), Performer(fall)["x"].Float());
}

}  // namespace
