// Street.cpp -- the street at dusk: sky and far skyline, the row of buildings, the pavement
// where the actors stand, the kerb and the road, and the lamp posts.
#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

#include "tools/assetgen/Catalogue.h"
#include "tools/assetgen/Palette.h"
#include "tools/assetgen/Scenery.h"
#include "tools/assetgen/StreetParts.h"

namespace tools::assetgen::scenery {

namespace {

using namespace palette;

// Street positions of the lamp posts: where two buildings meet, so no lamp hides a shop's name,
// and unevenly spaced, so the scrolling street never looks tiled.
constexpr std::array<int, 5> kLampPosts = {190, 610, 1010, 1490, 1930};

std::uint32_t Hash(int a, int b) {
  std::uint32_t h =
      static_cast<std::uint32_t>(a) * 73856093u ^ static_cast<std::uint32_t>(b) * 19349663u;
  h ^= h >> 15;
  h *= 2246822519u;
  h ^= h >> 13;
  return h;
}

// Evening sky in bands, night blue overhead to the glow of the sunset behind the roofs.
void PaintSky(Canvas& canvas, const StreetLayout& layout) {
  const int horizon = layout.wallBase - layout.shopHeight - layout.fasciaHeight;
  const int top = horizon - 3 * layout.storeyHeight;
  for (int y = 0; y < std::min(layout.wallBase, canvas.Height()); ++y) {
    const float t = std::clamp(static_cast<float>((y - top) / 6 * 6) / (horizon - top), 0.0f, 1.0f);
    const Rgba c =
        t < 0.6f ? Mix(kNightBlue, kDusk, t / 0.6f) : Mix(kDusk, kSunset, (t - 0.6f) / 0.4f);
    canvas.FillRect(0, y, canvas.Width(), 1, c);
  }
  for (int y = 0; y < horizon - 2 * layout.storeyHeight; ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const std::uint32_t h = Hash(x + layout.firstX, y);
      if (h % 1400 == 0) canvas.Set(x, y, h % 3 == 0 ? kLamp : kCream);
    }
  }
  // The moon, low enough to show between the roofs.
  const float mx = static_cast<float>(layout.moonX - layout.firstX),
              my = horizon - 2.0f * layout.storeyHeight + 8;
  canvas.FillCircle(mx, my, 22, WithAlpha(kLamp, 40));
  canvas.FillCircle(mx, my, 15, Lighter(kLamp, 0.5f));
  canvas.FillCircle(mx - 4, my - 3, 3, Darker(kLamp, 0.08f));
  canvas.FillCircle(mx + 5, my + 4, 2, Darker(kLamp, 0.08f));
}

// Towers far behind the street, flat and dim, with a few lit windows.
void PaintSkyline(Canvas& canvas, const StreetLayout& layout) {
  const int horizon = layout.wallBase - layout.shopHeight;
  const Rgba far = Mix(kDusk, kNightBlue, 0.55f);
  Dice dice(20240607u);
  for (int x = -60; x < 2400;) {
    const int w = 30 + dice.Below(60);
    const int h = layout.fasciaHeight + 40 + dice.Below(2 * layout.storeyHeight + 40);
    const int left = x - layout.firstX, top = horizon - h;
    canvas.FillRect(left, top, w, h, far);
    if (dice.Below(3) == 0) canvas.FillRect(left + w / 2 - 1, top - 12, 2, 12, far);
    for (int wy = top + 6; wy < horizon - 8; wy += 9) {
      for (int wx = left + 4; wx + 3 < left + w - 2; wx += 7) {
        if (dice.Below(9) == 0) canvas.FillRect(wx, wy, 3, 4, Mix(far, kLamp, 0.55f));
      }
    }
    x += w + dice.Below(10);
  }
}

// Paving slabs in rows that grow deeper toward the viewer, a shadow at the foot of the walls.
void PaintPavement(Canvas& canvas, const StreetLayout& layout) {
  const Rgba joint = Darker(kPavement, 0.22f);
  int rowTop = layout.wallBase, rowHeight = 16, row = 0;
  while (rowTop < layout.kerb) {
    const int bottom = std::min(rowTop + rowHeight, layout.kerb);
    const int slab = 40 + rowHeight;
    const int shift = (row % 2) * slab / 2;
    for (int y = rowTop; y < bottom; ++y) {
      for (int x = 0; x < canvas.Width(); ++x) {
        const int sx = x + layout.firstX + shift;
        Rgba c = kPavement;
        const std::uint32_t h = Hash(sx / slab, row);
        if (h % 5 == 0) c = Darker(kPavement, 0.07f);
        if (h % 7 == 0) c = Lighter(kPavement, 0.05f);
        if (y == bottom - 1 || sx % slab == 0) c = joint;
        if (y == rowTop && sx % slab != 0) c = Lighter(c, 0.12f);
        canvas.Set(x, y, c);
      }
    }
    rowTop = bottom;
    rowHeight += 4;
    ++row;
  }
  // Worn spots and a crack or two, anchored to the street so every crop agrees.
  for (int sx = 0; sx < 2300; sx += 37) {
    const std::uint32_t h = Hash(sx, 99);
    const int x = sx - layout.firstX + static_cast<int>(h % 30);
    const int y =
        layout.wallBase + 14 + static_cast<int>((h >> 8) % (layout.kerb - layout.wallBase - 24));
    if (h % 4 == 0) canvas.FillEllipse(x, y, 6, 2, Darker(kPavement, 0.12f));
    if (h % 11 == 0) {
      canvas.Line(x, y, x + 7, y + 3, 1, joint);
      canvas.Line(x + 7, y + 3, x + 12, y + 2, 1, joint);
    }
  }
  for (int k = 0; k < 5; ++k) {
    canvas.FillRect(0, layout.wallBase + k, canvas.Width(), 1, WithAlpha(kInk, 110 - k * 20));
  }
}

void PaintRoad(Canvas& canvas, const StreetLayout& layout) {
  const int kerb = layout.kerb;
  canvas.FillRect(0, kerb, canvas.Width(), 6, Lighter(kStone, 0.1f));
  canvas.FillRect(0, kerb, canvas.Width(), 1, kCream);
  canvas.FillRect(0, kerb + 6, canvas.Width(), 1, kInk);
  canvas.FillRect(0, kerb + 7, canvas.Width(), 6, kStoneDark);
  for (int x = 0; x < canvas.Width(); ++x) {
    if ((x + layout.firstX) % 34 == 0) canvas.FillRect(x, kerb, 1, 13, Darker(kStoneDark, 0.2f));
  }
  const int road = kerb + 13;
  canvas.FillRect(0, road, canvas.Width(), 3, Darker(kAsphalt, 0.4f));
  for (int y = road + 3; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const std::uint32_t h = Hash(x + layout.firstX, y + 7000);
      Rgba c = kAsphalt;
      if (h % 13 == 0) c = Lighter(kAsphalt, 0.08f);
      if (h % 17 == 0) c = Darker(kAsphalt, 0.15f);
      canvas.Set(x, y, c);
    }
  }
  // Lane markings, when the picture reaches far enough down.
  const int lane = road + 3 + (canvas.Height() - road) * 3 / 5;
  if (lane + 3 < canvas.Height()) {
    for (int x = 0; x < canvas.Width(); ++x) {
      if ((x + layout.firstX) % 70 < 40) canvas.FillRect(x, lane, 1, 3, Darker(kCream, 0.2f));
    }
  }
  // A drain grate by the kerb.
  for (int sx : {380, 1270, 2140}) {
    const int x = sx - layout.firstX;
    canvas.FillRect(x, road, 26, 6, kInk);
    for (int i = 2; i < 26; i += 4)
      canvas.FillRect(x + i, road + 1, 2, 4, kStoneDark);
  }
}

