// Lettering.h -- big display lettering for the title and the rules backdrop: letters filled
// with a lamp-to-sunset gradient, outlined in ink, over a deep shadow.
#pragma once

#include <string_view>

#include "engine/graphics/Font.h"
#include "tools/assetgen/Canvas.h"

namespace tools::assetgen::scenery {

// Text centred on column cx with the top of its line at row y; outline is the ink border's
// width in pixels.
void PaintLettering(Canvas& canvas, engine::graphics::Font& font, int cx, int y,
                    std::string_view text, int outline);

}  // namespace tools::assetgen::scenery
