// Writers.h -- the generator's file formats: uncompressed 8-bit RGBA TIFF with an alpha extra
// sample, RGB TIFF for the contact sheet, and 16-bit mono PCM WAV.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "tools/assetgen/Canvas.h"

namespace tools::assetgen {

// Each returns false when the file cannot be written completely.
bool WriteRgbaTiff(const std::string& path, const Canvas& canvas);
bool WriteRgbTiff(const std::string& path, const Canvas& canvas);
bool WriteWav(const std::string& path, std::span<const std::int16_t> samples, int rate);

}  // namespace tools::assetgen
