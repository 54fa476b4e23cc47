// WindowIcon.h -- the picture the game's window gives task bars and window switchers. The
// build has the asset generator write its pixels (assetgen --window-icon).
#pragma once

#include <cstdint>

namespace game::shell {

inline constexpr int kWindowIconSize = 64;

// kWindowIconSize rows of kWindowIconSize pixels, top row first, each as R, G, B, A.
extern const std::uint8_t kWindowIcon[kWindowIconSize * kWindowIconSize * 4];

}  // namespace game::shell
