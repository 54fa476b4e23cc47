// PerformerActs.cpp -- the performer's three performances, each a lead-in and a loop, done
// while keeping step with the passer-by: begging with the hat held out, singing with notes
// rising, and pulling a rabbit out of the hat.
#include "tools/assetgen/Motions.h"
#include "tools/assetgen/Performer.h"
#include "tools/assetgen/Props.h"

namespace tools::assetgen::people::performer {

namespace {

constexpr Rgba kNoteColour{120, 220, 230, 255};

// Where a note whose head is at x in a left-facing frame goes in the final picture: mirrored
// frames take the mirrored place, less the width of the stem and flag right of the head.
float NoteX(float x, bool mirrored) {
  return mirrored ? kFrame - 4 - x : x;
}

// Notes float up in front of the singer's face, drawn on the finished picture so that they
// never appear mirrored.
Overlay Notes(int i, int count) {
  return [i, count](Canvas& c, bool mirrored) {
    for (int n = 0; n < count; ++n) {
      const int age = (i + n * 2) % 4;
      const float x = 30.0f - 5.0f * static_cast<float>(age) + (n % 2 == 0 ? 0 : 3);
      const float y = 30.0f - 5.5f * static_cast<float>(age);
      PaintNote(c, {NoteX(x, mirrored), y}, n % 2 == 1, kNoteColour);
    }
  };
}

// The hat held upside down in front, low, by the near hand; the far hand does the magic.
void HatLow(Canvas& c, const Skeleton& k) {
  PaintHatUpturned(c, HatBrim(k), k.scale, 0, kHatColour, palette::kRed, 0);
  Glove(c, k.nearArm.end, k.scale);
}

}  // namespace

// Begging, lead-in: the hat comes off, turns over and is held out.
Canvas BegStart(int i, bool mirrored) {
  Pose p = StandSide();
  Stepping(p, i);
  switch (i) {
    case 0:
      p.nearArm = Limb::To(5, 15, 1);
      return Frame(p, mirrored);
    case 1:
      p.hatOff = true;
      p.nearArm = Limb::To(10, 16, 1);
      p.nod = 6;
      return Frame(p, mirrored, [](Canvas& c, const Skeleton& k) {
        HatInHand(c, k.nearArm.end, -30, k.scale);
        Glove(c, k.nearArm.end, k.scale);
      });
    case 2:
      p.hatOff = true;
      p.lean = 6;
      p.nod = 8;
      p.nearArm = Limb::To(13, -1);
      return Frame(p, mirrored, [](Canvas& c, const Skeleton& k) {
        PaintHatUpturned(c, k.nearArm.end + PointF{-5 * k.scale, 0}, k.scale, 20, kHatColour,
                         palette::kRed, 0);
        Glove(c, k.nearArm.end, k.scale);
      });
    default:
      p.hatOff = true;
      p.lean = 10;
      p.nod = 10;
      p.nearArm = Limb::To(21, -5);
      return Frame(p, mirrored, [](Canvas& c, const Skeleton& k) {
        PaintHatUpturned(c, k.nearArm.end + PointF{-7 * k.scale, 0}, k.scale, 0, kHatColour,
                         palette::kRed, 0);
        Glove(c, k.nearArm.end, k.scale);
      });
  }
}

// Begging: the hat held out, bobbing, with a coin glinting in it and a hopeful face.
Canvas BegLoop(int i, bool mirrored) {
  Pose p = StandSide();
  Stepping(p, i);
  const float bob[] = {0, 2.5f, 0, -2.5f};
  p.hatOff = true;
  p.lean = 10 - bob[i];
  p.nod = 4 - bob[i] * 2;
  p.nearArm = Limb::To(21, -5 + bob[i]);
  p.farArm = {-10, 20};
  p.mouth = i % 2 == 1 ? Mouth::kOpen : Mouth::kSmile;
  return Frame(p, mirrored, [i](Canvas& c, const Skeleton& k) {
    const PointF brim = k.nearArm.end + PointF{-7 * k.scale, 0};
    PaintHatUpturned(c, brim, k.scale, 0, kHatColour, palette::kRed, 1 + i % 2);
    Glove(c, k.nearArm.end, k.scale);
    if (i == 1 || i == 3) PaintSparkle(c, brim + PointF{-4 + 2.0f * i, -5}, 2.5f, palette::kCream);
  });
}

// Singing, lead-in: a hand to the heart, a breath, then the arms open and the first note comes.
Canvas SingStart(int i, bool mirrored) {
  Pose p = StandSide();
  Stepping(p, i);
  switch (i) {
    case 0:
      p.nearArm = Limb::To(7, -9);
      p.mouth = Mouth::kFlat;
      p.nod = -4;
      return Frame(p, mirrored);
    case 1:
      p.nearArm = Limb::To(7, -9);
      p.mouth = Mouth::kOpen;
      p.nod = -10;
      p.lean = -3;
      return Frame(p, mirrored, {}, [](Canvas& c, bool m) {
        PaintNote(c, {NoteX(31, m), 24}, false, kNoteColour);
      });
    case 2:
      p.nearArm = Limb::To(20, 4);
      p.farArm = {-40, -10};
      p.mouth = Mouth::kWide;
      p.nod = -12;
      p.lean = -4;
      return Frame(p, mirrored, {}, Notes(0, 1));
    default:
      p.nearArm = Limb::To(21, 12);
      p.farArm = {-60, -30};
      p.mouth = Mouth::kWide;
      p.nod = -14;
      p.lean = -5;
      return Frame(p, mirrored, {}, Notes(1, 2));
  }
}

// Singing: arms swaying wide, mouth open, notes rising.
Canvas SingLoop(int i, bool mirrored) {
  Pose p = StandSide();
  Stepping(p, i);
  const bool high = i % 2 == 0;
  p.nearArm = high ? Limb::To(21, 12) : Limb::To(22, 2);
  p.farArm = high ? Limb{-55, -25} : Limb{-35, -5};
  p.mouth = high ? Mouth::kWide : Mouth::kOpen;
  p.nod = high ? -14 : -8;
  p.lean = high ? -5 : -2;
  return Frame(p, mirrored, {}, Notes(i, 3));
}

// Rabbit trick, lead-in: hat off, turned over, a wave of the hand and a reach inside.
Canvas RabbitStart(int i, bool mirrored) {
  Pose p = StandSide();
  Stepping(p, i);
  if (i == 0) {
    p.nearArm = Limb::To(5, 15, 1);
    return Frame(p, mirrored);
  }
  p.hatOff = true;
  p.nearArm = Limb::To(14, -14);
  p.farArmInFront = true;
  if (i == 1) {
    p.farArm = Limb::To(10, 6);
    return Frame(p, mirrored, HatLow);
  }
  if (i == 2) {
    p.farArm = Limb::To(16, 4);
    p.mouth = Mouth::kOpen;
    return Frame(p, mirrored, [](Canvas& c, const Skeleton& k) {
      HatLow(c, k);
      const PointF hand = k.farArm.end, tip = hand + PointF{-7, 5};
      c.Line(hand.x, hand.y, tip.x, tip.y, 1.6f, kInk);
      c.FillCircle(tip.x, tip.y, 1.2f, palette::kCream);
      PaintSparkle(c, tip + PointF{-2, 3}, 3, palette::kGold);
    });
  }
  p.farArm = Limb::To(19, -10);
  p.lean = 6;
  return Frame(p, mirrored, [](Canvas& c, const Skeleton& k) {
    HatLow(c, k);
    PaintSparkle(c, HatBrim(k) + PointF{-7, -4}, 2.5f, palette::kGold);
  });
}

// Rabbit trick: the far hand pulls a rabbit up out of the hat by its ears, higher each frame,
// until it is held up high; then it starts again.
Canvas RabbitLoop(int i, bool mirrored) {
  Pose p = StandSide();
  Stepping(p, i);
  p.hatOff = true;
  p.nearArm = Limb::To(14, -14);
  p.farArmInFront = true;
  const PointF reach[] = {{19, -10}, {18, -3}, {18, 6}, {19, 14}};
  p.farArm = Limb::To(reach[i].x, reach[i].y);
  p.mouth = i == 3 ? Mouth::kWide : Mouth::kSmile;
  p.nod = i == 3 ? -8 : 0;
  return Frame(p, mirrored, [i](Canvas& c, const Skeleton& k) {
    HatLow(c, k);
    const PointF brim = HatBrim(k), hand = k.farArm.end;
    if (i > 0) PaintRabbit(c, hand, 0, brim.y - 1);
    Glove(c, hand, k.scale, true);
    if (i == 0) PaintSparkle(c, brim + PointF{-8, -3}, 2.5f, palette::kGold);
    if (i == 3) {
      PaintStar(c, hand + PointF{-9, -3}, 3.5f, palette::kGold);
      PaintSparkle(c, hand + PointF{-10, 14}, 2.5f, palette::kCream);
    }
  });
}

}  // namespace tools::assetgen::people::performer
