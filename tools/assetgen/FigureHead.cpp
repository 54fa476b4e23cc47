// FigureHead.cpp -- the rig's heads: face, hair, beard, mask, glasses and hats, seen from the
// side or the front; hats can also be painted anywhere, held or flying.
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/assetgen/Figure.h"

namespace tools::assetgen::people {

namespace {

void Segment(Canvas& c, PointF a, PointF b, float width, Rgba colour) {
  c.Line(a.x, a.y, b.x, b.y, width, colour);
}

// A square dot about size pixels across, centred on p: eyes and pupils.
void Dot2(Canvas& c, PointF p, float size, Rgba colour) {
  const int n = std::max(1, static_cast<int>(std::lround(size)));
  c.FillRect(static_cast<int>(std::floor(p.x - n / 2.0f + 0.5f)),
             static_cast<int>(std::floor(p.y - n / 2.0f + 0.5f)), n, n, colour);
}

void PaintEye(Canvas& c, PointF at, Eyes eyes, float s) {
  switch (eyes) {
    case Eyes::kOpen:
      Dot2(c, at, 2 * s, kInk);
      break;
    case Eyes::kClosed:
      Segment(c, at + PointF{-1.2f * s, 0}, at + PointF{1.2f * s, 0}, 1.2f, kInk);
      break;
    case Eyes::kDizzy:
      Segment(c, at + PointF{-1.5f * s, -1.5f * s}, at + PointF{1.5f * s, 1.5f * s}, 1.1f, kInk);
      Segment(c, at + PointF{-1.5f * s, 1.5f * s}, at + PointF{1.5f * s, -1.5f * s}, 1.1f, kInk);
      break;
  }
}

void PaintMouth(Canvas& c, const Frame2& h, PointF at, Mouth mouth, float s) {
  const Rgba inside{150, 40, 50, 255};
  switch (mouth) {
    case Mouth::kSmile:
      Segment(c, at + h.fwd * (-1.5f * s), at + h.fwd * (1.0f * s) + h.up * (0.6f * s), 1.1f * s,
              kInk);
      break;
    case Mouth::kFlat:
      Segment(c, at + h.fwd * (-1.3f * s), at + h.fwd * (1.3f * s), 1.0f * s, kInk);
      break;
    case Mouth::kOpen:
      c.FillEllipse(at.x, at.y, 1.6f * s, 1.9f * s, kInk);
      c.FillEllipse(at.x, at.y + 0.4f * s, 0.8f * s, 0.9f * s, inside);
      break;
    case Mouth::kWide:
      c.FillEllipse(at.x, at.y, 2.4f * s, 2.6f * s, kInk);
      c.FillEllipse(at.x, at.y + 0.5f * s, 1.4f * s, 1.5f * s, inside);
      break;
  }
}

}  // namespace

void PaintHead(Canvas& canvas, const Look& look, const Pose& pose, const Skeleton& k) {
  const float s = k.scale, rx = k.headRx, ry = k.headRy;
  const Frame2& h = k.head;
  const bool front = k.front;

  Part(canvas, [&](Canvas& c, float grow, const Rgba* ink) {
    Polygon(c, EllipsePoints(h, rx, ry), grow, Pick(look.skin, ink));
    if (front) {
      for (float side : {-1.0f, 1.0f}) {
        const PointF ear = h.Map(side * rx * 1.0f, -ry * 0.05f);
        c.FillCircle(ear.x, ear.y, 1.8f * s + grow, Pick(look.skin, ink));
      }
    } else {
      const PointF nose = h.Map(rx * 0.98f, -ry * 0.12f);
      c.FillCircle(nose.x, nose.y, 1.7f * s + grow, Pick(look.skin, ink));
    }
  });

  Canvas& c = canvas;
  const bool hatOn = look.hat != Hat::kNone && !pose.hatOff;
  // Short hair is a cap of colour over the top and back of the head.
  auto hairCap = [&](float from, float to, std::vector<PointF> inner) {
    std::vector<PointF> points = EllipsePoints(h, rx + 1.0f * s, ry + 1.0f * s, from, to, 20);
    points.insert(points.end(), inner.begin(), inner.end());
    Polygon(c, points, 0, look.hairColour);
  };
  switch (look.hair) {
    case Hair::kShort:
    case Hair::kLong:
      if (front) {
        hairCap(-15, 195,
                {h.Map(-rx * 0.9f, ry * 0.05f), h.Map(-rx * 0.3f, ry * 0.5f),
                 h.Map(rx * 0.5f, ry * 0.35f), h.Map(rx * 0.9f, ry * 0.05f)});
      } else {
        hairCap(45, 215, {h.Map(-rx * 0.25f, -ry * 0.2f), h.Map(rx * 0.2f, ry * 0.45f)});
      }
      break;
    case Hair::kFringe:
      if (front) {
        for (float side : {-1.0f, 1.0f}) {
          const PointF p = h.Map(side * rx * 0.9f, ry * 0.15f);
          c.FillEllipse(p.x, p.y, 1.8f * s, 3.2f * s, look.hairColour);
        }
      } else {
        hairCap(120, 215, {h.Map(-rx * 0.3f, -ry * 0.15f), h.Map(-rx * 0.3f, ry * 0.4f)});
      }
      break;
    case Hair::kShaggy:
      if (front) {
        hairCap(-25, 205,
                {h.Map(-rx * 0.7f, ry * 0.2f), h.Map(-rx * 0.2f, ry * 0.45f),
                 h.Map(rx * 0.3f, ry * 0.3f), h.Map(rx * 0.8f, ry * 0.2f)});
      } else {
        hairCap(40, 235,
                {h.Map(-rx * 0.6f, -ry * 0.6f), h.Map(-rx * 0.1f, -ry * 0.1f),
                 h.Map(rx * 0.25f, ry * 0.4f)});
      }
      break;
    case Hair::kNone:
      break;
  }

  // Face: eyes, beard, moustache, mouth, mask, glasses.
  const PointF eyeSide = h.Map(rx * 0.45f, ry * 0.05f);
  const PointF mouthSide = h.Map(rx * 0.62f, -ry * 0.48f);
  const PointF mouthFront = h.Map(0, -ry * 0.5f);
  if (look.beard) {
    std::vector<PointF> beard;
    if (front) {
      beard = EllipsePoints(h, rx + 0.8f * s, ry + 3.5f * s, 190, 350, 14);
      beard.push_back(h.Map(rx * 0.5f, -ry * 0.25f));
      beard.push_back(h.Map(-rx * 0.5f, -ry * 0.25f));
    } else {
      beard = {h.Map(-rx * 0.15f, -ry * 0.05f), h.Map(rx * 0.55f, -ry * 0.25f),
               h.Map(rx * 1.05f, -ry * 0.35f),  h.Map(rx * 0.95f, -ry * 1.1f),
               h.Map(rx * 0.3f, -ry * 1.35f),   h.Map(-rx * 0.4f, -ry * 0.8f)};
    }
    Polygon(c, beard, 0, look.beardColour);
  }
  if (look.moustache) {
    const PointF m = front ? h.Map(0, -ry * 0.3f) : h.Map(rx * 0.78f, -ry * 0.3f);
    c.FillEllipse(m.x, m.y, (front ? 3.2f : 2.2f) * s, 1.3f * s, look.beardColour);
  }
  PaintMouth(c, h, front ? mouthFront : mouthSide, pose.mouth, s);

  if (look.mask) {
    const Rgba white{240, 240, 236, 255};
    if (front) {
      std::vector<PointF> band = {
          h.Map(-rx - 1.2f * s, ry * 0.35f), h.Map(rx + 1.2f * s, ry * 0.35f),
          h.Map(rx + 1.2f * s, -ry * 0.1f), h.Map(-rx - 1.2f * s, -ry * 0.1f)};
      Polygon(c, band, 0, look.maskColour);
      for (float side : {-1.0f, 1.0f}) {
        const PointF e = h.Map(side * rx * 0.4f, ry * 0.05f);
        c.FillEllipse(e.x, e.y, 1.6f * s, 1.3f * s, white);
        if (pose.eyes == Eyes::kOpen) Dot2(c, e, 1.0f * s, kInk);
      }
    } else {
      Segment(c, h.Map(-rx * 0.95f, ry * 0.08f), h.Map(rx * 1.02f, ry * 0.05f), 4.2f * s,
              look.maskColour);
      Segment(c, h.Map(-rx * 1.0f, ry * 0.15f), h.Map(-rx * 1.6f, -ry * 0.2f), 1.6f * s,
              look.maskColour);
      Segment(c, h.Map(-rx * 1.0f, ry * 0.15f), h.Map(-rx * 1.7f, ry * 0.1f), 1.6f * s,
              look.maskColour);
      c.FillEllipse(eyeSide.x, eyeSide.y, 1.6f * s, 1.2f * s, white);
      if (pose.eyes == Eyes::kOpen) Dot2(c, eyeSide + h.fwd * (0.5f * s), 1.0f * s, kInk);
    }
  } else if (front) {
    for (float side : {-1.0f, 1.0f})
      PaintEye(c, h.Map(side * rx * 0.38f, ry * 0.02f), pose.eyes, s);
  } else {
    PaintEye(c, eyeSide, pose.eyes, s);
  }
  if (look.glasses) {
    const Rgba frame{90, 70, 60, 255};
    auto lens = [&](PointF e) {
      c.FillCircle(e.x, e.y, 2.3f * s, frame);
      c.FillCircle(e.x, e.y, 1.4f * s, {200, 220, 230, 255});
      Dot2(c, e, 1.0f * s, kInk);
    };
    if (front) {
      lens(h.Map(-rx * 0.38f, ry * 0.02f));
      lens(h.Map(rx * 0.38f, ry * 0.02f));
    } else {
      Segment(c, eyeSide, h.Map(-rx * 0.2f, ry * 0.15f), 1.0f * s, frame);
      lens(eyeSide + h.fwd * (0.4f * s));
    }
  }

  // A hat's brim sits halfway up the head.
  if (hatOn)
    PaintHat(c, look.hat, {h.Map(0, ry * 0.5f), h.fwd, h.up}, s, look.hatColour, look.hatBand,
             front);
}

void PaintHat(Canvas& canvas, Hat hat, const Frame2& at, float s, Rgba colour, Rgba band,
              bool front) {
  auto quad = [&](float f0, float u0, float f1, float u1) {
    return std::vector<PointF>{at.Map(f0 * s, u0 * s), at.Map(f1 * s, u0 * s),
                               at.Map(f1 * s, u1 * s), at.Map(f0 * s, u1 * s)};
  };
  auto poly = [&](std::initializer_list<PointF> local) {
    std::vector<PointF> points;
    for (PointF p : local)
      points.push_back(at.Map(p.x * s, p.y * s));
    return points;
  };
  auto part = [&](const std::vector<PointF>& points, Rgba c) {
    Part(canvas,
         [&](Canvas& cv, float grow, const Rgba* ink) { Polygon(cv, points, grow, Pick(c, ink)); });
  };
  const Rgba hi = Light(colour, 0.25f);
  switch (hat) {
    case Hat::kTopHat:
      part(quad(-6.5f, 1.5f, 6.5f, 15.5f), colour);
      canvas.FillPolygon(quad(-6.5f, 2.5f, 6.5f, 5.5f), band);
      canvas.FillPolygon(quad(front ? -4.5f : 3.5f, 6.5f, front ? -3.0f : 5.0f, 14.5f), hi);
      part(quad(-10.5f, -0.5f, 10.5f, 2.0f), Shade(colour, 0.15f));
      break;
    case Hat::kBattered:
      part(poly({{-6.5f, 1.5f}, {-7.5f, 12.5f}, {-2, 10.5f}, {1.5f, 12.5f}, {6, 11}, {5.5f, 1.5f}}),
           colour);
      canvas.FillPolygon(quad(-3.5f, 5.5f, 0.5f, 9.0f), band);
      part(poly({{-11.5f, -1}, {10, -0.5f}, {11, 2}, {-10, 2.5f}}), Shade(colour, 0.15f));
      break;
    case Hat::kCap:
      part(poly({{-8, -1}, {-8, 2}, {-6, 6}, {-2, 7.6f}, {2, 7.6f}, {6, 6}, {8, 2}, {8, -1}}),
           colour);
      if (front) {
        part(quad(-8.5f, -2.5f, 8.5f, 0.5f), band);
      } else {
        part(poly({{6, -1.5f}, {14, -1.5f}, {13, 0.8f}, {6, 1.5f}}), band);
      }
      canvas.FillPolygon(quad(-1, 7, 1, 8.5f), band);
      break;
    case Hat::kFlatCap:
      if (front) {
        part(poly({{-9.5f, -0.5f}, {-9, 3}, {-5, 5.5f}, {5, 5.5f}, {9, 3}, {9.5f, -0.5f}}), colour);
        part(quad(-8, -1.8f, 8, 0.3f), Shade(colour, 0.2f));
      } else {
        part(poly({{-8, -0.5f}, {-8, 3}, {-3, 6}, {4, 5.5f}, {11.5f, 1.5f}, {12, -0.5f}}), colour);
      }
      break;
    case Hat::kBeanie:
      part(poly({{-8.2f, -1}, {-8, 3}, {-6, 7}, {-2.5f, 9}, {2.5f, 9}, {6, 7}, {8, 3}, {8.2f, -1}}),
           colour);
      part(quad(-8.6f, -1.5f, 8.6f, 2.5f), Shade(colour, 0.15f));
      break;
    case Hat::kNone:
      break;
  }
}

}  // namespace tools::assetgen::people
