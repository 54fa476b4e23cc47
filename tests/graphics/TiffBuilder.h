// TiffBuilder.h -- writes small TIFF files in memory for the loader's tests: header, one
// directory, its arrays and the strips, in either byte order and either layout, with every
// field open to change before the bytes are made.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/graphics/Image.h"
#include "engine/graphics/ImageFile.h"

namespace tests {

struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 0;
  bool operator==(const Rgba&) const = default;
};

inline void PrintTo(const Rgba& p, std::ostream* os) {
  *os << '(' << int{p.r} << ' ' << int{p.g} << ' ' << int{p.b} << ' ' << int{p.a} << ')';
}

// width x height pixels, row by row, whose channels differ from pixel to pixel and from each
// other, so that a pixel or a channel read from the wrong place shows.
std::vector<Rgba> TestPicture(int width, int height);

// The picture read back from a 24-bit image; alpha is 0 without an alpha plane.
std::vector<Rgba> PictureOf(const engine::graphics::Image& image);

struct TiffEntry {
  std::uint16_t tag = 0;
  std::uint16_t type = 0;
  std::uint32_t count = 0;
  // Written inside the value field when count values of the type fit in four bytes, else after
  // it with the field pointing at them. Empty values of StripOffsets and StripByteCounts are
  // filled with the strips' places and sizes.
  std::vector<std::uint32_t> values;
  // Replaces the value field as written, to point it elsewhere.
  std::optional<std::uint32_t> field;
};

struct TiffBuild {
  bool bigEndian = false;
  // Header, directory, arrays, strips; otherwise header, strips, arrays, directory.
  bool directoryFirst = false;
  std::vector<std::string> strips;
  std::vector<TiffEntry> entries;
  std::uint32_t nextDirectory = 0;
  std::optional<std::uint32_t> directoryOffset;  // replaces the header's offset
  std::optional<std::uint16_t> entryCount;       // replaces the directory's entry count

  TiffEntry* Find(std::uint16_t tag);
  void Remove(std::uint16_t tag);
  // Replaces the entry with tag, or adds it at the end of the directory.
  void Set(const TiffEntry& entry);
  std::string Bytes() const;
};

struct TiffPicture {
  int width = 3;
  int height = 5;
  int bits = 8;            // 8, 16 or 32 bits a sample
  bool alpha = false;      // a fourth sample, announced by ExtraSamples
  int rowsPerStrip = 0;    // 0: every row in one strip
  bool bigEndian = false;  // "MM"
};

// A valid uncompressed RGB(A) file of pixels (TestPicture(width, height) when empty). Wider
// samples carry each 8-bit value in their most significant byte and its complement in the
// others.
TiffBuild MakeTiff(const TiffPicture& picture, std::vector<Rgba> pixels = {});

// Loads bytes through an in-memory file called name.
bool LoadBytes(engine::graphics::ImageFile& loader, const std::string& bytes,
               engine::graphics::Image& image, std::string_view name = "picture.tif");

}  // namespace tests
