// PngWriter.h -- 8-bit RGBA PNG files for the desktop icons, written without a compression
// library: the zlib stream holds stored (uncompressed) deflate blocks.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "tools/assetgen/Canvas.h"

namespace tools::assetgen {

// The checksums PNG needs: CRC-32 of each chunk (polynomial 0xEDB88320, as zlib and PNG
// define it) and Adler-32 of the zlib stream's data.
std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc = 0);
std::uint32_t Adler32(std::span<const std::uint8_t> bytes);

// The whole file: signature, IHDR (colour type 6, 8 bits, no interlace), one IDAT whose rows
// all use filter 0, IEND.
std::vector<std::uint8_t> EncodePng(const Canvas& canvas);
// False when the file cannot be written completely.
bool WritePng(const std::string& path, const Canvas& canvas);

}  // namespace tools::assetgen
