// A whole two-player game through the real executable: cash found on the street, a pause, the
// clock of 20000 frames of play, the game-over screen with the richer performer as the winner,
// and the next game, its street drawn where the generator left off. The generator's draws are
// followed by a model of their own, frame by frame.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "tests/scenario/Battle2TestSupport.h"

namespace {

using namespace tests::scenario;
using namespace tests::scenario::battle2;
using engine::graphics::Image;

// In this game the first cash item falls at street x 540 in frame of play 100.
constexpr int kClick = 18;
constexpr int kPlay = kClick + kCountDown;
constexpr int kItemAt = 540;
constexpr int kOnTheItem = kPlay + 151;  // player 1 steps from centre 545 to 540
constexpr int kPause = kPlay + 1000;
constexpr int kResume = kPause + 100;
constexpr int kLastOfPlay = kPlay + kFramesOfPlay + (kResume - kPause);
constexpr int kAgain = kLastOfPlay + 10;

class Battle2Game : public Scenario {
 protected:
  // Pixels of the cash display of a view with screen y `sy` that do not show `cash`.
  static int CashMismatches(const Image& shot, int sy, long long cash) {
    int mismatches =
        RegionMismatches(shot, 0, sy, Picture("Images/Numbers/cash-symbol.tif"), false);
    for (int n = 10; n >= 1; --n, cash /= 10) {
      const std::string digit = "Images/Numbers/cash-" + std::to_string(cash % 10) + ".tif";
      mismatches += RegionMismatches(shot, 25 * n, sy, Picture(digit), false);
    }
    return mismatches;
  }
};

TEST_F(Battle2Game, WholeGameEndsAfter20000FramesOfPlayWithTheRicherAsWinner) {
  // Player 1 walks 41 steps left to centre 545, waits beside the item, then takes one step on.
  const std::string script = StartTwoPlayers(kClick) + Hold(kP1Left, kPlay + 2, kPlay + 43) +
                             Hold(kP1Left, kOnTheItem - 1, kOnTheItem) + Type(kPause, 'p') +
                             Type(kResume, 'p') + Type(kAgain, 'p');
  const std::string shots = "--shot " + std::to_string(kPause + 50) + ":paused.tif --shot " +
                            std::to_string(kLastOfPlay) + ":last.tif --shot " +
                            std::to_string(kLastOfPlay + 1) + ":over.tif";
  const Outcome run = Play(script, kAgain + 1, shots);
  ASSERT_EQ(run.code, 0) << run.err;
  const Trace& trace = run.trace;

  // The model: the favourites of the day seeded at the start of play, then every 100 frames of
  // play r(6) and maybe a place for item1, r(8) and maybe a place for item2, and r(30) or r(40)
  // for each item picked up (strictly within 5 of a performer's centre, player 1 first).
  Generator g;
  g.Seed(static_cast<std::uint32_t>(Game(trace[kPlay])["seed"].Int()));
  for (int k = 0; k < 4; ++k)
    EXPECT_EQ(Game(trace[kPlay])["interest"][k].Int(), g.R(3));
  int item[2] = {-1, -1};
  int pickups = 0;
  long long played = 0;
  for (int f = kPlay + 1; f <= kLastOfPlay; ++f) {
    const Json& now = trace[f];
    const Json& before = trace[f - 1];
    SCOPED_TRACE("frame " + std::to_string(f));
    ASSERT_EQ(Game(now)["seed"].Int(), Game(before)["seed"].Int() + 1) << "even while paused";
    const bool paused = f > kPause && f <= kResume;
    ASSERT_EQ(Game(now)["frame"].Int(), played + (paused ? 0 : 1));
    if (paused) {
      EXPECT_EQ(Game(now)["paused"].Int(), f < kResume ? 1 : 0);
      EXPECT_EQ(Game(now)["street"]["clock"].Int(), Game(before)["street"]["clock"].Int());
      for (int n : {1, 2}) {
        EXPECT_EQ(Performer(now, n)["img"].Int(), Performer(before, n)["img"].Int());
      }
      continue;
    }
    played = Game(now)["frame"].Int();
    // Nobody is paid by four kinds: no reckoning ever comes.
    ASSERT_EQ(Game(now)["dayTimer"].Int(), -1 - played);
    ASSERT_EQ(Game(now)["clock"].Int(), 200 - played / 100);
    ASSERT_EQ(Game(now)["pace"].Float(), 0.0f);
    if (played % 100 == 0) {
      if (g.R(6) == 0 && item[0] < 0) item[0] = 200 + g.R(2100);
      if (g.R(8) == 0 && item[1] < 0) item[1] = 200 + g.R(2100);
    }
    for (int n : {1, 2}) {
      long long found = 0;
      for (int s : {0, 1}) {
        if (item[s] < 0 || std::abs(item[s] - static_cast<double>(CentreOf(now, n))) >= 5.0)
          continue;
        item[s] = -1;
        found += s == 0 ? 20 + g.R(30) : 10 + g.R(40);
        ++pickups;
        EXPECT_TRUE(Played(now, battle::kCashSound));
      }
      if (found != 0 && !Played(now, battle::kStealSound)) {
        EXPECT_EQ(CashOf(now, n), CashOf(before, n) + found) << "player " << n;
      }
    }
    ASSERT_EQ(Game(now)["item1"].Int(), item[0]);
    ASSERT_EQ(Game(now)["item2"].Int(), item[1]);
  }
  EXPECT_GE(pickups, 1);

  // Exactly 5 from the centre is not close enough; the step onto the item is.
  ASSERT_EQ(Game(trace[kPlay + 100])["item1"].Int(), kItemAt);
  for (int f = kPlay + 100; f < kOnTheItem; ++f) {
    ASSERT_EQ(CentreOf(trace[f], 1), kItemAt + 5.0f);
    ASSERT_EQ(Game(trace[f])["item1"].Int(), kItemAt) << "frame " << f;
  }
  EXPECT_EQ(CentreOf(trace[kOnTheItem], 1), static_cast<float>(kItemAt));
  EXPECT_EQ(Game(trace[kOnTheItem])["item1"].Int(), -1);
  EXPECT_GT(CashOf(trace[kOnTheItem], 1), CashOf(trace[kOnTheItem - 1], 1));

  // Both halves show the pause notice.
  const Image pause = Picture("Images/inter-pause.tif");
  EXPECT_EQ(RegionMismatches(Shot("paused.tif"), 300, 50, pause, true), 0);
  EXPECT_EQ(RegionMismatches(Shot("paused.tif"), 300, 350, pause, true), 0);
  EXPECT_GT(RegionMismatches(Shot("last.tif"), 300, 50, pause, true), 0);

  // The clock runs out with frame of play 20000; that frame is still drawn as play and the
  // drawing ends the game, so the trace, written after it, already shows game over.
  const Json& last = trace[kLastOfPlay];
  EXPECT_EQ(Game(trace[kLastOfPlay - 1])["state"].Int(), 2);
  EXPECT_EQ(Game(trace[kLastOfPlay - 1])["clock"].Int(), 1);
  EXPECT_EQ(Game(last)["frame"].Int(), kFramesOfPlay);
  EXPECT_EQ(Game(last)["clock"].Int(), 0);
  EXPECT_EQ(Game(last)["state"].Int(), 3);
  for (int f = kLastOfPlay + 1; f < kAgain; ++f) {
    EXPECT_EQ(Game(trace[f])["frame"].Int(), kFramesOfPlay) << "frame " << f;
    EXPECT_EQ(Game(trace[f])["state"].Int(), 3) << "frame " << f;
  }

  const long long cash1 = CashOf(last, 1), cash2 = CashOf(last, 2);
  const Image playing = Shot("last.tif");
  const Image over = Shot("over.tif");
  // Each half carries the cash of its own performer.
  EXPECT_EQ(CashMismatches(playing, 0, cash1), 0);
  EXPECT_EQ(CashMismatches(playing, 300, cash2), 0);
  const Image title = Picture("Images/inter-gameover.tif");
  const Image again = Picture("Images/inter-again.tif");
  const Image wins1 = Picture("Images/inter-player1win.tif");
  const Image wins2 = Picture("Images/inter-player2win.tif");
  EXPECT_GT(RegionMismatches(playing, 200, 120, title, true), 0);
  EXPECT_EQ(RegionMismatches(over, 200, 120, title, true), 0);
  EXPECT_EQ(RegionMismatches(over, 200, 60, again, true), 0);
  EXPECT_EQ(RegionMismatches(over, 150, 220, wins1, true) == 0, cash1 >= cash2);
  EXPECT_EQ(RegionMismatches(over, 150, 320, wins2, true) == 0, cash2 >= cash1);

  // p: a new game seeded with both performers' cash, its street drawn on from where the
  // generator stands.
  const Json& next = trace[kAgain];
  EXPECT_EQ(Game(next)["seed"].Int(), cash1 + cash2);
  EXPECT_EQ(Game(next)["state"].Int(), 1);
  EXPECT_EQ(Game(next)["frame"].Int(), 0);
  EXPECT_EQ(Game(next)["clock"].Int(), 200);
  EXPECT_EQ(Game(next)["light"].Int(), 2);
  EXPECT_EQ(Game(next)["dayTimer"].Int(), -1);
  EXPECT_EQ(Game(next)["item1"].Int(), -1);
  EXPECT_EQ(Game(next)["item2"].Int(), -1);
  EXPECT_EQ(Sounds(next), std::vector<long long>{battle::kThumpSound});
  for (int n : {1, 2}) {
    EXPECT_EQ(CashOf(next, n), 3000);
    EXPECT_EQ(Performer(next, n)["x"].Float(), n == 1 ? 700.0f : 1500.0f);
  }
  ExpectStage(Spawned(next), DrawStage(g));
  EXPECT_EQ(Game(trace[kAgain + 1])["seed"].Int(), cash1 + cash2 + 1);
}

}  // namespace
