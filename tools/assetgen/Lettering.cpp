// Lettering.cpp -- display lettering: a gradient fill, an ink outline and a stepped shadow.
#include "tools/assetgen/Lettering.h"

#include <algorithm>

#include "tools/assetgen/Palette.h"

namespace tools::assetgen::scenery {

using namespace palette;

void PaintLettering(Canvas& canvas, engine::graphics::Font& font, int cx, int y,
                    std::string_view text, int outline) {
  const int w = Canvas::TextWidth(font, text) + 2 * outline + 8;
  const int h = font.LineHeight() + 2 * outline + 8;
  Canvas mask(w, h);
  mask.Text(font, outline + 4, outline + 4, text, kCream);
  Canvas art(w, h);
  for (int dy = -outline; dy <= outline; ++dy) {
    for (int dx = -outline; dx <= outline; ++dx) {
      if (dx * dx + dy * dy > outline * outline) continue;
      art.Draw(mask, dx, dy);
    }
  }
  Canvas fill(w, h);
  const int glyphTop = outline + 4 + font.Ascent() * 3 / 10;
  const int glyphBottom = outline + 4 + font.Ascent();
  for (int j = 0; j < h; ++j) {
    const float t =
        std::clamp(static_cast<float>(j - glyphTop) / (glyphBottom - glyphTop), 0.0f, 1.0f);
    const Rgba c = t < 0.5f ? Mix(kLamp, kGold, t * 2) : Mix(kGold, kSunset, (t - 0.5f) * 2);
    for (int i = 0; i < w; ++i) {
      const Rgba m = mask.Get(i, j);
      if (m.a != 0) fill.Set(i, j, WithAlpha(c, m.a));
    }
  }
  const int x = cx - w / 2;
  // A deep shadow stepping down to the right, like lettering cut from board.
  for (int k = outline + 4; k > 0; --k) {
    for (int j = 0; j < h; ++j) {
      for (int i = 0; i < w; ++i) {
        const Rgba a = art.Get(i, j);
        if (a.a != 0) canvas.Blend(x + i + k, y + j + k, WithAlpha(kBrickDark, a.a));
      }
    }
  }
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i) {
      const Rgba a = art.Get(i, j);
      if (a.a != 0) canvas.Blend(x + i, y + j, WithAlpha(kInk, a.a));
    }
  }
  canvas.Draw(fill, x, y);
}

}  // namespace tools::assetgen::scenery