// Warm light spilling from the shop windows and pooling under the lamps.
void PaintLightOnPavement(Canvas& canvas, const StreetLayout& layout,
                          std::span<const Building> buildings, std::span<const int> lampPosts) {
  for (const Building& b : buildings) {
    if (b.shop == Shop::kAlley || b.shop == Shop::kBank || b.shop == Shop::kFlats) continue;
    const int x = b.x - layout.firstX + 14;
    for (int band = 0; band < 3; ++band) {
      canvas.FillRect(x + band * 6, layout.wallBase + 5 + band * 5, b.width - 28 - band * 12, 5,
                      WithAlpha(kLamp, static_cast<std::uint8_t>(30 - band * 9)));
    }
  }
  for (int lamp : lampPosts) {
    const float x = static_cast<float>(lamp - layout.firstX);
    const float y = layout.wallBase + (layout.kerb - layout.wallBase) * 0.4f;
    canvas.FillEllipse(x, y, 96, 30, WithAlpha(kLamp, 24));
    canvas.FillEllipse(x, y, 60, 19, WithAlpha(kLamp, 28));
  }
}

}  // namespace

StreetLayout SingleStreet() {
  return StreetLayout{};
}

StreetLayout SplitStreet() {
  StreetLayout layout;
  layout.height = 300;
  layout.wallBase = 115;
  layout.kerb = 257;
  layout.shopHeight = 84;
  layout.fasciaHeight = 22;
  return layout;
}

