// Passersby.cpp -- the four kinds of ordinary passer-by, each a different person with a prop of
// their own: 1 a businessman with a briefcase, 2 a woman in a dress with a handbag, 3 a student
// with a cap and a backpack, 4 an old man with a cane. They walk, pay and clap.
#include "tools/assetgen/Motions.h"
#include "tools/assetgen/People.h"
#include "tools/assetgen/Props.h"

namespace tools::assetgen::people {

namespace {

// What the person is doing decides where their props go.
enum class Doing { kWalking, kPaying, kWatching };

// How a kind of person walks.
struct Manner {
  float stride = 1, swing = 1, lean = 2, nod = 0;
};

constexpr Rgba kShirt{236, 236, 228, 255};
constexpr Rgba kLeather{122, 74, 42, 255};

void Briefcase(Canvas& canvas, PointF handle, bool front) {
  const float w = front ? 9.0f : 14.0f;
  Part(canvas, [&](Canvas& c, float grow, const Rgba* ink) {
    c.Line(handle.x - 2.5f, handle.y + 1, handle.x + 2.5f, handle.y + 1, 2.0f + 2 * grow,
           Pick(Shade(kLeather, 0.3f), ink));
    c.FillRect(static_cast<int>(handle.x - w / 2 - grow), static_cast<int>(handle.y + 2 - grow),
               static_cast<int>(w + 2 * grow), static_cast<int>(10 + 2 * grow),
               Pick(kLeather, ink));
  });
  canvas.FillRect(static_cast<int>(handle.x - 1), static_cast<int>(handle.y + 4), 2, 2,
                  palette::kGold);
}

void Handbag(Canvas& canvas, PointF strapTop, PointF bag, Rgba colour) {
  canvas.Line(strapTop.x, strapTop.y, bag.x, bag.y - 3, 1.2f, Shade(colour, 0.5f));
  Part(canvas, [&](Canvas& c, float grow, const Rgba* ink) {
    const std::vector<PointF> shape = {{bag.x - 5, bag.y - 3},
                                       {bag.x + 5, bag.y - 3},
                                       {bag.x + 6, bag.y + 4},
                                       {bag.x - 6, bag.y + 4}};
    Polygon(c, shape, grow, Pick(colour, ink));
  });
  canvas.FillRect(static_cast<int>(bag.x - 1), static_cast<int>(bag.y - 2), 2, 2, palette::kCream);
}

void Cane(Canvas& canvas, PointF hand, float tipX) {
  const Rgba wood{132, 86, 50, 255};
  Part(canvas, [&](Canvas& c, float grow, const Rgba* ink) {
    const Rgba col = Pick(wood, ink);
    c.Line(hand.x, hand.y, tipX, kGround - 1.5f, 2.2f + 2 * grow, col);
    c.Line(hand.x, hand.y, hand.x + 4, hand.y - 1.5f, 2.2f + 2 * grow, col);
    c.Line(hand.x + 4, hand.y - 1.5f, hand.x + 5.5f, hand.y + 1.5f, 2.2f + 2 * grow, col);
  });
}

// The person of a kind, dressed for what they are doing.
Look PersonLook(int kind, Doing doing) {
  Look l;
  switch (kind) {
    case 1:  // businessman: charcoal suit, white collar, teal tie, briefcase
      l.build.scale = 1.04f;
      l.hairColour = {58, 44, 40, 255};
      l.torso = l.upperArm = l.lowerArm = l.thigh = l.shin = {78, 84, 104, 255};
      l.shoe = {44, 40, 50, 255};
      l.onTorso = [](Canvas& c, const Skeleton& k) {
        if (k.front) {
          c.FillPolygon(std::vector<PointF>{k.On(-4, 27), k.On(4, 27), k.On(0, 16)}, kShirt);
          c.FillPolygon(std::vector<PointF>{k.On(-1, 25), k.On(1, 25), k.On(1.6f, 12), k.On(0, 10),
                                            k.On(-1.6f, 12)},
                        palette::kTeal);
        } else {
          c.FillPolygon(std::vector<PointF>{k.On(7, 26.5f), k.On(2.5f, 26.5f), k.On(6.5f, 17)},
                        kShirt);
          c.Line(k.On(6.6f, 24).x, k.On(6.6f, 24).y, k.On(7.2f, 12).x, k.On(7.2f, 12).y, 2.0f,
                 palette::kTeal);
        }
      };
      l.behind = [doing](Canvas& c, const Skeleton& k) {
        if (k.front) {
          Briefcase(c, {k.body.origin.x + 15 * k.scale, kGround - 13}, true);
        } else if (doing != Doing::kWatching) {
          Briefcase(c, k.farArm.end + PointF{0, 1}, false);
        }
      };
      break;
    case 2:  // woman: purple dress, long hair, handbag
      l.build.scale = 0.95f;
      l.build.chestFront = 18;
      l.build.waistFront = 14;
      l.skin = l.hand = l.thigh = l.shin = palette::kSkinDeep;
      l.hair = Hair::kLong;
      l.hairColour = {66, 38, 34, 255};
      l.torso = l.upperArm = l.skirt = {168, 64, 140, 255};
      l.lowerArm = palette::kSkinDeep;
      l.skirtLength = 19;
      l.skirtFlare = 4;
      l.shoe = palette::kRed;
      l.build.legWidth = 6;
      l.build.armWidth = 5;
      l.behind = [](Canvas& c, const Skeleton& k) {
        const Rgba bag{226, 160, 60, 255};
        if (k.front) {
          Handbag(c, k.On(8, 24), k.On(12, 2), bag);
        } else {
          Handbag(c, k.On(-2, 24), k.On(-8, 3), bag);
        }
      };
      break;
    case 3:  // student: green hoodie, jeans, red cap, backpack
      l.skin = l.hand = {244, 200, 160, 255};
      l.hairColour = {196, 104, 48, 255};
      l.hat = Hat::kCap;
      l.hatColour = palette::kRed;
      l.hatBand = Shade(palette::kRed, 0.3f);
      l.torso = l.upperArm = l.lowerArm = palette::kGreen;
      l.thigh = l.shin = {74, 104, 168, 255};
      l.shoe = palette::kCream;
      l.behind = [](Canvas& c, const Skeleton& k) {
        if (k.front) return;
        const Rgba pack{226, 140, 60, 255};
        Part(c, [&](Canvas& cv, float grow, const Rgba* ink) {
          const std::vector<PointF> shape = {k.On(-5, 24), k.On(-13, 22), k.On(-14, 8),
                                             k.On(-11, 5), k.On(-5, 5)};
          Polygon(cv, shape, grow, Pick(pack, ink));
        });
        const PointF pocket = k.On(-11, 12);
        c.FillRect(static_cast<int>(pocket.x - 1), static_cast<int>(pocket.y - 2), 4, 5,
                   Shade(pack, 0.25f));
      };
      l.onTorso = [](Canvas& c, const Skeleton& k) {
        const Rgba strap = Shade({226, 140, 60, 255}, 0.25f);
        if (k.front) {
          for (float f : {-6.0f, 6.0f}) {
            c.Line(k.On(f, 26).x, k.On(f, 26).y, k.On(f * 0.9f, 8).x, k.On(f * 0.9f, 8).y, 2.0f,
                   strap);
          }
          c.FillRect(static_cast<int>(k.On(-3, 12).x), static_cast<int>(k.On(-3, 12).y), 6, 3,
                     Shade(palette::kGreen, 0.25f));
        } else {
          c.Line(k.On(-4, 26).x, k.On(-4, 26).y, k.On(1, 12).x, k.On(1, 12).y, 2.0f, strap);
          c.Line(k.On(4, 8).x, k.On(4, 8).y, k.On(7, 8).x, k.On(7, 8).y, 1.0f,
                 Shade(palette::kGreen, 0.3f));
        }
      };
      break;
    default:  // old man: long beige coat, flat cap, white moustache, glasses, cane
      l.build.scale = 0.97f;
      l.skin = l.hand = {232, 182, 152, 255};
      l.hair = Hair::kFringe;
      l.hairColour = {222, 222, 218, 255};
      l.moustache = true;
      l.beardColour = {236, 236, 232, 255};
      l.glasses = true;
      l.hat = Hat::kFlatCap;
      l.hatColour = {112, 98, 84, 255};
      l.torso = l.upperArm = l.lowerArm = l.skirt = palette::kStone;
      l.skirtLength = 15;
      l.skirtFlare = 2;
      l.thigh = l.shin = {92, 88, 108, 255};
      l.shoe = {96, 62, 40, 255};
      l.onTorso = [](Canvas& c, const Skeleton& k) {
        const Rgba button = palette::kStoneDark;
        for (float u : {22.0f, 15.0f, 8.0f, 1.0f}) {
          const PointF b = k.front ? k.On(0, u) : k.On(5, u);
          c.FillCircle(b.x, b.y, 1.0f, button);
        }
      };
      if (doing == Doing::kWatching) {
        l.behind = [](Canvas& c, const Skeleton& k) {
          Cane(c, k.On(13, 2), k.body.origin.x + 17 * k.scale);
        };
      } else if (doing == Doing::kPaying) {
        l.behind = [](Canvas& c, const Skeleton& k) { Cane(c, k.farArm.end, k.farArm.end.x - 5); };
      } else {
        l.inFront = [](Canvas& c, const Skeleton& k) {
          Cane(c, k.nearArm.end, k.nearArm.end.x - 4);
        };
      }
      break;
  }
  return l;
}

Manner MannerOf(int kind) {
  switch (kind) {
    case 1:
      return {1.15f, 0.9f, 3, 0};
    case 2:
      return {0.85f, 1.0f, 0, 0};
    case 3:
      return {1.1f, 1.2f, 4, 4};
    default:
      return {0.7f, 0.5f, 14, -8};
  }
}

Pose Walking(int kind, int i) {
  const Manner m = MannerOf(kind);
  Pose p = Walk(i, m.stride, m.swing);
  p.lean = m.lean;
  p.nod = m.nod;
  // The old man leans on his cane; the briefcase keeps the businessman's arm from swinging.
  if (kind == 4) p.nearArm = Limb::To(9, -20);
  if (kind == 1) p.farArm = {4 + p.farArm.upper * 0.3f, 6 + p.farArm.upper * 0.3f};
  return p;
}

Canvas WalkFrame(int kind, int i, bool mirrored) {
  const Look look = PersonLook(kind, Doing::kWalking);
  const Pose pose = Walking(kind, i);
  return Sprite([&](Canvas& c) { Paint(c, look, pose); }, mirrored);
}

// Paying while walking on: a hand goes to the pocket, comes out with a coin held out, the
// coin is flipped over, and offered again.
Canvas PayFrame(int kind, int i, bool mirrored) {
  const Look look = PersonLook(kind, Doing::kPaying);
  Pose pose = Walking(kind, i);
  pose.mouth = Mouth::kSmile;
  switch (i) {
    case 0:
      pose.nearArm = Limb::To(1, -25);
      break;
    case 1:
      pose.nearArm = Limb::To(19, -9);
      break;
    case 2:
      pose.nearArm = Limb::To(20, -6);
      break;
    default:
      pose.nearArm = Limb::To(21, -10);
      break;
  }
  if (kind == 4) pose.farArm = Limb::To(7, -22);
  if (kind == 1) pose.farArm = {6, 8};
  return Sprite(
      [&](Canvas& c) {
        const Skeleton k = Paint(c, look, pose);
        const PointF hand = k.nearArm.end;
        if (i == 0) {
          PaintCoin(c, hand + PointF{-1.5f, -2.5f}, 2.5f);
        } else if (i == 2) {
          PaintCoinEdge(c, hand + PointF{-2, -10}, 3.0f);
          PaintSparkle(c, hand + PointF{-8, -13}, 2.5f, palette::kCream);
        } else {
          PaintCoin(c, hand + PointF{-2.5f, -3}, 3.0f);
        }
      },
      mirrored);
}

// Watching a dance: facing out of the street and clapping.
Canvas WatchFrame(int kind, int i) {
  const Look look = PersonLook(kind, Doing::kWatching);
  Pose pose = StandFront();
  pose.mouth = i == 1 ? Mouth::kOpen : Mouth::kSmile;
  const float apart = i == 1 ? 1.0f : (i == 0 ? 6.0f : 4.5f);
  const float height = i == 2 ? -9.0f : -11.0f;
  pose.nearArm = Limb::To(apart, height, -1, 0.62f);
  pose.farArm = Limb::To(apart, height, -1, 0.62f);
  return Sprite(
      [&](Canvas& c) {
        const Skeleton k = Paint(c, look, pose);
        if (i != 1) return;
        const PointF hands = (k.nearArm.end + k.farArm.end) * 0.5f;
        for (float side : {-1.0f, 1.0f}) {
          c.Line(hands.x + side * 5, hands.y - 3, hands.x + side * 8, hands.y - 6, 1.2f,
                 palette::kCream);
          c.Line(hands.x + side * 6, hands.y + 1, hands.x + side * 9.5f, hands.y + 1, 1.2f,
                 palette::kCream);
        }
      },
      false);
}

}  // namespace

Look NormalLook(int kind) {
  Look look = PersonLook(kind, Doing::kWatching);
  look.behind = look.inFront = nullptr;
  return look;
}

std::vector<Strip> NormalStrips(int kind) {
  return {
      {"watch", 3, [kind](int i) { return WatchFrame(kind, i); }},
      {"moveleft", 4, [kind](int i) { return WalkFrame(kind, i, false); }},
      {"moveright", 4, [kind](int i) { return WalkFrame(kind, i, true); }},
      {"payleft", 4, [kind](int i) { return PayFrame(kind, i, false); }},
      {"payright", 4, [kind](int i) { return PayFrame(kind, i, true); }},
  };
}

}  // namespace tools::assetgen::people
