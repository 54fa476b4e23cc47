// RulesIcons.h -- the small pictures of the rules pages: simple outlined figures and the
// objects of the game (hat, notes, rabbit, coins, price tag, clock, keys of the screen), drawn
// at page scale. Positions are page pixels; "feet" and "base" name the row an item stands on.
#pragma once

#include <string_view>

#include "engine/graphics/Font.h"
#include "tools/assetgen/Canvas.h"

namespace tools::assetgen::scenery {

enum class Headwear { kNone, kTopHat, kCap, kHood };
enum class Pose { kStand, kHatOut, kArmsUp, kClap, kLying, kPush };

struct FigureLook {
  Rgba coat;
  Rgba legs;
  Rgba skin;
  Rgba hair;
  Headwear headwear = Headwear::kNone;
  Rgba cap;             // colour of a cap
  bool mask = false;    // a thief's eye mask
  bool beard = false;   // a hobo's beard
  bool ragged = false;  // a torn coat hem
};

FigureLook PerformerLook();
FigureLook ThiefLook();
FigureLook HoboLook();
// The four kinds of passer-by, dressed in the colours they wear on the street: a suit, a
// purple dress, a green hoodie with a red cap, a beige coat with a flat cap.
FigureLook WalkerLook(int kind);

// A figure about 76 pixels tall with its feet on row feet, outlined in ink. Lying figures lie
// along the feet row, head to the left.
void PaintFigure(Canvas& canvas, int cx, int feet, const FigureLook& look, Pose pose);

void PaintCoin(Canvas& canvas, float cx, float cy, float r);
void PaintNotes(Canvas& canvas, float x, float y, Rgba colour);
// The top hat upturned, a rabbit's ears and head out of it.
void PaintRabbitHat(Canvas& canvas, float cx, float base);
// The hobo's price tag with its number.
void PaintPriceTag(Canvas& canvas, int x, int y, std::string_view price,
                   engine::graphics::Font& font);
// A watcher's interest bar, filled a share from 0 to 1.
void PaintMeter(Canvas& canvas, int x, int y, int w, float share);
// A round clock with both hands straight up.
void PaintClockFace(Canvas& canvas, float cx, float cy, float r, float longAngle, float shortAngle);
// A passer-by kind's portrait, 25 pixels across: the badge the status display shows for it.
void PaintPortrait(Canvas& canvas, int x, int y, int kind);
void PaintStar(Canvas& canvas, float cx, float cy, float r);
// A passed day's badge: the gold star the status display shows for each day passed.
void PaintBadge(Canvas& canvas, float cx, float cy);
// The sign of each act, about 24 pixels across: a hat with a coin, a note, a rabbit's head.
enum class Act { kBeg, kSing, kTrick };
void PaintActIcon(Canvas& canvas, Act act, float cx, float cy);
// A speech bubble pointing down-left at its speaker, with a short label inside.
void PaintBubble(Canvas& canvas, int x, int y, int w, int h, std::string_view label,
                 engine::graphics::Font& font);
// The cash counter as the top of the screen shows it: ten digits.
void PaintCounter(Canvas& canvas, int x, int y, std::string_view digits,
                  engine::graphics::Font& font);
// A little bundle of notes and coins lying on the ground.
void PaintDroppedCash(Canvas& canvas, float cx, float base);
// The split screen: two stacked views, each with a numbered performer.
void PaintSplitScreen(Canvas& canvas, int x, int y, int w, int h, engine::graphics::Font& font);

}  // namespace tools::assetgen::scenery
