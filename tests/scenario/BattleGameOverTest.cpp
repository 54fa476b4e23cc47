// A failed day through the real executable: the game stops at the day's end with the game-over
// pictures, and p starts a new game seeded by the final cash, with a full first day and batch.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/scenario/BattleTestSupport.h"

namespace {

using namespace tests::scenario;
using namespace tests::scenario::battle;

constexpr int kPlay = kWorkingDayClick + kCountDown;
constexpr int kDayEnd = kPlay + 4699;
constexpr int kAgain = kDayEnd + 40;  // p

class BattleGameOver : public BattleScenario {};

TEST_F(BattleGameOver, ThreeKindsFailTheDayAndPStartsAGameSeededByTheCash) {
  // Three of the day's performances; at game over only p does anything.
  const std::string script = StartGame(kWorkingDayClick) + Performances(3) +
                             Hold(kRightKey, kDayEnd + 5, kDayEnd + 15) + Type(kDayEnd + 20, 'b') +
                             Type(kDayEnd + 21, 'q') + Type(kAgain, 'p');
  const Outcome run =
      Play(script, kAgain + 5002, "--shot " + std::to_string(kDayEnd + 30) + ":over.tif");
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(dir.Read("debug.txt").find("Vorel Error"), std::string::npos);
  const Trace& trace = run.trace;

  const Json last = trace[kDayEnd - 1];
  const Json over = trace[kDayEnd];
  ASSERT_EQ(Game(last)["state"].Int(), 2);
  ASSERT_EQ(Game(last)["dayTimer"].Int(), 1);
  const std::vector<long long> kinds = Performer(last)["kinds"].Ints();
  ASSERT_EQ(std::count(kinds.begin(), kinds.end(), 1), 3);
  ASSERT_GT(CashOf(last), 3000) << "the missing kind alone fails the day";

  EXPECT_EQ(Game(over)["state"].Int(), 3);
  EXPECT_EQ(Game(over)["dayTimer"].Int(), 0);
  EXPECT_EQ(Game(over)["frame"].Int(), 4699);
  const std::vector<double> stopped = Motion(over);
  for (int f = kDayEnd + 1; f < kAgain; ++f) {
    const Json frame = trace[f];
    ASSERT_EQ(Game(frame)["state"].Int(), 3);
    EXPECT_EQ(Motion(frame), stopped) << "frame " << f;
  }

  // The game-over title, the invitation to play again and, with fewer than 5 days passed, the
  // lose picture, over the street and the status display.
  const Image shot = Shot("over.tif");
  EXPECT_EQ(RegionMismatches(shot, 200, 100, Picture("Images/inter-gameover.tif"), true), 0);
  EXPECT_EQ(RegionMismatches(shot, 200, 300, Picture("Images/inter-again.tif"), false), 0);
  EXPECT_EQ(RegionMismatches(shot, 250, 200, Picture("Images/inter-lose.tif"), true), 0);
  EXPECT_EQ(CashMismatches(shot, CashOf(over)), 0);

  // p: a new game at once, seeded by the cash, performer and street set up again.
  const Json fresh = trace[kAgain];
  const Json& game = Game(fresh);
  EXPECT_EQ(game["state"].Int(), 1);
  EXPECT_EQ(game["frame"].Int(), 0);
  EXPECT_EQ(game["seed"].Int(), CashOf(over));
  EXPECT_EQ(game["light"].Int(), 2);
  EXPECT_EQ(game["clock"].Int(), 300);
  EXPECT_EQ(game["dayTimer"].Int(), 5000);
  EXPECT_EQ(game["paused"].Int(), 0);
  EXPECT_EQ(game["pace"].Float(), 0.0f);
  EXPECT_EQ(game["item1"].Int(), -1);
  EXPECT_EQ(game["item2"].Int(), -1);
  EXPECT_EQ(Sounds(fresh), std::vector<long long>{kThumpSound});
  const Json& performer = Performer(fresh);
  EXPECT_EQ(performer["cash"].Int(), 3000);
  EXPECT_EQ(performer["x"].Float(), 550.0f);
  EXPECT_EQ(performer["state"].Int(), 0);
  EXPECT_EQ(performer["level"].Int(), 0);
  EXPECT_EQ(performer["kinds"].Ints(), (std::vector<long long>{0, 0, 0, 0}));
  EXPECT_EQ(performer["dance"].Int(), 0);
  EXPECT_EQ(game["street"]["clock"].Int(), 0);
  EXPECT_EQ(game["street"]["active"].Size(), 0u);

  // This time the batch holds 50, numbered afresh, released from the first frame of play.
  const std::vector<Json> batch = Spawned(fresh);
  ASSERT_EQ(batch.size(), 50u + 5u + 3u);
  EXPECT_EQ(game["street"]["pending"].Int(), 58);
  std::size_t n = 0;
  for (int i = 0; i < 50; ++i) {
    std::vector<int> types{0};
    if (i % 12 == 0) types.push_back(1);
    if (i % 20 == 0) types.push_back(2);
    for (int type : types) {
      EXPECT_EQ(batch[n]["id"].Int(), static_cast<long long>(n));
      EXPECT_EQ(batch[n]["type"].Int(), type) << "index " << i;
      EXPECT_EQ(batch[n]["release"].Int(), i * 100) << "index " << i;
      ++n;
    }
  }

  // The count-down again, then a first day of 4700 frames of play.
  EXPECT_EQ(Game(trace[kAgain + 100])["light"].Int(), 1);
  EXPECT_TRUE(Played(trace[kAgain + 100], kThumpSound));
  EXPECT_EQ(Game(trace[kAgain + 200])["light"].Int(), 0);
  EXPECT_TRUE(Played(trace[kAgain + 200], kThumpSound));
  const Json play = trace[kAgain + kCountDown];
  EXPECT_EQ(Game(play)["state"].Int(), 2);
  EXPECT_EQ(Game(play)["dayTimer"].Int(), 4700);
  EXPECT_TRUE(Played(play, kMusic));
  EXPECT_EQ(Game(trace[kAgain + 4999])["state"].Int(), 2);
  const Json end = trace[kAgain + 5000];
  EXPECT_EQ(Game(end)["state"].Int(), 3) << "no kind paid: the day fails";
  EXPECT_EQ(Game(end)["dayTimer"].Int(), 0);
  EXPECT_EQ(Game(end)["frame"].Int(), 4700);
}

}  // namespace
