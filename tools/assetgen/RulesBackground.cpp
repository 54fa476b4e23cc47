// RulesBackground.cpp -- the backdrop behind the rules pages: a quiet brick wall at night with
// two wall lamps, a heading, and a strip of pavement where the page buttons sit.
#include <algorithm>
#include <array>

#include "tools/assetgen/Lettering.h"
#include "tools/assetgen/Palette.h"
#include "tools/assetgen/Scenery.h"
#include "tools/assetgen/StreetParts.h"
#include "tools/assetgen/TextLayout.h"

namespace tools::assetgen::scenery {

namespace {

using namespace palette;

constexpr int kWidth = 800, kHeight = 600;
constexpr int kWallFoot = 548;
// Where the game draws a page: at (100, 100), at most 600 x 450.
constexpr int kPageX = 100, kPageY = 100, kPageW = 600, kPageH = 450;

void PaintWallLamp(Canvas& canvas, int x, int y) {
  for (int r : {70, 48, 30}) {
    canvas.FillCircle(static_cast<float>(x), static_cast<float>(y), static_cast<float>(r),
                      WithAlpha(kLamp, 20));
  }
  const Rgba iron = Mix(kInk, kGreen, 0.3f);
  canvas.FillRect(x - 3, y + 14, 7, 24, iron);
  canvas.FillRect(x - 6, y + 34, 13, 4, iron);
  canvas.FillPolygon(std::array<PointF, 4>{PointF{x - 9.0f, y - 10.0f},
                                           {x + 10.0f, y - 10.0f},
                                           {x + 6.0f, y + 14.0f},
                                           {x - 5.0f, y + 14.0f}},
                     Lighter(kLamp, 0.3f));
  canvas.FillRect(x - 1, y - 9, 3, 22, iron);
  canvas.FillPolygon(
      std::array<PointF, 3>{
          PointF{x - 12.0f, y - 9.0f}, {x + 0.5f, y - 19.0f}, {x + 13.0f, y - 9.0f}},
      iron);
}

}  // namespace

Canvas PaintRulesBackground() {
  Canvas canvas(kWidth, kHeight, kInk);
  // The wall, dimmed toward its top, away from the lamps' light.
  for (int y = 0; y < kWallFoot; ++y) {
    const float dim = 0.35f + 0.25f * (1.0f - static_cast<float>(y) / kWallFoot);
    for (int x = 0; x < kWidth; ++x) {
      canvas.Set(x, y, Mix(BrickAt(x, kWallFoot - 1 - y, kBrickDark, 7), kNightBlue, dim));
    }
  }
  PaintWallLamp(canvas, 50, 300);
  PaintWallLamp(canvas, 750, 300);

  // The pavement along the bottom, where the page buttons stand.
  for (int y = kWallFoot; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const bool joint = y == kWallFoot + 20 || (x + (y > kWallFoot + 20 ? 30 : 0)) % 60 == 0;
      canvas.Set(x, y, Mix(joint ? Darker(kPavement, 0.22f) : kPavement, kNightBlue, 0.35f));
    }
  }
  for (int k = 0; k < 5; ++k) {
    canvas.FillRect(0, kWallFoot + k, kWidth, 1,
                    WithAlpha(kInk, static_cast<std::uint8_t>(110 - k * 20)));
  }

  // A soft shadow where the page hangs, so the page seems to stand off the wall.
  for (int k = 0; k < 8; ++k) {
    canvas.FillRect(kPageX + 4 + k, kPageY + 8 + k, kPageW - 8, kPageH - 8, WithAlpha(kInk, 18));
  }

  auto heading = LoadFont(kSansBoldPath, 44);
  PaintLettering(canvas, *heading, kWidth / 2, 18, "How to play", 3);
  auto hint = LoadFont(kSansPath, 14);
  canvas.Text(*hint, 16, 566, "Escape quits", kCream);
  const char* turn = "Turn the page";
  canvas.Text(*hint, 700 - Canvas::TextWidth(*hint, turn), 566, turn, kCream);
  return canvas;
}

}  // namespace tools::assetgen::scenery
