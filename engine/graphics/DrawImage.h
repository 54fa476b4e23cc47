// DrawImage.h -- the four image operations of the draw table: opaque, colour-keyed,
// alpha-blended and additive copies of an image into the locked back buffer.
#pragma once

#include "engine/graphics/DrawTable.h"

namespace engine::graphics {

// Each takes the image's top-left position in back-buffer pixels (anywhere, even off the
// buffer) and draws the part inside the surface's clip rectangle. A missing image, or one
// prepared for another use, is refused: result 0, nothing drawn (the engine reports it).
// Otherwise the result is 1, also when nothing was drawn: no pixel data (or no alpha plane for
// the two blends), nothing visible, or the back buffer not locked.

// Copies the image as it is.
int DrawPlain(const DrawSurface& surface, int x, int y, const Image* image);
// Copies every pixel but those whose word is 0.
int DrawMasked(const DrawSurface& surface, int x, int y, const Image* image);
// Blends premultiplied pixels over the destination; the alpha byte is the destination's
// share, 0 (image opaque) to 255 (destination untouched).
int DrawAlpha(const DrawSurface& surface, int x, int y, const Image* image);
// Adds each colour field to the destination's, saturating at the field's maximum; a source
// word of 0 leaves the destination as it is.
int DrawAdd(const DrawSurface& surface, int x, int y, const Image* image);

}  // namespace engine::graphics
