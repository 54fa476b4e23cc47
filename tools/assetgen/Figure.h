// Figure.h -- the pose-driven rig that paints every person of the street: a skeleton of head,
// torso and two-segment limbs posed by angles or by where a hand should reach, dressed by a Look.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "tools/assetgen/Canvas.h"
#include "tools/assetgen/Palette.h"

namespace tools::assetgen::people {

// Actor frames are this square; figures stand with their soles on kGround.
inline constexpr int kFrame = 100;
inline constexpr float kGround = 97.0f;

// Points and directions in canvas pixels.
inline PointF operator+(PointF a, PointF b) {
  return {a.x + b.x, a.y + b.y};
}
inline PointF operator-(PointF a, PointF b) {
  return {a.x - b.x, a.y - b.y};
}
inline PointF operator*(PointF a, float s) {
  return {a.x * s, a.y * s};
}

// A local frame: a point, a unit "forward" and a unit "up"; Map turns (forward, up) offsets
// into canvas points, so shapes follow a leaning body or a tumbling hat.
struct Frame2 {
  PointF origin, fwd{-1, 0}, up{0, -1};
  PointF Map(float f, float u) const { return origin + fwd * f + up * u; }
};

// Body proportions in pixels at scale 1.
struct Build {
  float scale = 1.0f;
  float headRx = 7, headRy = 8, neck = 2, torso = 27, shoulderDrop = 3;
  float upperArm = 15, foreArm = 14, thigh = 19, shin = 19, foot = 7;
  float armWidth = 6, legWidth = 7;
  float chestSide = 14, waistSide = 12;    // torso depth seen from the side
  float chestFront = 20, waistFront = 16;  // torso width seen from the front
  float hipSpread = 4.5f;                  // half the distance between the legs, front view
};

enum class Hair { kNone, kShort, kLong, kFringe, kShaggy };
enum class Hat { kNone, kTopHat, kCap, kFlatCap, kBeanie, kBattered };
enum class Mouth { kSmile, kFlat, kOpen, kWide };
enum class Eyes { kOpen, kClosed, kDizzy };

// One limb: absolute angles in degrees from straight down, positive toward the figure's front
// (side view) or outward (front view); or, when reach is set, the hand or foot goes to that
// point, given as (forward, up) from the neck in the torso's frame, and the middle joint bends
// to the front and up (+1) or to the back and down (-1).
struct Limb {
  Limb() = default;
  Limb(float upperAngle, float lowerAngle) : upper(upperAngle), lower(lowerAngle) {}
  static Limb To(float forward, float up, int bend = -1, float shorten = 1) {
    Limb limb;
    limb.reach = PointF{forward, up};
    limb.bend = bend;
    limb.shorten = shorten;
    return limb;
  }
  float upper = 0, lower = 0;
  std::optional<PointF> reach;
  int bend = -1;
  float shorten = 1;  // below 1 for a limb pointing toward the viewer
};

// What the body does in one frame. Side views face left; the caller mirrors for right.
struct Pose {
  bool front = false;
  float lean = 0;  // torso tilt toward the front (side) or to the picture's right (front)
  float nod = 0;   // head tilt relative to the torso, same sense
  Limb nearArm, farArm, nearLeg, farLeg;  // front view: near = picture's left
  float lift = 0;                         // pixels above the ground, for jumps
  float shift = 0;                        // hip's horizontal offset from the frame's centre
  bool farArmInFront = false;             // far arm drawn over the torso (reaching across)
  bool hatOff = false;
  Mouth mouth = Mouth::kSmile;
  Eyes eyes = Eyes::kOpen;
};

// A posed body: every joint in canvas pixels.
struct Chain {
  PointF root, joint, end;
  float side = -1;  // +1 or -1: the x direction the limb's "front" faces
};
struct Skeleton {
  bool front = false;
  float scale = 1;
  Frame2 body;  // origin at the hip joint, up along the torso
  PointF neck;
  Frame2 head;  // origin at the head's centre
  float headRx = 7, headRy = 8;
  Chain nearArm, farArm, nearLeg, farLeg;
  PointF nearToe, farToe;
  // A point on the body: (forward, up) from the hip joint, in the person's own scale, so
  // clothing details follow the lean.
  PointF On(float f, float u) const { return body.Map(f * scale, u * scale); }
};

// How a person is dressed and drawn. Colours of far limbs are shaded automatically.
struct Look {
  Build build;
  Rgba skin = palette::kSkin, hairColour{70, 44, 30, 255};
  Hair hair = Hair::kShort;
  Hat hat = Hat::kNone;
  Rgba hatColour{60, 60, 70, 255}, hatBand{180, 40, 40, 255};
  bool beard = false, moustache = false, mask = false, glasses = false;
  Rgba beardColour{120, 110, 100, 255}, maskColour{28, 26, 36, 255};
  Rgba torso{80, 80, 160, 255}, upperArm{80, 80, 160, 255}, lowerArm{80, 80, 160, 255};
  Rgba hand = palette::kSkin, thigh{60, 60, 80, 255}, shin{60, 60, 80, 255};
  Rgba shoe{70, 44, 30, 255};
  Rgba skirt{0, 0, 0, 0};  // a dress or long coat below the waist when alpha is set
  float skirtLength = 0, skirtFlare = 0;
  bool raggedHem = false;
  // Per-person details, each called with the posed skeleton: behind the body, on the torso
  // (before the head), and in front of everything.
  std::function<void(Canvas&, const Skeleton&)> behind, onTorso, inFront;
};

// The dark ink of outlines and fine details, shared by every figure.
inline constexpr Rgba kInk = palette::kInk;
// A colour darkened toward the ink, for far limbs and shadows.
Rgba Shade(Rgba c, float amount = 0.28f);
// A colour lightened toward cream, for highlights.
Rgba Light(Rgba c, float amount = 0.3f);

// Poses the skeleton. When ground is set the lowest part of the body rests on kGround (less
// lift); otherwise the hip joint is placed at hip.
Skeleton Solve(const Look& look, const Pose& pose, PointF hip = {kFrame / 2.0f, 0},
               bool ground = true);
// Paints the dressed figure for a solved skeleton.
void PaintFigure(Canvas& canvas, const Look& look, const Pose& pose, const Skeleton& skeleton);
// Solve and paint in one step, returning the skeleton for props.
Skeleton Paint(Canvas& canvas, const Look& look, const Pose& pose);
// The head with its face, hair and hat; PaintFigure calls it between the torso and the near arm.
void PaintHead(Canvas& canvas, const Look& look, const Pose& pose, const Skeleton& skeleton);

// Painting helpers shared with the props. A Shape paints itself grown by `grow` pixels, all in
// the ink colour when ink is given; Part paints it with an ink seam where it overlaps what is
// already on the canvas.
using Shape = std::function<void(Canvas&, float grow, const Rgba* ink)>;
void Part(Canvas& canvas, const Shape& shape);
inline Rgba Pick(Rgba c, const Rgba* ink) {
  return ink ? *ink : c;
}
void Polygon(Canvas& canvas, const std::vector<PointF>& points, float grow, Rgba colour);
std::vector<PointF> EllipsePoints(const Frame2& at, float rx, float ry, float from = 0,
                                  float to = 360, int steps = 28);
PointF Rotate(PointF p, float degrees);

// Hats drawn anywhere: frame origin at the middle of the brim's underside, up through the crown
// (point up the other way for a hat held upside down).
void PaintHat(Canvas& canvas, Hat hat, const Frame2& at, float scale, Rgba colour, Rgba band,
              bool front);

// Builds one masked actor frame: body painted facing left, mirrored when asked, then overlay
// painted on the final orientation (mirrored tells it which), then outlined with clean alpha.
Canvas Sprite(const std::function<void(Canvas&)>& body, bool mirrored,
              const std::function<void(Canvas&, bool)>& overlay = {});
// Outline, hard alpha and no pure black: what every masked figure gets last.
void FinishMasked(Canvas& canvas);

}  // namespace tools::assetgen::people
