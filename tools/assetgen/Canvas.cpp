// Canvas.cpp -- the generator's painting primitives.
#include "tools/assetgen/Canvas.h"

#include <algorithm>
#include <cmath>

#include "engine/graphics/Font.h"

namespace tools::assetgen {

namespace {

std::uint8_t Lerp8(std::uint8_t a, std::uint8_t b, float t) {
  return static_cast<std::uint8_t>(std::lround(a + (b - a) * std::clamp(t, 0.0f, 1.0f)));
}

}  // namespace

Rgba Mix(Rgba a, Rgba b, float t) {
  return {Lerp8(a.r, b.r, t), Lerp8(a.g, b.g, t), Lerp8(a.b, b.b, t), Lerp8(a.a, b.a, t)};
}

Canvas::Canvas(int width, int height, Rgba fill)
    : width_(std::max(width, 0)),
      height_(std::max(height, 0)),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill) {}

Rgba Canvas::Get(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return {0, 0, 0, 0};
  return pixels_[static_cast<std::size_t>(y) * width_ + x];
}

void Canvas::Set(int x, int y, Rgba c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<std::size_t>(y) * width_ + x] = c;
}

// Source-over in 8-bit integers, so every run paints the same bytes.
void Canvas::Blend(int x, int y, Rgba c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || c.a == 0) return;
  Rgba& d = pixels_[static_cast<std::size_t>(y) * width_ + x];
  if (c.a == 255 || d.a == 0) {
    d = c;
    return;
  }
  const int sa = c.a, da = d.a * (255 - sa) / 255;
  const int a = sa + da;
  auto channel = [&](int s, int dc) { return static_cast<std::uint8_t>((s * sa + dc * da) / a); };
  d = {channel(c.r, d.r), channel(c.g, d.g), channel(c.b, d.b), static_cast<std::uint8_t>(a)};
}

void Canvas::Fill(Rgba c) { std::fill(pixels_.begin(), pixels_.end(), c); }

void Canvas::FillRect(int x, int y, int w, int h, Rgba c) {
  for (int j = std::max(y, 0); j < std::min(y + h, height_); ++j) {
    for (int i = std::max(x, 0); i < std::min(x + w, width_); ++i) Blend(i, j, c);
  }
}

void Canvas::FrameRect(int x, int y, int w, int h, int t, Rgba c) {
  FillRect(x, y, w, t, c);
  FillRect(x, y + h - t, w, t, c);
  FillRect(x, y + t, t, h - 2 * t, c);
  FillRect(x + w - t, y + t, t, h - 2 * t, c);
}

// A pixel belongs to the ellipse when its centre does.
void Canvas::FillEllipse(float cx, float cy, float rx, float ry, Rgba c) {
  if (rx <= 0 || ry <= 0) return;
  const int y0 = static_cast<int>(std::floor(cy - ry)), y1 = static_cast<int>(std::ceil(cy + ry));
  const int x0 = static_cast<int>(std::floor(cx - rx)), x1 = static_cast<int>(std::ceil(cx + rx));
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const float dx = (x + 0.5f - cx) / rx, dy = (y + 0.5f - cy) / ry;
      if (dx * dx + dy * dy <= 1.0f) Blend(x, y, c);
    }
  }
}

void Canvas::Line(float x0, float y0, float x1, float y1, float width, Rgba c) {
  const float r = width / 2;
  const int minX = static_cast<int>(std::floor(std::min(x0, x1) - r));
  const int maxX = static_cast<int>(std::ceil(std::max(x0, x1) + r));
  const int minY = static_cast<int>(std::floor(std::min(y0, y1) - r));
  const int maxY = static_cast<int>(std::ceil(std::max(y0, y1) + r));
  const float dx = x1 - x0, dy = y1 - y0, length2 = dx * dx + dy * dy;
  for (int y = minY; y <= maxY; ++y) {
    for (int x = minX; x <= maxX; ++x) {
      const float px = x + 0.5f - x0, py = y + 0.5f - y0;
      const float t = length2 > 0 ? std::clamp((px * dx + py * dy) / length2, 0.0f, 1.0f) : 0;
      const float ex = px - t * dx, ey = py - t * dy;
      if (ex * ex + ey * ey <= r * r) Blend(x, y, c);
    }
  }
}

