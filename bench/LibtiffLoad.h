// LibtiffLoad.h -- the loading baselines: libtiff reads the same file, by its strips or as an
// RGBA raster, and the pixels are then converted to the screen format and prepared for their use
// as our loader's are.
#pragma once

#include <cstdint>
#include <string>

#include "engine/graphics/Image.h"

namespace bench {

// Both take the file's real path and give false when libtiff cannot read it or the file is not
// 8-bit RGBA.
bool LibtiffStrips(const std::string& path, engine::graphics::Image& out, std::uint8_t use);
bool LibtiffRgba(const std::string& path, engine::graphics::Image& out, std::uint8_t use);

}  // namespace bench
