// Writers.h -- the generator's file formats: uncompressed 8-bit RGBA TIFF with an alpha extra
// sample, RGB TIFF for the contact sheet, 16-bit mono PCM WAV, and pixels as C++ source.
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
// A C++ source file that includes header and defines `const std::uint8_t symbol[]` in
// namespace space: the canvas's pixels row by row, each as R, G, B, A.
bool WritePixelSource(const std::string& path, const Canvas& canvas, const std::string& header,
                      const std::string& space, const std::string& symbol);

}  // namespace tools::assetgen