void PaintLampPost(Canvas& canvas, int x, int foot, int height) {
  const Rgba iron = Mix(kInk, kGreen, 0.3f);
  const int head = foot - height;
  for (int r : {44, 30, 19}) {
    canvas.FillCircle(static_cast<float>(x), head + 6.0f, static_cast<float>(r),
                      WithAlpha(kLamp, 22));
  }
  canvas.FillRect(x - 2, head + 16, 5, height - 16, iron);
  canvas.FillRect(x - 1, head + 16, 1, height - 16, Lighter(iron, 0.25f));
  canvas.FillRect(x - 5, foot - 18, 11, 18, iron);
  canvas.FillRect(x - 6, foot - 3, 13, 3, Darker(iron, 0.3f));
  canvas.FillRect(x - 4, foot - 60, 9, 4, iron);
  canvas.FillRect(x - 4, head + 14, 9, 3, iron);
  // The lantern: glass, cap and finial.
  canvas.FillPolygon(std::array<PointF, 4>{PointF{x - 7.0f, head - 4.0f},
                                           {x + 8.0f, head - 4.0f},
                                           {x + 5.0f, head + 14.0f},
                                           {x - 4.0f, head + 14.0f}},
                     Lighter(kLamp, 0.3f));
  canvas.FillRect(x - 1, head - 3, 3, 16, iron);
  canvas.FillPolygon(
      std::array<PointF, 3>{
          PointF{x - 10.0f, head - 3.0f}, {x + 0.5f, head - 12.0f}, {x + 11.0f, head - 3.0f}},
      iron);
  canvas.FillRect(x - 1, head - 16, 3, 5, iron);
}

Canvas PaintStreet(const StreetLayout& layout) {
  return PaintStreet(layout, StreetBuildings(), kLampPosts);
}

Canvas PaintStreet(const StreetLayout& layout, std::span<const Building> buildings,
                   std::span<const int> lampPosts) {
  Canvas canvas(layout.width, layout.height, kInk);
  PaintSky(canvas, layout);
  PaintSkyline(canvas, layout);
  PaintPavement(canvas, layout);
  PaintRoad(canvas, layout);
  PaintLightOnPavement(canvas, layout, buildings, lampPosts);
  for (const Building& b : buildings) {
    const int left = b.x - layout.firstX;
    if (left >= canvas.Width() || left + b.width <= 0) continue;
    PaintFront(canvas, layout, b, left);
    PaintShopfront(canvas, layout, b, left);
  }
  // The posts stand at the back of the pavement, behind everyone walking it, and their lamps
  // hang above the name boards.
  const int foot = layout.wallBase + 12;
  const int height = std::min(layout.shopHeight + layout.fasciaHeight + 34, foot - 18);
  for (int lamp : lampPosts)
    PaintLampPost(canvas, lamp - layout.firstX, foot, height);
  return canvas;
}

}  // namespace tools::assetgen::scenery
