// TiffStrips.h -- where the strips of a TIFF image lie in its file, and how their rows become
// the 24-bit pixels and the alpha plane of an Image.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/graphics/Image.h"
#include "engine/graphics/PixelRows.h"
#include "engine/graphics/TiffFormat.h"
#include "engine/graphics/TiffInput.h"

namespace engine::graphics::tiff {

// How the pixels of one image lie in its file; every value already checked by the reader.
struct PixelLayout {
  std::int32_t width = 0;         // 1 .. ImageFile::kMaxSide
  std::int32_t height = 0;        // 1 .. ImageFile::kMaxSide
  std::int32_t rowsPerStrip = 0;  // 1 .. height
  std::int32_t sampleBytes = 1;   // 1, 2 or 4
  std::int32_t samples = 3;       // samples per pixel in the file: 3 or 4
  bool alpha = false;             // the fourth sample goes to the alpha plane

  std::uint32_t StripCount() const;
  std::int32_t FirstRow(std::uint32_t strip) const;
  std::int32_t RowsIn(std::uint32_t strip) const;
  std::size_t BytesPerPixel() const;
  std::size_t BytesPerRow() const;
};

// Reads the offsets of the image's count strips from the StripOffsets entry, which must list
// at least that many: from inside its value field when they fit in four bytes, else from the
// array it points to. A SHORT entry holds 16-bit offsets, any other 32-bit ones. Returns an
// empty string, or the problem.
std::string ReadStripOffsets(TiffInput& in, const Entry& entry, std::uint32_t count,
                             std::vector<std::uint32_t>& offsets);

// Checks that the rows of every strip lie inside the file. Returns an empty string, or the
// problem.
std::string CheckStrips(const TiffInput& in, const PixelLayout& layout,
                        const std::vector<std::uint32_t>& offsets);

// Decodes every strip into target, created as layout's width x height 24-bit pixels with an
// alpha plane. Takes the most significant byte of each sample, whatever the byte order. False
// when the file fails to deliver a row or target does not fit the layout.
bool DecodeStrips(TiffInput& in, const PixelLayout& layout,
                  const std::vector<std::uint32_t>& offsets, Image& target);

// The same straight to screen words, for a layout of 8-bit samples: target must be created as
// layout's width x height 16-bit image with an alpha plane, and ends as DecodeStrips followed
// by the conversion to 16 bits would leave it (the alpha plane stays 0 without an alpha
// sample). False as DecodeStrips.
//
// With masked, for a layout with alpha only, the words also go through the masked operation's
// preparation (Image::MakeMask) and target needs no alpha plane.
bool DecodeStripsToScreen(TiffInput& in, const PixelLayout& layout,
                          const std::vector<std::uint32_t>& offsets, const rows::Packing& packing,
                          bool masked, Image& target);

}  // namespace engine::graphics::tiff
