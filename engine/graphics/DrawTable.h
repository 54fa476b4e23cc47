// DrawTable.h -- the engine's five drawing entry points, filled by CreateSurface. The game
// draws through the table, so the operations can be chosen to match the display.
#pragma once

#include "engine/graphics/DrawSurface.h"

namespace engine::graphics {

class Image;

using PixelOp = int (*)(const DrawSurface& surface, int x, int y, int r, int g, int b);
// image may be null; the operation then refuses it. A refusal is the result 0, which the engine
// reports (status IMAGEUSE_FAILED); every other call gives 1.
using ImageOp = int (*)(const DrawSurface& surface, int x, int y, const Image* image);

struct DrawTable {
  PixelOp DrawPixel = nullptr;
  ImageOp DrawPlain = nullptr;
  ImageOp DrawMasked = nullptr;
  ImageOp DrawAlpha = nullptr;
  ImageOp DrawAdd = nullptr;
};

// The operations for the 16-bit back buffer, in table order.
DrawTable StandardDrawTable();

}  // namespace engine::graphics
