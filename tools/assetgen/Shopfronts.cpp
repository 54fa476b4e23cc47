// Shopfronts.cpp -- the ground floor of each building: name board, pilasters, shop window,
// door and awning, and the fronts that are not shops (flats, the bank, the cinema, alleys).
#include <algorithm>
#include <array>
#include <string_view>

#include "tools/assetgen/Catalogue.h"
#include "tools/assetgen/Palette.h"
#include "tools/assetgen/StreetParts.h"
#include "tools/assetgen/TextLayout.h"

namespace tools::assetgen::scenery {

namespace {

using namespace palette;

constexpr int kPilaster = 6;

int Luma(Rgba c) {
  return (c.r * 3 + c.g * 6 + c.b) / 10;
}

Rgba Woodwork(const Building& b) {
  if (Luma(b.sign) > 150) return Darker(b.awning.a != 0 ? b.awning : kBrick, 0.3f);
  return Mix(b.sign, kInk, 0.3f);
}

Rgba SignText(Rgba sign) {
  if (Luma(sign) > 150) return kBrickDark;
  if (Luma(sign) < 90) return kGold;
  return kCream;
}

void PaintPilaster(Canvas& canvas, int x, int top, int bottom) {
  canvas.FillRect(x, top, kPilaster, bottom - top, kStone);
  canvas.FillRect(x + kPilaster - 2, top, 2, bottom - top, kStoneDark);
  canvas.FillRect(x - 1, top, kPilaster + 2, 4, Lighter(kStone, 0.3f));
  canvas.FillRect(x - 1, bottom - 6, kPilaster + 2, 6, kStoneDark);
  canvas.FrameRect(x - 1, top, kPilaster + 2, bottom - top, 1, Darker(kStoneDark, 0.4f));
}

void PaintFascia(Canvas& canvas, const StreetLayout& layout, const Building& b, int x0, int x1,
                 int top, int bottom) {
  canvas.FillRect(x0, top, x1 - x0, bottom - top, b.sign);
  canvas.FillRect(x0, top, x1 - x0, 2, Lighter(b.sign, 0.25f));
  canvas.FrameRect(x0, top, x1 - x0, bottom - top, 1, kInk);
  if (std::string_view(b.name).empty()) return;
  // The largest lettering that fits the board.
  for (int size = layout.fasciaHeight * 3 / 5; size >= 8; --size) {
    auto font = LoadFont(kSansBoldPath, size);
    const int w = Canvas::TextWidth(*font, b.name);
    if (w > x1 - x0 - 10) continue;
    const int y = top + (bottom - top - font->LineHeight()) / 2 + 1;
    const int x = (x0 + x1 - w) / 2;
    canvas.Text(*font, x + 1, y + 1, b.name, Darker(b.sign, 0.5f));
    canvas.Text(*font, x, y, b.name, SignText(b.sign));
    return;
  }
}

void PaintDoor(Canvas& canvas, int x, int top, int w, int bottom, Rgba wood, bool lit) {
  canvas.FillRect(x - 2, top - 2, w + 4, bottom - top + 2, Darker(wood, 0.35f));
  canvas.FillRect(x, top, w, bottom - top, wood);
  const int glass = (bottom - top) * 9 / 20;
  if (lit) {
    canvas.GradientRect(x + 4, top + 4, w - 8, glass, kLamp, Mix(kLamp, kSunset, 0.5f));
  } else {
    canvas.FillRect(x + 4, top + 4, w - 8, glass, Darker(kNightBlue, 0.2f));
  }
  canvas.FrameRect(x + 4, top + 4, w - 8, glass, 1, Darker(wood, 0.4f));
  canvas.FrameRect(x + 5, top + glass + 9, w - 10, bottom - top - glass - 14, 1,
                   Darker(wood, 0.3f));
  canvas.FillRect(x + w - 7, top + glass + 6, 3, 3, kGold);
  canvas.FillRect(x - 4, bottom - 3, w + 8, 3, kStoneDark);
}

// A striped canvas awning over the window with a scalloped hem, and its shadow on the glass.
void PaintAwning(Canvas& canvas, int x0, int x1, int top, int depth, Rgba colour) {
  canvas.FillRect(x0, top + depth, x1 - x0, 5, WithAlpha(kInk, 90));
  for (int x = x0; x < x1; ++x) {
    const bool stripe = ((x - x0) / 10) % 2 == 0;
    const Rgba c = stripe ? colour : kCream;
    canvas.FillRect(x, top, 1, depth, c);
    canvas.Set(x, top, Lighter(c, 0.3f));
  }
  for (int x = x0; x < x1; x += 10) {
    const bool stripe = ((x - x0) / 10) % 2 == 0;
    canvas.FillEllipse(x + 5.0f, static_cast<float>(top + depth), 5.0f, 4.0f,
                       stripe ? Darker(colour, 0.1f) : Darker(kCream, 0.1f));
  }
  canvas.FillRect(x0, top, x1 - x0, 1, kInk);
  canvas.FillRect(x0 - 2, top - 3, x1 - x0 + 4, 3, Darker(kStoneDark, 0.3f));
}

void PaintGlass(Canvas& canvas, Shop shop, int x, int y, int w, int h, std::uint32_t seed,
                Rgba frame, bool lit) {
  if (lit) {
    canvas.GradientRect(x, y, w, h, kLamp, Mix(kLamp, kSunset, 0.45f));
  } else {
    canvas.GradientRect(x, y, w, h, Darker(kNightBlue, 0.1f), kNightBlue);
  }
  PaintDisplay(canvas, shop, x, y, w, h, seed);
  // Reflections of the street lights on the glass.
  const Rgba shine = WithAlpha(kCream, 70);
  for (int k = 0; k < 2; ++k) {
    const int sx = x + w / 3 + k * 14;
    for (int j = 0; j < h; ++j) {
      const int px = sx + (h - j) / 2;
      if (px >= x && px + 3 < x + w) canvas.FillRect(px, y + j, 3 - k, 1, shine);
    }
  }
  canvas.FrameRect(x - 3, y - 3, w + 6, h + 6, 3, frame);
  canvas.FrameRect(x - 3, y - 3, w + 6, h + 6, 1, Darker(frame, 0.45f));
  // Mullions split a wide window into panes.
  const int panes = std::max(1, w / 70);
  for (int p = 1; p < panes; ++p)
    canvas.FillRect(x + w * p / panes - 1, y, 3, h, frame);
}

// Two-storey flats: a front door up two steps, a house number and a window beside it.
void PaintFlats(Canvas& canvas, const StreetLayout& layout, const Building& b, int left,
                const Storeys& s) {
  const int doorW = 34, doorX = left + 24;
  const int doorTop = s.groundTop + 10;
  canvas.FillEllipse(doorX + doorW / 2.0f, doorTop + 2.0f, doorW / 2.0f + 5, 12, kStone);
  canvas.FillRect(doorX - 5, doorTop + 2, doorW + 10, layout.wallBase - doorTop - 2, kStone);
  PaintDoor(canvas, doorX, doorTop + 4, doorW, layout.wallBase - 6, kTeal, false);
  canvas.FillEllipse(doorX + doorW / 2.0f, doorTop + 4.0f, doorW / 2.0f, 8, Darker(kLamp, 0.1f));
  canvas.FillRect(doorX - 8, layout.wallBase - 6, doorW + 16, 3, kStone);
  canvas.FillRect(doorX - 12, layout.wallBase - 3, doorW + 24, 3, kStoneDark);
  canvas.FillRect(doorX + doorW + 9, doorTop + 18, 12, 9, kCream);
  auto font = LoadFont(kSansBoldPath, 9);
  canvas.TextCentred(*font, doorX + doorW + 15, doorTop + 17, "17", kNightBlue);
  // A wall lamp by the door.
  canvas.FillCircle(doorX - 12.0f, doorTop + 20.0f, 9, WithAlpha(kLamp, 60));
  canvas.FillRect(doorX - 15, doorTop + 16, 6, 9, kLamp);
  canvas.FrameRect(doorX - 16, doorTop + 15, 8, 11, 1, kInk);
  const int winX = doorX + doorW + 32;
  PaintWindowPane(canvas, winX, s.groundTop + 24, std::min(34, left + b.width - winX - 10),
                  layout.shopHeight / 2, true, kGreen);
}

// The bank: stone columns, a tall dark door and barred windows; it is closed for the night.
void PaintBank(Canvas& canvas, const StreetLayout& layout, const Building& b, int left,
               const Storeys& s) {
  const int x0 = left + kPilaster, x1 = left + b.width - kPilaster;
  PaintFascia(canvas, layout, b, x0, x1, s.fasciaTop, s.groundTop);
  canvas.FillRect(x0, s.groundTop, x1 - x0, layout.shopHeight, Darker(kStone, 0.1f));
  const int doorW = 40, doorX = left + (b.width - doorW) / 2;
  PaintDoor(canvas, doorX, s.groundTop + 12, doorW, layout.wallBase - 6, kBrickDark, false);
  canvas.FillRect(doorX + doorW / 2, s.groundTop + 12, 1, layout.wallBase - s.groundTop - 18, kInk);
  for (int side : {0, 1}) {
    const int wx = side == 0 ? x0 + 14 : x1 - 14 - 34;
    const int wy = s.groundTop + 14, wh = layout.shopHeight - 36;
    canvas.FillRect(wx, wy, 34, wh, Darker(kNightBlue, 0.1f));
    for (int i = wx + 5; i < wx + 34; i += 7)
      canvas.FillRect(i, wy, 2, wh, kStoneDark);
    canvas.FrameRect(wx - 3, wy - 3, 40, wh + 6, 3, kStoneDark);
  }
  for (int cx : {x0 + 4, doorX - 14, doorX + doorW + 6, x1 - 12}) {
    PaintPilaster(canvas, cx, s.groundTop, layout.wallBase - 6);
  }
  canvas.FillRect(x0, layout.wallBase - 6, x1 - x0, 3, kStone);
  canvas.FillRect(x0 - 4, layout.wallBase - 3, x1 - x0 + 8, 3, kStoneDark);
}

// The cinema: a marquee of bulbs over double doors, with posters either side.
void PaintCinema(Canvas& canvas, const StreetLayout& layout, const Building& b, int left,
                 const Storeys& s) {
  const int x0 = left + kPilaster, x1 = left + b.width - kPilaster;
  PaintFascia(canvas, layout, b, x0, x1, s.fasciaTop, s.groundTop);
  canvas.FillRect(x0, s.groundTop, x1 - x0, layout.shopHeight, Darker(kRed, 0.45f));
  const int marquee = std::max(16, layout.shopHeight / 5);
  canvas.FillRect(x0 - 4, s.groundTop, x1 - x0 + 8, marquee, kCream);
  canvas.FrameRect(x0 - 4, s.groundTop, x1 - x0 + 8, marquee, 2, Darker(kRed, 0.2f));
  for (int x = x0; x < x1; x += 8) {
    canvas.FillCircle(x + 2.0f, s.groundTop + 1.5f, 2, kGold);
    canvas.FillCircle(x + 2.0f, s.groundTop + marquee - 1.5f, 2, kGold);
  }
  auto font = LoadFont(kSansBoldPath, std::max(8, marquee - 7));
  canvas.TextCentred(*font, left + b.width / 2, s.groundTop + 3, "TONIGHT: THE RABBIT", kRed);
  const int top = s.groundTop + marquee + 6;
  const int doorW = 30, mid = left + b.width / 2;
  PaintDoor(canvas, mid - doorW - 1, top, doorW, layout.wallBase, kGold, true);
  PaintDoor(canvas, mid + 1, top, doorW, layout.wallBase, kGold, true);
  const std::array<Rgba, 2> posters = {kNightBlue, kTeal};
  for (int side : {0, 1}) {
    const int pw = 40, ph = layout.wallBase - top - 16;
    const int px = side == 0 ? x0 + 12 : x1 - 12 - pw;
    canvas.FillRect(px - 3, top - 3, pw + 6, ph + 6, kGold);
    canvas.FillRect(px, top, pw, ph, posters[side]);
    if (side == 0) {
      // A top hat with a rabbit's ears.
      canvas.FillRect(px + 12, top + ph / 2, 16, 12, kInk);
      canvas.FillRect(px + 8, top + ph / 2 + 12, 24, 3, kInk);
      canvas.FillEllipse(px + 16.0f, top + ph / 2 - 6.0f, 2.5f, 7, kCream);
      canvas.FillEllipse(px + 23.0f, top + ph / 2 - 6.0f, 2.5f, 7, kCream);
    } else {
      // A moon and stars.
      canvas.FillCircle(px + 20.0f, top + ph / 2.0f, 10, kLamp);
      canvas.FillCircle(px + 25.0f, top + ph / 2.0f - 3, 9, posters[side]);
      canvas.FillRect(px + 8, top + 8, 2, 2, kCream);
      canvas.FillRect(px + 30, top + ph - 12, 2, 2, kCream);
    }
  }
}

// Beside an alley's mouth: dustbins on the ground in the dark.
void PaintAlleyGround(Canvas& canvas, const StreetLayout& layout, const Building& b, int left) {
  const Rgba bin = Darker(kGreen, 0.45f);
  for (int k = 0; k < 2; ++k) {
    const int bx = left + 8 + k * 24, top = layout.wallBase - 28 + k * 3;
    canvas.FillRect(bx, top, 18, layout.wallBase - top, bin);
    canvas.FillRect(bx + 3, top, 2, layout.wallBase - top, Lighter(bin, 0.2f));
    canvas.FillRect(bx - 2, top - 3, 22, 4, Darker(bin, 0.3f));
    canvas.FrameRect(bx, top, 18, layout.wallBase - top, 1, kInk);
  }
  canvas.FillRect(left + b.width - 18, layout.wallBase - 14, 14, 14, Darker(kSunset, 0.5f));
  canvas.FrameRect(left + b.width - 18, layout.wallBase - 14, 14, 14, 1, kInk);
}

void PaintBarberPole(Canvas& canvas, int x, int top, int h) {
  canvas.FillRect(x - 1, top - 4, 10, 4, kStoneDark);
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < 8; ++i) {
      const int band = ((i + j) / 4) % 3;
      canvas.Set(x + i, top + j, band == 0 ? kRed : band == 1 ? kCream : kNightBlue);
    }
  }
  canvas.FrameRect(x - 1, top, 10, h, 1, kInk);
  canvas.FillRect(x - 1, top + h, 10, 4, kStoneDark);
}

