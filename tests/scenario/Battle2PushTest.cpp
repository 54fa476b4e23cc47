// Pushes through the real executable: the performers walked together until their centres are
// equal, then s (player 1) and + (player 2), each refused while the other one lies on the street
// or stands 50 units away, and accepted again at 45.
#include <gtest/gtest.h>

#include <string>

#include "tests/scenario/Battle2TestSupport.h"

namespace {

using namespace tests::scenario;
using namespace tests::scenario::battle2;

class Battle2Push : public Scenario {};

constexpr int kClick = 5;
constexpr int kPlay = kClick + kCountDown;
// Both walk from the first frame of play on (the button that clicked TWO PLAYERS stays down for
// player 2) and stop after 80 steps each, both at x 1100.
constexpr int kMet = kPlay + 81;
constexpr int kPush1 = kMet + 4;              // s: player 1 pushes right
constexpr int kVictimDown = kPush1 + 60;      // s again: player 2 is still falling
constexpr int kPusherDown = kVictimDown + 5;  // +: player 2 is still falling
constexpr int kPush2 = kPush1 + 150;          // +: player 2 pushes left
constexpr int kApart = kPush2 + 150;          // player 2 walks 10 steps right: 50 apart
constexpr int kAt50 = kApart + 15;            // s, then +, both refused
constexpr int kCloser = kAt50 + 5;            // one step back: 45 apart
constexpr int kAt45 = kCloser + 5;            // s: player 1 pushes right
constexpr int kEnd = kAt45 + 5;

TEST_F(Battle2Push, PushesNeedBothUpAndCloserThan50) {
  const std::string script = StartTwoPlayers(kClick, kMet) + Hold(kP1Right, kClick + 20, kMet) +
                             Type(kPush1, 's') + Type(kVictimDown, 's') + Type(kPusherDown, '+') +
                             Type(kPush2, '+') + At(kApart, "mouse-down right") +
                             At(kApart + 10, "mouse-up right") + Type(kAt50, 's') +
                             Type(kAt50 + 1, '+') + At(kCloser, "mouse-down left") +
                             At(kCloser + 1, "mouse-up left") + Type(kAt45, 's');
  const Outcome run = Play(script, kEnd);
  ASSERT_EQ(run.code, 0) << run.err;
  const Trace& trace = run.trace;

  // Equal centres, both standing.
  const Json& met = trace[kMet];
  ASSERT_EQ(Performer(met, 1)["x"].Float(), 1100.0f);
  ASSERT_EQ(Performer(met, 2)["x"].Float(), 1100.0f);
  ASSERT_EQ(StateOf(met, 1), 0);
  ASSERT_EQ(StateOf(met, 2), 0);

  // Nothing but the pushes below changes the performers' cash or plays the wrong sound.
  auto expectPush = [&](int f, int pusher, long long pushState, long long fallState) {
    SCOPED_TRACE("push in frame " + std::to_string(f));
    const int victim = 3 - pusher;
    EXPECT_EQ(StateOf(trace[f], pusher), pushState);
    EXPECT_EQ(StateOf(trace[f], victim), fallState);
    EXPECT_EQ(CashOf(trace[f], victim), CashOf(trace[f - 1], victim) - 20);
    EXPECT_EQ(CashOf(trace[f], pusher), CashOf(trace[f - 1], pusher));
    EXPECT_EQ(Sounds(trace[f]), std::vector<long long>{battle::kWrongSound});
  };
  auto expectRefused = [&](int f) {
    SCOPED_TRACE("refused in frame " + std::to_string(f));
    EXPECT_FALSE(Played(trace[f], battle::kWrongSound));
    for (int n : {1, 2}) {
      EXPECT_EQ(CashOf(trace[f], n), CashOf(trace[f - 1], n));
      EXPECT_NE(StateOf(trace[f], n), 35);
      EXPECT_NE(StateOf(trace[f], n), 36);
    }
  };
  int wrongSounds = 0;
  for (int f = kPlay; f <= kEnd; ++f)
    wrongSounds += Played(trace[f], battle::kWrongSound);
  EXPECT_EQ(wrongSounds, 3);

  // Equal centres: s pushes to the right.
  expectPush(kPush1, 1, 35, 6);
  EXPECT_EQ(CashOf(trace[kPush1], 2), 2980);

  // A victim still falling cannot be pushed, and a pusher that lies on the street cannot push.
  ASSERT_EQ(StateOf(trace[kVictimDown - 1], 1), 0) << "the push is over";
  ASSERT_EQ(StateOf(trace[kVictimDown - 1], 2), 6) << "the fall is not";
  expectRefused(kVictimDown);
  ASSERT_EQ(StateOf(trace[kPusherDown - 1], 2), 6);
  expectRefused(kPusherDown);

  // Equal centres again: + pushes to the left.
  ASSERT_EQ(StateOf(trace[kPush2 - 1], 1), 0);
  ASSERT_EQ(StateOf(trace[kPush2 - 1], 2), 0);
  ASSERT_EQ(CentreOf(trace[kPush2 - 1], 1), CentreOf(trace[kPush2 - 1], 2));
  expectPush(kPush2, 2, 36, 5);
  EXPECT_EQ(CashOf(trace[kPush2], 1), 2980);

  // 50 apart is too far for either.
  ASSERT_EQ(StateOf(trace[kAt50 - 1], 1), 0) << "the fall is over";
  ASSERT_EQ(CentreOf(trace[kAt50 - 1], 2) - CentreOf(trace[kAt50 - 1], 1), 50.0f);
  expectRefused(kAt50);
  expectRefused(kAt50 + 1);

  // 45 apart, player 1 on the left: s pushes to the right.
  ASSERT_EQ(CentreOf(trace[kAt45 - 1], 2) - CentreOf(trace[kAt45 - 1], 1), 45.0f);
  ASSERT_EQ(StateOf(trace[kAt45 - 1], 2), 0);
  expectPush(kAt45, 1, 35, 6);
  EXPECT_EQ(CashOf(trace[kAt45], 2), 2960);
}

}  // namespace
