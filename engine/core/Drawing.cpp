// Drawing.cpp -- the engine's drawing operations: each hands the locked back buffer, as a
// surface, to the draw table or to the graphics code, and reports a refused image.
#include "engine/core/Engine.h"
#include "engine/graphics/DrawShapes.h"
#include "engine/graphics/DrawText.h"
#include "engine/graphics/Font.h"
#include "engine/support/DebugLog.h"

namespace engine::core {

graphics::DrawSurface Engine::GetDrawSurface() const {
  return graphics::DrawSurface{locked_ ? backBuffer_ : nullptr, stride_, drawingWidth_, height_,
                               clip_};
}

// The engine's own image calls go through the draw table, like the game's. Before the table is
// filled (no back buffer yet) there is nothing to draw into.
int Engine::DrawThrough(graphics::ImageOp op, int x, int y, const graphics::Image& image) {
  if (op == nullptr) return 0;
  const int result = op(GetDrawSurface(), x, y, &image);
  if (result == 0) SetStatus(IMAGEUSE_FAILED);
  return result;
}

int Engine::DrawPlain(int x, int y, const graphics::Image& image) {
  return DrawThrough(draw_.DrawPlain, x, y, image);
}

int Engine::DrawMasked(int x, int y, const graphics::Image& image) {
  return DrawThrough(draw_.DrawMasked, x, y, image);
}

int Engine::DrawAlpha(int x, int y, const graphics::Image& image) {
  return DrawThrough(draw_.DrawAlpha, x, y, image);
}

int Engine::DrawAdd(int x, int y, const graphics::Image& image) {
  return DrawThrough(draw_.DrawAdd, x, y, image);
}

int Engine::DrawPixel(int x, int y, int r, int g, int b) {
  return draw_.DrawPixel != nullptr ? draw_.DrawPixel(GetDrawSurface(), x, y, r, g, b) : 0;
}

void Engine::SetClip(int left, int top, int right, int bottom) {
  clip_.left = left;
  clip_.top = top;
  clip_.right = right;
  clip_.bottom = bottom;
}

void Engine::DrawRect(int x1, int y1, int x2, int y2, int r, int g, int b) {
  graphics::FillRect(GetDrawSurface(), x1, y1, x2, y2, graphics::PackColour8(r, g, b));
}

void Engine::ClearView() {
  graphics::Clear(GetDrawSurface());
}

int Engine::DrawTiled(int ox, int oy, const graphics::Image& image) {
  if (draw_.DrawPlain == nullptr) return 0;
  if (graphics::DrawTiled(GetDrawSurface(), draw_.DrawPlain, ox, oy, image) == 0) {
    SetStatus(IMAGEUSE_FAILED);
    return 0;
  }
  return 1;
}

void Engine::SetTextRGB(int r, int g, int b) {
  textColour_.red = r;
  textColour_.green = g;
  textColour_.blue = b;
  textColour_.packed = static_cast<std::uint32_t>(r) + static_cast<std::uint32_t>(g) * 256u +
                       static_cast<std::uint32_t>(b) * 65536u;
}

int Engine::DrawText(int x, int y, const char* text) {
  graphics::Font& font = graphics::TextFont();
  // Text needs the locked back buffer and a face to render with; without either there is
  // nothing to draw on.
  if (!IsLocked() || !font.Load()) {
    support::Log.Write("WinDX::DrawText: Unable to get device context handle.\n");
    return 0;
  }
  if (text == nullptr) return 1;

  // The packed colour holds red in its low byte, then green, then blue.
  const std::uint16_t colour =
      graphics::PackColour8(static_cast<int>(textColour_.packed & 0xFF),
                            static_cast<int>((textColour_.packed >> 8) & 0xFF),
                            static_cast<int>((textColour_.packed >> 16) & 0xFF));
  graphics::DrawText(GetDrawSurface(), font, x, y, text, colour);
  return 1;
}

}  // namespace engine::core