// A café's chalk board standing on the pavement by the door.
void PaintSandwichBoard(Canvas& canvas, int x, int foot) {
  const Rgba wood = Darker(kSunset, 0.45f);
  canvas.Line(x, foot, x + 7, foot - 30, 2, wood);
  canvas.Line(x + 28, foot, x + 21, foot - 30, 2, wood);
  canvas.FillRect(x + 4, foot - 28, 20, 22, Darker(kGreen, 0.6f));
  canvas.FrameRect(x + 4, foot - 28, 20, 22, 1, wood);
  for (int k = 0; k < 3; ++k) {
    canvas.FillRect(x + 7, foot - 24 + k * 6, 8 + (k * 5) % 8, 1, kCream);
  }
}

// Crates of fruit on a trestle in front of the grocer's window.
void PaintFruitStand(Canvas& canvas, int x, int w, int foot, std::uint32_t seed) {
  Dice dice(seed);
  const Rgba wood = Darker(kSunset, 0.35f);
  canvas.FillRect(x, foot - 20, w, 3, wood);
  canvas.FillRect(x + 3, foot - 17, 3, 17, wood);
  canvas.FillRect(x + w - 6, foot - 17, 3, 17, wood);
  const std::array<Rgba, 4> fruit = {kRed, kSunset, kGreen, kGold};
  const int crates = w / 26;
  for (int c = 0; c < crates; ++c) {
    const int cx = x + 2 + c * 26;
    const Rgba f = fruit[c % fruit.size()];
    for (int k = 0; k < 9; ++k) {
      // One throw per statement: the order of a call's arguments differs between compilers.
      const float fx = cx + 4.0f + dice.Below(16);
      canvas.FillCircle(fx, foot - 30.0f + dice.Below(6), 3, f);
    }
    canvas.FillRect(cx, foot - 28, 24, 8, wood);
    canvas.FrameRect(cx, foot - 28, 24, 8, 1, Darker(wood, 0.4f));
  }
}

