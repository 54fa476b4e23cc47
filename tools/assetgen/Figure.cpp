// Figure.cpp -- solving a pose into joints and painting the dressed body part by part, each part
// with an ink seam where it overlaps what is already painted.
#include "tools/assetgen/Figure.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace tools::assetgen::people {

namespace {

constexpr float kDegree = 3.14159265f / 180.0f;

float Length(PointF p) {
  return std::sqrt(p.x * p.x + p.y * p.y);
}
PointF Unit(PointF p) {
  const float l = Length(p);
  return l > 0 ? p * (1.0f / l) : PointF{0, 1};
}
float Dot(PointF a, PointF b) {
  return a.x * b.x + a.y * b.y;
}

// A limb direction for an angle from straight down, positive toward side (-1 left, +1 right).
PointF Direction(float degrees, float side) {
  const float a = degrees * kDegree;
  return {side * std::sin(a), std::cos(a)};
}

// The body's frame for a tilt: side views face left, front views tilt toward the right.
Frame2 Tilted(PointF origin, float degrees, bool front) {
  const float a = degrees * kDegree, s = std::sin(a), c = std::cos(a);
  if (front) return {origin, {c, s}, {s, -c}};
  return {origin, {-c, s}, {-s, -c}};
}

// Places a two-segment limb by angles or by its reach.
Chain Place(PointF root, float side, const Limb& limb, float upper, float lower, const Skeleton& k,
            PointF front) {
  Chain chain{root, root, root, side};
  const float a = upper * limb.shorten, b = lower * limb.shorten;
  if (!limb.reach) {
    chain.joint = root + Direction(limb.upper, side) * a;
    chain.end = chain.joint + Direction(limb.lower, side) * b;
    return chain;
  }
  const float outward = k.front ? side * (k.body.fwd.x >= 0 ? 1.0f : -1.0f) : 1.0f;
  const PointF target = k.neck + k.body.fwd * (limb.reach->x * outward * k.scale) +
                        k.body.up * (limb.reach->y * k.scale);
  const PointF toTarget = target - root;
  const float d = std::clamp(Length(toTarget), std::fabs(a - b) + 0.01f, a + b - 0.01f);
  const PointF dir = Unit(toTarget);
  const float cosA = std::clamp((a * a + d * d - b * b) / (2 * a * d), -1.0f, 1.0f);
  const float sinA = std::sqrt(1 - cosA * cosA);
  const PointF normal{-dir.y, dir.x};
  // Of the two ways the joint can bend, take the one nearer the hint: from the side, back and
  // down (-1) or forward and up (+1); from the front, outward and down (-1) or up (+1).
  PointF hint = limb.bend > 0 ? front + PointF{0, -0.5f} : front * -1.0f + PointF{0, 1};
  if (k.front) hint = limb.bend > 0 ? front + PointF{0, -1} : front + PointF{0, 1};
  const float pick = Dot(normal, hint) >= 0 ? 1.0f : -1.0f;
  chain.joint = root + dir * (a * cosA) + normal * (a * sinA * pick);
  chain.end = root + dir * d;
  return chain;
}

void Translate(Skeleton& k, PointF by) {
  k.body.origin = k.body.origin + by;
  k.neck = k.neck + by;
  k.head.origin = k.head.origin + by;
  for (Chain* c : {&k.nearArm, &k.farArm, &k.nearLeg, &k.farLeg}) {
    c->root = c->root + by;
    c->joint = c->joint + by;
    c->end = c->end + by;
  }
  k.nearToe = k.nearToe + by;
  k.farToe = k.farToe + by;
}

void Segment(Canvas& c, PointF a, PointF b, float width, Rgba colour) {
  c.Line(a.x, a.y, b.x, b.y, width, colour);
}

void PaintLimb(Canvas& canvas, const Chain& limb, PointF toe, float width, Rgba upper, Rgba lower,
               Rgba tip, bool leg, float scale) {
  Part(canvas, [&](Canvas& c, float grow, const Rgba* ink) {
    const float w = width * scale + 2 * grow;
    Segment(c, limb.root, limb.joint, w, Pick(upper, ink));
    Segment(c, limb.joint, limb.end, w * 0.92f, Pick(lower, ink));
    if (leg) {
      Segment(c, limb.end, toe, w * 0.78f, Pick(tip, ink));
    } else {
      c.FillCircle(limb.end.x, limb.end.y, (width * 0.55f + 0.2f) * scale + grow, Pick(tip, ink));
    }
  });
}

void PaintTorso(Canvas& canvas, const Look& look, const Skeleton& k) {
  const Build& b = look.build;
  const float s = k.scale, t = b.torso;
  const float chest = (k.front ? b.chestFront : b.chestSide) / 2;
  const float waist = (k.front ? b.waistFront : b.waistSide) / 2;
  const Frame2& f = k.body;
  std::vector<PointF> points = {f.Map(-waist * s, -2 * s),      f.Map(waist * s, -2 * s),
                                f.Map(chest * s, (t - 5) * s),  f.Map((chest - 2) * s, t * s),
                                f.Map(-(chest - 2) * s, t * s), f.Map(-chest * s, (t - 5) * s)};
  Part(canvas, [&](Canvas& c, float grow, const Rgba* ink) {
    Polygon(c, points, grow, Pick(look.torso, ink));
  });
  // A band of shade down the back (the right side, seen from the front) gives the body depth.
  const float band = 2.5f;
  const float side = k.front ? 1.0f : -1.0f;
  canvas.FillPolygon(
      std::vector<PointF>{f.Map(side * waist * s, -2 * s), f.Map(side * (waist - band) * s, -2 * s),
                          f.Map(side * (chest - band) * s, (t - 5) * s),
                          f.Map(side * (chest - 2 - band * 0.5f) * s, t * s),
                          f.Map(side * (chest - 2) * s, t * s),
                          f.Map(side * chest * s, (t - 5) * s)},
      Shade(look.torso, 0.18f));
}

void PaintSkirt(Canvas& canvas, const Look& look, const Skeleton& k) {
  if (look.skirt.a == 0 || look.skirtLength <= 0) return;
  const Build& b = look.build;
  const float s = k.scale;
  const float waist = (k.front ? b.waistFront : b.waistSide) / 2 + 0.5f;
  const float hem = waist + look.skirtFlare, len = look.skirtLength;
  const Frame2& f = k.body;
  std::vector<PointF> points = {f.Map(-waist * s, 2 * s), f.Map(waist * s, 2 * s),
                                f.Map(hem * s, -len * s)};
  if (look.raggedHem) {
    const int teeth = 5;
    for (int i = 1; i < teeth * 2; ++i) {
      const float across = hem - 2 * hem * static_cast<float>(i) / (teeth * 2);
      points.push_back(f.Map(across * s, (-len + (i % 2 == 1 ? 3.5f : 0)) * s));
    }
  }
  points.push_back(f.Map(-hem * s, -len * s));
  Part(canvas, [&](Canvas& c, float grow, const Rgba* ink) {
    Polygon(c, points, grow, Pick(look.skirt, ink));
  });
}

// Hair that hangs behind the head and shoulders, painted before the head.
void PaintLongHair(Canvas& canvas, const Look& look, const Skeleton& k) {
  if (look.hair != Hair::kLong) return;
  const float s = k.scale, rx = k.headRx, ry = k.headRy;
  const Frame2& h = k.head;
  std::vector<PointF> points;
  if (k.front) {
    points = EllipsePoints(h, rx + 2 * s, ry + 1.5f * s, -20, 200);
    points.push_back(h.Map(-(rx + 2.5f * s), -ry - 7 * s));
    points.push_back(h.Map(rx + 2.5f * s, -ry - 7 * s));
  } else {
    points = EllipsePoints(h, rx + 1 * s, ry + 1 * s, 60, 200);
    points.push_back(h.Map(-rx - 2.5f * s, -ry - 8 * s));
    points.push_back(h.Map(-rx * 0.1f, -ry - 7 * s));
    points.push_back(h.Map(0, 0));
  }
  Part(canvas, [&](Canvas& c, float grow, const Rgba* ink) {
    Polygon(c, points, grow, Pick(look.hairColour, ink));
  });
}

// The neck goes under the collar: painted before the torso.
void PaintNeck(Canvas& canvas, const Look& look, const Skeleton& k) {
  Part(canvas, [&](Canvas& c, float grow, const Rgba* ink) {
    const PointF a = k.neck + k.body.up * (-2 * k.scale), b = k.head.origin;
    Segment(c, a, b, 5 * k.scale + 2 * grow, Pick(Shade(look.skin, 0.2f), ink));
  });
}

}  // namespace

