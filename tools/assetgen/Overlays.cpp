// Overlays.cpp -- the notices drawn over the street (loading, pause, game over, the loser and
// the winners, play again) and the buttons of the rules pages and the two-player start.
#include <string>

#include "engine/graphics/Font.h"
#include "tools/assetgen/InterfaceKit.h"
#include "tools/assetgen/InterfacePictures.h"
#include "tools/assetgen/Palette.h"

namespace tools::assetgen::ui {

using namespace palette;

namespace {

Rgba PlayerColour(int player) {
  return player == 1 ? kRed : kTeal;
}

// The performer's top hat upside down on the pavement, full of takings, in a spotlight.
void HatWithCoins(Canvas& canvas, int cx, int top) {
  const float x = static_cast<float>(cx), y = static_cast<float>(top);
  canvas.FillEllipse(x, y + 62, 90, 16, Darker(kDusk, 0.3f));
  canvas.FillEllipse(x, y + 62, 70, 11, kDusk);
  const Rgba felt = Lighter(kNightBlue, 0.15f);
  // The crown, pointing down, with its band; the brim and the opening on top.
  const PointF crown[] = {{x - 33, y + 8}, {x + 33, y + 8}, {x + 28, y + 62}, {x - 28, y + 62}};
  canvas.FillEllipse(x, y + 62, 29, 6, kInk);
  canvas.FillPolygon(crown, kInk);
  const PointF inside[] = {{x - 32, y + 8}, {x + 32, y + 8}, {x + 27, y + 61}, {x - 27, y + 61}};
  canvas.FillEllipse(x, y + 61, 27.5f, 5, felt);
  canvas.FillPolygon(inside, felt);
  canvas.FillRect(cx - 31, top + 16, 62, 9, kRed);
  canvas.FillRect(cx - 31, top + 24, 62, 1, Darker(kRed, 0.4f));
  canvas.FillRect(cx + 16, top + 27, 5, 32, Lighter(kNightBlue, 0.35f));
  canvas.FillRect(cx - 26, top + 27, 3, 30, Darker(kNightBlue, 0.2f));
  canvas.FillEllipse(x, y + 6, 52, 10, kInk);
  canvas.FillEllipse(x, y + 6, 50.5f, 8.5f, felt);
  canvas.FillEllipse(x, y + 5, 34, 6, Darker(kNightBlue, 0.5f));
  // Coins heaped in the opening.
  Coin(canvas, x - 19, y, 8);
  Coin(canvas, x + 18, y + 1, 8);
  Coin(canvas, x - 2, y - 6, 9);
  Coin(canvas, x + 6, y + 4, 7);
  Coin(canvas, x - 10, y + 5, 6);
}

void BigNote(Canvas& canvas, int x, int y, Rgba c) {
  canvas.FillEllipse(x + 4.0f, y + 17.0f, 4.5f, 3.5f, c);
  canvas.FillRect(x + 7, y, 2, 17, c);
  const PointF flag[] = {
      {x + 9.0f, y + 0.0f}, {x + 15.0f, y + 6.0f}, {x + 14.0f, y + 9.0f}, {x + 9.0f, y + 4.0f}};
  canvas.FillPolygon(flag, c);
}

// A notice whose first line is a title and whose second is a short explanation, on a panel
// panelHeight tall at the top of a picture h tall.
Canvas TwoLineNotice(int w, int h, int panelHeight, Rgba face, Rgba trim, int titleSize,
                     const char* title, const char* line) {
  Canvas notice(w, h);
  Panel(notice, 0, 0, w, panelHeight, 10, face, trim);
  engine::graphics::Font& big = Bold(titleSize);
  engine::graphics::Font& small = Regular(13);
  TitleCentred(notice, big, w / 2, CapsTop(big, panelHeight * 2 / 5), title, kGold);
  notice.TextCentred(small, w / 2, CapsTop(small, panelHeight * 3 / 4), line, kCream);
  FinishMasked(notice);
  return notice;
}

}  // namespace

// Drawn at once when a street game starts, while everything else loads.
Canvas LoadingNotice() {
  Canvas notice(300, 250);
  Panel(notice, 0, 0, 300, 250, 14, kNightBlue, kGold);
  TitleCentred(notice, Bold(34), 150, CapsTop(Bold(34), 36), "CURBSIDE", kGold);
  notice.FillRect(40, 62, 220, 1, Darker(kGold, 0.4f));
  HatWithCoins(notice, 150, 100);
  BigNote(notice, 48, 92, kLamp);
  BigNote(notice, 232, 80, kLamp);
  engine::graphics::Font& font = Regular(15);
  notice.TextCentred(font, 150, CapsTop(font, 208), "Setting up the street...", kCream);
  for (int i = 0; i < 5; ++i)
    notice.FillRect(131 + i * 8, 226, 4, 4, i < 3 ? kGold : kDusk);
  FinishMasked(notice);
  return notice;
}

// The panels of the game-over screen leave a few transparent rows at the bottom, so that
// notices stacked one under another keep a gap between them.
Canvas GameOverTitle() {
  Canvas title(400, 100);
  Panel(title, 0, 0, 400, 94, 12, kNightBlue, kGold);
  TitleCentred(title, Bold(48), 200, CapsTop(Bold(48), 47), "GAME OVER", kGold);
  FinishMasked(title);
  return title;
}

Canvas LoseNotice() {
  return TwoLineNotice(300, 98, 94, Darker(kRed, 0.45f), kCream, 30, "YOU LOSE",
                       "You passed fewer than five days.");
}

// Drawn plain in one mode and masked in the other: a full rectangle, opaque everywhere.
Canvas AgainNotice() {
  Canvas notice(400, 56, kInk);
  notice.FillRect(1, 1, 398, 54, kGold);
  notice.FillRect(3, 3, 394, 50, Darker(kGold, 0.45f));
  notice.FillRect(4, 4, 392, 48, kNightBlue);
  notice.FillRect(4, 4, 392, 1, Lighter(kNightBlue, 0.25f));
  engine::graphics::Font& font = Bold(20);
  const int centre = 28, top = CapsTop(font, centre);
  const int before = Canvas::TextWidth(font, "Press "),
            after = Canvas::TextWidth(font, " to play again");
  const int keyWidth = 22, x = 200 - (before + keyWidth + after) / 2;
  notice.Text(font, x, top, "Press ", kCream);
  RoundedRect(notice, x + before, centre - 11, keyWidth, 22, 3, kInk);
  RoundedRect(notice, x + before + 1, centre - 10, keyWidth - 2, 20, 2, kStone);
  notice.FillRect(x + before + 1, centre - 10, keyWidth - 2, 16, kCream);
  notice.TextCentred(font, x + before + keyWidth / 2, CapsTop(font, centre - 2), "P", kInk);
  notice.Text(font, x + before + keyWidth, top, " to play again", kCream);
  FinishMasked(notice);
  return notice;
}

Canvas PauseNotice() {
  return TwoLineNotice(200, 80, 80, kDusk, kGold, 26, "PAUSED", "Press P to play on");
}

Canvas WinnerNotice(int player) {
  Canvas notice(500, 100);
  const Rgba colour = PlayerColour(player);
  Panel(notice, 0, 0, 500, 94, 12, kNightBlue, kGold);
  // The player's badge on the left, as it is shown over the performer's head.
  notice.FillCircle(52.0f, 47.0f, 31.0f, kInk);
  notice.FillCircle(52.0f, 47.0f, 30.0f, colour);
  notice.FillCircle(52.0f, 47.0f, 24.0f, Darker(colour, 0.2f));
  TitleCentred(notice, Bold(40), 52, CapsTop(Bold(40), 46), std::to_string(player), kCream);
  const std::string text = "PLAYER " + std::to_string(player) + " WINS!";
  TitleCentred(notice, Bold(40), 280, CapsTop(Bold(40), 46), text, kGold);
  FinishMasked(notice);
  return notice;
}

// Loaded by the two-player game but never drawn; a start button all the same.
Canvas StartButton() {
  Canvas button(200, 60, kInk);
  Panel(button, 0, 0, 200, 60, 10, Darker(kGreen, 0.2f), kGold);
  TitleCentred(button, Bold(30), 100, CapsTop(Bold(30), 29), "START", kCream);
  FinishMasked(button);
  return button;
}

// Drawn plain on the rules pages: a full square whose corners are the ink of its edge.
Canvas ArrowButton(bool next) {
  Canvas button(25, 25, kInk);
  Panel(button, 0, 0, 25, 25, 5, kNightBlue, kGold);
  const float tip = next ? 18.5f : 6.5f, back = next ? 9.0f : 16.0f;
  const PointF arrow[] = {{tip, 12.5f}, {back, 6.5f}, {back, 18.5f}};
  button.FillPolygon(arrow, kLamp);
  FinishMasked(button);
  return button;
}

}  // namespace tools::assetgen::ui
