// DrawText.cpp -- text drawn into the back buffer, background transparent, each glyph's
// coverage blended over what is already there.
#include "engine/graphics/DrawText.h"

#include <algorithm>

#include "engine/graphics/Font.h"
#include "engine/graphics/ScreenFormat.h"

namespace engine::graphics {

namespace {

// Blends one glyph with its top-left at (left, top) over the part of the back buffer inside
// area. Each colour field moves from the destination towards colour by coverage / 255,
// rounded to nearest, so full coverage gives exactly the text colour.
void BlendGlyph(const DrawSurface& surface, const Glyph& glyph, std::int64_t left, std::int64_t top,
                std::uint16_t colour, const ClipRect& area) {
  const std::int64_t x0 = std::max<std::int64_t>(left, area.left);
  const std::int64_t x1 = std::min<std::int64_t>(left + glyph.width - 1, area.right);
  const std::int64_t y0 = std::max<std::int64_t>(top, area.top);
  const std::int64_t y1 = std::min<std::int64_t>(top + glyph.height - 1, area.bottom);
  if (x0 > x1 || y0 > y1) return;

  const PixelFormat& f = ScreenFormat;
  const std::uint32_t masks[3] = {static_cast<std::uint32_t>(f.rmask),
                                  static_cast<std::uint32_t>(f.gmask),
                                  static_cast<std::uint32_t>(f.bmask)};
  const int shifts[3] = {f.rshift, f.gshift, f.bshift};
  std::uint32_t ink[3];
  for (int c = 0; c < 3; ++c)
    ink[c] = (colour & masks[c]) >> shifts[c];

  for (std::int64_t y = y0; y <= y1; ++y) {
    const std::uint8_t* coverage = glyph.coverage.data() + (y - top) * glyph.width + (x0 - left);
    std::uint16_t* row = surface.pixels + y * surface.stride;
    for (std::int64_t x = x0; x <= x1; ++x) {
      const std::uint32_t a = *coverage++;
      const std::uint32_t d = row[x];
      std::uint32_t blended = 0;
      for (int c = 0; c < 3; ++c) {
        const std::uint32_t field = (d & masks[c]) >> shifts[c];
        const std::uint32_t mixed = (ink[c] * a + field * (255 - a) + 127) / 255;
        blended |= (mixed << shifts[c]) & masks[c];
      }
      // Bits outside the three fields are kept as they were.
      const std::uint32_t other = d & ~(masks[0] | masks[1] | masks[2]);
      row[x] = static_cast<std::uint16_t>(blended | other);
    }
  }
}

}  // namespace

void DrawText(const DrawSurface& surface, Font& font, int x, int y, const char* text,
              std::uint16_t colour) {
  if (surface.pixels == nullptr || text == nullptr) return;
  const ClipRect area = surface.Bounds();
  const std::int64_t baseline = std::int64_t{y} + font.Ascent();
  std::int64_t pen = x;
  for (const char* p = text; *p != '\0'; ++p) {
    const Glyph& glyph = font.GlyphFor(static_cast<unsigned char>(*p));
    BlendGlyph(surface, glyph, pen + glyph.left, baseline - glyph.top, colour, area);
    pen += glyph.advance;
  }
}

}  // namespace engine::graphics
