// DrawTable.cpp -- the standard draw table and the single-pixel write.
#include "engine/graphics/DrawTable.h"

#include "engine/core/Engine.h"

namespace engine::graphics {

namespace {

// Writes one 5-5-5 word. Pixels outside the locked back buffer are dropped rather than
// written past its end.
int DrawPixel(core::Engine& engine, int x, int y, int r, int g, int b) {
  if (!engine.IsLocked() || x < 0 || y < 0 || x >= engine.width || y >= engine.height) return 1;
  engine.backBuffer[y * engine.width + x] = static_cast<std::uint16_t>(r * 1024 + g * 32 + b);
  return 1;
}

}  // namespace

DrawTable StandardDrawTable() {
  DrawTable table;
  table.DrawPixel = DrawPixel;
  return table;
}

}  // namespace engine::graphics