std::vector<PointF> EllipsePoints(const Frame2& at, float rx, float ry, float from, float to,
                                  int steps) {
  std::vector<PointF> points;
  for (int i = 0; i <= steps; ++i) {
    const float a = (from + (to - from) * static_cast<float>(i) / steps) * kDegree;
    points.push_back(at.Map(std::cos(a) * rx, std::sin(a) * ry));
  }
  return points;
}

// A polygon grown by `grow` pixels: filled, with its edges stroked.
void Polygon(Canvas& c, const std::vector<PointF>& points, float grow, Rgba colour) {
  c.FillPolygon(points, colour);
  if (grow <= 0) return;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const PointF a = points[i], b = points[(i + 1) % points.size()];
    c.Line(a.x, a.y, b.x, b.y, 2 * grow, colour);
  }
}

// The seam is painted first, only over pixels already there; the figure's outer outline comes
// later, from FinishMasked.
void Part(Canvas& canvas, const Shape& shape) {
  Canvas seam(canvas.Width(), canvas.Height());
  shape(seam, 1.0f, &kInk);
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      if (seam.Get(x, y).a != 0 && canvas.Get(x, y).a >= 128) canvas.Set(x, y, kInk);
    }
  }
  shape(canvas, 0.0f, nullptr);
}

PointF Rotate(PointF p, float degrees) {
  const float a = degrees * kDegree, s = std::sin(a), c = std::cos(a);
  return {p.x * c - p.y * s, p.x * s + p.y * c};
}

