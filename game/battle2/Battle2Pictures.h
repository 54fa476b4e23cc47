// Battle2Pictures.h -- the indexes of the two-player mode's picture table.
#pragma once

#include <cstddef>

namespace game::battle2::pictures {

enum : std::size_t {
  kCashItem = 0,
  kKindPortrait1 = 1,
  kTrafficGreen = 5,
  kAgain = 8,
  kLoading = 9,
  kStartPicture = 10,  // loaded, never drawn
  kTopBar = 11,        // loaded, never drawn
  kBottomBar = 12,     // loaded, never drawn
  kPortrait = 13,      // loaded, never drawn
  kPause = 14,
  kDanceOwned = 15,
  kGameOver = 16,
  kPlayer1Wins = 17,
  kPlayer2Wins = 18,
  kCashSymbol = 19,
  kDigit0 = 20,
  kClockFace = 30,
  kLongHand = 31,
  kShortHand = 32,
  kLongTurned = 33,
  kShortTurned = 34,
  kStreet = 40,
  kAbility = 41,
};

}  // namespace game::battle2::pictures
