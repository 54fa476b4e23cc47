// BattlePictures.h -- the indexes of the single-player mode's picture table.
#pragma once

#include <cstddef>

namespace game::battle::pictures {

enum : std::size_t {
  kCashItem = 0,
  kKindPortrait1 = 1,
  kTrafficGreen = 5,
  kAgain = 8,
  kLoading = 9,
  kLose = 10,
  kTopBar = 11,
  kBottomBar = 12,
  kPortrait = 13,
  kPause = 14,
  kDanceOwned = 15,
  kGameOver = 16,
  kCashSymbol = 17,
  kDigit0 = 18,
  kClockFace = 28,
  kLongHand = 29,
  kShortHand = 30,
  kLongTurned = 31,
  kShortTurned = 32,
  kStreet = 38,
  kAbility = 39,
};

}  // namespace game::battle::pictures