Rgba Shade(Rgba c, float amount) {
  return palette::Darker(c, amount);
}
Rgba Light(Rgba c, float amount) {
  return palette::Lighter(c, amount);
}

Skeleton Solve(const Look& look, const Pose& pose, PointF hip, bool ground) {
  const Build& b = look.build;
  const float s = b.scale;
  Skeleton k;
  k.front = pose.front;
  k.scale = s;
  k.headRx = b.headRx * s;
  k.headRy = b.headRy * s;
  k.body = Tilted({hip.x + pose.shift, hip.y}, pose.lean, pose.front);
  k.neck = k.body.Map(0, b.torso * s);
  const Frame2 tilt = Tilted({0, 0}, pose.lean + pose.nod, pose.front);
  k.head = {k.neck + tilt.up * ((b.neck + b.headRy) * s), tilt.fwd, tilt.up};

  const PointF shoulder = k.neck + k.body.up * (-b.shoulderDrop * s);
  if (pose.front) {
    const float across = (b.chestFront / 2 - b.armWidth / 2) * s;
    const PointF left = k.body.fwd * (-across), right = k.body.fwd * across;
    const PointF legLeft = k.body.fwd * (-b.hipSpread * s),
                 legRight = k.body.fwd * (b.hipSpread * s);
    k.nearArm = Place(shoulder + left, -1, pose.nearArm, b.upperArm * s, b.foreArm * s, k, {-1, 0});
    k.farArm = Place(shoulder + right, 1, pose.farArm, b.upperArm * s, b.foreArm * s, k, {1, 0});
    k.nearLeg =
        Place(k.body.origin + legLeft, -1, pose.nearLeg, b.thigh * s, b.shin * s, k, {-1, 0});
    k.farLeg = Place(k.body.origin + legRight, 1, pose.farLeg, b.thigh * s, b.shin * s, k, {1, 0});
  } else {
    const PointF back = k.body.fwd * (-1.0f * s);
    k.nearArm = Place(shoulder, -1, pose.nearArm, b.upperArm * s, b.foreArm * s, k, k.body.fwd);
    k.farArm =
        Place(shoulder + back, -1, pose.farArm, b.upperArm * s, b.foreArm * s, k, k.body.fwd);
    k.nearLeg = Place(k.body.origin, -1, pose.nearLeg, b.thigh * s, b.shin * s, k, k.body.fwd);
    k.farLeg = Place(k.body.origin + back, -1, pose.farLeg, b.thigh * s, b.shin * s, k, k.body.fwd);
  }
  // Feet point to the front, square to the shin; seen from the front they turn out a little.
  auto toe = [&](const Chain& leg) {
    const PointF d = Unit(leg.end - leg.joint);
    PointF across{-d.y, d.x};
    const PointF front = pose.front ? PointF{leg.side, 0} : k.body.fwd;
    if (Dot(across, front) < 0) across = across * -1.0f;
    return leg.end + across * (b.foot * s * (pose.front ? 0.35f : 1.0f));
  };
  k.nearToe = toe(k.nearLeg);
  k.farToe = toe(k.farLeg);

  if (ground) {
    float lowest = -1e9f;
    auto consider = [&](PointF p, float r) { lowest = std::max(lowest, p.y + r); };
    const float legR = b.legWidth / 2 * s, armR = b.armWidth / 2 * s;
    for (const Chain* c : {&k.nearLeg, &k.farLeg}) {
      consider(c->joint, legR);
      consider(c->end, legR * 0.9f);
    }
    consider(k.nearToe, legR * 0.78f);
    consider(k.farToe, legR * 0.78f);
    for (const Chain* c : {&k.nearArm, &k.farArm}) {
      consider(c->joint, armR);
      consider(c->end, armR + 0.5f);
    }
    const float chest = (pose.front ? b.chestFront : b.chestSide) / 2 * s;
    consider(k.neck + k.body.fwd * chest, 0);
    consider(k.neck + k.body.fwd * (-chest), 0);
    consider(k.body.origin + k.body.fwd * chest, 0);
    consider(k.body.origin + k.body.fwd * (-chest), 0);
    const float headExtent = std::sqrt(k.head.fwd.y * k.head.fwd.y * k.headRx * k.headRx +
                                       k.head.up.y * k.head.up.y * k.headRy * k.headRy);
    consider(k.head.origin, headExtent);
    if (!pose.front) consider(k.head.Map(k.headRx * 0.98f, -k.headRy * 0.12f), 1.7f * s);
    Translate(k, {0, kGround - pose.lift - lowest});
  }
  return k;
}

