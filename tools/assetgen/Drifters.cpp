// Drifters.cpp -- the two street characters who are not an audience: the thief (dark striped
// jumper, beanie, eye mask; creeping, then running off with a money sack) and the hobo (ragged
// coat, battered hat, beard, a bundle on a stick; he teaches a dance step).
#include <cmath>

#include "tools/assetgen/Motions.h"
#include "tools/assetgen/People.h"
#include "tools/assetgen/Props.h"

namespace tools::assetgen::people {

namespace {

constexpr Rgba kJumper{58, 60, 82, 255};
constexpr Rgba kStripe{122, 124, 146, 255};
constexpr Rgba kCoat{118, 104, 66, 255};
constexpr Rgba kHoboSkin{222, 170, 134, 255};

// Stripes across every jumper-coloured pixel, its shaded back included, following the lean.
void Stripes(Canvas& c, const Skeleton& k) {
  const Rgba shadedJumper = Shade(kJumper, 0.18f);
  for (int y = 0; y < c.Height(); ++y) {
    for (int x = 0; x < c.Width(); ++x) {
      const Rgba here = c.Get(x, y);
      if (!(here == kJumper) && !(here == shadedJumper)) continue;
      const PointF d = PointF{x + 0.5f, y + 0.5f} - k.body.origin;
      const float u = (d.x * k.body.up.x + d.y * k.body.up.y) / k.scale;
      if (static_cast<int>(std::floor(u / 3.0f)) % 2 != 0) continue;
      c.Set(x, y, here == kJumper ? kStripe : Shade(kStripe, 0.18f));
    }
  }
}

Look ThiefLook() {
  Look l;
  l.hair = Hair::kNone;
  l.hat = Hat::kBeanie;
  l.hatColour = {46, 48, 64, 255};
  l.mask = true;
  l.maskColour = {30, 26, 40, 255};
  l.torso = l.upperArm = l.lowerArm = kJumper;
  l.hand = {84, 84, 98, 255};
  l.thigh = l.shin = {44, 46, 60, 255};
  l.shoe = {76, 64, 60, 255};
  l.onTorso = Stripes;
  return l;
}

// Creeping along: crouched, on tiptoe, hands up in front.
Canvas ThiefWalk(int i, bool mirrored) {
  Pose p = Walk(i, 0.95f, 0);
  p.lean = 14;
  p.nod = -12;
  const float bob = i % 2 == 0 ? 0.0f : 2.0f;
  p.nearArm = Limb::To(11, -9 + bob);
  p.farArm = Limb::To(13, -7 + bob);
  p.mouth = Mouth::kFlat;
  const Look look = ThiefLook();
  return Sprite([&](Canvas& c) { Paint(c, look, p); }, mirrored);
}

// Running off with the loot: a money sack over the shoulder, speed lines and dust behind.
Canvas ThiefRun(int i, bool mirrored) {
  Pose p = Run(i);
  p.farArm = Limb::To(-2, 3, 1);
  p.mouth = Mouth::kWide;
  Look look = ThiefLook();
  look.behind = [](Canvas& c, const Skeleton& k) {
    PaintMoneySack(c, k.farArm.end + PointF{9, -3}, 1.15f);
  };
  return Sprite(
      [&](Canvas& c) {
        const Skeleton k = Paint(c, look, p);
        PaintSpeedLines(c, k.body.origin.x + 22, k.neck.y + 4, true);
        if (i % 2 == 1) {
          const PointF heel = k.nearLeg.end.y > k.farLeg.end.y ? k.nearLeg.end : k.farLeg.end;
          c.FillCircle(heel.x + 9, kGround - 3, 2.5f, palette::kStone);
          c.FillCircle(heel.x + 14, kGround - 4, 2.0f, palette::kStone);
        }
      },
      mirrored);
}

Look HoboLook() {
  Look l;
  l.build.scale = 0.95f;
  l.skin = l.hand = kHoboSkin;
  l.hair = Hair::kShaggy;
  l.hairColour = {150, 146, 140, 255};
  l.beard = true;
  l.beardColour = {156, 146, 130, 255};
  l.hat = Hat::kBattered;
  l.hatColour = {90, 78, 68, 255};
  l.hatBand = {156, 74, 58, 255};
  l.torso = l.upperArm = l.lowerArm = l.skirt = kCoat;
  l.skirtLength = 21;
  l.skirtFlare = 3;
  l.raggedHem = true;
  l.thigh = l.shin = {94, 94, 108, 255};
  l.shoe = {86, 62, 44, 255};
  l.onTorso = [](Canvas& c, const Skeleton& k) {
    const Rgba patchA{156, 92, 70, 255}, patchB{92, 116, 124, 255};
    auto patch = [&](PointF at, float w, float h, Rgba colour) {
      c.FillRect(static_cast<int>(at.x), static_cast<int>(at.y), static_cast<int>(w),
                 static_cast<int>(h), colour);
      c.Set(static_cast<int>(at.x), static_cast<int>(at.y), kInk);
      c.Set(static_cast<int>(at.x + w - 1), static_cast<int>(at.y + h - 1), kInk);
    };
    if (k.front) {
      patch(k.On(-7, 18), 4, 4, patchA);
      patch(k.On(3, 6), 4, 3, patchB);
      patch(k.On(-5, -6), 4, 4, patchB);
      c.Line(k.On(-8, 2).x, k.On(-8, 2).y, k.On(8, 2).x, k.On(8, 2).y, 1.6f, palette::kStone);
    } else {
      patch(k.On(-4, 17), 4, 4, patchA);
      patch(k.On(-2, -8), 4, 4, patchB);
      c.Line(k.On(-6, 2).x, k.On(-6, 2).y, k.On(6, 2).x, k.On(6, 2).y, 1.6f, palette::kStone);
    }
  };
  return l;
}

// A red nose, from the cold.
void RedNose(Canvas& c, const Skeleton& k) {
  const PointF nose =
      k.front ? k.head.Map(0, -k.headRy * 0.15f) : k.head.Map(k.headRx * 0.98f, -k.headRy * 0.12f);
  c.FillCircle(nose.x, nose.y, 1.5f * k.scale, {214, 92, 84, 255});
}

// Shuffling along with a bundle on a stick over the shoulder.
Canvas HoboWalk(int i, bool mirrored) {
  Pose p = Walk(i, 0.75f, 0.6f);
  p.lean = 7;
  p.nod = 4;
  p.farArm = Limb::To(7, -8);
  p.farArmInFront = true;
  Look look = HoboLook();
  // The bundle hangs behind the shoulder; its stick crosses in front, held in the far hand.
  const float sway = i % 2 == 0 ? 0.0f : 1.0f;
  auto stickEnd = [sway](const Skeleton& k) { return k.farArm.end + PointF{24, -13 + sway}; };
  look.behind = [stickEnd](Canvas& c, const Skeleton& k) {
    const PointF end = stickEnd(k), bundle = end + PointF{-1, 5};
    Part(c, [&](Canvas& cv, float grow, const Rgba* ink) {
      cv.FillEllipse(bundle.x, bundle.y, 6.5f + grow, 5.5f + grow, Pick(palette::kRed, ink));
      cv.FillCircle(end.x, end.y, 2.0f + grow, Pick(palette::kRed, ink));
    });
    for (const PointF d : {PointF{-3, -1}, PointF{2, 2}, PointF{-1, 3}, PointF{3, -2}}) {
      c.Set(static_cast<int>(bundle.x + d.x), static_cast<int>(bundle.y + d.y), palette::kCream);
    }
  };
  return Sprite(
      [&](Canvas& c) {
        const Skeleton k = Paint(c, look, p);
        const PointF hand = k.farArm.end, end = stickEnd(k);
        Part(c, [&](Canvas& cv, float grow, const Rgba* ink) {
          cv.Line(hand.x - 2, hand.y + 1, end.x, end.y, 2.0f + 2 * grow,
                  Pick({132, 90, 54, 255}, ink));
        });
        Part(c, [&](Canvas& cv, float grow, const Rgba* ink) {
          cv.FillCircle(hand.x, hand.y, 3.0f * k.scale + grow, Pick(Shade(kHoboSkin), ink));
        });
        RedNose(c, k);
      },
      mirrored);
}

// Teaching the dance step: present it, heel out one side, a knees-bent clap, heel out the other
// side, a jump with the heels clicked, and a bow with the hat raised.
Canvas HoboTeach(int i) {
  Pose p = StandFront();
  p.mouth = Mouth::kSmile;
  bool hatUp = false;
  switch (i) {
    case 0:
      p.nearArm = {40, 60};
      p.farArm = {40, 60};
      break;
    case 1:
      p.nearLeg = {35, 25};
      p.farLeg = {2, 0};
      p.nearArm = {140, 160};
      p.farArm = {30, 40};
      p.lean = 8;
      p.mouth = Mouth::kOpen;
      break;
    case 2:
      p.nearLeg = {22, -12};
      p.farLeg = {22, -12};
      p.nearArm = Limb::To(1, -10, -1, 0.62f);
      p.farArm = Limb::To(1, -10, -1, 0.62f);
      break;
    case 3:
      p.farLeg = {35, 25};
      p.nearLeg = {2, 0};
      p.farArm = {140, 160};
      p.nearArm = {30, 40};
      p.lean = -8;
      p.mouth = Mouth::kOpen;
      break;
    case 4:
      p.nearLeg = {10, -25};
      p.farLeg = {10, -25};
      p.nearArm = {115, 140};
      p.farArm = {115, 140};
      p.lift = 6;
      p.mouth = Mouth::kWide;
      break;
    default:
      p.nearArm = {60, 80};
      p.farArm = {105, 135};
      p.nearLeg = {4, 0};
      p.farLeg = {-12, -14};
      p.hatOff = true;
      hatUp = true;
      break;
  }
  const Look look = HoboLook();
  return Sprite(
      [&](Canvas& c) {
        const Skeleton k = Paint(c, look, p);
        RedNose(c, k);
        if (hatUp) {
          const PointF hand = k.farArm.end;
          PaintHat(c, Hat::kBattered, {hand + PointF{0, -2}, {1, 0}, {0, -1}}, k.scale,
                   look.hatColour, look.hatBand, true);
        }
      },
      false);
}

}  // namespace

std::vector<Strip> ThiefStrips() {
  return {
      {"moveleft", 4, [](int i) { return ThiefWalk(i, false); }},
      {"moveright", 4, [](int i) { return ThiefWalk(i, true); }},
      {"runleft", 4, [](int i) { return ThiefRun(i, false); }},
      {"runright", 4, [](int i) { return ThiefRun(i, true); }},
  };
}

std::vector<Strip> HoboStrips() {
  return {
      {"teach", 6, HoboTeach},
      {"moveleft", 4, [](int i) { return HoboWalk(i, false); }},
      {"moveright", 4, [](int i) { return HoboWalk(i, true); }},
  };
}

}  // namespace tools::assetgen::people
