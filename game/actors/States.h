// States.h -- every actor's states by name. The numbers are fixed: the animation tables are
// indexed by them and the trace prints them.
#pragma once

#include <cstdint>

namespace game::actors {

// The performer.
namespace player {

enum State : std::int32_t {
  kStand = 0,
  kWalkLeft = 1,
  kWalkRight = 2,
  // 3 and 4 are not used.
  kFallLeft = 5,
  kFallRight = 6,
  kAskToPerform = 7,  // one update: the street's rules look for a passer-by to follow
  kFollowLeft = 8,
  kFollowRight = 9,
  kStopPerforming = 10,  // one update
  kOfferBegging = 11,    // one update each: the rules judge the offer
  kBeginBeggingLeft = 12,
  kBeginBeggingRight = 13,
  kBegLeft = 14,
  kBegRight = 15,
  kOfferSinging = 16,
  kBeginSingingLeft = 17,
  kBeginSingingRight = 18,
  kSingLeft = 19,
  kSingRight = 20,
  kOfferRabbit = 21,
  kBeginRabbitLeft = 22,
  kBeginRabbitRight = 23,
  kRabbitLeft = 24,
  kRabbitRight = 25,
  kAskToDance = 26,  // one update: the rules look for an audience
  kDanceReady = 27,
  kBeginMove1 = 28,
  kMove1 = 29,
  kBeginMove2 = 30,
  kMove2 = 31,
  kBeginMove3 = 32,
  kMove3 = 33,
  kStopDancing = 34,  // one update
  kPushRight = 35,
  kPushLeft = 36,
};

inline constexpr std::int32_t kStateCount = 37;

// Standing or walking: free to start something, or to be pushed.
constexpr bool StandsOrWalks(std::int32_t s) {
  return s >= kStand && s <= kWalkRight;
}
// Dance ready or showing a move.
constexpr bool Dances(std::int32_t s) {
  return s >= kDanceReady && s <= kMove3;
}

}  // namespace player

// A Normal passer-by.
namespace normal {

enum State : std::int32_t {
  kWatch = 0,  // stands and watches a dance
  kWalkLeft = 1,
  kWalkRight = 2,
  kPayLeft = 3,  // pays while walking left
  kPayRight = 4,
};

}  // namespace normal

namespace thief {

enum State : std::int32_t {
  kWalkLeft = 0,
  kWalkRight = 1,
  kRunLeft = 2,
  kRunRight = 3,
};

}  // namespace thief

namespace hobo {

enum State : std::int32_t {
  kWalkLeft = 0,
  kWalkRight = 1,
  kTeach = 2,
};

}  // namespace hobo

}  // namespace game::actors
