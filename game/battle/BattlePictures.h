// BattlePictures.h -- where the single-player mode keeps its pictures.
#pragma once

#include <cstddef>

#include "game/street/PictureTable.h"

namespace game::battle::pictures {

inline constexpr street::PictureSlots kAt = street::StreetSlots(0);
inline constexpr std::size_t kLose = 10;  // game over with fewer than five days passed

}  // namespace game::battle::pictures
