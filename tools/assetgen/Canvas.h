// Canvas.h -- an RGBA picture the asset generator paints on: filled shapes, thick lines,
// outlines and text, all deterministic.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace engine::graphics {
class Font;
}

namespace tools::assetgen {

struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 255;
  bool operator==(const Rgba&) const = default;
};

// A colour with a new alpha.
constexpr Rgba WithAlpha(Rgba c, std::uint8_t a) { return {c.r, c.g, c.b, a}; }
// Mixes two colours; t from 0 (a) to 1 (b).
Rgba Mix(Rgba a, Rgba b, float t);

struct PointF {
  float x = 0, y = 0;
};

class Canvas {
 public:
  Canvas() = default;
  Canvas(int width, int height, Rgba fill = {0, 0, 0, 0});

  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgba Get(int x, int y) const;
  const std::vector<Rgba>& Pixels() const { return pixels_; }

  // Every operation clips to the canvas. Set replaces a pixel; the others draw over what is
  // there (source-over), so a half-transparent colour blends.
  void Set(int x, int y, Rgba c);
  void Blend(int x, int y, Rgba c);
  void Fill(Rgba c);
  void FillRect(int x, int y, int w, int h, Rgba c);
  void FrameRect(int x, int y, int w, int h, int thickness, Rgba c);
  void FillEllipse(float cx, float cy, float rx, float ry, Rgba c);
  void FillCircle(float cx, float cy, float r, Rgba c) { FillEllipse(cx, cy, r, r, c); }
  // A thick segment with round ends.
  void Line(float x0, float y0, float x1, float y1, float width, Rgba c);
  void FillPolygon(std::span<const PointF> points, Rgba c);
  // A vertical gradient from top to bottom colour over a rectangle.
  void GradientRect(int x, int y, int w, int h, Rgba top, Rgba bottom);
  // Draws source over this canvas with its top-left at (x, y); mirrored left to right when asked.
  void Draw(const Canvas& source, int x, int y, bool mirrored = false);
  // A one-pixel border of colour c around every visible pixel, drawn on transparent pixels
  // next to opaque ones: the pixel-art outline of a figure.
  void Outline(Rgba c);
  // Makes every pixel fully opaque or fully transparent (alpha below 128 becomes 0), so that a
  // masked picture has clean edges.
  void HardenAlpha();
  // Replaces pure black visible pixels by the darkest colour a masked draw still shows.
  void AvoidPureBlack();

  // Text in font with the top of its line at y; returns the width drawn.
  int Text(engine::graphics::Font& font, int x, int y, std::string_view text, Rgba c);
  static int TextWidth(engine::graphics::Font& font, std::string_view text);
  // Text centred on cx.
  void TextCentred(engine::graphics::Font& font, int cx, int y, std::string_view text, Rgba c);

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<Rgba> pixels_;
};

}  // namespace tools::assetgen
