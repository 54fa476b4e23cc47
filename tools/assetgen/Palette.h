// Palette.h -- the small set of colours every picture of the game is painted from, so the
// street, the people and the interface look like one piece of work: a city street at dusk.
#pragma once

#include "tools/assetgen/Canvas.h"

namespace tools::assetgen::palette {

// Outlines and the darkest shadows. Never pure black: masked pictures must not hold it.
inline constexpr Rgba kInk{26, 22, 34};
// Evening sky, night-time cloth, panels.
inline constexpr Rgba kNightBlue{30, 40, 78};
inline constexpr Rgba kDusk{88, 62, 116};
inline constexpr Rgba kSunset{236, 132, 76};
// Buildings.
inline constexpr Rgba kBrick{152, 66, 50};
inline constexpr Rgba kBrickDark{102, 44, 42};
inline constexpr Rgba kStone{184, 170, 146};
inline constexpr Rgba kStoneDark{128, 116, 104};
// The street itself.
inline constexpr Rgba kPavement{140, 138, 146};
inline constexpr Rgba kPavementDark{100, 98, 112};
inline constexpr Rgba kAsphalt{58, 58, 72};
// Accents: money and lamplight, text, signs, clothes.
inline constexpr Rgba kGold{244, 196, 64};
inline constexpr Rgba kLamp{255, 222, 140};
inline constexpr Rgba kCream{250, 238, 212};
inline constexpr Rgba kRed{204, 58, 58};
inline constexpr Rgba kGreen{74, 156, 82};
inline constexpr Rgba kTeal{46, 132, 132};
inline constexpr Rgba kSkin{238, 186, 144};
inline constexpr Rgba kSkinDeep{164, 106, 74};

// A colour pulled toward ink (shadow) or toward cream (highlight); t from 0 to 1.
inline Rgba Darker(Rgba c, float t) {
  return Mix(c, WithAlpha(kInk, c.a), t);
}
inline Rgba Lighter(Rgba c, float t) {
  return Mix(c, WithAlpha(kCream, c.a), t);
}

}  // namespace tools::assetgen::palette
