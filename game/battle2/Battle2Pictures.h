// Battle2Pictures.h -- where the two-player mode keeps its pictures.
#pragma once

#include <cstddef>

#include "game/street/PictureTable.h"

namespace game::battle2::pictures {

inline constexpr street::PictureSlots kAt = street::StreetSlots(2);
inline constexpr std::size_t kStartPicture = 10;  // loaded, never drawn
inline constexpr std::size_t kPlayer1Wins = 17;
inline constexpr std::size_t kPlayer2Wins = 18;

}  // namespace game::battle2::pictures
