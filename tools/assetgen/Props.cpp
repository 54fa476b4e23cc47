// Props.cpp -- painting the props: each is a Part, so it gets an ink seam over the body it
// covers and the figure's outline around it.
#include "tools/assetgen/Props.h"

#include <algorithm>
#include <cmath>

namespace tools::assetgen::people {

namespace {

constexpr Rgba kFur{244, 242, 236, 255};
constexpr Rgba kPink{236, 150, 170, 255};

}  // namespace

void PaintCoin(Canvas& canvas, PointF c, float r) {
  Part(canvas, [&](Canvas& cv, float grow, const Rgba* ink) {
    cv.FillCircle(c.x, c.y, r + grow, Pick(palette::kGold, ink));
  });
  canvas.FillCircle(c.x - r * 0.3f, c.y - r * 0.3f, r * 0.35f, palette::kCream);
  canvas.Set(static_cast<int>(c.x + r * 0.35f), static_cast<int>(c.y + r * 0.3f),
             Shade(palette::kGold, 0.35f));
}

void PaintCoinEdge(Canvas& canvas, PointF c, float r) {
  Part(canvas, [&](Canvas& cv, float grow, const Rgba* ink) {
    cv.FillEllipse(c.x, c.y, r * 0.45f + grow, r + grow, Pick(palette::kGold, ink));
  });
}

void PaintNote(Canvas& canvas, PointF head, bool beamed, Rgba colour) {
  Part(canvas, [&](Canvas& c, float grow, const Rgba* ink) {
    const Rgba col = Pick(colour, ink);
    const float stemX = head.x + 1.6f;
    if (beamed) {
      const PointF second{head.x + 6, head.y - 1};
      c.FillEllipse(head.x, head.y, 2.3f + grow, 1.8f + grow, col);
      c.FillEllipse(second.x, second.y, 2.3f + grow, 1.8f + grow, col);
      c.Line(stemX, head.y, stemX, head.y - 8, 1.2f + 2 * grow, col);
      c.Line(second.x + 1.6f, second.y, second.x + 1.6f, second.y - 8, 1.2f + 2 * grow, col);
      c.Line(stemX, head.y - 8, second.x + 1.6f, second.y - 8, 2.2f + 2 * grow, col);
    } else {
      c.FillEllipse(head.x, head.y, 2.3f + grow, 1.8f + grow, col);
      c.Line(stemX, head.y, stemX, head.y - 8, 1.2f + 2 * grow, col);
      c.Line(stemX, head.y - 8, stemX + 3, head.y - 4.5f, 1.4f + 2 * grow, col);
    }
  });
}

void PaintStar(Canvas& canvas, PointF c, float r, Rgba colour) {
  std::vector<PointF> points;
  for (int i = 0; i < 10; ++i) {
    const float radius = i % 2 == 0 ? r : r * 0.45f;
    points.push_back(c + Rotate({0, -radius}, 36.0f * static_cast<float>(i)));
  }
  Part(canvas, [&](Canvas& cv, float grow, const Rgba* ink) {
    Polygon(cv, points, grow, Pick(colour, ink));
  });
}

void PaintSparkle(Canvas& canvas, PointF c, float r, Rgba colour) {
  Part(canvas, [&](Canvas& cv, float grow, const Rgba* ink) {
    const Rgba col = Pick(colour, ink);
    cv.Line(c.x - r, c.y, c.x + r, c.y, 1.2f + 2 * grow, col);
    cv.Line(c.x, c.y - r, c.x, c.y + r, 1.2f + 2 * grow, col);
    cv.FillCircle(c.x, c.y, 1.2f + grow, col);
  });
}

void PaintRabbit(Canvas& canvas, PointF grip, float tilt, float hideFrom) {
  Canvas rabbit(canvas.Width(), canvas.Height());
  const float s = 1.2f;
  const Frame2 f{grip, Rotate({1, 0}, tilt), Rotate({0, -1}, tilt)};
  auto at = [&](float x, float y) { return f.Map(x * s, y * s); };
  // Held up by the ears: they hang from the fist, the head and body below them.
  for (float side : {-1.0f, 1.0f}) {
    const PointF tip = at(side * 0.9f, -0.5f), base = at(side * 1.8f, -7.5f);
    rabbit.Line(tip.x, tip.y, base.x, base.y, 2.8f * s, kFur);
    const PointF inner0 = at(side * 1.2f, -2.2f), inner1 = at(side * 1.7f, -6);
    rabbit.Line(inner0.x, inner0.y, inner1.x, inner1.y, 1.0f, kPink);
  }
  const PointF head = at(0, -11), body = at(0.4f, -19.5f);
  rabbit.FillEllipse(body.x, body.y, 4.6f * s, 6.0f * s, kFur);
  rabbit.FillEllipse(head.x, head.y, 4.0f * s, 3.6f * s, kFur);
  for (float side : {-1.0f, 1.0f}) {
    const PointF foot = at(side * 2.6f, -25.5f);
    rabbit.FillEllipse(foot.x, foot.y, 1.9f * s, 1.4f * s, kFur);
    const PointF paw = at(side * 3.2f, -15.5f);
    rabbit.FillCircle(paw.x, paw.y, 1.3f * s, kFur);
    const PointF eye = at(side * 1.7f, -10.5f);
    rabbit.FillRect(static_cast<int>(eye.x), static_cast<int>(eye.y), 1, 2, kInk);
  }
  const PointF nose = at(0, -12.8f);
  rabbit.FillRect(static_cast<int>(nose.x) - 1, static_cast<int>(nose.y), 2, 1, kPink);
  const PointF tail = at(4.2f, -22);
  rabbit.FillCircle(tail.x, tail.y, 1.6f * s, kFur);
  for (int y = std::max(0, static_cast<int>(std::floor(hideFrom))); y < rabbit.Height(); ++y) {
    for (int x = 0; x < rabbit.Width(); ++x)
      rabbit.Set(x, y, {0, 0, 0, 0});
  }
  rabbit.Outline(kInk);
  canvas.Draw(rabbit, 0, 0);
}

void PaintSpeedLines(Canvas& canvas, float x, float top, bool towardRight) {
  const float dir = towardRight ? 1.0f : -1.0f;
  const float lengths[] = {12, 8, 14};
  for (int i = 0; i < 3; ++i) {
    const float y = top + 12.0f * static_cast<float>(i), start = x + dir * 3.0f * (i % 2);
    canvas.Line(start, y, start + dir * lengths[i], y, 1.6f, palette::kCream);
  }
}

void PaintMoneySack(Canvas& canvas, PointF neck, float s) {
  Part(canvas, [&](Canvas& c, float grow, const Rgba* ink) {
    const Rgba cloth = Pick({196, 160, 104, 255}, ink);
    c.FillEllipse(neck.x, neck.y + 8 * s, 7.5f * s + grow, 7.0f * s + grow, cloth);
    c.Line(neck.x - 2 * s, neck.y, neck.x + 2 * s, neck.y, 4 * s + 2 * grow, cloth);
    c.Line(neck.x - 2.5f * s, neck.y - 2 * s, neck.x - 0.5f * s, neck.y + 0.5f * s,
           2 * s + 2 * grow, cloth);
    c.Line(neck.x + 2.5f * s, neck.y - 2 * s, neck.x + 0.5f * s, neck.y + 0.5f * s,
           2 * s + 2 * grow, cloth);
  });
  canvas.Line(neck.x - 2.5f * s, neck.y + 1.5f * s, neck.x + 2.5f * s, neck.y + 1.5f * s, 1.2f,
              Shade({196, 160, 104, 255}, 0.5f));
  PaintCoin(canvas, {neck.x, neck.y + 9 * s}, 3.2f * s);
}

void PaintHatUpturned(Canvas& canvas, PointF brim, float s, float tilt, Rgba colour, Rgba band,
                      int coins) {
  const Frame2 f{brim, Rotate({1, 0}, tilt), Rotate({0, 1}, tilt)};
  auto quad = [&](float a0, float u0, float a1, float u1) {
    return std::vector<PointF>{f.Map(a0 * s, u0 * s), f.Map(a1 * s, u0 * s), f.Map(a1 * s, u1 * s),
                               f.Map(a0 * s, u1 * s)};
  };
  Part(canvas, [&](Canvas& c, float grow, const Rgba* ink) {
    Polygon(c, quad(-6.5f, 1, 6.5f, 14), grow, Pick(colour, ink));
  });
  canvas.FillPolygon(quad(-6.5f, 2.5f, 6.5f, 5.5f), band);
  canvas.FillPolygon(quad(3.5f, 6.5f, 5.0f, 13), Light(colour, 0.25f));
  // The brim, seen a little from above so the opening shows.
  Part(canvas, [&](Canvas& c, float grow, const Rgba* ink) {
    Polygon(c, EllipsePoints(f, 10.5f * s, 2.6f * s), grow, Pick(Shade(colour, 0.1f), ink));
  });
  canvas.FillPolygon(EllipsePoints(f, 6.5f * s, 1.6f * s), Shade(colour, 0.6f));
  for (int i = 0; i < coins; ++i) {
    const PointF at = f.Map((-3.5f + 3.5f * static_cast<float>(i)) * s, -0.8f * s);
    canvas.FillCircle(at.x, at.y, 1.6f * s, palette::kGold);
    canvas.Set(static_cast<int>(at.x), static_cast<int>(at.y - 1), palette::kCream);
  }
}

}  // namespace tools::assetgen::people
