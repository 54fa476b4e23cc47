// Cash lying on the street through the real executable: where it appears, how it is drawn, and
// what the performer gets for walking onto it.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/scenario/BattleTestSupport.h"

namespace {

using namespace tests::scenario;
using namespace tests::scenario::battle;

// In this street both slots are filled within the first few hundred frames of play.
constexpr int kClick = 10;
constexpr int kPlay = kClick + kCountDown;

const char* const kSlots[2] = {"item1", "item2"};

struct Find {
  int frame = 0;  // the item lies on the street after this frame
  int slot = 0;   // 0 item1, 1 item2
  long long at = -1;
};

class BattleItem : public BattleScenario {
 protected:
  // The first frame from `from` with an item of a slot in `slots` (bit 1 item1, bit 2 item2).
  static Find FirstItem(const Trace& trace, int from, int slots) {
    Find found;
    found.frame = trace.Find(
        [&](const Json& f) {
          for (int s = 0; s < 2; ++s) {
            if ((slots >> s & 1) && Game(f)[kSlots[s]].Int() >= 0) {
              found.slot = s;
              return true;
            }
          }
          return false;
        },
        from);
    if (found.frame != 0) found.at = Game(trace[found.frame])[kSlots[found.slot]].Int();
    return found;
  }
  // Walks from where the performer stands in the frame of `item` onto the item and a little on.
  static std::string WalkTo(const Trace& trace, const Find& item) {
    const float centre = CentreOf(trace[item.frame]);
    const auto distance = static_cast<int>(std::ceil(std::abs(item.at - centre) / 5.0f));
    return Hold(item.at > centre ? kRightKey : kLeftKey, item.frame + 1, item.frame + 2 + distance);
  }
};

TEST_F(BattleItem, WalkingOntoCashPicksItUp) {
  const Trace& watched = Watch(kClick, kPlay + 1200);
  const Find first = FirstItem(watched, kPlay, 3);
  ASSERT_NE(first.frame, 0) << "no cash fell";
  const std::string firstWalk = WalkTo(watched, first);
  const Outcome walked = Play(StartGame(kClick) + firstWalk, kPlay + 1200);
  ASSERT_EQ(walked.code, 0) << walked.err;
  const Find second = FirstItem(walked.trace, first.frame + 1, first.slot == 0 ? 2 : 1);
  ASSERT_NE(second.frame, 0) << "no cash fell in the other slot";

  const int last = second.frame + 500;
  const Outcome run = Play(StartGame(kClick) + firstWalk + WalkTo(walked.trace, second), last,
                           "--shot " + std::to_string(second.frame) + ":item.tif");
  ASSERT_EQ(run.code, 0) << run.err;

  // An item is taken in the first frame that finds the performer's centre within 5 of it:
  // 20 to 49 for item1, 10 to 49 for item2, with the cash sound.
  int pickedUp[2] = {0, 0};
  for (int f = kPlay + 1; f <= last; ++f) {
    const Json before = run.trace[f - 1];
    const Json now = run.trace[f];
    for (int s = 0; s < 2; ++s) {
      const long long at = Game(before)[kSlots[s]].Int();
      if (at < 0) continue;
      const bool reached = std::abs(static_cast<double>(at) - CentreOf(now)) <= 5.0;
      SCOPED_TRACE(std::string(kSlots[s]) + " at frame " + std::to_string(f));
      ASSERT_EQ(Game(now)[kSlots[s]].Int(), reached ? -1 : at);
      if (!reached) continue;
      ++pickedUp[s];
      const long long gain = CashOf(now) - CashOf(before);
      EXPECT_GE(gain, s == 0 ? 20 : 10);
      EXPECT_LE(gain, 49);
      EXPECT_EQ(Sounds(now), std::vector<long long>{kCashSound});
    }
  }
  EXPECT_EQ(pickedUp[0], 1);
  EXPECT_EQ(pickedUp[1], 1);

  // The new item drawn on the street at y 345, scrolled with the performer.
  const Json shown = run.trace[second.frame];
  const float scroll = std::clamp(CentreOf(shown) - 400.0f, 0.0f, 1500.0f);
  const int left = static_cast<int>(static_cast<float>(second.at) - scroll);
  const Image cash = Picture("Images/item-cash.tif");
  // Nobody stands in front of it in this frame.
  auto covers = [&](float x, float y) {
    return x - scroll < left + cash.Width() && x - scroll + 100 > left &&
           y + 50 < 345 + cash.Height() && y + 150 > 345;
  };
  ASSERT_FALSE(covers(Performer(shown)["x"].Float(), Performer(shown)["y"].Float()));
  for (const Json& walker : Game(shown)["street"]["active"].Items())
    ASSERT_FALSE(covers(walker["x"].Float(), walker["y"].Float())) << walker["id"].Int();
  EXPECT_EQ(RegionMismatches(Shot("item.tif"), left, 345, cash, true), 0);
}

}  // namespace