void PaintFigure(Canvas& canvas, const Look& look, const Pose& pose, const Skeleton& k) {
  const Build& b = look.build;
  const float s = k.scale;
  auto arm = [&](const Chain& c, bool far) {
    const float t = far ? 0.28f : 0;
    PaintLimb(canvas, c, {}, b.armWidth, Shade(look.upperArm, t), Shade(look.lowerArm, t),
              Shade(look.hand, t), false, s);
  };
  auto leg = [&](const Chain& c, PointF toe, bool far) {
    const float t = far ? 0.28f : 0;
    PaintLimb(canvas, c, toe, b.legWidth, Shade(look.thigh, t), Shade(look.shin, t),
              Shade(look.shoe, t), true, s);
  };
  if (look.behind) look.behind(canvas, k);
  if (k.front) {
    leg(k.nearLeg, k.nearToe, false);
    leg(k.farLeg, k.farToe, false);
    PaintSkirt(canvas, look, k);
    PaintLongHair(canvas, look, k);
    PaintNeck(canvas, look, k);
    PaintTorso(canvas, look, k);
    if (look.onTorso) look.onTorso(canvas, k);
    PaintHead(canvas, look, pose, k);
    arm(k.nearArm, false);
    arm(k.farArm, false);
  } else {
    if (!pose.farArmInFront) arm(k.farArm, true);
    leg(k.farLeg, k.farToe, true);
    leg(k.nearLeg, k.nearToe, false);
    PaintSkirt(canvas, look, k);
    PaintLongHair(canvas, look, k);
    PaintNeck(canvas, look, k);
    PaintTorso(canvas, look, k);
    if (look.onTorso) look.onTorso(canvas, k);
    if (pose.farArmInFront) arm(k.farArm, true);
    PaintHead(canvas, look, pose, k);
    arm(k.nearArm, false);
  }
  if (look.inFront) look.inFront(canvas, k);
}

Skeleton Paint(Canvas& canvas, const Look& look, const Pose& pose) {
  const Skeleton k = Solve(look, pose);
  PaintFigure(canvas, look, pose, k);
  return k;
}

void FinishMasked(Canvas& canvas) {
  canvas.Outline(kInk);
  canvas.HardenAlpha();
  canvas.AvoidPureBlack();
}

Canvas Sprite(const std::function<void(Canvas&)>& body, bool mirrored,
              const std::function<void(Canvas&, bool)>& overlay) {
  Canvas canvas(kFrame, kFrame);
  body(canvas);
  if (mirrored) {
    Canvas flipped(kFrame, kFrame);
    flipped.Draw(canvas, 0, 0, true);
    canvas = std::move(flipped);
  }
  if (overlay) overlay(canvas, mirrored);
  FinishMasked(canvas);
  return canvas;
}

}  // namespace tools::assetgen::people
