// Performer.cpp -- the street performer: red jacket, white gloves and a top hat; standing,
// walking, falling over, dancing and pushing, and the list of all the performer's animations.
#include "tools/assetgen/Performer.h"

#include "tools/assetgen/Motions.h"
#include "tools/assetgen/People.h"
#include "tools/assetgen/Props.h"

namespace tools::assetgen::people {

Look PerformerLook() {
  Look l;
  l.build.scale = 0.92f;
  l.skin = palette::kSkin;
  l.hand = palette::kCream;
  l.hairColour = {96, 58, 36, 255};
  l.hair = Hair::kShort;
  l.hat = Hat::kTopHat;
  l.hatColour = performer::kHatColour;
  l.hatBand = palette::kRed;
  l.torso = l.upperArm = l.lowerArm = palette::kRed;
  l.thigh = l.shin = {48, 56, 104, 255};
  l.shoe = {104, 62, 38, 255};
  // Shirt front, bow tie, buttons and the jacket's hem; t is the collar's height.
  l.onTorso = [](Canvas& c, const Skeleton& k) {
    const float s = k.scale, t = Build().torso;
    if (k.front) {
      c.FillPolygon(std::vector<PointF>{k.On(-4, t), k.On(4, t), k.On(0, t - 11)}, palette::kCream);
      c.FillPolygon(
          std::vector<PointF>{k.On(-3.5f, t - 0.5f), k.On(0, t - 2), k.On(-3.5f, t - 3.5f)},
          palette::kGold);
      c.FillPolygon(std::vector<PointF>{k.On(3.5f, t - 0.5f), k.On(0, t - 2), k.On(3.5f, t - 3.5f)},
                    palette::kGold);
      for (float u : {t - 14, t - 19}) {
        const PointF b = k.On(0, u);
        c.FillCircle(b.x, b.y, 1.1f * s, palette::kGold);
      }
      c.FillPolygon(std::vector<PointF>{k.On(-8, -1.5f), k.On(8, -1.5f), k.On(8, 1), k.On(-8, 1)},
                    Shade(palette::kRed, 0.35f));
    } else {
      c.FillPolygon(
          std::vector<PointF>{k.On(6.5f, t - 0.5f), k.On(2.5f, t - 0.5f), k.On(6, t - 11)},
          palette::kCream);
      const PointF tie = k.On(6.5f, t - 2.5f);
      c.FillCircle(tie.x, tie.y, 1.8f * s, palette::kGold);
      for (float u : {t - 14, t - 19}) {
        const PointF b = k.On(5.5f, u);
        c.FillCircle(b.x, b.y, 1.0f * s, palette::kGold);
      }
      c.FillPolygon(std::vector<PointF>{k.On(-6, -1.5f), k.On(6, -1.5f), k.On(6, 1), k.On(-6, 1)},
                    Shade(palette::kRed, 0.35f));
    }
  };
  return l;
}

namespace performer {

Canvas Frame(const Pose& pose, bool mirrored, const Props& props, const Overlay& overlay) {
  const Look look = PerformerLook();
  return Sprite(
      [&](Canvas& c) {
        const Skeleton k = Paint(c, look, pose);
        if (props) props(c, k);
      },
      mirrored, overlay);
}

void Stepping(Pose& p, int i) {
  const Pose walk = people::Walk(i, 0.7f, 0);
  p.nearLeg = walk.nearLeg;
  p.farLeg = walk.farLeg;
}

void HatInHand(Canvas& c, PointF hand, float tilt, float s) {
  PaintHat(c, Hat::kTopHat,
           {hand + PointF{0, -1.5f * s}, Rotate({-1, 0}, tilt), Rotate({0, -1}, tilt)}, s,
           kHatColour, palette::kRed, false);
}

void Glove(Canvas& c, PointF at, float s, bool far) {
  const Rgba colour = far ? Shade(palette::kCream, 0.28f) : palette::kCream;
  Part(c, [&](Canvas& cv, float grow, const Rgba* ink) {
    cv.FillCircle(at.x, at.y, 3.5f * s + grow, Pick(colour, ink));
  });
}

PointF HatBrim(const Skeleton& k) {
  return k.nearArm.end + PointF{-7 * k.scale, 0};
}

}  // namespace performer

namespace {

using namespace performer;

// Standing, facing the audience, with a small bounce and swinging hands: also the ready pose
// of the dance.
Canvas Stand(int i) {
  Pose p = StandFront();
  const float bob[] = {0, 1.5f, 0.5f};
  p.nearLeg = {4 + bob[i], -2 + bob[i] * 2};
  p.farLeg = {4 + bob[i], -2 + bob[i] * 2};
  p.nearArm = {7 + 3 * bob[i], 14 + 10 * bob[i]};
  p.farArm = {7 + 3 * bob[i], 14 + 10 * bob[i]};
  return Frame(p, false);
}

Canvas Walk(int i, bool mirrored) {
  Pose p = people::Walk(i, 1.15f, 1.1f);
  p.lean = 4;
  return Frame(p, mirrored);
}

// Falling over after a wrong offer or a push: a stumble, a face-first landing with the hat
// flying off, dizzy stars, then up on all fours, onto a knee, up with the hat and hat back on.
Canvas Fall(int i, bool mirrored) {
  Pose p = StandSide();
  p.hatOff = i >= 1 && i <= 9;
  const PointF landed{14, 96.5f};
  Props props;
  auto hatAt = [](PointF at, float tilt) {
    return [at, tilt](Canvas& c, const Skeleton& k) {
      PaintHat(c, Hat::kTopHat, {at, Rotate({-1, 0}, tilt), Rotate({0, -1}, tilt)}, k.scale,
               kHatColour, palette::kRed, false);
    };
  };
  // Three stars circling over the head, a little further round each frame.
  auto stars = [](int turn) {
    return [turn](Canvas& c, const Skeleton& k) {
      for (int n = 0; n < 3; ++n) {
        const PointF round = Rotate({12, 0}, static_cast<float>(turn * 50 + n * 120));
        const PointF at = k.head.origin + PointF{round.x, -13 + round.y * 0.35f};
        PaintStar(c, at, 3.2f, palette::kGold);
      }
    };
  };
  switch (i) {
    case 0:
      p.lean = 14;
      p.nearArm = {-150, -170};
      p.farArm = {140, 165};
      p.nearLeg = {8, 0};
      p.farLeg = {-35, -70};
      p.mouth = Mouth::kWide;
      break;
    case 1:
      p.lean = 38;
      p.shift = 4;
      p.nearArm = {105, 80};
      p.farArm = {115, 95};
      p.nearLeg = {-4, -12};
      p.farLeg = {-60, -85};
      p.mouth = Mouth::kWide;
      props = [](Canvas& c, const Skeleton& k) {
        PaintHat(c, Hat::kTopHat,
                 {k.head.origin + PointF{-12, -8}, Rotate({-1, 0}, -30), Rotate({0, -1}, -30)},
                 k.scale, kHatColour, palette::kRed, false);
      };
      break;
    case 2:
      p.lean = 66;
      p.shift = 8;
      p.nearArm = {65, 40};
      p.farArm = {75, 50};
      p.nearLeg = {-30, -45};
      p.farLeg = {-70, -95};
      p.eyes = Eyes::kClosed;
      p.mouth = Mouth::kOpen;
      props = hatAt({20, 30}, -100);
      break;
    case 3:
    case 4:
    case 5: {
      p.lean = 90;
      p.shift = 14;
      p.nearArm = {-80, -92};
      p.farArm = {95, 100};
      const float kick = i == 3 ? -158.0f : (i == 4 ? -178.0f : -166.0f);
      p.nearLeg = {-90, kick};
      p.farLeg = {-86, kick - 15};
      p.eyes = i == 3 ? Eyes::kClosed : Eyes::kDizzy;
      p.mouth = Mouth::kOpen;
      const auto hat = hatAt(landed, 0);
      if (i == 3) {
        props = hat;
      } else {
        const auto spin = stars(i);
        props = [hat, spin](Canvas& c, const Skeleton& k) {
          hat(c, k);
          spin(c, k);
        };
      }
      break;
    }
    case 6: {
      p.lean = 68;
      p.shift = 10;
      p.nod = -20;
      p.nearArm = {0, 4};
      p.farArm = {4, 8};
      p.nearLeg = {0, -90};
      p.farLeg = {6, -84};
      p.eyes = Eyes::kDizzy;
      p.mouth = Mouth::kFlat;
      const auto hat = hatAt(landed, 0);
      const auto spin = stars(6);
      props = [hat, spin](Canvas& c, const Skeleton& k) {
        hat(c, k);
        spin(c, k);
      };
      break;
    }
    case 7:
      p.lean = 8;
      p.shift = 4;
      p.nearArm = {55, 20};
      p.farArm = {-10, 0};
      p.nearLeg = {90, 0};
      p.farLeg = {0, -90};
      p.mouth = Mouth::kFlat;
      props = hatAt(landed, 0);
      break;
    case 8:
      p.lean = 55;
      p.shift = -4;
      p.nearArm = {25, 15};
      p.farArm = {10, 10};
      p.nearLeg = {35, -5};
      p.farLeg = {10, -25};
      p.mouth = Mouth::kFlat;
      props = hatAt(landed, 0);
      break;
    case 9:
      p.lean = 8;
      p.shift = -6;
      p.nearArm = Limb::To(12, -12);
      p.nearLeg = {10, 0};
      p.farLeg = {-6, -4};
      props = [](Canvas& c, const Skeleton& k) {
        HatInHand(c, k.nearArm.end, 0, k.scale);
        Glove(c, k.nearArm.end, k.scale);
      };
      break;
    case 10:
      p.shift = -3;
      p.nearArm = Limb::To(5, 15, 1);
      break;
    default:
      break;
  }
  return Frame(p, mirrored, props);
}

// Dance, lead-in: crouch, spring up, tip the hat.
Canvas DanceStart(int i) {
  Pose p = StandFront();
  switch (i) {
    case 0:
      p.nearLeg = {35, -10};
      p.farLeg = {35, -10};
      p.nearArm = Limb::To(9, -30);
      p.farArm = Limb::To(9, -30);
      p.mouth = Mouth::kFlat;
      break;
    case 1:
      p.nearLeg = {8, 0};
      p.farLeg = {8, 0};
      p.nearArm = {130, 150};
      p.farArm = {130, 150};
      p.lift = 5;
      p.mouth = Mouth::kWide;
      break;
    default:
      p.nearLeg = {40, 30};
      p.farLeg = {3, 0};
      p.nearArm = Limb::To(4, 17, 1);
      p.farArm = Limb::To(12, -4);
      p.lean = 6;
      break;
  }
  return Frame(p, false);
}

// Dance: point up to one side, bounce with arms wide, point up to the other side.
Canvas DanceLoop(int i) {
  Pose p = StandFront();
  p.mouth = Mouth::kOpen;
  switch (i) {
    case 0:
      p.nearArm = {150, 165};
      p.farArm = Limb::To(11, -23, 1);
      p.nearLeg = {30, 20};
      p.farLeg = {2, 0};
      p.lean = 8;
      break;
    case 1:
      p.nearArm = {95, 150};
      p.farArm = {95, 150};
      p.nearLeg = {18, -8};
      p.farLeg = {18, -8};
      p.mouth = Mouth::kWide;
      break;
    default:
      p.farArm = {150, 165};
      p.nearArm = Limb::To(11, -23, 1);
      p.farLeg = {30, 20};
      p.nearLeg = {2, 0};
      p.lean = -8;
      break;
  }
  return Frame(p, false);
}

// Pushing: a wind-up, a two-handed shove with a burst at the hands, and back.
Canvas Push(int i, bool mirrored) {
  Pose p = StandSide();
  p.farArmInFront = true;
  switch (i) {
    case 0:
      p.lean = -8;
      p.nearArm = Limb::To(4, -8);
      p.farArm = Limb::To(3, -9);
      p.nearLeg = {14, 6};
      p.farLeg = {-12, -14};
      p.mouth = Mouth::kFlat;
      return Frame(p, mirrored);
    case 1:
    case 2:
      p.lean = i == 1 ? 18 : 24;
      p.nearArm = Limb::To(26, -2);
      p.farArm = Limb::To(25, -4);
      p.nearLeg = {38, 20};
      p.farLeg = {-30, -34};
      p.mouth = Mouth::kWide;
      return Frame(p, mirrored, [i](Canvas& c, const Skeleton& k) {
        const PointF hand = k.nearArm.end;
        PaintStar(c, hand + PointF{-6, -1}, i == 1 ? 4.0f : 6.0f, palette::kCream);
      });
    default:
      p.lean = 6;
      p.nearArm = {20, 40};
      p.farArm = {15, 35};
      p.nearLeg = {12, 4};
      p.farLeg = {-8, -8};
      return Frame(p, mirrored);
  }
}

}  // namespace

std::vector<Strip> PerformerStrips() {
  // Right-facing animations are the left-facing ones mirrored.
  using Painter = Canvas (*)(int, bool);
  auto both = [](std::vector<Strip>& strips, const char* name, int count, Painter paint) {
    strips.push_back(
        {std::string(name) + "left", count, [paint](int i) { return paint(i, false); }});
    strips.push_back(
        {std::string(name) + "right", count, [paint](int i) { return paint(i, true); }});
  };
  std::vector<Strip> strips;
  strips.push_back({"stand", 3, Stand});
  both(strips, "move", 4, Walk);
  both(strips, "fall", 12, Fall);
  both(strips, "beg", 4, BegStart);
  strips.push_back({"begleftloop", 4, [](int i) { return BegLoop(i, false); }});
  strips.push_back({"begrightloop", 4, [](int i) { return BegLoop(i, true); }});
  both(strips, "sing", 4, SingStart);
  strips.push_back({"singleftloop", 4, [](int i) { return SingLoop(i, false); }});
  strips.push_back({"singrightloop", 4, [](int i) { return SingLoop(i, true); }});
  both(strips, "rabbit", 4, RabbitStart);
  strips.push_back({"rabbitleftloop", 4, [](int i) { return RabbitLoop(i, false); }});
  strips.push_back({"rabbitrightloop", 4, [](int i) { return RabbitLoop(i, true); }});
  strips.push_back({"danceone", 3, DanceStart});
  strips.push_back({"danceoneloop", 3, DanceLoop});
  both(strips, "push", 4, Push);
  return strips;
}

}  // namespace tools::assetgen::people
