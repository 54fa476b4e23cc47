// ShopWindows.cpp -- what each shop shows behind its glass, so a shop reads as what it is from
// a distance: books on shelves, loaves, records, suits, a pizza, fruit and flowers.
#include <algorithm>
#include <array>
#include <cmath>

#include "tools/assetgen/Catalogue.h"
#include "tools/assetgen/Palette.h"
#include "tools/assetgen/StreetParts.h"

namespace tools::assetgen::scenery {

namespace {

using namespace palette;

constexpr std::array<Rgba, 7> kBright = {kRed, kGreen, kTeal, kNightBlue, kGold, kDusk, kSunset};

Rgba Pick(Dice& dice) {
  return kBright[dice.Below(static_cast<int>(kBright.size()))];
}

void Shelf(Canvas& canvas, int x, int y, int w) {
  canvas.FillRect(x, y, w, 3, Darker(kSunset, 0.45f));
  canvas.FillRect(x, y + 3, w, 1, Darker(kSunset, 0.7f));
}

void Books(Canvas& canvas, int x, int y, int w, int h, Dice& dice) {
  for (int shelfY = y + h / 3; shelfY < y + h; shelfY += h / 3) {
    for (int bx = x + 2; bx < x + w - 4;) {
      const int bw = 3 + dice.Below(3), bh = h / 3 - 6 - dice.Below(5);
      const Rgba c = Pick(dice);
      canvas.FillRect(bx, shelfY - bh, bw, bh, c);
      canvas.FillRect(bx, shelfY - bh + 2, bw, 1, Lighter(c, 0.4f));
      bx += bw + (dice.Below(6) == 0 ? 3 : 0);
    }
    Shelf(canvas, x, shelfY, w);
  }
}

void Bread(Canvas& canvas, int x, int y, int w, int h, Dice& dice) {
  const Rgba crust = Mix(kGold, kSunset, 0.5f);
  for (int shelfY = y + h / 2; shelfY < y + h; shelfY += h / 2 - 2) {
    for (int bx = x + 6; bx + 12 < x + w; bx += 14 + dice.Below(4)) {
      const Rgba c = dice.Below(2) == 0 ? crust : Darker(crust, 0.25f);
      canvas.FillEllipse(bx + 6.0f, shelfY - 5.0f, 7, 5, c);
      canvas.Line(bx + 3.0f, shelfY - 7.0f, bx + 5.0f, shelfY - 4.0f, 1, Darker(c, 0.35f));
      canvas.Line(bx + 7.0f, shelfY - 8.0f, bx + 9.0f, shelfY - 5.0f, 1, Darker(c, 0.35f));
    }
    Shelf(canvas, x, shelfY, w);
  }
  // A cake on a stand in the middle.
  const int cx = x + w / 2;
  canvas.FillRect(cx - 12, y + 6, 24, 8, kCream);
  canvas.FillRect(cx - 8, y + 1, 16, 5, Lighter(kRed, 0.5f));
  canvas.FillRect(cx - 1, y - 2, 2, 3, kRed);
  canvas.FillRect(cx - 14, y + 14, 28, 2, kStoneDark);
}

void Records(Canvas& canvas, int x, int y, int w, int h, Dice& dice) {
  const float r = std::min(10.0f, h / 4.0f);
  for (float cx = x + r + 4; cx + r < x + w; cx += 2 * r + 6) {
    const float cy = y + h * 0.45f + (dice.Below(2) == 0 ? 0 : r / 2);
    canvas.FillCircle(cx, cy, r, Lighter(kInk, 0.05f));
    canvas.FillCircle(cx, cy, r * 0.7f, Lighter(kInk, 0.12f));
    canvas.FillCircle(cx, cy, r * 0.35f, Pick(dice));
    canvas.FillRect(static_cast<int>(cx), static_cast<int>(cy), 1, 1, kLamp);
  }
  // A neon note above the discs.
  const float nx = x + w - 20.0f, ny = y + 6.0f;
  canvas.Line(nx, ny, nx, ny + 14, 2, kTeal);
  canvas.Line(nx, ny, nx + 7, ny + 3, 2, kTeal);
  canvas.FillEllipse(nx - 3, ny + 14, 4, 3, kTeal);
  Shelf(canvas, x, y + h - 6, w);
}

void Mannequins(Canvas& canvas, int x, int y, int w, int h, Dice& dice) {
  const int count = std::max(1, w / 34);
  for (int k = 0; k < count; ++k) {
    const float cx = x + (k + 0.5f) * w / count;
    const Rgba suit = k % 2 == 0 ? kNightBlue : Darker(kGreen, 0.3f);
    const float top = y + h * 0.18f;
    canvas.FillCircle(cx, top, 5, kStone);
    canvas.FillPolygon(std::array<PointF, 4>{PointF{cx - 11, top + 7},
                                             {cx + 11, top + 7},
                                             {cx + 8, top + h * 0.55f},
                                             {cx - 8, top + h * 0.55f}},
                       suit);
    canvas.FillPolygon(
        std::array<PointF, 3>{PointF{cx - 3, top + 7}, {cx + 3, top + 7}, {cx, top + 15}}, kCream);
    canvas.Line(cx, top + h * 0.55f, cx, y + h - 4.0f, 2, kStoneDark);
    canvas.FillRect(static_cast<int>(cx) - 6, y + h - 4, 12, 2, kStoneDark);
    if (dice.Below(2) == 0)
      canvas.FillRect(static_cast<int>(cx) - 1, static_cast<int>(top) + 8, 2, 4, kRed);
  }
}

void Pizza(Canvas& canvas, int x, int y, int w, int h, Dice&) {
  const float cx = x + w * 0.4f, cy = y + h * 0.5f, r = std::min(h * 0.32f, 18.0f);
  canvas.Line(cx + r, cy, cx + r + 18, cy + 4, 4, Darker(kSunset, 0.4f));
  canvas.FillCircle(cx, cy, r + 2, Darker(kSunset, 0.4f));
  canvas.FillCircle(cx, cy, r, Mix(kGold, kSunset, 0.3f));
  canvas.FillCircle(cx, cy, r - 3, Lighter(kGold, 0.3f));
  for (int k = 0; k < 7; ++k) {
    const float a = k * 0.9f;
    const float d = (k % 3 + 1) * r / 4;
    canvas.FillCircle(cx + d * std::cos(a), cy + d * std::sin(a), 2.5f, kRed);
  }
  {
    // "OPEN" in red neon tubes, drawn as strokes so it reads at any size.
    const float ox = x + w - 36.0f, oy = y + 5.0f;
    canvas.FrameRect(static_cast<int>(ox) - 3, static_cast<int>(oy) - 3, 36, 16, 1,
                     Darker(kRed, 0.3f));
    canvas.FillEllipse(ox + 3, oy + 5, 3.5f, 5, kRed);
    canvas.FillEllipse(ox + 3, oy + 5, 1.5f, 3, Mix(kLamp, kSunset, 0.45f));
    canvas.Line(ox + 9, oy + 10, ox + 9, oy, 1.5f, kRed);
    canvas.Line(ox + 9, oy, ox + 13, oy + 2.5f, 1.5f, kRed);
    canvas.Line(ox + 13, oy + 2.5f, ox + 9, oy + 5, 1.5f, kRed);
    canvas.Line(ox + 17, oy, ox + 17, oy + 10, 1.5f, kRed);
    canvas.Line(ox + 17, oy, ox + 21, oy, 1.5f, kRed);
    canvas.Line(ox + 17, oy + 5, ox + 20, oy + 5, 1.5f, kRed);
    canvas.Line(ox + 17, oy + 10, ox + 21, oy + 10, 1.5f, kRed);
    canvas.Line(ox + 24, oy + 10, ox + 24, oy, 1.5f, kRed);
    canvas.Line(ox + 24, oy, ox + 29, oy + 10, 1.5f, kRed);
    canvas.Line(ox + 29, oy + 10, ox + 29, oy, 1.5f, kRed);
  }
  // A checked half-curtain along the bottom of the glass.
  for (int j = y + h - 12; j < y + h; ++j) {
    for (int i = x; i < x + w; ++i) {
      const bool check = ((i - x) / 4 + (j - y) / 4) % 2 == 0;
      canvas.Set(i, j, check ? kRed : kCream);
    }
  }
}

void Cafe(Canvas& canvas, int x, int y, int w, int h, Dice& dice) {
  for (int lx = x + 14; lx < x + w - 8; lx += 30) {
    canvas.Line(lx, y, lx, y + 10.0f, 1, kInk);
    canvas.FillEllipse(lx, y + 12.0f, 6, 3, Darker(kTeal, 0.2f));
    canvas.FillCircle(lx, y + 14.0f, 2, Lighter(kLamp, 0.5f));
  }
  const int counter = y + h - 14;
  canvas.FillRect(x, counter, w, 14, Darker(kSunset, 0.45f));
  canvas.FillRect(x, counter, w, 2, Darker(kSunset, 0.2f));
  for (int cx = x + 8; cx + 8 < x + w; cx += 16 + dice.Below(10)) {
    canvas.FillRect(cx, counter - 6, 6, 6, kCream);
    canvas.FillRect(cx + 6, counter - 5, 2, 3, kCream);
  }
  // An espresso machine at one end.
  canvas.FillRect(x + w - 30, counter - 18, 22, 18, kStone);
  canvas.FillRect(x + w - 27, counter - 15, 16, 5, kStoneDark);
  canvas.FillRect(x + w - 24, counter - 8, 2, 5, kInk);
  canvas.FillRect(x + w - 16, counter - 8, 2, 5, kInk);
}

void Flowers(Canvas& canvas, int x, int y, int w, int h, Dice& dice) {
  for (int px = x + 6; px + 10 < x + w; px += 18) {
    const int base = y + h - 4;
    const int top = y + h / 3 + dice.Below(h / 4 + 1);
    canvas.FillEllipse(px + 6.0f, (top + base) / 2.0f, 8, (base - top) / 2.0f,
                       Darker(kGreen, 0.15f));
    for (int k = 0; k < 5; ++k) {
      // One throw per statement: the order of a call's arguments differs between compilers.
      const float fx = px + 1.0f + dice.Below(11);
      const float fy = top + 2.0f + dice.Below(base - top - 4);
      canvas.FillCircle(fx, fy, 2, dice.Below(2) == 0 ? kRed : Lighter(kDusk, 0.5f));
    }
    canvas.FillRect(px, base - 6, 12, 6, Darker(kSunset, 0.3f));
  }
}

void Groceries(Canvas& canvas, int x, int y, int w, int h, Dice& dice) {
  for (int shelfY = y + h / 3; shelfY < y + h; shelfY += h / 3) {
    for (int cx = x + 3; cx + 7 < x + w; cx += 9) {
      const Rgba c = Pick(dice);
      canvas.FillRect(cx, shelfY - 9, 7, 9, c);
      canvas.FillRect(cx, shelfY - 6, 7, 2, kCream);
    }
    Shelf(canvas, x, shelfY, w);
  }
}

void Barber(Canvas& canvas, int x, int y, int w, int h, Dice&) {
  canvas.FillRect(x + 8, y + 6, w - 16, h / 2, Lighter(kTeal, 0.5f));
  canvas.FrameRect(x + 8, y + 6, w - 16, h / 2, 2, kGold);
  const float cx = x + w / 2.0f, base = static_cast<float>(y + h);
  canvas.FillRect(static_cast<int>(cx) - 10, static_cast<int>(base) - 24, 20, 12, kRed);
  canvas.FillRect(static_cast<int>(cx) - 8, static_cast<int>(base) - 36, 16, 14, kRed);
  canvas.FillRect(static_cast<int>(cx) - 2, static_cast<int>(base) - 12, 4, 10, kStoneDark);
  canvas.FillRect(static_cast<int>(cx) - 9, static_cast<int>(base) - 3, 18, 3, kStoneDark);
}

}  // namespace

void PaintDisplay(Canvas& canvas, Shop shop, int x, int y, int w, int h, std::uint32_t seed) {
  Dice dice(seed);
  switch (shop) {
    case Shop::kBooks:
      Books(canvas, x, y, w, h, dice);
      break;
    case Shop::kBakery:
      Bread(canvas, x, y, w, h, dice);
      break;
    case Shop::kRecords:
      Records(canvas, x, y, w, h, dice);
      break;
    case Shop::kTailor:
      Mannequins(canvas, x, y, w, h, dice);
      break;
    case Shop::kPizza:
      Pizza(canvas, x, y, w, h, dice);
      break;
    case Shop::kCafe:
      Cafe(canvas, x, y, w, h, dice);
      break;
    case Shop::kFlowers:
      Flowers(canvas, x, y, w, h, dice);
      break;
    case Shop::kGrocer:
      Groceries(canvas, x, y, w, h, dice);
      break;
    case Shop::kBarber:
      Barber(canvas, x, y, w, h, dice);
      break;
    default:
      break;
  }
}

}  // namespace tools::assetgen::scenery
