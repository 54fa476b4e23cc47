// RulesFigures.cpp -- the little people of the rules pages: performer, passers-by, thief and
// hobo as simple outlined figures in a few poses.
#include <algorithm>
#include <array>

#include "tools/assetgen/Palette.h"
#include "tools/assetgen/RulesIcons.h"

namespace tools::assetgen::scenery {

namespace {

using namespace palette;

// Figures are drawn upright into a box of this size, feet at (kFootX, kFootY), then outlined.
constexpr int kBox = 100, kFootX = 50, kFootY = 92;

void Arm(Canvas& c, float x0, float y0, float x1, float y1, const FigureLook& look) {
  c.Line(x0, y0, x1, y1, 6, look.coat);
  c.FillCircle(x1, y1, 3.5f, look.skin);
}

void Head(Canvas& c, const FigureLook& look, float hx, float hy) {
  c.FillCircle(hx, hy, 9, look.skin);
  if (look.beard) {
    c.FillEllipse(hx, hy + 5, 9, 7, Mix(kStoneDark, kSunset, 0.3f));
    c.FillRect(static_cast<int>(hx) - 3, static_cast<int>(hy) + 3, 6, 2, Darker(kSkin, 0.3f));
  }
  c.FillRect(static_cast<int>(hx) - 5, static_cast<int>(hy) - 2, 2, 3, kInk);
  c.FillRect(static_cast<int>(hx) + 3, static_cast<int>(hy) - 2, 2, 3, kInk);
  if (look.mask) {
    c.FillRect(static_cast<int>(hx) - 9, static_cast<int>(hy) - 4, 18, 6, Lighter(kInk, 0.05f));
    c.FillRect(static_cast<int>(hx) - 5, static_cast<int>(hy) - 2, 3, 2, kCream);
    c.FillRect(static_cast<int>(hx) + 2, static_cast<int>(hy) - 2, 3, 2, kCream);
  }
  const int x = static_cast<int>(hx), y = static_cast<int>(hy);
  switch (look.headwear) {
    case Headwear::kTopHat:
      c.FillRect(x - 8, y - 24, 16, 16, Lighter(kInk, 0.15f));
      c.FillRect(x - 8, y - 12, 16, 3, kRed);
      c.FillRect(x - 12, y - 9, 24, 3, Lighter(kInk, 0.15f));
      break;
    case Headwear::kCap:
      c.FillEllipse(hx, hy - 5, 10, 6, look.cap);
      c.FillRect(x - 10, y - 5, 22, 3, Darker(look.cap, 0.2f));
      break;
    case Headwear::kHood:
      c.FillEllipse(hx, hy - 3, 11, 10, look.coat);
      c.FillCircle(hx, hy + 1, 7.5f, look.skin);
      c.FillRect(x - 8, y - 3, 16, 5, Lighter(kInk, 0.05f));
      c.FillRect(x - 5, y - 2, 3, 2, kCream);
      c.FillRect(x + 2, y - 2, 3, 2, kCream);
      break;
    case Headwear::kNone:
      c.FillEllipse(hx, hy - 6, 9, 4, look.hair);
      break;
  }
}

FigureLook Dressed(Rgba coat, Rgba legs, Rgba skin, Rgba hair) {
  FigureLook look;
  look.coat = coat;
  look.legs = legs;
  look.skin = skin;
  look.hair = hair;
  return look;
}

Canvas Upright(const FigureLook& look, Pose pose) {
  Canvas c(kBox, kBox);
  const float fx = kFootX, fy = kFootY;
  const bool stride = pose == Pose::kPush;
  // Legs and shoes.
  const Rgba shoe = Lighter(kInk, 0.1f);
  if (stride) {
    c.Line(fx - 2, fy - 28, fx - 12, fy - 3, 7, look.legs);
    c.Line(fx + 2, fy - 28, fx + 10, fy - 3, 7, look.legs);
    c.FillRect(static_cast<int>(fx) - 18, static_cast<int>(fy) - 4, 10, 4, shoe);
    c.FillRect(static_cast<int>(fx) + 7, static_cast<int>(fy) - 4, 10, 4, shoe);
  } else {
    c.FillRect(static_cast<int>(fx) - 8, static_cast<int>(fy) - 28, 7, 26, look.legs);
    c.FillRect(static_cast<int>(fx) + 1, static_cast<int>(fy) - 28, 7, 26, look.legs);
    c.FillRect(static_cast<int>(fx) - 11, static_cast<int>(fy) - 4, 10, 4, shoe);
    c.FillRect(static_cast<int>(fx) + 1, static_cast<int>(fy) - 4, 10, 4, shoe);
  }
  // Coat, with a torn hem for the hobo.
  const float top = fy - 56;
  c.FillRect(static_cast<int>(fx) - 11, static_cast<int>(top), 22, look.ragged ? 32 : 28,
             look.coat);
  c.FillRect(static_cast<int>(fx) - 11, static_cast<int>(top), 22, 3, Lighter(look.coat, 0.15f));
  c.FillRect(static_cast<int>(fx) - 1, static_cast<int>(top) + 4, 2, 22, Darker(look.coat, 0.3f));
  if (look.ragged) {
    for (int i = -11; i < 11; i += 5) {
      c.FillPolygon(
          std::array<PointF, 3>{
              PointF{fx + i, top + 32}, {fx + i + 5, top + 32}, {fx + i + 2.5f, top + 37}},
          look.coat);
    }
    c.FillRect(static_cast<int>(fx) + 3, static_cast<int>(top) + 12, 5, 5,
               Darker(look.coat, 0.35f));
  }
  // Arms by pose.
  const float sy = top + 4;
  switch (pose) {
    case Pose::kStand:
      Arm(c, fx - 11, sy, fx - 14, sy + 22, look);
      Arm(c, fx + 11, sy, fx + 14, sy + 22, look);
      break;
    case Pose::kHatOut:
      Arm(c, fx - 11, sy, fx - 14, sy + 22, look);
      Arm(c, fx + 11, sy, fx + 28, sy + 8, look);
      break;
    case Pose::kArmsUp:
      Arm(c, fx - 11, sy, fx - 24, sy - 16, look);
      Arm(c, fx + 11, sy, fx + 24, sy - 16, look);
      break;
    case Pose::kClap:
      Arm(c, fx - 11, sy, fx - 4, sy + 10, look);
      Arm(c, fx + 11, sy, fx + 4, sy + 10, look);
      break;
    case Pose::kPush:
      Arm(c, fx + 8, sy, fx + 30, sy + 2, look);
      Arm(c, fx + 11, sy + 2, fx + 30, sy + 8, look);
      break;
    case Pose::kLying:
      Arm(c, fx - 11, sy, fx - 22, sy - 12, look);
      Arm(c, fx + 11, sy, fx + 22, sy - 12, look);
      break;
  }
  if (pose == Pose::kHatOut) {
    // Hat off and held out upside down, a coin on its way in.
    FigureLook bare = look;
    bare.headwear = Headwear::kNone;
    Head(c, bare, fx, top - 10);
    const int hx = static_cast<int>(fx) + 22, hy = static_cast<int>(sy) + 10;
    c.FillRect(hx, hy, 16, 13, Lighter(kInk, 0.15f));
    c.FillRect(hx, hy + 3, 16, 3, kRed);
    c.FillRect(hx - 3, hy - 3, 22, 3, Lighter(kInk, 0.15f));
    c.FillCircle(hx + 8.0f, hy - 12.0f, 4, Darker(kGold, 0.2f));
    c.FillCircle(hx + 7.5f, hy - 12.5f, 3, kGold);
  } else {
    Head(c, look, fx, top - 10);
  }
  c.Outline(kInk);
  return c;
}

}  // namespace

FigureLook PerformerLook() {
  FigureLook look = Dressed(Darker(kRed, 0.1f), kNightBlue, kSkin, Darker(kSunset, 0.5f));
  look.headwear = Headwear::kTopHat;
  return look;
}

FigureLook ThiefLook() {
  FigureLook look = Dressed(Lighter(kInk, 0.2f), Lighter(kInk, 0.1f), kSkin, kInk);
  look.headwear = Headwear::kHood;
  look.mask = true;
  return look;
}

FigureLook HoboLook() {
  FigureLook look =
      Dressed(Mix(kSunset, kStoneDark, 0.65f), Darker(kStoneDark, 0.3f), kSkin, kStoneDark);
  look.headwear = Headwear::kCap;
  look.cap = Darker(kStoneDark, 0.2f);
  look.beard = true;
  look.ragged = true;
  return look;
}

FigureLook WalkerLook(int kind) {
  switch (kind) {
    case 1:
      return Dressed({78, 84, 104, 255}, {78, 84, 104, 255}, kSkin, {58, 44, 40, 255});
    case 2:
      return Dressed({168, 64, 140, 255}, kSkinDeep, kSkinDeep, {66, 38, 34, 255});
    case 3: {
      FigureLook look = Dressed(kGreen, {74, 104, 168, 255}, kSkin, {196, 104, 48, 255});
      look.headwear = Headwear::kCap;
      look.cap = kRed;
      return look;
    }
    default: {
      FigureLook look = Dressed(kStone, Darker(kStoneDark, 0.2f), kSkin, {222, 222, 218, 255});
      look.headwear = Headwear::kCap;
      look.cap = {112, 98, 84, 255};
      return look;
    }
  }
}

void PaintFigure(Canvas& canvas, int cx, int feet, const FigureLook& look, Pose pose) {
  if (pose != Pose::kLying) {
    canvas.Draw(Upright(look, pose), cx - kFootX, feet - kFootY);
    return;
  }
  // Turned a quarter: head to the left, back on the ground.
  const Canvas up = Upright(look, pose);
  Canvas lying(kBox, kBox);
  for (int y = 0; y < kBox; ++y) {
    for (int x = 0; x < kBox; ++x)
      lying.Set(y, kBox - 1 - x, up.Get(x, y));
  }
  canvas.Draw(lying, cx - kBox / 2, feet - (kBox - kFootX + 16));
}

}  // namespace tools::assetgen::scenery
