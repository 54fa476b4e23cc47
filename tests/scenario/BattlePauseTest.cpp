// Pause through the real executable: p stops everything of play, keys other than p do nothing
// meanwhile, the frame is still drawn with the pause picture, and p again resumes.
#include <gtest/gtest.h>

#include <string>

#include "tests/scenario/BattleTestSupport.h"

namespace {

using namespace tests::scenario;
using namespace tests::scenario::battle;

constexpr int kClick = 10;
constexpr int kPlay = kClick + kCountDown;
constexpr int kPause = kPlay + 150;
constexpr int kResume = kPause + 60;

class BattlePause : public BattleScenario {};

TEST_F(BattlePause, PFreezesPlayUntilPressedAgain) {
  const std::string script = StartGame(kClick) + Type(kPause, 'p') +
                             Hold(kRightKey, kPause + 10, kPause + 20) + Type(kPause + 30, 'b') +
                             Type(kPause + 31, 'q') + Type(kResume, 'p') +
                             Hold(kRightKey, kResume + 5, kResume + 15);
  const Outcome run = Play(script, kResume + 20,
                           "--shot " + std::to_string(kPause - 1) + ":playing.tif --shot " +
                               std::to_string(kPause) + ":paused.tif --shot " +
                               std::to_string(kPause + 40) + ":later.tif");
  ASSERT_EQ(run.code, 0) << run.err;
  const Trace& trace = run.trace;

  // The frame of p still runs its play, then stops.
  EXPECT_EQ(Game(trace[kPause - 1])["paused"].Int(), 0);
  EXPECT_EQ(Game(trace[kPause])["frame"].Int(), Game(trace[kPause - 1])["frame"].Int() + 1);
  const std::vector<double> frozen = Motion(trace[kPause]);
  for (int f = kPause; f <= kResume; ++f) {
    const Json frame = trace[f];
    EXPECT_EQ(Game(frame)["paused"].Int(), f < kResume ? 1 : 0) << "frame " << f;
    EXPECT_EQ(Motion(frame), frozen) << "frame " << f;
    if (f > kPause) {
      EXPECT_EQ(Sounds(frame), std::vector<long long>{}) << "frame " << f;
    }
  }
  // Play goes on from where it stopped, and takes keys again.
  EXPECT_EQ(Game(trace[kResume + 1])["frame"].Int(), Game(trace[kPause])["frame"].Int() + 1);
  EXPECT_EQ(Game(trace[kResume + 1])["dayTimer"].Int(), Game(trace[kPause])["dayTimer"].Int() - 1);
  EXPECT_GT(Performer(trace[kResume + 20])["x"].Float(), Performer(trace[kPause])["x"].Float());

  // The whole frame is still drawn, with the pause picture over it.
  const Image notice = Picture("Images/inter-pause.tif");
  const Image paused = Shot("paused.tif");
  const Image later = Shot("later.tif");
  EXPECT_GT(RegionMismatches(Shot("playing.tif"), 300, 100, notice, true), 0);
  EXPECT_EQ(RegionMismatches(paused, 300, 100, notice, true), 0);
  int changed = 0;
  for (int y = 0; y < 600; ++y) {
    for (int x = 0; x < 800; ++x)
      changed += ShotPixel(paused, x, y) != ShotPixel(later, x, y);
  }
  EXPECT_EQ(changed, 0);
  EXPECT_EQ(CashMismatches(paused, CashOf(trace[kPause])), 0);
}

}  // namespace
