// StreetMarks.cpp -- small pictures drawn on the street among the people: cash lying on the
// pavement, a watcher's interest meter, a hobo's price tag and the two-player head numbers.
#include <string>

#include "engine/graphics/Font.h"
#include "tools/assetgen/InterfaceKit.h"
#include "tools/assetgen/InterfacePictures.h"
#include "tools/assetgen/Palette.h"

namespace tools::assetgen::ui {

using namespace palette;

namespace {

// The banknote's green.
constexpr Rgba kNote{110, 170, 96};

// A quaver, about 7 x 12 pixels from (x, y).
void Note(Canvas& canvas, int x, int y, Rgba c) {
  canvas.FillEllipse(x + 2.5f, y + 10.0f, 2.6f, 2.0f, c);
  canvas.FillRect(x + 4, y, 1, 10, c);
  canvas.FillRect(x + 5, y + 1, 1, 2, c);
  canvas.FillRect(x + 6, y + 3, 1, 3, c);
}

}  // namespace

// A banknote lying on the pavement with a little stack of coins on it.
Canvas CashItem() {
  Canvas item(20, 20);
  const PointF note[] = {{1.0f, 9.5f}, {13.0f, 5.0f}, {16.5f, 11.5f}, {4.5f, 16.0f}};
  item.FillPolygon(note, Lighter(kNote, 0.45f));
  const PointF inner[] = {{3.0f, 9.8f}, {12.4f, 6.4f}, {14.6f, 10.8f}, {5.2f, 14.3f}};
  item.FillPolygon(inner, kNote);
  item.FillEllipse(8.8f, 10.4f, 2.0f, 1.5f, Darker(kNote, 0.35f));
  // Three coins stacked, seen from the side, the top one face up; one outline round all.
  item.FillEllipse(14.5f, 16.0f, 4.0f, 2.0f, Darker(kGold, 0.3f));
  item.FillRect(11, 11, 8, 5, Darker(kGold, 0.3f));
  for (const int y : {13, 15})
    item.FillRect(11, y, 8, 1, Darker(kGold, 0.6f));
  item.FillRect(11, 12, 2, 3, Darker(kGold, 0.1f));
  item.FillEllipse(14.5f, 11.0f, 4.0f, 2.0f, kGold);
  item.FillRect(13, 10, 2, 1, kLamp);
  item.Outline(kInk);
  FinishMasked(item);
  return item;
}

// The watcher's ticks fill columns 0 to 49 of rows 1 to 4, so the trough is those 50 columns
// between an ink top and bottom edge, closed by an ink end at column 50.
Canvas PerformMeter() {
  Canvas meter(51, 6, kInk);
  meter.FillRect(0, 1, 50, 4, Darker(kDusk, 0.45f));
  meter.FillRect(0, 1, 50, 1, Darker(kDusk, 0.7f));
  for (int x = 9; x < 50; x += 10)
    meter.FillRect(x, 2, 1, 3, Darker(kDusk, 0.2f));
  return meter;
}

Canvas PerformTick() {
  Canvas tick(1, 4);
  tick.Set(0, 0, Lighter(kGreen, 0.55f));
  tick.Set(0, 1, Lighter(kGreen, 0.25f));
  tick.Set(0, 2, kGreen);
  tick.Set(0, 3, Darker(kGreen, 0.3f));
  return tick;
}

// A cardboard sign on a string: what the hobo asks for a dance lesson.
Canvas PriceTag(int price) {
  Canvas tag(50, 30);
  const Rgba card = Mix(kStone, kSunset, 0.3f);
  tag.Line(13.0f, 10.0f, 25.0f, 2.5f, 1.0f, Darker(kStoneDark, 0.3f));
  tag.Line(25.0f, 2.5f, 37.0f, 10.0f, 1.0f, Darker(kStoneDark, 0.3f));
  const PointF board[] = {{2.0f, 10.0f}, {48.0f, 9.0f}, {47.0f, 28.0f}, {3.0f, 28.5f}};
  tag.FillPolygon(board, card);
  tag.FillRect(4, 26, 42, 2, Darker(card, 0.2f));
  tag.FillRect(20, 9, 2, 1, Darker(card, 0.25f));
  // Torn corner and a crease, so it reads as cardboard.
  tag.Set(47, 27, {0, 0, 0, 0});
  tag.Set(46, 27, Darker(card, 0.2f));
  tag.FillRect(31, 11, 1, 14, Darker(card, 0.12f));
  Note(tag, 5, 12, kRed);
  engine::graphics::Font& font = Condensed(13);
  CrispTextCentred(tag, font, 30, CapsTop(font, 18), std::to_string(price), kInk);
  tag.Outline(kInk);
  tag.FillCircle(25.0f, 3.0f, 1.5f, kStoneDark);
  FinishMasked(tag);
  return tag;
}

Canvas PlayerNumber(int player) {
  Canvas badge(20, 20);
  const Rgba colour = player == 1 ? kRed : kTeal;
  badge.FillCircle(10.0f, 8.5f, 7.6f, colour);
  const PointF pointer[] = {{6.5f, 14.0f}, {13.5f, 14.0f}, {10.0f, 18.5f}};
  badge.FillPolygon(pointer, colour);
  badge.FillCircle(10.0f, 8.5f, 5.8f, Darker(colour, 0.2f));
  engine::graphics::Font& font = Bold(12);
  badge.TextCentred(font, 10, CapsTop(font, 8), std::to_string(player), kCream);
  badge.Outline(kInk);
  FinishMasked(badge);
  return badge;
}

}  // namespace tools::assetgen::ui
