// Battle2TestSupport.h -- what the two-player scenarios share: the click on TWO PLAYERS, the
// two performers' controls, readers of their trace records, and a model of the program's
// random generator with the street a game draws from it, to compare the trace against.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tests/scenario/BattleTestSupport.h"

namespace tests::scenario::battle2 {

using battle::At;
using battle::Game;
using battle::Hold;
using battle::Played;
using battle::Sounds;
using battle::Spawned;
using battle::Type;

// Held keys of player 1; player 2 walks with the mouse buttons.
inline constexpr int kP1Left = 78;   // N
inline constexpr int kP1Right = 77;  // M
// Player 1's move keys are 1, 2, 3; player 2's the keypad's 7, 8, 9.
inline constexpr int kP1Move1 = 49;
inline constexpr int kP2Move1 = 103;

inline constexpr int kCountDown = 300;
inline constexpr int kFramesOfPlay = 20000;

// A left click on TWO PLAYERS in `down`, the button released in `up`. The game starts in
// `down` with that frame's number as its seed; a button still held in play walks player 2 left.
inline std::string StartTwoPlayers(int down, int up) {
  return At(down, "mouse-move 500 340") + At(down, "mouse-down left") + At(up, "mouse-up left");
}
inline std::string StartTwoPlayers(int frame) {
  return StartTwoPlayers(frame, frame + 1);
}

// Performer n (1 or 2) in a frame of the trace.
inline const Json& Performer(const Json& frame, int n) {
  return frame["game"]["players"][n - 1];
}
inline float CentreOf(const Json& frame, int n) {
  return Performer(frame, n)["x"].Float() + 50.0f;
}
inline long long CashOf(const Json& frame, int n) {
  return Performer(frame, n)["cash"].Int();
}
inline long long StateOf(const Json& frame, int n) {
  return Performer(frame, n)["state"].Int();
}

// The program's generator: a 32-bit state, 1 until first seeded.
class Generator {
 public:
  void Seed(std::uint32_t seed) { state_ = seed; }
  int Draw() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<int>((state_ >> 16) & 0x7FFFu);
  }
  // r(n)
  int R(int n) { return Draw() % n; }

 private:
  std::uint32_t state_ = 1;
};

// A passer-by as the two-player stage should create it.
struct Expected {
  int type = 0;  // 0 Normal, 1 thief, 2 hobo
  float x = 0, y = 0, speed = 0;
  int state = 0, release = 0;
  // Normal passers-by only.
  int kind = 0, cash = 0, favourite = 0, tolerated = 0, interest = 0;
  std::vector<std::pair<int, int>> schedule;
  int price = 0;  // hobos only
};

// The 200 Normal passers-by of a stage with a thief at every index divisible by 12 and a hobo at
// every one divisible by 16, all of index i released at i x 100, drawn in creation order.
inline std::vector<Expected> DrawStage(Generator& g) {
  std::vector<Expected> stage;
  auto speed = [&] { return static_cast<float>(g.R(11)) / 10.0f + 1.0f; };
  for (int i = 0; i < 200; ++i) {
    Expected n;
    n.release = i * 100;
    const int a1 = 75 + g.R(50), a2 = 100 + g.R(75), a3 = 150 + g.R(200);
    const int t1 = 100 + g.R(50), d2 = 200 + g.R(50), d3 = 300 + g.R(150);
    const bool fromLeft = g.R(2) == 0;
    n.x = fromLeft ? -100.0f : 2300.0f;
    n.state = fromLeft ? 2 : 1;
    n.schedule = {{a1, t1}, {a2, t1 + d2}, {a3, t1 + d2 + d3}};
    n.cash = a1 + a2 + a3;
    n.kind = 1 + g.R(4);
    n.interest = g.R(50) + 25;
    n.tolerated = g.R(4);
    n.favourite = 1 + g.R(3);
    n.speed = speed();
    n.y = static_cast<float>(105 + g.R(40));
    stage.push_back(n);
    for (int type : {1, 2}) {
      if (i % (type == 1 ? 12 : 16) != 0) continue;
      Expected other;
      other.type = type;
      other.release = i * 100;
      const bool left = g.R(2) == 0;
      other.x = left ? -100.0f : 2300.0f;
      other.state = left ? 1 : 0;
      if (type == 2) other.price = g.R(5) * 500 + 1000;
      other.speed = speed();
      other.y = static_cast<float>(105 + g.R(40));
      stage.push_back(other);
    }
  }
  return stage;
}

// Compares the trace's creation records with the model, numbered from 0 in creation order.
inline void ExpectStage(const std::vector<Json>& spawned, const std::vector<Expected>& stage) {
  ASSERT_EQ(spawned.size(), stage.size());
  for (std::size_t i = 0; i < stage.size(); ++i) {
    const Json& b = spawned[i];
    const Expected& e = stage[i];
    SCOPED_TRACE("passer-by " + std::to_string(i));
    EXPECT_EQ(b["id"].Int(), static_cast<long long>(i));
    ASSERT_EQ(b["type"].Int(), e.type);
    EXPECT_EQ(b["release"].Int(), e.release);
    EXPECT_EQ(b["x"].Float(), e.x);
    EXPECT_EQ(b["y"].Float(), e.y);
    EXPECT_EQ(b["speed"].Float(), e.speed);
    EXPECT_EQ(b["state"].Int(), e.state);
    if (e.type == 0) {
      EXPECT_EQ(b["kind"].Int(), e.kind);
      EXPECT_EQ(b["cash"].Int(), e.cash);
      EXPECT_EQ(b["favourite"].Int(), e.favourite);
      EXPECT_EQ(b["tolerated"].Int(), e.tolerated);
      EXPECT_EQ(b["interest"].Float(), static_cast<float>(e.interest));
      const Json& s = b["schedule"];
      ASSERT_EQ(s.Size(), 3u);
      for (int k = 0; k < 3; ++k) {
        EXPECT_EQ(s[k][0].Int(), e.schedule[static_cast<std::size_t>(k)].first);
        EXPECT_EQ(s[k][1].Int(), e.schedule[static_cast<std::size_t>(k)].second);
      }
    }
    if (e.type == 2) {
      EXPECT_EQ(b["price"].Int(), e.price);
    }
  }
}

}  // namespace tests::scenario::battle2