// Buckets of cut flowers outside the florist's.
void PaintFlowerBuckets(Canvas& canvas, int x, int w, int foot, std::uint32_t seed) {
  Dice dice(seed);
  const std::array<Rgba, 4> petals = {kRed, kGold, kCream, Lighter(kDusk, 0.4f)};
  for (int bx = x; bx + 16 <= x + w; bx += 22) {
    const Rgba petal = petals[dice.Below(static_cast<int>(petals.size()))];
    for (int k = 0; k < 5; ++k) {
      const float sx = bx + 3.0f + dice.Below(10), sy = foot - 26.0f - dice.Below(8);
      canvas.Line(bx + 8.0f, foot - 12.0f, sx + 1, sy + 2, 1, Darker(kGreen, 0.2f));
      canvas.FillCircle(sx + 1, sy, 3, petal);
    }
    canvas.FillPolygon(std::array<PointF, 4>{PointF{bx + 0.0f, foot - 14.0f},
                                             {bx + 16.0f, foot - 14.0f},
                                             {bx + 14.0f, foot + 0.0f},
                                             {bx + 2.0f, foot + 0.0f}},
                       kStoneDark);
    canvas.FillRect(bx, foot - 14, 16, 2, kStone);
  }
}

}  // namespace

void PaintShopfront(Canvas& canvas, const StreetLayout& layout, const Building& b, int left) {
  const Storeys s = StoreysOf(layout, b);
  switch (b.shop) {
    case Shop::kAlley:
      PaintAlleyGround(canvas, layout, b, left);
      return;
    case Shop::kFlats:
      PaintFlats(canvas, layout, b, left, s);
      return;
    case Shop::kBank:
      PaintBank(canvas, layout, b, left, s);
      return;
    case Shop::kCinema:
      PaintCinema(canvas, layout, b, left, s);
      PaintPilaster(canvas, left, s.fasciaTop - 4, layout.wallBase);
      PaintPilaster(canvas, left + b.width - kPilaster, s.fasciaTop - 4, layout.wallBase);
      return;
    default:
      break;
  }
  const int x0 = left + kPilaster, x1 = left + b.width - kPilaster;
  const Rgba wood = Woodwork(b);
  PaintFascia(canvas, layout, b, x0, x1, s.fasciaTop, s.groundTop);
  canvas.FillRect(x0, s.groundTop, x1 - x0, layout.shopHeight, wood);
  canvas.FillRect(x0, s.groundTop, x1 - x0, 2, Darker(wood, 0.4f));

  // The door stands at one end, chosen per building so the row does not repeat.
  const int doorW = 30;
  const bool doorLeft = (b.x / 10) % 3 == 0;
  const int doorX = doorLeft ? x0 + 6 : x1 - 6 - doorW;
  PaintDoor(canvas, doorX, s.groundTop + 8, doorW, layout.wallBase, Darker(wood, 0.15f), true);
  const int wx0 = doorLeft ? doorX + doorW + 10 : x0 + 8;
  const int wx1 = doorLeft ? x1 - 8 : doorX - 10;
  const int wy = s.groundTop + 7, wh = layout.shopHeight - 7 - 18;
  PaintGlass(canvas, b.shop, wx0, wy, wx1 - wx0, wh, static_cast<std::uint32_t>(b.x) + 3u,
             Darker(wood, 0.2f), true);
  // Stall riser under the window.
  canvas.FillRect(wx0 - 3, wy + wh + 3, wx1 - wx0 + 6, layout.wallBase - wy - wh - 3,
                  Darker(wood, 0.2f));
  canvas.FrameRect(wx0 + 2, wy + wh + 7, wx1 - wx0 - 4, layout.wallBase - wy - wh - 11, 1,
                   Darker(wood, 0.5f));
  if (b.awning.a != 0) {
    PaintAwning(canvas, x0 + 2, x1 - 2, s.groundTop + 1, std::max(12, layout.shopHeight / 6),
                b.awning);
  }
  switch (b.shop) {
    case Shop::kBarber:
      PaintBarberPole(canvas, doorLeft ? doorX + doorW + 1 : doorX - 11, s.groundTop + 14,
                      layout.shopHeight / 3);
      break;
    case Shop::kCafe:
      PaintSandwichBoard(canvas, doorLeft ? doorX + doorW + 6 : doorX - 36, layout.wallBase + 3);
      break;
    case Shop::kGrocer:
      PaintFruitStand(canvas, wx0, wx1 - wx0, layout.wallBase + 2, static_cast<std::uint32_t>(b.x));
      break;
    case Shop::kFlowers:
      PaintFlowerBuckets(canvas, wx0 + 4, wx1 - wx0 - 8, layout.wallBase + 2,
                         static_cast<std::uint32_t>(b.x));
      break;
    default:
      break;
  }
  PaintPilaster(canvas, left, s.fasciaTop - 4, layout.wallBase);
  PaintPilaster(canvas, left + b.width - kPilaster, s.fasciaTop - 4, layout.wallBase);
}

}  // namespace tools::assetgen::scenery
