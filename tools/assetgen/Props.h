// Props.h -- small things the street's people hold, toss and make appear: coins, music notes,
// the rabbit, stars, sparkles, speed lines and the thief's money sack.
#pragma once

#include "tools/assetgen/Figure.h"

namespace tools::assetgen::people {

void PaintCoin(Canvas& canvas, PointF centre, float radius = 3.0f);
// A coin seen edge-on, spinning in the air.
void PaintCoinEdge(Canvas& canvas, PointF centre, float radius = 3.0f);
// An eighth note (beamed: two notes joined) with its head at `head`.
void PaintNote(Canvas& canvas, PointF head, bool beamed, Rgba colour);
void PaintStar(Canvas& canvas, PointF centre, float radius, Rgba colour);
// A four-pointed twinkle.
void PaintSparkle(Canvas& canvas, PointF centre, float radius, Rgba colour);
// A white rabbit hanging from its ears, held at `grip`; nothing is drawn at or below hideFrom
// (the brim of the hat it comes out of).
void PaintRabbit(Canvas& canvas, PointF grip, float tilt = 0, float hideFrom = 1e9f);
// Horizontal dashes trailing behind a running figure; towardRight is where they point.
void PaintSpeedLines(Canvas& canvas, float x, float top, bool towardRight);
void PaintMoneySack(Canvas& canvas, PointF neck, float scale = 1.0f);
// A top hat held upside down by its brim, opening up, with coins in it when asked.
void PaintHatUpturned(Canvas& canvas, PointF brim, float scale, float tilt, Rgba colour, Rgba band,
                      int coins);

}  // namespace tools::assetgen::people
