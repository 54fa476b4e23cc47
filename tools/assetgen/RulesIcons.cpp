// RulesIcons.cpp -- the objects drawn on the rules pages: coins, notes, the rabbit in the hat,
// a price tag, an interest bar, a clock, a badge, speech bubbles, the cash counter, dropped
// cash and a sketch of the split screen.
#include <array>
#include <cmath>
#include <string>
#include <utility>

#include "tools/assetgen/Palette.h"
#include "tools/assetgen/People.h"
#include "tools/assetgen/RulesIcons.h"

namespace tools::assetgen::scenery {

using namespace palette;

void PaintCoin(Canvas& canvas, float cx, float cy, float r) {
  canvas.FillCircle(cx, cy, r + 1, kInk);
  canvas.FillCircle(cx, cy, r, Darker(kGold, 0.25f));
  canvas.FillCircle(cx - 1, cy - 1, r - 1.5f, kGold);
  canvas.FillCircle(cx - r / 3, cy - r / 3, r / 4, Lighter(kGold, 0.6f));
}

void PaintNotes(Canvas& canvas, float x, float y, Rgba colour) {
  for (const auto& [c, grow] : {std::pair{kInk, 1.5f}, std::pair{colour, 0.0f}}) {
    canvas.FillEllipse(x, y, 5 + grow, 4 + grow, c);
    canvas.FillEllipse(x + 14, y - 3, 5 + grow, 4 + grow, c);
    canvas.Line(x + 4, y, x + 4, y - 20, 2 + 2 * grow, c);
    canvas.Line(x + 18, y - 3, x + 18, y - 23, 2 + 2 * grow, c);
    canvas.Line(x + 4, y - 20, x + 18, y - 23, 4 + 2 * grow, c);
  }
}

void PaintRabbitHat(Canvas& canvas, float cx, float base) {
  const Rgba felt = Lighter(kInk, 0.15f);
  const float top = base - 26;
  for (float ex : {cx - 6, cx + 6}) {
    canvas.FillEllipse(ex, top - 22, 5, 13, kInk);
    canvas.FillEllipse(ex, top - 22, 3.5f, 11.5f, kCream);
    canvas.FillEllipse(ex, top - 21, 1.5f, 8, Lighter(kRed, 0.55f));
  }
  canvas.FillEllipse(cx, top - 5, 13, 10, kInk);
  canvas.FillEllipse(cx, top - 5, 11.5f, 8.5f, kCream);
  canvas.FillRect(static_cast<int>(cx) - 6, static_cast<int>(top) - 8, 2, 3, kInk);
  canvas.FillRect(static_cast<int>(cx) + 4, static_cast<int>(top) - 8, 2, 3, kInk);
  canvas.FillRect(static_cast<int>(cx) - 17, static_cast<int>(top), 34, 26, kInk);
  canvas.FillRect(static_cast<int>(cx) - 16, static_cast<int>(top) + 1, 32, 24, felt);
  canvas.FillRect(static_cast<int>(cx) - 16, static_cast<int>(top) + 4, 32, 5, kRed);
  canvas.FillEllipse(cx, top, 24, 5, kInk);
  canvas.FillEllipse(cx, top, 22, 3.5f, felt);
  canvas.FillEllipse(cx, top, 17, 2, kInk);
}

void PaintPriceTag(Canvas& canvas, int x, int y, std::string_view price,
                   engine::graphics::Font& font) {
  const int w = Canvas::TextWidth(font, price) + 16, h = font.LineHeight() + 8;
  canvas.FillRect(x - 1, y - 1, w + 2, h + 2, kInk);
  canvas.FillRect(x, y, w, h, kCream);
  canvas.FillRect(x, y + h - 3, w, 3, Darker(kCream, 0.2f));
  canvas.Line(x + w / 2.0f, y + h + 0.0f, x + w / 2.0f, y + h + 10.0f, 2, kInk);
  canvas.TextCentred(font, x + w / 2, y + 4, price, kRed);
}

void PaintMeter(Canvas& canvas, int x, int y, int w, float share) {
  canvas.FillRect(x - 1, y - 1, w + 2, 10, kInk);
  canvas.FillRect(x, y, w, 8, Darker(kStoneDark, 0.3f));
  canvas.FillRect(x, y, static_cast<int>(w * share), 8, kGreen);
  canvas.FillRect(x, y, static_cast<int>(w * share), 2, Lighter(kGreen, 0.4f));
}

void PaintClockFace(Canvas& canvas, float cx, float cy, float r, float longAngle,
                    float shortAngle) {
  canvas.FillCircle(cx, cy, r + 2, kInk);
  canvas.FillCircle(cx, cy, r, kGold);
  canvas.FillCircle(cx, cy, r - 4, kCream);
  for (int k = 0; k < 12; ++k) {
    const float a = k * 3.14159265f / 6;
    canvas.FillCircle(cx + (r - 8) * std::sin(a), cy - (r - 8) * std::cos(a), 1.5f, kStoneDark);
  }
  const float rad = 3.14159265f / 180;
  canvas.Line(cx, cy, cx + (r - 10) * std::sin(longAngle * rad),
              cy - (r - 10) * std::cos(longAngle * rad), 3, kInk);
  canvas.Line(cx, cy, cx + (r - 18) * std::sin(shortAngle * rad),
              cy - (r - 18) * std::cos(shortAngle * rad), 4, kRed);
  canvas.FillCircle(cx, cy, 3, kInk);
}

void PaintPortrait(Canvas& canvas, int x, int y, int kind) {
  canvas.Draw(people::KindBadge(kind), x, y);
}

void PaintStar(Canvas& canvas, float cx, float cy, float r) {
  std::array<PointF, 10> outline, star;
  for (int k = 0; k < 10; ++k) {
    const float a = k * 3.14159265f / 5;
    const float reach = k % 2 == 0 ? r : r * 0.45f;
    star[static_cast<std::size_t>(k)] = {cx + reach * std::sin(a), cy - reach * std::cos(a)};
    outline[static_cast<std::size_t>(k)] = {cx + (reach + 1.5f) * std::sin(a),
                                            cy - (reach + 1.5f) * std::cos(a)};
  }
  canvas.FillPolygon(outline, kInk);
  canvas.FillPolygon(star, kGold);
}

void PaintBadge(Canvas& canvas, float cx, float cy) {
  PaintStar(canvas, cx, cy, 11);
}

void PaintActIcon(Canvas& canvas, Act act, float cx, float cy) {
  const Rgba felt = Lighter(kInk, 0.15f);
  switch (act) {
    case Act::kBeg:
      canvas.FillRect(static_cast<int>(cx) - 8, static_cast<int>(cy) - 2, 16, 11, felt);
      canvas.FillRect(static_cast<int>(cx) - 8, static_cast<int>(cy) + 1, 16, 3, kRed);
      canvas.FillRect(static_cast<int>(cx) - 11, static_cast<int>(cy) - 4, 22, 3, felt);
      PaintCoin(canvas, cx + 1, cy - 10, 4);
      break;
    case Act::kSing:
      canvas.FillEllipse(cx - 3, cy + 6, 5, 4, kTeal);
      canvas.Line(cx + 1, cy + 6, cx + 1, cy - 10, 2, kTeal);
      canvas.Line(cx + 1, cy - 10, cx + 8, cy - 4, 2, kTeal);
      break;
    case Act::kTrick:
      for (float ex : {cx - 4, cx + 4}) {
        canvas.FillEllipse(ex, cy - 7, 3, 8, kInk);
        canvas.FillEllipse(ex, cy - 7, 2, 7, kCream);
      }
      canvas.FillCircle(cx, cy + 4, 7, kInk);
      canvas.FillCircle(cx, cy + 4, 6, kCream);
      canvas.FillRect(static_cast<int>(cx) - 3, static_cast<int>(cy) + 2, 1, 2, kInk);
      canvas.FillRect(static_cast<int>(cx) + 2, static_cast<int>(cy) + 2, 1, 2, kInk);
      break;
  }
}

void PaintBubble(Canvas& canvas, int x, int y, int w, int h, std::string_view label,
                 engine::graphics::Font& font) {
  canvas.FillPolygon(
      std::array<PointF, 3>{
          PointF{x + 8.0f, y + h - 2.0f}, {x + 22.0f, y + h - 2.0f}, {x + 4.0f, y + h + 12.0f}},
      kInk);
  canvas.FillRect(x + 1, y, w - 2, h, kInk);
  canvas.FillRect(x, y + 1, w, h - 2, kInk);
  canvas.FillRect(x + 2, y + 2, w - 4, h - 4, Lighter(kCream, 0.5f));
  canvas.FillPolygon(
      std::array<PointF, 3>{
          PointF{x + 10.0f, y + h - 3.0f}, {x + 19.0f, y + h - 3.0f}, {x + 7.0f, y + h + 8.0f}},
      Lighter(kCream, 0.5f));
  canvas.TextCentred(font, x + w / 2, y + (h - font.LineHeight()) / 2 + 1, label, kInk);
}

void PaintCounter(Canvas& canvas, int x, int y, std::string_view digits,
                  engine::graphics::Font& font) {
  const int cell = 20;
  PaintCoin(canvas, x + 10.0f, y + 11.0f, 9);
  for (std::size_t i = 0; i < digits.size(); ++i) {
    const int cx = x + cell + 4 + static_cast<int>(i) * cell;
    canvas.FillRect(cx, y, cell - 2, 22, kNightBlue);
    canvas.FrameRect(cx, y, cell - 2, 22, 1, kInk);
    canvas.TextCentred(font, cx + (cell - 2) / 2, y + (22 - font.LineHeight()) / 2 + 1,
                       std::string(1, digits[i]), kGold);
  }
}

void PaintDroppedCash(Canvas& canvas, float cx, float base) {
  canvas.FillEllipse(cx, base + 2, 34, 7, WithAlpha(kInk, 90));
  // A folded note under a few coins.
  canvas.FillPolygon(
      std::array<PointF, 4>{
          PointF{cx - 30, base - 6}, {cx + 8, base - 18}, {cx + 22, base - 4}, {cx - 16, base + 7}},
      kInk);
  canvas.FillPolygon(
      std::array<PointF, 4>{
          PointF{cx - 27, base - 6}, {cx + 8, base - 16}, {cx + 19, base - 4}, {cx - 16, base + 5}},
      Lighter(kGreen, 0.3f));
  canvas.FillCircle(cx - 4, base - 5, 4, Darker(kGreen, 0.15f));
  canvas.Line(cx - 18, base - 3, cx + 8, base - 11, 1, Darker(kGreen, 0.2f));
  PaintCoin(canvas, cx + 16, base - 6, 7);
  PaintCoin(canvas, cx + 26, base, 7);
  PaintCoin(canvas, cx - 24, base + 3, 6);
}

void PaintSplitScreen(Canvas& canvas, int x, int y, int w, int h, engine::graphics::Font& font) {
  canvas.FillRect(x - 2, y - 2, w + 4, h + 4, kInk);
  for (int half = 0; half < 2; ++half) {
    const int top = y + half * (h / 2);
    const int ph = h / 2 - (half == 0 ? 1 : 0);
    canvas.GradientRect(x, top, w, ph * 2 / 3, kNightBlue, kDusk);
    canvas.FillRect(x, top + ph * 2 / 3, w, ph - ph * 2 / 3, kPavement);
    for (int bx = x + 4; bx < x + w - 10; bx += 24) {
      canvas.FillRect(bx, top + ph / 4, 18, ph * 2 / 3 - ph / 4, half == 0 ? kBrick : kStoneDark);
      canvas.FillRect(bx + 5, top + ph / 3, 6, 5, kLamp);
    }
    const int px = half == 0 ? x + w / 3 : x + w * 2 / 3;
    const int feet = top + ph - 3;
    canvas.FillRect(px - 3, feet - 12, 7, 12, half == 0 ? kRed : kTeal);
    canvas.FillCircle(px + 0.5f, feet - 15.0f, 3.5f, kSkin);
    canvas.FillRect(px - 3, feet - 24, 7, 6, kInk);
    canvas.FillRect(px - 5, feet - 19, 11, 2, kInk);
    canvas.Text(font, px + 9, top + 2, half == 0 ? "1" : "2", kCream);
  }
  canvas.FillRect(x, y + h / 2 - 1, w, 2, kInk);
}

}  // namespace tools::assetgen::scenery
