// Title.cpp -- the title screen: a corner of the street at dusk, the game's name in lights, a
// performer's upturned hat with a rabbit, and the three buttons the game shell clicks on.
#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <utility>
#include <vector>

#include "tools/assetgen/Lettering.h"
#include "tools/assetgen/Palette.h"
#include "tools/assetgen/Scenery.h"
#include "tools/assetgen/StreetParts.h"
#include "tools/assetgen/TextLayout.h"

namespace tools::assetgen::scenery {

namespace {

using namespace palette;

struct Rect {
  int left, top, width, height;
};

// The game shell's hit rectangles; each button is painted wholly inside its own.
constexpr Rect kOnePlayer{535, 225, 210, 60};
constexpr Rect kTwoPlayers{430, 315, 215, 60};
constexpr Rect kRules{520, 410, 240, 55};

// The street position shown at the title's left edge. It anchors the sky, the pavement and the
// shading of the walls, which follow street positions.
constexpr int kFirstX = 1150;

// The title's own stretch of street, left to right from the picture's left edge. No button
// covers a name board: two shops stand left of the buttons and the pizzeria in the gap right of
// TWO PLAYERS, between the other two. Behind the buttons stand only fronts without a board, an
// alley and flats whose house number shows below TWO PLAYERS; the low alley lets the moon show.
std::vector<Building> TitleBuildings() {
  const Rgba none{0, 0, 0, 0};
  std::vector<Building> row = {
      {0, 220, Wall::kPlaster, Darker(kTeal, 0.1f), 2, Shop::kRecords, "Vinyl Vault", kInk, none},
      {0, 206, Wall::kStone, {}, 1, Shop::kGrocer, "Corner Grocer", kGreen, kGold},
      {0, 104, Wall::kBrickDark, {}, 1, Shop::kAlley, "", none, none},
      {0, 120, Wall::kBrickDark, {}, 3, Shop::kFlats, "", none, none},
      {0, 140, Wall::kBrick, {}, 2, Shop::kPizza, "Pizza Nova", kCream, kRed},
      {0, 70, Wall::kBrickDark, {}, 1, Shop::kAlley, "", none, none},
  };
  int x = kFirstX;
  for (Building& b : row) {
    b.x = x;
    x += b.width;
  }
  return row;
}

// Where two buildings meet, clear of the buttons: after the record shop and after the pizzeria.
constexpr std::array<int, 2> kTitleLamps = {kFirstX + 220, kFirstX + 790};

// A marquee plate: gold frame, red face, bulbs along the top and bottom, cream lettering.
void PaintButton(Canvas& canvas, const Rect& r, std::string_view label,
                 engine::graphics::Font& font) {
  canvas.FillRect(r.left, r.top, r.width, r.height, kInk);
  canvas.FillRect(r.left + 2, r.top + 2, r.width - 4, r.height - 4, kGold);
  canvas.FillRect(r.left + 2, r.top + 2, r.width - 4, 1, Lighter(kGold, 0.5f));
  canvas.FillRect(r.left + 2, r.top + r.height - 3, r.width - 4, 1, Darker(kGold, 0.3f));
  const int inset = 9;
  canvas.GradientRect(r.left + inset, r.top + inset, r.width - 2 * inset, r.height - 2 * inset,
                      Mix(kRed, kBrickDark, 0.2f), Mix(kRed, kInk, 0.55f));
  canvas.FrameRect(r.left + inset - 1, r.top + inset - 1, r.width - 2 * inset + 2,
                   r.height - 2 * inset + 2, 1, Darker(kGold, 0.5f));
  for (int x = r.left + 8; x < r.left + r.width - 6; x += 12) {
    for (int y : {r.top + 5, r.top + r.height - 5}) {
      canvas.FillCircle(x + 0.5f, y + 0.0f, 2.5f, Darker(kSunset, 0.2f));
      canvas.FillCircle(x + 0.5f, y + 0.0f, 1.5f, kLamp);
    }
  }
  const int ty = r.top + (r.height - font.LineHeight()) / 2 + 1;
  canvas.TextCentred(font, r.left + r.width / 2 + 1, ty + 2, label, kInk);
  canvas.TextCentred(font, r.left + r.width / 2, ty, label, kCream);
}

void PaintCoin(Canvas& canvas, float x, float y) {
  canvas.FillEllipse(x, y, 6, 3, Darker(kGold, 0.35f));
  canvas.FillEllipse(x, y - 1, 6, 3, kGold);
  canvas.FillEllipse(x - 1, y - 1.5f, 3, 1, Lighter(kGold, 0.5f));
}

// A quaver, outlined in ink so it reads over a lit window as well as over the sky.
void PaintNote(Canvas& canvas, float x, float y, Rgba c) {
  for (const auto& [colour, grow] : {std::pair{kInk, 1.5f}, std::pair{c, 0.0f}}) {
    canvas.FillEllipse(x, y, 5 + grow, 4 + grow, colour);
    canvas.Line(x + 4, y, x + 4, y - 18, 2 + 2 * grow, colour);
    canvas.Line(x + 4, y - 18, x + 11, y - 12, 2 + 2 * grow, colour);
  }
}

// The performer's top hat, upturned on the pavement, a rabbit peeping out and coins about.
void PaintHat(Canvas& canvas, float cx, float ground) {
  const Rgba felt = Lighter(kInk, 0.12f);
  canvas.FillEllipse(cx, ground, 62, 9, WithAlpha(kInk, 120));
  // Ears and head first: the brim hides the rabbit's body.
  const float top = ground - 52;
  for (float ex : {cx - 10, cx + 8}) {
    canvas.FillEllipse(ex, top - 34, 6, 20, kCream);
    canvas.FillEllipse(ex, top - 32, 2.5f, 14, Lighter(kRed, 0.55f));
  }
  canvas.FillEllipse(cx - 1, top - 8, 20, 16, kCream);
  canvas.FillCircle(cx - 9, top - 11, 2.5f, kInk);
  canvas.FillCircle(cx + 7, top - 11, 2.5f, kInk);
  canvas.FillEllipse(cx - 1, top - 4, 3, 2, Lighter(kRed, 0.3f));
  canvas.FillRect(static_cast<int>(cx) - 28, static_cast<int>(top), 54, 52, felt);
  canvas.FillRect(static_cast<int>(cx) - 28, static_cast<int>(top) + 8, 54, 9, kRed);
  canvas.FillRect(static_cast<int>(cx) - 22, static_cast<int>(top) + 20, 4, 28,
                  Lighter(felt, 0.15f));
  canvas.FillEllipse(cx - 1, top, 46, 8, felt);
  canvas.FillEllipse(cx - 1, top, 40, 5, kInk);
  canvas.FillEllipse(cx - 1, top + 6, 46, 3, felt);
  for (float dx : {-30.0f, 36.0f, 48.0f, -44.0f})
    PaintCoin(canvas, cx + dx, ground + 2);
  PaintCoin(canvas, cx + 42, ground - 1);
  PaintNote(canvas, cx + 52, top - 30, kLamp);
  PaintNote(canvas, cx + 80, top - 62, kCream);
  PaintNote(canvas, cx - 62, top - 48, kLamp);
}

}  // namespace

Canvas PaintTitle() {
  StreetLayout layout;
  layout.width = 800;
  layout.height = 600;
  layout.firstX = kFirstX;
  layout.wallBase = 470;
  layout.kerb = 560;
  layout.shopHeight = 108;
  layout.fasciaHeight = 26;
  layout.moonX = kFirstX + 440;  // in a gap of the skyline, over the alley
  Canvas canvas = PaintStreet(layout, TitleBuildings(), kTitleLamps);

  // Evening shade over the buildings behind the buttons, so the buttons stand out from the
  // street.
  for (int y = 190; y < 490; ++y) {
    for (int x = 380; x < 800; ++x) {
      const int alpha = std::min({120, (x - 380) * 3 / 2, (y - 190) * 4, (490 - y) * 4});
      canvas.Blend(x, y, WithAlpha(kNightBlue, static_cast<std::uint8_t>(alpha)));
    }
  }
  PaintHat(canvas, 190, 530);

  auto titleFont = LoadFont(kSansBoldPath, 104);
  PaintLettering(canvas, *titleFont, 400, 6, "Curbside", 5);
  auto tagFont = LoadFont(kSansBoldPath, 22);
  const std::string_view tagline = "Work the street. Fill your hat.";
  canvas.TextCentred(*tagFont, 402, 150, tagline, kInk);
  canvas.TextCentred(*tagFont, 400, 148, tagline, kCream);

  auto buttonFont = LoadFont(kSansBoldPath, 22);
  PaintButton(canvas, kOnePlayer, "ONE PLAYER", *buttonFont);
  PaintButton(canvas, kTwoPlayers, "TWO PLAYERS", *buttonFont);
  PaintButton(canvas, kRules, "RULES", *buttonFont);

  auto hintFont = LoadFont(kSansPath, 15);
  canvas.Text(*hintFont, 16, 574, "Escape quits", kCream);
  return canvas;
}

}  // namespace tools::assetgen::scenery
