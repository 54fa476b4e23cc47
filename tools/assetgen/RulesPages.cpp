// RulesPages.cpp -- the ten rules pages: what a new player needs to know, page by page, in
// plain words with a few pictures. The numbers here are the game's own rules; keep them in
// step with the game when its rules change.
#include <array>
#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>

#include "tools/assetgen/Palette.h"
#include "tools/assetgen/RulesIcons.h"
#include "tools/assetgen/RulesPanel.h"
#include "tools/assetgen/Scenery.h"
#include "tools/assetgen/TextLayout.h"

namespace tools::assetgen::scenery {

namespace {

using namespace palette;

constexpr int kTextRight = 420;  // body text stops here on pages with a picture column
constexpr int kColumn = 500;     // centre of the picture column

Canvas Goal() {
  RulesPanel page(1, "The goal");
  page.Paragraph(
      "You are a street performer. Walk the street, perform for the passers-by and fill your "
      "hat with their money.",
      RulesPanel::kMargin, kTextRight);
  page.Paragraph(
      "You start with *3000 cash.* A working day is passed only if, by its end, *all four kinds* "
      "of passer-by have paid you for a performance that day, *and* you hold *more than 3000* "
      "cash. Fall short and the game is over.",
      RulesPanel::kMargin, kTextRight);
  page.Paragraph(
      "Every day you pass puts a badge under your portrait. Pass *five days* and you have made "
      "it: whenever the game ends after that, it ends without a loss.");
  page.Paragraph(
      "On the way, thieves will try to rob you, hobos sell dance lessons, and now and then "
      "there is cash lying on the pavement.");
  Canvas& c = page.canvas();
  PaintFigure(c, kColumn - 20, 200, PerformerLook(), Pose::kStand);
  PaintRabbitHat(c, kColumn + 40, 200);
  PaintCoin(c, kColumn + 58, 196, 6);
  PaintCoin(c, kColumn + 18, 198, 6);
  page.KeepTextAbove(390);
  for (int k = 0; k < 5; ++k)
    PaintBadge(c, 240 + k * 30.0f, 408);
  return page.Finish();
}

Canvas Controls() {
  RulesPanel page(2, "Controls: one player");
  page.Paragraph("Hold the arrow and number keys; tap the letters.");
  page.KeyRow({"<", ">"}, "Walk left and right along the street.");
  page.KeyRow({"Q"},
              "Start following the passer-by right beside you, to perform for them. "
              "Press again to stop.");
  page.KeyRow({"1", "2", "3"},
              "*Beg*, *sing* or do the *rabbit trick* while you follow. When "
              "dancing: dance moves 1, 2 and 3.");
  page.KeyRow({"B"}, "Buy a dance lesson from the hobo beside you.");
  page.KeyRow({"R"}, "Dance for the crowd, once you own a lesson. Press again to stop.");
  page.KeyRow({"P"}, "Pause and resume. After game over: play again.");
  page.KeyRow({"Esc"}, "Quit the game.");
  page.Paragraph("Letters work in lower case only: keep Caps Lock off.");
  return page.Finish();
}

Canvas Performances() {
  RulesPanel page(3, "Performances and instalments");
  page.Paragraph(
      "Walk up to a passer-by and press *Q* while you are right beside them: you fall into step "
      "and walk along together.");
  Canvas& c = page.canvas();
  auto label = LoadFont(kSansBoldPath, 14);
  const int row = page.Cursor();
  const std::array<int, 3> xs = {110, 300, 490};
  page.KeyCap(xs[0] - 60, row + 30, "1");
  PaintFigure(c, xs[0], row + 80, PerformerLook(), Pose::kHatOut);
  page.KeyCap(xs[1] - 60, row + 30, "2");
  PaintFigure(c, xs[1], row + 80, PerformerLook(), Pose::kArmsUp);
  PaintNotes(c, xs[1] + 26.0f, row + 30.0f, kTeal);
  page.KeyCap(xs[2] - 60, row + 30, "3");
  PaintFigure(c, xs[2] - 8, row + 80, PerformerLook(), Pose::kStand);
  PaintRabbitHat(c, xs[2] + 36.0f, row + 80.0f);
  c.TextCentred(*label, xs[0], row + 84, "beg", kBrickDark);
  c.TextCentred(*label, xs[1], row + 84, "sing", kBrickDark);
  c.TextCentred(*label, xs[2], row + 84, "rabbit trick", kBrickDark);
  page.MoveTo(row + 108);
  page.Paragraph(
      "Then *hold 1, 2 or 3.* Your act begins when your stride comes round, so keep the key "
      "down. Keep holding it to keep performing: the longer the show, the more they enjoy it, "
      "and each passer-by pays in *up to three instalments*, the last the biggest.");
  page.Paragraph(
      "Let go to rest and just walk along; hold it again to carry on. A passer-by remembers "
      "how much they enjoyed your show, even after you stop with *Q.* After the third "
      "instalment they have nothing left.");
  // Three instalments, each bigger than the last.
  const int base = 428;
  page.KeepTextAbove(base - 32);
  for (int pile = 0; pile < 3; ++pile) {
    for (int k = 0; k < 2 + pile + pile / 2; ++k) {
      PaintCoin(c, 440.0f + pile * 46, base - 6.0f - k * 4, 8);
    }
  }
  return page.Finish();
}

Canvas Favourites() {
  RulesPanel page(4, "Favourites of the day");
  Canvas& c = page.canvas();
  page.Paragraph(
      "There are four kinds of passer-by, and each kind has *one favourite act* a day: begging, "
      "singing or the rabbit trick. Two kinds may like the same act. Only the favourite makes "
      "them pay, and nobody tells you which it is: try, and remember what worked.");
  const int row = page.Cursor() + 6;
  const std::array<Act, 4> today = {Act::kSing, Act::kBeg, Act::kSing, Act::kTrick};
  for (int k = 1; k <= 4; ++k) {
    const int cx = 90 + (k - 1) * 140;
    PaintFigure(c, cx, row + 94, WalkerLook(k), Pose::kStand);
    PaintBubble(c, cx + 16, row, 42, 34, "", *LoadFont(kSansPath, 10));
    PaintActIcon(c, today[static_cast<std::size_t>(k - 1)], cx + 37.0f, row + 18.0f);
  }
  page.MoveTo(row + 108);
  page.Paragraph(
      "The favourites are *drawn again every day:* what worked yesterday may fail today.");
  page.Paragraph(
      "When a kind pays you an instalment, its portrait appears at the top right of the screen. "
      "You need *all four portraits* by the end of the day. Money from a dance shows no "
      "portrait.");
  return page.Finish();
}

Canvas WrongOffers() {
  RulesPanel page(5, "Wrong offers");
  page.Paragraph(
      "Offer an act that this kind does not favour today and the show flops: a buzzer sounds, "
      "you trip and fall over, and you *lose 20 cash.*");
  page.Paragraph(
      "The passer-by walks on, but keeps the enjoyment your earlier shows earned. Catch up, "
      "press *Q* again and offer the right act.");
  page.Paragraph(
      "A fall is cheap: use one or two early in the day to find out what each kind wants. Once "
      "you know a kind's favourite, it holds for every passer-by of that kind until the day "
      "ends.");
  Canvas& c = page.canvas();
  auto big = LoadFont(kSansBoldPath, 30);
  const int ground = 408;
  page.KeepTextAbove(ground - 124);
  c.FillRect(60, ground, 480, 4, Darker(kCream, 0.15f));
  PaintFigure(c, 220, ground, PerformerLook(), Pose::kLying);
  PaintFigure(c, 420, ground, WalkerLook(3), Pose::kStand);
  PaintBubble(c, 436, ground - 120, 42, 34, "", *LoadFont(kSansPath, 10));
  PaintActIcon(c, Act::kSing, 457, ground - 102);
  c.TextCentred(*big, 200, ground - 100, "-20", kRed);
  // The act that was offered, crossed out, and stars round the fallen head.
  PaintBubble(c, 262, ground - 122, 42, 34, "", *LoadFont(kSansPath, 10));
  PaintActIcon(c, Act::kTrick, 283, ground - 104);
  c.Line(270, ground - 116, 296, ground - 94, 3, kRed);
  c.Line(296, ground - 116, 270, ground - 94, 3, kRed);
  for (int k = 0; k < 3; ++k)
    PaintStar(c, 160.0f + k * 22, ground - 44.0f + (k % 2) * 8, 7);
  return page.Finish();
}

Canvas Thieves() {
  RulesPanel page(6, "Thieves");
  page.Paragraph(
      "Thieves wear dark clothes and a mask. If one passes right by you while you *stand "
      "still, follow someone or perform,* he snatches some of your cash and runs off fast.");
  page.Paragraph(
      "He takes *100* while you hold less than 1000. Otherwise he takes *a tenth* of your cash, "
      "and more as you pass days: up to *a fifth* after five days.");
  page.Paragraph(
      "*Walking* is safe: a thief never robs a performer on the move, and never one who is "
      "dancing. Each thief steals only once. When you see one coming, keep walking until he "
      "has gone past.");
  Canvas& c = page.canvas();
  const int ground = 412;
  page.KeepTextAbove(ground - 94);
  c.FillRect(60, ground, 480, 4, Darker(kCream, 0.15f));
  PaintFigure(c, 200, ground, PerformerLook(), Pose::kStand);
  PaintFigure(c, 370, ground, ThiefLook(), Pose::kPush);
  // The snatched cash in a sack, a coin spilling out.
  const Rgba sack = Mix(kSunset, kStoneDark, 0.5f);
  c.FillCircle(408, ground - 36.0f, 13, kInk);
  c.FillCircle(408, ground - 36.0f, 11.5f, sack);
  c.FillRect(403, ground - 52, 10, 6, kInk);
  c.FillRect(404, ground - 51, 8, 4, sack);
  PaintCoin(c, 424, ground - 14.0f, 5);
  for (int k = 0; k < 3; ++k) {
    c.FillRect(300 - k * 18, ground - 60 + k * 14, 22, 3, Darker(kCream, 0.3f));
  }
  return page.Finish();
}

Canvas Dance() {
  RulesPanel page(7, "Hobos and the dance");
  auto tag = LoadFont(kSansBoldPath, 14);
  page.Paragraph(
      "Hobos wear ragged coats and sell dance lessons for *1000 to 3000* cash, the price on "
      "their tag. Stand or walk beside one and press *B;* you can own one lesson at a time.");
  page.Paragraph(
      "Press *R* to dance: passers-by with cash to spare within a quarter of a screen either "
      "side stop and watch, an interest bar over each head.");
  page.Paragraph(
      "Hold *1, 2 or 3* for dance moves. Each watcher loves one move (interest rises), can "
      "stand one other, which may be standing still (no change), and is bored by the rest. At "
      "no interest they walk off. After *about 17 seconds* everyone still watching pays *all "
      "the cash they carry.* *R* stops the dance early and nobody pays; either way the lesson "
      "is used up.");
  Canvas& c = page.canvas();
  const int ground = 431;
  page.KeepTextAbove(ground - 122);
  c.FillRect(40, ground, 520, 4, Darker(kCream, 0.15f));
  PaintFigure(c, 90, ground, HoboLook(), Pose::kStand);
  PaintPriceTag(c, 68, ground - 118, "1500", *tag);
  PaintFigure(c, 290, ground, PerformerLook(), Pose::kArmsUp);
  PaintNotes(c, 232, ground - 84.0f, kTeal);
  PaintFigure(c, 410, ground, WalkerLook(1), Pose::kClap);
  PaintMeter(c, 390, ground - 96, 40, 0.85f);
  PaintFigure(c, 510, ground, WalkerLook(4), Pose::kClap);
  PaintMeter(c, 490, ground - 96, 40, 0.3f);
  return page.Finish();
}

Canvas Cash() {
  RulesPanel page(8, "Cash on the street");
  auto digits = LoadFont(kSansBoldPath, 15);
  page.Paragraph(
      "Now and then somebody drops a little cash on the pavement. Walk across it to pick it "
      "up: *10 to 49* cash a time. There are never more than two on the street at once, and "
      "they can turn up anywhere along it, so keep an eye out.");
  page.Paragraph("Your cash is the counter at the top left of the screen:");
  Canvas& c = page.canvas();
  PaintCounter(c, 26, page.Cursor(), "0000003000", *digits);
  page.Skip(34);
  page.Paragraph(
      "It grows with every instalment, every dance that runs its full time and everything you "
      "find. It shrinks by 20 for each wrong offer, by whatever a thief takes, and by the "
      "price of a dance lesson.");
  page.Paragraph(
      "Passing a day costs nothing: 3000 is only the mark your cash must beat when the day "
      "ends.");
  const int ground = 428;
  page.KeepTextAbove(ground - 94);
  c.FillRect(60, ground, 480, 4, Darker(kCream, 0.15f));
  PaintFigure(c, 230, ground, PerformerLook(), Pose::kStand);
  for (int k = 0; k < 3; ++k)
    c.FillRect(180 - k * 16, ground - 50 + k * 14, 20, 3, Darker(kCream, 0.3f));
  PaintDroppedCash(c, 340, ground - 6.0f);
  return page.Finish();
}

Canvas Days() {
  RulesPanel page(9, "Days and the clock");
  page.Paragraph(
      "A working day lasts *about 83 seconds.* The clock at the top of the screen runs "
      "through the day: when *both hands point straight up,* the day is over.",
      RulesPanel::kMargin, kTextRight);
  page.Paragraph(
      "Then, with all four portraits and *more than 3000 cash,* the day is passed and a whirl "
      "sounds. If not, the game is over.",
      RulesPanel::kMargin, kTextRight);
  page.Paragraph(
      "Each passed day brings a badge, new passers-by and new favourites. Your shows earn "
      "faster, passers-by walk a little quicker and thieves grow greedier.");
  page.Paragraph(
      "A game lasts at most *six days:* 8 minutes 20 seconds of play. At game over press *P* "
      "to play again. *P* also pauses and resumes play.");
  Canvas& c = page.canvas();
  auto label = LoadFont(kSansBoldPath, 14);
  auto sign = LoadFont(kSansBoldPath, 22);
  PaintClockFace(c, kColumn, 136, 44, 0, 0);
  c.TextCentred(*label, kColumn, 186, "end of the day", kBrickDark);
  // The day's reckoning as a sum: four portraits and more than 3000 make a passed day.
  const int y = 382;
  page.KeepTextAbove(y - 4);
  for (int k = 1; k <= 4; ++k)
    PaintPortrait(c, 60 + (k - 1) * 30, y, k);
  c.TextCentred(*sign, 200, y, "+", kInk);
  PaintCoin(c, 232, y + 13.0f, 9);
  c.Text(*label, 248, y + 5, "more than 3000", kInk);
  c.TextCentred(*sign, 400, y, "=", kInk);
  PaintBadge(c, 436, y + 13.0f);
  c.Text(*label, 456, y + 5, "day passed", kInk);
  return page.Finish();
}

Canvas TwoPlayers() {
  RulesPanel page(10, "Two players");
  page.Paragraph(
      "Two performers share one street, player 1 in the top half of the screen and player 2 "
      "in the bottom half. No day can be failed: after *5 minutes 33 seconds* of play, the "
      "*richer* one wins.",
      RulesPanel::kMargin, 440);
  page.Paragraph(
      "The first to be paid by all four kinds starts a count-down of about 17 seconds; then "
      "whoever holds all four portraits gets *1000 cash* and a badge. Next to your rival, *push:* "
      "they fall and lose 20. Thieves take a tenth (100 below 1000). *P* pauses.");
  Canvas& c = page.canvas();
  auto head = LoadFont(kSansBoldPath, 14);
  auto body = LoadFont(kSansPath, 14);
  PaintSplitScreen(c, 462, 72, 112, 78, *head);
  struct Row {
    const char* action;
    std::initializer_list<std::string_view> one;
    std::initializer_list<std::string_view> two;
    const char* note;
  };
  const std::array<Row, 6> rows = {{
      {"walk", {"N", "M"}, {}, "left / right mouse button"},
      {"perform", {"Q"}, {"4"}, ""},
      {"beg, sing, trick", {"1", "2", "3"}, {"7", "8", "9"}, "on the keypad"},
      {"dance", {"R"}, {"5"}, ""},
      {"buy a lesson", {"B"}, {"6"}, ""},
      {"push", {"S"}, {"+"}, ""},
  }};
  int y = page.Cursor();
  c.Text(*head, 160, y, "Player 1", kBrickDark);
  c.Text(*head, 290, y, "Player 2", kBrickDark);
  y += 20;
  for (const Row& row : rows) {
    c.Text(*body, RulesPanel::kMargin, y + 4, row.action, kInk);
    int x = 160;
    for (std::string_view key : row.one)
      x += page.KeyCap(x, y, key) + 4;
    x = 290;
    for (std::string_view key : row.two)
      x += page.KeyCap(x, y, key) + 4;
    c.Text(*body, x + (row.two.size() == 0 ? 0 : 6), y + 4, row.note, kInk);
    y += 26;
  }
  page.MoveTo(y);
  return page.Finish();
}

}  // namespace

Canvas PaintRulesPage(int n) {
  static const std::array<std::function<Canvas()>, 10> pages = {
      Goal,    Controls, Performances, Favourites, WrongOffers,
      Thieves, Dance,    Cash,         Days,       TwoPlayers};
  if (n < 1 || n > 10)
    throw std::out_of_range("assetgen: there is no rules page " + std::to_string(n));
  return pages[static_cast<std::size_t>(n - 1)]();
}

}  // namespace tools::assetgen::scenery
