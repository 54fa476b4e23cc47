// The start of a two-player game through the real executable: the one long stage of passers-by,
// drawn from a generator nobody has seeded yet, the performers' places, and a count-down that
// keeps both performers where they are.
#include <gtest/gtest.h>

#include <string>

#include "tests/scenario/Battle2TestSupport.h"

namespace {

using namespace tests::scenario;
using namespace tests::scenario::battle2;

class Battle2Stage : public Scenario {};

// The first game after start-up draws its street from the generator's initial state, so the
// frame of the click, which is the game's seed, changes nothing about it.
TEST_F(Battle2Stage, FirstStageIsTheSameWhicheverFrameTheGameStartsIn) {
  Generator initial;
  const std::vector<Expected> stage = DrawStage(initial);
  int normal = 0, thieves = 0, hobos = 0;
  for (const Expected& e : stage) {
    normal += e.type == 0;
    thieves += e.type == 1;
    hobos += e.type == 2;
  }
  ASSERT_EQ(normal, 200);
  ASSERT_EQ(thieves, 17);
  ASSERT_EQ(hobos, 13);

  for (const int click : {5, 40}) {
    SCOPED_TRACE("click in frame " + std::to_string(click));
    const Outcome run = Play(StartTwoPlayers(click), click + 1);
    ASSERT_EQ(run.code, 0) << run.err;
    EXPECT_FALSE(run.trace[click - 1].Has("game"));
    const Json& setUp = run.trace[click];
    EXPECT_EQ(setUp["mode"].Int(), 2);
    const Json& game = Game(setUp);
    EXPECT_EQ(game["seed"].Int(), click + 1) << "the click's frame, counted once more";
    EXPECT_EQ(game["state"].Int(), 1);
    EXPECT_EQ(game["clock"].Int(), 200);
    EXPECT_EQ(game["dayTimer"].Int(), -1);
    EXPECT_EQ(game["light"].Int(), 2);
    EXPECT_EQ(Sounds(setUp), std::vector<long long>{battle::kThumpSound});
    for (int n : {1, 2}) {
      const Json& p = Performer(setUp, n);
      EXPECT_EQ(p["x"].Float(), n == 1 ? 700.0f : 1500.0f);
      EXPECT_EQ(p["y"].Float(), n == 1 ? 70.0f : 72.0f);
      EXPECT_EQ(p["cash"].Int(), 3000);
      EXPECT_EQ(p["state"].Int(), 0);
    }
    EXPECT_EQ(game["street"]["pending"].Int(), 230);
    EXPECT_EQ(game["street"]["active"].Size(), 0u);
    ExpectStage(Spawned(setUp), stage);
    // Nothing more is created afterwards.
    EXPECT_TRUE(Spawned(run.trace[click + 1]).empty());
  }
}

// The count-down ignores the held controls of both performers; play then walks them 5 units a
// frame, the music starts, and the favourites of the day come from the seed of that frame.
TEST_F(Battle2Stage, CountDownHoldsBothPerformersThenPlayWalksThem) {
  constexpr int kClick = 8;
  constexpr int kPlay = kClick + kCountDown;
  const std::string script = StartTwoPlayers(kClick, kPlay + 20) +
                             Hold(kP1Right, kClick + 30, kPlay + 20) + Type(kClick + 40, 'p');
  const Outcome run = Play(script, kPlay + 30);
  ASSERT_EQ(run.code, 0) << run.err;
  const Trace& trace = run.trace;

  for (int f = kClick; f < kPlay; ++f) {
    const Json& frame = trace[f];
    const int counted = f - kClick;
    SCOPED_TRACE("frame " + std::to_string(f));
    ASSERT_EQ(Game(frame)["state"].Int(), 1);
    EXPECT_EQ(Game(frame)["frame"].Int(), counted);
    EXPECT_EQ(Game(frame)["light"].Int(), 2 - std::min(counted / 100, 2));
    EXPECT_EQ(Game(frame)["paused"].Int(), 0);
    EXPECT_EQ(Game(frame)["dayTimer"].Int(), -1);
    EXPECT_EQ(Sounds(frame), counted % 100 == 0 ? std::vector<long long>{battle::kThumpSound}
                                                : std::vector<long long>{});
    EXPECT_EQ(Performer(frame, 1)["x"].Float(), 700.0f);
    EXPECT_EQ(Performer(frame, 2)["x"].Float(), 1500.0f);
    EXPECT_EQ(StateOf(frame, 1), 0);
    EXPECT_EQ(StateOf(frame, 2), 0);
  }

  const Json& first = trace[kPlay];
  EXPECT_EQ(Game(first)["state"].Int(), 2);
  EXPECT_EQ(Game(first)["frame"].Int(), 0);
  EXPECT_EQ(Sounds(first), std::vector<long long>{battle::kMusic});
  Generator interests;
  interests.Seed(static_cast<std::uint32_t>(Game(first)["seed"].Int()));
  std::vector<long long> favoured;
  for (int k = 0; k < 4; ++k)
    favoured.push_back(interests.R(3));
  EXPECT_EQ(Game(first)["interest"].Ints(), favoured);

  // The first frame of play turns each performer to its walk, the next ones move it.
  EXPECT_EQ(StateOf(trace[kPlay + 1], 1), 2);
  EXPECT_EQ(StateOf(trace[kPlay + 1], 2), 1);
  for (int f = kPlay + 1; f < kPlay + 20; ++f) {
    const float walked = 5.0f * static_cast<float>(f - kPlay - 1);
    EXPECT_EQ(Performer(trace[f], 1)["x"].Float(), 700.0f + walked) << "frame " << f;
    EXPECT_EQ(Performer(trace[f], 2)["x"].Float(), 1500.0f - walked) << "frame " << f;
  }
}

}  // namespace
