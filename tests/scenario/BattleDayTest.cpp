// The end of a working day through the real executable: a first day of 4699 frames of play,
// passed with all four kinds paying and more than 3000 cash, and what passing it brings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/scenario/BattleTestSupport.h"

namespace {

using namespace tests::scenario;
using namespace tests::scenario::battle;

constexpr int kPlay = kWorkingDayClick + kCountDown;
constexpr int kDayEnd = kPlay + 4699;

class BattleDay : public BattleScenario {};

TEST_F(BattleDay, FourKindsAndCashAbove3000PassTheFirstDayAfter4699Frames) {
  const Outcome run = Play(StartGame(kWorkingDayClick) + Performances(4), kDayEnd + 10,
                           "--shot " + std::to_string(kDayEnd - 1) + ":last.tif --shot " +
                               std::to_string(kDayEnd) + ":next.tif");
  ASSERT_EQ(run.code, 0) << run.err;
  const Trace& trace = run.trace;
  const Json last = trace[kDayEnd - 1];
  const Json next = trace[kDayEnd];

  ASSERT_EQ(Game(last)["dayTimer"].Int(), 1);
  ASSERT_EQ(Performer(last)["kinds"].Ints(), (std::vector<long long>{1, 1, 1, 1}));
  ASSERT_GT(CashOf(last), 3000);
  const long long performing = Performer(last)["state"].Int();
  ASSERT_TRUE(performing == 14 || performing == 15) << "the fourth performance still runs";

  // Passed: a new day of 5000 frames, one level more, livelier passers-by, the flags cleared.
  EXPECT_EQ(Game(next)["state"].Int(), 2);
  EXPECT_EQ(Game(next)["frame"].Int(), 4699);
  EXPECT_EQ(Game(next)["dayTimer"].Int(), 5000);
  EXPECT_TRUE(Played(next, kSpinSound));
  EXPECT_EQ(Performer(next)["level"].Int(), 1);
  EXPECT_EQ(Performer(next)["kinds"].Ints(), (std::vector<long long>{0, 0, 0, 0}));
  EXPECT_FLOAT_EQ(Game(next)["pace"].Float(), 0.25f);
  EXPECT_EQ(CashOf(next), CashOf(last)) << "passing a day costs nothing";
  // The running performance ends: the performer stands, the passer-by walks on free with the
  // progress it had.
  EXPECT_EQ(Performer(next)["state"].Int(), 0);
  const std::optional<Json> followed =
      SurelyNearest(last, 50, 100, [](const Json& walker) { return walker["engaged"].Int() == 1; });
  ASSERT_TRUE(followed.has_value());
  const Json freed = Walker(next, (*followed)["id"].Int()).value();
  EXPECT_EQ(freed["engaged"].Int(), 0);
  EXPECT_GT(freed["progress"].Int(), (*followed)["progress"].Int());

  // A batch of 50 with its thieves and hobos, released every 100 frames from now on.
  const std::vector<Json> batch = Spawned(next);
  ASSERT_EQ(batch.size(), 50u + 5u + 3u);
  const long long firstId = static_cast<long long>(Spawned(trace[kWorkingDayClick]).size());
  std::size_t n = 0;
  for (int i = 0; i < 50; ++i) {
    std::vector<int> types{0};
    if (i % 12 == 0) types.push_back(1);
    if (i % 20 == 0) types.push_back(2);
    for (int type : types) {
      EXPECT_EQ(batch[n]["id"].Int(), firstId + static_cast<long long>(n));
      EXPECT_EQ(batch[n]["type"].Int(), type) << "index " << i;
      EXPECT_EQ(batch[n]["release"].Int(), 4699 + i * 100) << "index " << i;
      ++n;
    }
  }
  // The first of them are on the street in the same frame.
  for (std::size_t k = 0; k < 3; ++k)
    EXPECT_TRUE(Walker(next, batch[k]["id"].Int()).has_value()) << "passer-by " << k;
  EXPECT_EQ(Game(next)["street"]["clock"].Int(), 4699);

  // The status display: an ability icon for the day passed, the kind portraits gone.
  const Image lastShot = Shot("last.tif");
  const Image nextShot = Shot("next.tif");
  const Image ability = Picture("Images/inter-ability.tif");
  EXPECT_GT(RegionMismatches(lastShot, 700, 150, ability, true), 0);
  EXPECT_EQ(RegionMismatches(nextShot, 700, 150, ability, true), 0);
  for (int kind = 1; kind <= 4; ++kind) {
    const Image portrait = Picture("Images/Bypasser/Normal" + std::to_string(kind) + "/normal" +
                                   std::to_string(kind) + "-portrait.tif");
    EXPECT_EQ(RegionMismatches(lastShot, 675, 51 + 26 * (kind - 1), portrait, false), 0);
    EXPECT_GT(RegionMismatches(nextShot, 675, 51 + 26 * (kind - 1), portrait, false), 0);
  }
}

}  // namespace
