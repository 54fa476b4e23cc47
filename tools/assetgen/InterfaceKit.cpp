// InterfaceKit.cpp -- fonts, panels, coins and lettering shared by the interface pictures.
#include "tools/assetgen/InterfaceKit.h"

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "engine/graphics/Font.h"
#include "tools/assetgen/Palette.h"

namespace tools::assetgen::ui {

namespace {

constexpr const char* kFolder = "/usr/share/fonts/truetype/dejavu/";

engine::graphics::Font& Face(const std::string& file, int pixelSize) {
  static std::map<std::pair<std::string, int>, std::unique_ptr<engine::graphics::Font>> faces;
  auto& slot = faces[{file, pixelSize}];
  if (!slot) slot = std::make_unique<engine::graphics::Font>(kFolder + file, pixelSize);
  return *slot;
}

}  // namespace

engine::graphics::Font& Bold(int pixelSize) {
  return Face("DejaVuSans-Bold.ttf", pixelSize);
}
engine::graphics::Font& Regular(int pixelSize) {
  return Face("DejaVuSans.ttf", pixelSize);
}
engine::graphics::Font& Condensed(int pixelSize) {
  return Face("DejaVuSansCondensed-Bold.ttf", pixelSize);
}

int CapsTop(engine::graphics::Font& font, int centreY) {
  if (!font.Load()) return centreY;
  const int capHeight = font.GlyphFor('H').top;
  return centreY - font.Ascent() + capHeight / 2 + capHeight % 2;
}

void RoundedRect(Canvas& canvas, int x, int y, int w, int h, int radius, Rgba c) {
  if (radius <= 0) {
    canvas.FillRect(x, y, w, h, c);
    return;
  }
  // Row by row, so that corners never blend twice over a half-transparent colour.
  for (int j = 0; j < h; ++j) {
    int inset = 0;
    const int fromEdge = j < radius ? radius - j : (j >= h - radius ? j - (h - radius) + 1 : 0);
    if (fromEdge > 0) {
      const float dy = fromEdge - 0.5f;
      while (inset < radius) {
        const float dx = radius - inset - 0.5f;
        if (dx * dx + dy * dy <= static_cast<float>(radius * radius)) break;
        ++inset;
      }
    }
    canvas.FillRect(x + inset, y + j, w - 2 * inset, 1, c);
  }
}

void Panel(Canvas& canvas, int x, int y, int w, int h, int radius, Rgba face, Rgba trim) {
  RoundedRect(canvas, x, y, w, h, radius, palette::kInk);
  RoundedRect(canvas, x + 1, y + 1, w - 2, h - 2, radius - 1, trim);
  RoundedRect(canvas, x + 3, y + 3, w - 6, h - 6, radius - 3, palette::Darker(trim, 0.45f));
  RoundedRect(canvas, x + 4, y + 4, w - 8, h - 8, radius - 4, face);
  canvas.FillRect(x + 4 + radius / 2, y + 4, w - 8 - radius, 1, palette::Lighter(face, 0.25f));
}

void Coin(Canvas& canvas, float cx, float cy, float r) {
  using namespace palette;
  canvas.FillCircle(cx, cy, r, kInk);
  canvas.FillCircle(cx, cy, r - 1, Darker(kGold, 0.3f));
  canvas.FillCircle(cx - 0.5f, cy - 0.5f, r - 1.5f, kGold);
  if (r >= 7) {
    // A raised rim and a dollar sign stamped in the middle.
    canvas.FillCircle(cx, cy, r - 3.0f, Darker(kGold, 0.25f));
    canvas.FillCircle(cx + 0.5f, cy + 0.5f, r - 3.5f, kGold);
    engine::graphics::Font& font = Bold(static_cast<int>(r * 1.5f));
    const int top = CapsTop(font, static_cast<int>(cy));
    canvas.TextCentred(font, static_cast<int>(cx) + 1, top + 1, "$", Lighter(kGold, 0.5f));
    canvas.TextCentred(font, static_cast<int>(cx), top, "$", Darker(kGold, 0.4f));
  }
  const int gx = static_cast<int>(cx - r * 0.45f), gy = static_cast<int>(cy - r * 0.5f);
  canvas.FillRect(gx, gy, 2, 1, kLamp);
  canvas.FillRect(gx, gy + 1, 1, 1, kLamp);
}

void TitleCentred(Canvas& canvas, engine::graphics::Font& font, int cx, int y,
                  std::string_view text, Rgba fill) {
  const int x = cx - Canvas::TextWidth(font, text) / 2;
  Canvas ring(canvas.Width(), canvas.Height());
  ring.Text(font, x, y, text, fill);
  ring.HardenAlpha();
  Canvas letters = ring;
  ring.Outline(palette::kInk);
  // The shadow: the ringed lettering again, two pixels lower, all in ink.
  for (int j = 0; j < canvas.Height(); ++j) {
    for (int i = 0; i < canvas.Width(); ++i) {
      if (ring.Get(i, j).a != 0) canvas.Set(i, j + 2, palette::kInk);
    }
  }
  canvas.Draw(ring, 0, 0);
  // Smooth letter edges inside the ring: the anti-aliased lettering over its hard copy.
  Canvas soft(canvas.Width(), canvas.Height());
  soft.Text(font, x, y, text, fill);
  for (int j = 0; j < canvas.Height(); ++j) {
    for (int i = 0; i < canvas.Width(); ++i) {
      if (letters.Get(i, j).a == 0 && soft.Get(i, j).a != 0) {
        canvas.Set(i, j, Mix(palette::kInk, fill, soft.Get(i, j).a / 255.0f));
      }
    }
  }
}

void CrispTextCentred(Canvas& canvas, engine::graphics::Font& font, int cx, int y,
                      std::string_view text, Rgba c) {
  Canvas letters(canvas.Width(), canvas.Height());
  letters.TextCentred(font, cx, y, text, c);
  letters.HardenAlpha();
  canvas.Draw(letters, 0, 0);
}

namespace {

// The body of a key: ink edge, cream top, a stone lip below.
void KeyBody(Canvas& canvas, int x, int y, int w) {
  using namespace palette;
  RoundedRect(canvas, x, y, w, 14, 2, kInk);
  RoundedRect(canvas, x + 1, y + 1, w - 2, 12, 1, kStone);
  canvas.FillRect(x + 1, y + 1, w - 2, 10, kCream);
}

}  // namespace

int KeyCap(Canvas& canvas, int x, int y, std::string_view label) {
  engine::graphics::Font& font = Bold(10);
  const int w = std::max(14, Canvas::TextWidth(font, label) + 6);
  KeyBody(canvas, x, y, w);
  canvas.TextCentred(font, x + w / 2, CapsTop(font, y + 6), label, palette::kInk);
  return w;
}

int ArrowKeyCap(Canvas& canvas, int x, int y, bool right) {
  KeyBody(canvas, x, y, 14);
  const float tip = right ? x + 10.5f : x + 3.5f, back = right ? x + 4.5f : x + 9.5f;
  const PointF arrow[] = {{tip, y + 6.0f}, {back, y + 2.5f}, {back, y + 9.5f}};
  canvas.FillPolygon(arrow, palette::kInk);
  return 14;
}

void FinishMasked(Canvas& canvas) {
  canvas.HardenAlpha();
  canvas.AvoidPureBlack();
}

}  // namespace tools::assetgen::ui
