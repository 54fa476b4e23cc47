// Icon.h -- the game's desktop icon: the performer's top hat and a coin on a disc of evening
// sky, painted afresh for each size so small icons stay legible.
#pragma once

#include <array>

#include "tools/assetgen/Canvas.h"

namespace tools::assetgen {

// The sizes the desktop's icon theme is given, in pixels a side.
inline constexpr std::array<int, 6> kIconSizes = {16, 32, 48, 64, 128, 256};

// A size x size picture with soft (anti-aliased) edges and a transparent surround.
Canvas PaintIcon(int size);

}  // namespace tools::assetgen
