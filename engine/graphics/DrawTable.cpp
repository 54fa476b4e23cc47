// DrawTable.cpp -- the standard draw table for the 16-bit back buffer.
#include "engine/graphics/DrawTable.h"

#include "engine/graphics/DrawImage.h"
#include "engine/graphics/DrawShapes.h"

namespace engine::graphics {

DrawTable StandardDrawTable() {
  DrawTable table;
  table.DrawPixel = DrawPixel;
  table.DrawPlain = DrawPlain;
  table.DrawMasked = DrawMasked;
  table.DrawAlpha = DrawAlpha;
  table.DrawAdd = DrawAdd;
  return table;
}

}  // namespace engine::graphics