// Even-odd scanline fill through pixel centres.
void Canvas::FillPolygon(std::span<const PointF> points, Rgba c) {
  if (points.size() < 3) return;
  float minY = points[0].y, maxY = points[0].y;
  for (const PointF& p : points) {
    minY = std::min(minY, p.y);
    maxY = std::max(maxY, p.y);
  }
  std::vector<float> crossings;
  for (int y = static_cast<int>(std::floor(minY)); y <= static_cast<int>(std::ceil(maxY)); ++y) {
    const float sy = y + 0.5f;
    crossings.clear();
    for (std::size_t i = 0; i < points.size(); ++i) {
      const PointF& a = points[i];
      const PointF& b = points[(i + 1) % points.size()];
      if ((a.y <= sy && b.y > sy) || (b.y <= sy && a.y > sy)) {
        crossings.push_back(a.x + (sy - a.y) * (b.x - a.x) / (b.y - a.y));
      }
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
      const int from = static_cast<int>(std::ceil(crossings[i] - 0.5f));
      const int to = static_cast<int>(std::floor(crossings[i + 1] - 0.5f));
      for (int x = from; x <= to; ++x) Blend(x, y, c);
    }
  }
}

void Canvas::GradientRect(int x, int y, int w, int h, Rgba top, Rgba bottom) {
  for (int j = 0; j < h; ++j) {
    FillRect(x, y + j, w, 1, Mix(top, bottom, h > 1 ? static_cast<float>(j) / (h - 1) : 0));
  }
}

void Canvas::Draw(const Canvas& source, int x, int y, bool mirrored) {
  for (int j = 0; j < source.height_; ++j) {
    for (int i = 0; i < source.width_; ++i) {
      const int sx = mirrored ? source.width_ - 1 - i : i;
      Blend(x + i, y + j, source.Get(sx, j));
    }
  }
}

void Canvas::Outline(Rgba c) {
  const std::vector<Rgba> before = pixels_;
  auto opaque = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < width_ && y < height_ &&
           before[static_cast<std::size_t>(y) * width_ + x].a >= 128;
  };
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (opaque(x, y)) continue;
      if (opaque(x - 1, y) || opaque(x + 1, y) || opaque(x, y - 1) || opaque(x, y + 1)) {
        Set(x, y, c);
      }
    }
  }
}

void Canvas::HardenAlpha() {
  for (Rgba& p : pixels_) p.a = p.a >= 128 ? 255 : 0;
}

void Canvas::AvoidPureBlack() {
  for (Rgba& p : pixels_) {
    if (p.a != 0 && p.r < 8 && p.g < 4 && p.b < 8) p = {8, 8, 8, p.a};
  }
}

int Canvas::Text(engine::graphics::Font& font, int x, int y, std::string_view text, Rgba c) {
  if (!font.Load()) return 0;
  const int baseline = y + font.Ascent();
  int pen = x;
  for (unsigned char ch : text) {
    const engine::graphics::Glyph& g = font.GlyphFor(ch);
    for (int j = 0; j < g.height; ++j) {
      for (int i = 0; i < g.width; ++i) {
        const int coverage = g.coverage[static_cast<std::size_t>(j) * g.width + i];
        if (coverage == 0) continue;
        Blend(pen + g.left + i, baseline - g.top + j,
              WithAlpha(c, static_cast<std::uint8_t>(c.a * coverage / 255)));
      }
    }
    pen += g.advance;
  }
  return pen - x;
}

int Canvas::TextWidth(engine::graphics::Font& font, std::string_view text) {
  if (!font.Load()) return 0;
  int width = 0;
  for (unsigned char ch : text) width += font.GlyphFor(ch).advance;
  return width;
}

void Canvas::TextCentred(engine::graphics::Font& font, int cx, int y, std::string_view text,
                         Rgba c) {
  Text(font, cx - TextWidth(font, text) / 2, y, text, c);
}

}  // namespace tools::assetgen
