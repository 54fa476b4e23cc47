// Hud.cpp -- the status display: the bar across the top and bottom of the single-player
// screen, the cash counter's tiles, the star for a day passed and the owned-dance badge.
#include <cmath>
#include <string>

#include "engine/graphics/Font.h"
#include "tools/assetgen/InterfaceKit.h"
#include "tools/assetgen/InterfacePictures.h"
#include "tools/assetgen/Palette.h"

namespace tools::assetgen::ui {

using namespace palette;

namespace {

// A counter tile: a dark split-flap card, lighter above the split than below it.
Canvas Tile() {
  Canvas tile(25, 25, kInk);
  tile.FillRect(0, 1, 24, 11, Lighter(kNightBlue, 0.08f));
  tile.FillRect(0, 13, 24, 11, Darker(kNightBlue, 0.2f));
  tile.FillRect(0, 1, 24, 1, Lighter(kNightBlue, 0.25f));
  return tile;
}

// The hinge of the split-flap card, drawn over the digit.
void Split(Canvas& tile) {
  tile.FillRect(0, 12, 24, 1, kInk);
  tile.Set(0, 12, Darker(kNightBlue, 0.4f));
}

// Two quavers joined by a beam, about 12 x 14 pixels from (x, y).
void Notes(Canvas& canvas, int x, int y, Rgba c) {
  canvas.FillEllipse(x + 2.5f, y + 11.5f, 2.5f, 2.0f, c);
  canvas.FillEllipse(x + 9.5f, y + 9.5f, 2.5f, 2.0f, c);
  canvas.FillRect(x + 4, y + 2, 1, 10, c);
  canvas.FillRect(x + 11, y, 1, 10, c);
  const PointF beam[] = {
      {x + 4.0f, y + 2.0f}, {x + 12.0f, y + 0.0f}, {x + 12.0f, y + 3.0f}, {x + 4.0f, y + 5.0f}};
  canvas.FillPolygon(beam, c);
}

// The keys of the single-player game with what each does, from x; returns their width.
int DrawKeys(Canvas& bar, int from) {
  engine::graphics::Font& label = Regular(12);
  const int top = 18, labelTop = CapsTop(label, top + 6);
  int x = from;
  auto say = [&](std::string_view text, bool last = false) {
    x += 4;
    x += bar.Text(label, x, labelTop, text, kCream) + (last ? 0 : 14);
  };
  x += ArrowKeyCap(bar, x, top, false) + 2;
  x += ArrowKeyCap(bar, x, top, true);
  say("walk");
  x += KeyCap(bar, x, top, "Q");
  say("follow");
  x += KeyCap(bar, x, top, "1");
  say("beg");
  x += KeyCap(bar, x, top, "2");
  say("sing");
  x += KeyCap(bar, x, top, "3");
  say("rabbit");
  x += KeyCap(bar, x, top, "R");
  say("dance");
  x += KeyCap(bar, x, top, "B");
  say("buy dance");
  x += KeyCap(bar, x, top, "P");
  say("pause", true);
  return x - from;
}

}  // namespace

Canvas StatusBar() {
  Canvas bar(800, 50, kInk);
  bar.GradientRect(0, 1, 800, 48, Lighter(kNightBlue, 0.06f), Darker(kNightBlue, 0.35f));
  // Gold rails with a row of marquee lamps between them, along both long edges.
  for (const int y : {3, 46})
    bar.FillRect(0, y, 800, 1, Darker(kGold, 0.3f));
  for (int x = 6; x < 800; x += 12) {
    bar.FillRect(x, 1, 2, 2, kLamp);
    bar.FillRect(x, 47, 2, 2, kLamp);
  }

  TitleCentred(bar, Bold(24), 86, CapsTop(Bold(24), 25), "CURBSIDE", kGold);

  // The single-player keys, as a reminder along the right-hand side.
  Canvas measure(800, 50);
  DrawKeys(bar, 786 - DrawKeys(measure, 0));
  return bar;
}

Canvas CashSymbol() {
  Canvas tile = Tile();
  Coin(tile, 12.0f, 12.5f, 9.0f);
  return tile;
}

Canvas CashDigit(int digit) {
  Canvas tile = Tile();
  engine::graphics::Font& font = Bold(19);
  const std::string text(1, static_cast<char>('0' + digit));
  tile.TextCentred(font, 12, CapsTop(font, 12), text, kLamp);
  Split(tile);
  return tile;
}

Canvas AbilityStar() {
  Canvas star(20, 20);
  PointF points[10];
  for (int i = 0; i < 10; ++i) {
    const float radius = i % 2 == 0 ? 9.0f : 3.8f;
    const float angle = -1.5707963f + i * 0.62831853f;
    points[i] = {10.0f + radius * std::cos(angle), 10.8f + radius * std::sin(angle)};
  }
  star.FillPolygon(points, kGold);
  // Scan filling leans to one side; the star is made symmetric about its upright axis.
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 10; ++x) {
      if (star.Get(x, y).a != 0 || star.Get(19 - x, y).a != 0) {
        star.Set(x, y, kGold);
        star.Set(19 - x, y, kGold);
      }
    }
  }
  star.Outline(kInk);
  // A lamp-coloured glint on the upper-left arm.
  star.Set(8, 7, kLamp);
  star.Set(9, 5, kLamp);
  star.Set(9, 6, kLamp);
  star.Set(7, 8, kLamp);
  FinishMasked(star);
  return star;
}

// Drawn just below the cash digits, which its top six rows would otherwise cover: they stay
// transparent.
Canvas DanceBadge() {
  engine::graphics::Font& font = Bold(15);
  const char* text = "DANCE READY";
  const int width = 44 + Canvas::TextWidth(font, text);
  Canvas badge(width, 46);
  Panel(badge, 0, 6, width, 40, 8, kDusk, kGold);
  Notes(badge, 12, 19, kLamp);
  badge.Text(font, 32, CapsTop(font, 26), text, kCream);
  FinishMasked(badge);
  return badge;
}

}  // namespace tools::assetgen::ui
