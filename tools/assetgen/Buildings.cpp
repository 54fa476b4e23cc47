// Buildings.cpp -- the row of buildings along the street and their fronts above the shops:
// walls, upper windows, cornices and what stands on the roofs.
#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "tools/assetgen/Catalogue.h"
#include "tools/assetgen/Palette.h"
#include "tools/assetgen/StreetParts.h"

namespace tools::assetgen::scenery {

namespace {

using namespace palette;

// A position-addressed shade, so that a building painted in a crop of the street, or in a
// row of its own (the title screen), shades the same as at that place in the whole street.
std::uint32_t Hash(int a, int b, int c) {
  std::uint32_t h = 2166136261u;
  for (int v : {a, b, c}) {
    h ^= static_cast<std::uint32_t>(v);
    h *= 16777619u;
    h ^= h >> 13;
  }
  return h;
}

Rgba WallColour(const Building& b) {
  switch (b.wall) {
    case Wall::kBrick:
      return kBrick;
    case Wall::kBrickDark:
      return kBrickDark;
    case Wall::kStone:
      return kStone;
    case Wall::kPlaster:
      return b.plaster;
  }
  return kBrick;
}

// The fronts darken toward the roofs, in bands, as the evening light fades upward.
Rgba Dusk(Rgba c, int y, const Storeys& s) {
  const int span = std::max(1, s.groundTop - s.roof);
  const float t = std::clamp(static_cast<float>(s.groundTop - y) / span, 0.0f, 1.0f);
  const float banded = static_cast<float>(static_cast<int>(t * 4)) / 4;
  return Mix(c, kNightBlue, 0.08f + banded * 0.22f);
}

void PaintWallTexture(Canvas& canvas, const StreetLayout& layout, const Building& b, int left,
                      const Storeys& s) {
  const Rgba base = WallColour(b);
  for (int y = std::max(s.roof, 0); y < layout.wallBase && y < canvas.Height(); ++y) {
    const int fromGround = layout.wallBase - 1 - y;
    for (int i = 0; i < b.width; ++i) {
      Rgba c = base;
      if (b.wall == Wall::kBrick || b.wall == Wall::kBrickDark) {
        c = BrickAt(i, fromGround, base, b.x);
      } else if (b.wall == Wall::kStone) {
        const int course = fromGround / 16;
        const int shift = (course % 2) * 22;
        if (fromGround % 16 == 15 || (i + shift) % 44 == 0) c = Darker(base, 0.16f);
      } else if (Hash(b.x, y, i) % 23 == 0) {
        c = Darker(base, 0.06f);
      }
      canvas.Set(left + i, y, Dusk(c, y, s));
    }
  }
  // A dark seam marks where one building meets the next.
  const int top = std::max(s.roof, 0);
  canvas.FillRect(left, top, 2, layout.wallBase - top, Darker(base, 0.55f));
}

constexpr std::array<Rgba, 5> kCurtains = {kRed, kGreen, kTeal, kDusk, kSunset};

void PaintUpperWindows(Canvas& canvas, const StreetLayout& layout, const Building& b, int left,
                       const Storeys& s) {
  Dice dice(static_cast<std::uint32_t>(b.x) * 7919u + 11u);
  const int count = std::max(1, (b.width - 20) / 52);
  const int spacing = b.width / count;
  const int w = 24, h = layout.storeyHeight * 9 / 16;
  for (int storey = 0; storey < b.storeys; ++storey) {
    const int top = s.fasciaTop - (storey + 1) * layout.storeyHeight + 14;
    for (int k = 0; k < count; ++k) {
      const int x = left + spacing * k + (spacing - w) / 2;
      const bool lit = dice.Below(100) < 45;
      const Rgba curtain = kCurtains[dice.Below(static_cast<int>(kCurtains.size()))];
      // Brick fronts carry a stone lintel over each window.
      if (b.wall != Wall::kStone) canvas.FillRect(x - 3, top - 5, w + 6, 4, Dusk(kStone, top, s));
      PaintWindowPane(canvas, x, top, w, h, lit, curtain);
    }
  }
}

void PaintCornice(Canvas& canvas, const Building& b, int left, const Storeys& s) {
  const Rgba band = Dusk(b.wall == Wall::kStone ? kStoneDark : kStone, s.roof + 4, s);
  canvas.FillRect(left, s.roof, b.width, 6, band);
  canvas.FillRect(left, s.roof, b.width, 1, Lighter(band, 0.3f));
  canvas.FillRect(left, s.roof + 6, b.width, 1, kInk);
  for (int i = 3; i + 2 < b.width; i += 6) {
    canvas.FillRect(left + i, s.roof + 7, 2, 2, Darker(band, 0.35f));
  }
}

// Silhouettes on the skyline: chimneys, a water tank, an aerial, a parapet.
void PaintRoofline(Canvas& canvas, const Building& b, int left, const Storeys& s) {
  Dice dice(static_cast<std::uint32_t>(b.x) * 104729u + 5u);
  const Rgba dark = Darker(kDusk, 0.45f);
  const int kind = dice.Below(5);
  if (kind == 0 || kind == 3) {
    const int cx = left + 14 + dice.Below(std::max(1, b.width - 40));
    const int h = 14 + dice.Below(12);
    canvas.FillRect(cx, s.roof - h, 12, h, Darker(kBrickDark, 0.3f));
    canvas.FillRect(cx - 2, s.roof - h - 3, 16, 3, dark);
  }
  if (kind == 1 && b.width >= 150) {
    const int cx = left + b.width - 60;
    canvas.FillRect(cx, s.roof - 34, 30, 22, Darker(kBrickDark, 0.2f));
    canvas.FillPolygon(std::array<PointF, 3>{PointF{cx - 3.0f, s.roof - 34.0f},
                                             {cx + 15.0f, s.roof - 46.0f},
                                             {cx + 33.0f, s.roof - 34.0f}},
                       dark);
    for (int leg : {cx + 3, cx + 24})
      canvas.FillRect(leg, s.roof - 12, 3, 12, dark);
  }
  if (kind == 2 || kind == 3) {
    const int ax = left + 20 + dice.Below(std::max(1, b.width - 40));
    canvas.Line(ax, s.roof, ax, s.roof - 30, 1.5f, dark);
    canvas.Line(ax - 8, s.roof - 24, ax + 8, s.roof - 24, 1.5f, dark);
    canvas.Line(ax - 5, s.roof - 18, ax + 5, s.roof - 18, 1.5f, dark);
  }
  if (kind == 4) {
    for (int i = 0; i + 10 <= b.width; i += 20) {
      canvas.FillRect(left + i, s.roof - 6, 10, 6, Dusk(kStoneDark, s.roof, s));
    }
  }
}

// An alley is a gap between two buildings: a far wall in shadow with a fire escape.
void PaintAlleyFront(Canvas& canvas, const StreetLayout& layout, const Building& b, int left,
                     const Storeys& s) {
  const Rgba far = Darker(kBrickDark, 0.5f);
  for (int y = std::max(s.roof, 0); y < layout.wallBase; ++y) {
    for (int i = 0; i < b.width; ++i) {
      const bool mortar = (layout.wallBase - y) % 6 == 0;
      canvas.Set(left + i, y, mortar ? Darker(far, 0.25f) : far);
    }
  }
  const Rgba iron = Darker(kNightBlue, 0.35f);
  for (int storey = 0; storey < b.storeys + 1; ++storey) {
    const int y = s.fasciaTop - storey * layout.storeyHeight + 10;
    canvas.FillRect(left + 6, y, b.width - 12, 3, iron);
    for (int i = left + 8; i < left + b.width - 8; i += 5)
      canvas.FillRect(i, y - 10, 1, 10, iron);
    canvas.FillRect(left + 6, y - 11, b.width - 12, 1, iron);
    if (storey > 0) {
      canvas.Line(left + 10, y, left + b.width - 12, y + layout.storeyHeight - 4, 2, iron);
    }
  }
  // One lit window far down the alley.
  PaintWindowPane(canvas, left + b.width / 2 - 8, s.fasciaTop - layout.storeyHeight + 16, 16, 24,
                  true, kDusk);
}

}  // namespace

Rgba BrickAt(int column, int row, Rgba base, int seed) {
  const int course = row / 6;
  const int shift = (course % 2) * 8;
  if (row % 6 == 5 || (column + shift) % 16 == 0) return Mix(base, kStoneDark, 0.45f);
  const std::uint32_t h = Hash(seed, course, (column + shift) / 16) % 7;
  if (h == 0) return Darker(base, 0.18f);
  if (h == 1) return Lighter(base, 0.1f);
  return base;
}

std::span<const Building> StreetBuildings() {
  static const std::vector<Building> buildings = [] {
    const Rgba none{0, 0, 0, 0};
    std::vector<Building> list = {
        {0, 190, Wall::kBrick, {}, 2, Shop::kCafe, "Cafe Lumen", kTeal, kTeal},
        {0, 150, Wall::kStone, {}, 3, Shop::kBooks, "Page Turner Books", kNightBlue, none},
        {0, 60, Wall::kBrickDark, {}, 1, Shop::kAlley, "", none, none},
        {0, 210, Wall::kPlaster, Lighter(kDusk, 0.35f), 1, Shop::kFlowers, "Rosa's Flowers", kGreen,
         kGreen},
        {0, 170, Wall::kBrickDark, {}, 2, Shop::kBarber, "Sharp Cuts", kInk, none},
        {0, 230, Wall::kStone, {}, 2, Shop::kCinema, "STARLIGHT", kRed, none},
        {0, 160, Wall::kBrick, {}, 1, Shop::kBakery, "Bun & Butter", kCream, kRed},
        {0, 120, Wall::kBrickDark, {}, 3, Shop::kFlats, "", none, none},
        {0, 200, Wall::kPlaster, Darker(kTeal, 0.1f), 2, Shop::kRecords, "Vinyl Vault", kInk, none},
        {0, 180, Wall::kStone, {}, 1, Shop::kGrocer, "Corner Grocer", kGreen, kGold},
        {0, 70, Wall::kBrickDark, {}, 1, Shop::kAlley, "", none, none},
        {0, 190, Wall::kBrick, {}, 2, Shop::kPizza, "Pizza Nova", kCream, kRed},
        {0, 170, Wall::kPlaster, Mix(kSunset, kStone, 0.55f), 1, Shop::kTailor, "Finch Tailors",
         kNightBlue, none},
        {0, 200, Wall::kStone, {}, 3, Shop::kBank, "SAVINGS BANK", kStoneDark, none},
    };
    int x = 0;
    for (Building& b : list) {
      b.x = x;
      x += b.width;
    }
    return list;
  }();
  return buildings;
}

Storeys StoreysOf(const StreetLayout& layout, const Building& b) {
  Storeys s;
  s.groundTop = layout.wallBase - layout.shopHeight;
  s.fasciaTop = s.groundTop - layout.fasciaHeight;
  s.roof = s.fasciaTop - b.storeys * layout.storeyHeight - 8;
  return s;
}

void PaintWindowPane(Canvas& canvas, int x, int y, int w, int h, bool lit, Rgba curtain) {
  const Rgba frame = Darker(kStone, 0.1f);
  canvas.FillRect(x - 2, y - 2, w + 4, h + 4, frame);
  canvas.FrameRect(x - 2, y - 2, w + 4, h + 4, 1, kInk);
  if (lit) {
    canvas.GradientRect(x, y, w, h, kLamp, Mix(kLamp, kSunset, 0.55f));
    const int drape = std::max(3, w / 4);
    canvas.FillRect(x, y, drape, h, curtain);
    canvas.FillRect(x + w - drape, y, drape, h, curtain);
    canvas.FillRect(x, y, w, 3, Darker(curtain, 0.2f));
  } else {
    canvas.FillRect(x, y, w, h, Darker(kNightBlue, 0.1f));
    canvas.Line(x + w * 0.25f, y + h - 2.0f, x + w - 2.0f, y + h * 0.3f, 2,
                Mix(kNightBlue, kDusk, 0.6f));
  }
  canvas.FillRect(x + w / 2, y, 1, h, frame);
  canvas.FillRect(x, y + h / 2, w, 1, frame);
  canvas.FillRect(x - 4, y + h + 2, w + 8, 3, kStone);
  canvas.FillRect(x - 4, y + h + 5, w + 8, 1, kInk);
}

void PaintFront(Canvas& canvas, const StreetLayout& layout, const Building& b, int left) {
  const Storeys s = StoreysOf(layout, b);
  if (b.shop == Shop::kAlley) {
    PaintAlleyFront(canvas, layout, b, left, s);
    return;
  }
  PaintRoofline(canvas, b, left, s);
  PaintWallTexture(canvas, layout, b, left, s);
  PaintUpperWindows(canvas, layout, b, left, s);
  PaintCornice(canvas, b, left, s);
}

}  // namespace tools::assetgen::scenery
