// Icon.cpp -- the icon, designed on a 64-unit square, painted four times over and averaged
// down, with an ink outline that stays about a pixel wide or more at every size.
#include "tools/assetgen/Icon.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/assetgen/Palette.h"

namespace tools::assetgen {

namespace {

using namespace palette;

constexpr int kSupersample = 4;
constexpr float kDesign = 64.0f;
constexpr float kPi = 3.14159265f;
// The performer's hat, as the actor frames paint it.
constexpr Rgba kHat{56, 50, 74, 255};

// Design units to supersampled pixels, with the hat's tilt about a pivot.
class Space {
 public:
  explicit Space(int size) : unit_(static_cast<float>(size * kSupersample) / kDesign) {}
  float Scale(float v) const { return v * unit_; }
  PointF At(float x, float y) const { return {x * unit_, y * unit_}; }

 private:
  float unit_;
};

// A frame standing on (x, y) in design units, tilted by degrees (positive leans right);
// local points are (across, up).
struct Tilted {
  float x, y, degrees;
  PointF Map(const Space& space, float across, float up) const {
    const float a = degrees * kPi / 180.0f, c = std::cos(a), s = std::sin(a);
    return space.At(x + across * c + up * s, y + across * s - up * c);
  }
};

std::vector<PointF> Ellipse(const Space& space, const Tilted& frame, float up, float rx, float ry,
                            float from = 0, float to = 360) {
  std::vector<PointF> points;
  constexpr int kSteps = 48;
  for (int i = 0; i <= kSteps; ++i) {
    const float a = (from + (to - from) * static_cast<float>(i) / kSteps) * kPi / 180.0f;
    points.push_back(frame.Map(space, std::cos(a) * rx, up + std::sin(a) * ry));
  }
  return points;
}

// A polygon, grown by `grow` pixels when painting its outline.
void Shape(Canvas& canvas, const std::vector<PointF>& points, float grow, Rgba colour) {
  canvas.FillPolygon(points, colour);
  if (grow <= 0) return;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const PointF a = points[i], b = points[(i + 1) % points.size()];
    canvas.Line(a.x, a.y, b.x, b.y, 2 * grow, colour);
  }
}

// The disc: an evening sky from dusk to sunset, so the dark hat stands out, with lamplight low
// down and an ink rim.
void PaintDisc(Canvas& canvas, const Space& space) {
  const PointF centre = space.At(32, 32);
  const float outer = space.Scale(31.5f), rim = space.Scale(1.6f);
  for (int y = 0; y < canvas.Height(); ++y) {
    for (int x = 0; x < canvas.Width(); ++x) {
      const float dx = x + 0.5f - centre.x, dy = y + 0.5f - centre.y;
      const float d = std::sqrt(dx * dx + dy * dy);
      if (d > outer) continue;
      if (d > outer - rim) {
        canvas.Set(x, y, kInk);
        continue;
      }
      const float t = (y + 0.5f) / static_cast<float>(canvas.Height());
      Rgba sky = Mix(Mix(kDusk, kNightBlue, 0.35f), kSunset, t * t);
      const float glow =
          std::max(0.0f, 1.0f - std::hypot(dx, dy - space.Scale(26)) / space.Scale(30));
      sky = Mix(sky, kLamp, 0.5f * glow * glow);
      canvas.Set(x, y, sky);
    }
  }
}

// The top hat, leaning a little, with its red band and a sheen down one side; the brim's
// near half passes in front of the crown.
void PaintHat(Canvas& canvas, const Space& space, float outline) {
  const Tilted brim{26, 41, -10};
  auto quad = [&](float a0, float u0, float a1, float u1, float a2, float a3) {
    return std::vector<PointF>{brim.Map(space, a0, u0), brim.Map(space, a1, u0),
                               brim.Map(space, a2, u1), brim.Map(space, a3, u1)};
  };
  const auto crown = quad(-10.5f, 0, 10.5f, 23, 12, -12);
  const auto top = Ellipse(space, brim, 23, 12, 3);
  const auto back = Ellipse(space, brim, 0, 19, 5.5f);
  const auto front = Ellipse(space, brim, 0, 19, 5.5f, 180, 360);
  for (const auto* part : {&back, &crown, &top})
    Shape(canvas, *part, outline, kInk);
  Shape(canvas, back, 0, Darker(kHat, 0.35f));
  Shape(canvas, crown, 0, kHat);
  Shape(canvas, quad(-10.7f, 3, 10.7f, 8, 11.1f, -11.1f), 0, kRed);
  Shape(canvas, quad(-8, 9.5f, -5.5f, 20.5f, -5.2f, -7.8f), 0, Lighter(kHat, 0.22f));
  Shape(canvas, top, 0, Lighter(kHat, 0.12f));
  Shape(canvas, front, outline, kInk);
  Shape(canvas, front, 0, Lighter(kHat, 0.05f));
}

// A gold coin in front, with a raised rim, a shine and a star struck in its middle.
void PaintCoin(Canvas& canvas, const Space& space, float outline, bool detailed) {
  const PointF c = space.At(45, 45);
  const float r = space.Scale(13);
  canvas.FillCircle(c.x, c.y, r + outline, kInk);
  canvas.FillCircle(c.x, c.y, r, Darker(kGold, 0.25f));
  canvas.FillCircle(c.x - space.Scale(0.8f), c.y - space.Scale(0.8f), r - space.Scale(1.6f), kGold);
  if (!detailed) return;
  const float inner = r - space.Scale(3.8f);
  canvas.FillCircle(c.x, c.y, inner, Darker(kGold, 0.12f));
  canvas.FillCircle(c.x - space.Scale(0.5f), c.y - space.Scale(0.5f), inner - space.Scale(0.9f),
                    kGold);
  std::vector<PointF> star;
  for (int i = 0; i < 10; ++i) {
    const float radius = space.Scale(i % 2 == 0 ? 5.2f : 2.2f);
    const float a = (static_cast<float>(i) * 36.0f - 90.0f) * kPi / 180.0f;
    star.push_back({c.x + radius * std::cos(a), c.y + radius * std::sin(a)});
  }
  Shape(canvas, star, 0, Darker(kGold, 0.3f));
  const PointF shine = space.At(39.5f, 38.5f);
  canvas.FillEllipse(shine.x, shine.y, space.Scale(2.6f), space.Scale(1.5f), kCream);
}

// Averages each square of factor x factor pixels, weighting colour by alpha so that edges
// against the transparent surround keep their colour.
Canvas Downsample(const Canvas& big, int factor) {
  Canvas small(big.Width() / factor, big.Height() / factor);
  for (int y = 0; y < small.Height(); ++y) {
    for (int x = 0; x < small.Width(); ++x) {
      int r = 0, g = 0, b = 0, a = 0;
      for (int j = 0; j < factor; ++j) {
        for (int i = 0; i < factor; ++i) {
          const Rgba p = big.Get(x * factor + i, y * factor + j);
          r += p.r * p.a;
          g += p.g * p.a;
          b += p.b * p.a;
          a += p.a;
        }
      }
      if (a == 0) continue;
      const int n = factor * factor;
      small.Set(
          x, y,
          {static_cast<std::uint8_t>((r + a / 2) / a), static_cast<std::uint8_t>((g + a / 2) / a),
           static_cast<std::uint8_t>((b + a / 2) / a), static_cast<std::uint8_t>((a + n / 2) / n)});
    }
  }
  return small;
}

}  // namespace

Canvas PaintIcon(int size) {
  const Space space(size);
  Canvas big(size * kSupersample, size * kSupersample);
  // The outline is 1/40 of the icon, but never under a pixel of the final size.
  const float outline =
      std::max(static_cast<float>(kSupersample), static_cast<float>(size * kSupersample) / 40.0f);
  PaintDisc(big, space);
  PaintHat(big, space, outline);
  PaintCoin(big, space, outline, size >= 32);
  return Downsample(big, kSupersample);
}

}  // namespace tools::assetgen
