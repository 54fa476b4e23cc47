// DrawImage.cpp -- the image operations: the frame they share (refusal, missing data,
// clipping, the row walk) and the four per-pixel rules.
#include "engine/graphics/DrawImage.h"

#include <cstring>

#include "engine/core/Engine.h"
#include "engine/graphics/DrawClip.h"
#include "engine/graphics/Image.h"
#include "engine/graphics/ScreenFormat.h"

namespace engine::graphics {

namespace {

// An image's pixels are usable as 16-bit words only when the buffer holds a word for every
// pixel; anything smaller (a 1-byte format marked for drawing) counts as no pixel data.
bool HasWordPixels(const Image& image) {
  if (image.Pixels16() == nullptr) return false;
  const std::size_t count =
      static_cast<std::size_t>(image.Width()) * static_cast<std::size_t>(image.Height());
  return image.PixelBufferSize() >= count * 2;
}

// The frame of every image operation. row(destination, source, alpha, width) applies the
// operation's rule to one visible row; alpha is null unless the operation needs it.
template <typename Row>
int DrawRows(core::Engine& engine, int x, int y, const Image* image, std::uint8_t use,
             bool needsAlpha, Row row) {
  if (image == nullptr || image->Use() != use) {
    engine.SetStatus(core::IMAGEUSE_FAILED);
    return 0;
  }
  if (!HasWordPixels(*image) || (needsAlpha && image->Alpha() == nullptr)) return 1;
  // After a failed lock the pointer is stale: the frame's drawing is skipped.
  if (!engine.IsLocked()) return 1;
  const ImageClip clip = ClipImage(engine, x, y, *image);
  if (!clip.visible) return 1;

  const std::ptrdiff_t stride = engine.width;
  const std::ptrdiff_t imageWidth = image->Width();
  std::uint16_t* destination = engine.backBuffer + clip.destination;
  const std::uint16_t* source = image->Pixels16() + clip.source;
  const std::uint8_t* alpha = needsAlpha ? image->Alpha() + clip.source : nullptr;
  for (std::int32_t j = 0; j < clip.height; ++j) {
    row(destination, source, alpha, clip.width);
    destination += stride;
    source += imageWidth;
    if (needsAlpha) alpha += imageWidth;
  }
  return 1;
}

}  // namespace

int DrawPlain(core::Engine& engine, int x, int y, const Image* image) {
  return DrawRows(engine, x, y, image, DRAW_PLAIN, false,
                  [](std::uint16_t* d, const std::uint16_t* s, const std::uint8_t*, int n) {
                    std::memcpy(d, s, static_cast<std::size_t>(n) * sizeof(std::uint16_t));
                  });
}

int DrawMasked(core::Engine& engine, int x, int y, const Image* image) {
  return DrawRows(engine, x, y, image, DRAW_MASKED, false,
                  [](std::uint16_t* d, const std::uint16_t* s, const std::uint8_t*, int n) {
                    for (int i = 0; i < n; ++i)
                      d[i] = s[i] != 0 ? s[i] : d[i];
                  });
}

int DrawAlpha(core::Engine& engine, int x, int y, const Image* image) {
  const auto rmask = static_cast<std::uint32_t>(ScreenFormat.rmask);
  const auto gmask = static_cast<std::uint32_t>(ScreenFormat.gmask);
  const auto bmask = static_cast<std::uint32_t>(ScreenFormat.bmask);
  return DrawRows(engine, x, y, image, DRAW_ALPHA, true,
                  [=](std::uint16_t* d, const std::uint16_t* s, const std::uint8_t* a, int n) {
                    for (int i = 0; i < n; ++i) {
                      const std::uint32_t t = a[i];
                      const std::uint32_t word = d[i];
                      // Each field is scaled by the destination's share t / 256, rounding down.
                      // Blue sits in the lowest bits, where the product can never spill past its
                      // mask; masking it anyway costs nothing and keeps the three fields alike.
                      const std::uint32_t blue = (((word & bmask) * t) >> 8) & bmask;
                      const std::uint32_t green = (((word & gmask) * t) >> 8) & gmask;
                      const std::uint32_t red = (((word & rmask) * t) >> 8) & rmask;
                      const auto blended = static_cast<std::uint16_t>((blue | green | red) + s[i]);
                      d[i] = t == 255 ? static_cast<std::uint16_t>(word) : blended;
                    }
                  });
}

int DrawAdd(core::Engine& engine, int x, int y, const Image* image) {
  const auto rmask = static_cast<std::uint32_t>(ScreenFormat.rmask);
  const auto gmask = static_cast<std::uint32_t>(ScreenFormat.gmask);
  const auto bmask = static_cast<std::uint32_t>(ScreenFormat.bmask);
  // The alpha plane is required but not read: the source word alone decides.
  return DrawRows(engine, x, y, image, DRAW_ADD, true,
                  [=](std::uint16_t* d, const std::uint16_t* s, const std::uint8_t*, int n) {
                    for (int i = 0; i < n; ++i) {
                      const std::uint32_t word = d[i];
                      const std::uint32_t add = s[i];
                      std::uint32_t blue = (add & bmask) + (word & bmask);
                      std::uint32_t green = (add & gmask) + (word & gmask);
                      std::uint32_t red = (add & rmask) + (word & rmask);
                      blue = blue > bmask ? bmask : blue;
                      green = green > gmask ? gmask : green;
                      red = red > rmask ? rmask : red;
                      d[i] = add != 0 ? static_cast<std::uint16_t>(blue | green | red)
                                      : static_cast<std::uint16_t>(word);
                    }
                  });
}

}  // namespace engine::graphics

namespace engine::core {

// The engine's own image calls go through the draw table, like the game's. Before the table is
// filled (no back buffer yet) there is nothing to draw into.

int Engine::DrawPlain(int x, int y, const graphics::Image& image) {
  return draw.DrawPlain != nullptr ? draw.DrawPlain(*this, x, y, &image) : 0;
}

int Engine::DrawMasked(int x, int y, const graphics::Image& image) {
  return draw.DrawMasked != nullptr ? draw.DrawMasked(*this, x, y, &image) : 0;
}

int Engine::DrawAlpha(int x, int y, const graphics::Image& image) {
  return draw.DrawAlpha != nullptr ? draw.DrawAlpha(*this, x, y, &image) : 0;
}

int Engine::DrawAdd(int x, int y, const graphics::Image& image) {
  return draw.DrawAdd != nullptr ? draw.DrawAdd(*this, x, y, &image) : 0;
}

}  // namespace engine::core
