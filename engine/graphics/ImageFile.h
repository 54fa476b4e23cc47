// ImageFile.h -- the short-lived TIFF loader and writer: reads uncompressed RGB TIFF files into
// an Image as 24-bit RGB (with an alpha plane when the file has an extra sample) and writes a
// 24-bit Image as an uncompressed single-strip TIFF file.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/graphics/Image.h"

namespace engine::support {
class File;
}

namespace engine::graphics {

class ImageFile {
 public:
  static constexpr std::size_t kNameSize = 100;  // fileName keeps at most 99 characters
  // Larger sides are refused; no picture of the game comes near. Whatever the sides, nothing is
  // allocated before every row has been found inside the file.
  static constexpr std::int32_t kMaxSide = 16384;

  ImageFile() = default;
  explicit ImageFile(Image* target) : image(target) {}

  // How the game gets every picture: LoadTiff, then, whatever the outcome, image.SetUse(use).
  // Returns what LoadTiff returned.
  bool Load(std::string_view name, Image& target, std::uint8_t use);
  // The same for a file that is already open for reading (see LoadTiff(file, target)).
  bool Load(support::File& file, Image& target, std::uint8_t use);

  // Reads the TIFF file name into target as 24-bit RGB (format 0x20, or 0x21 with the file's
  // extra sample in the alpha plane). A missing file shows the "not found" notice and leaves
  // target as it was. A file that is not a TIFF, or whose BitsPerSample lists an unknown number
  // of samples, prints a line on standard output and ends the process with exit code -1. Any
  // other file that cannot be read is refused with a "Vorel Error" notice and a debug-log line
  // naming the file and the problem, and target is left empty. Returns true when the picture
  // was read.
  bool LoadTiff(std::string_view name, Image& target);
  // The same for a file that is already open for reading, read from its start; used by
  // LoadTiff(name) and by tests and fuzzers that feed bytes through File::OpenMemory. Messages
  // name the file by file.Name(). The caller closes the file.
  bool LoadTiff(support::File& file, Image& target);

  // Writes target, which must be a 24-bit image, as a little-endian, uncompressed, single-strip
  // RGB file with 8 bits per sample. Any other image prints "SaveTiff: Given pixel depth and
  // color mode not supported." and ends the process with exit code -1. Returns true when every
  // byte was written and the file closed cleanly.
  bool SaveTiff(std::string_view name, Image& target);

  // The name last used, as a string.
  std::string_view Name() const;

  // Fields, in the loader's declaration order. They describe the last file loaded or saved.
  Image* image = nullptr;  // the target of the last call; not owned
  std::array<char, kNameSize> fileName{};
  std::int32_t loaded = 0;  // 1 once a load or save has completed
  std::int32_t width = 0, height = 0;
  std::int32_t createFormat = 0;  // 0x20, or 0x21 with an extra sample
  std::int32_t mode = 0;          // 0 bilevel, 1 grey, 2 RGB, 3 palette
  std::int32_t hasExtraSample = 0;
  std::int32_t samplesPerPixel = 0;  // the count of BitsPerSample
  std::int32_t bitsValue = 0;        // BitsPerSample's value field (the array's offset for RGB)
  std::int32_t bitsRed = 0, bitsGreen = 0, bitsBlue = 0, bitsAlpha = 0;
  std::int32_t bitsPerSample = 0;  // the single bit count of a 1- or 2-sample file
  std::int32_t compression = 0;
  std::int32_t photometric = 0;
  std::int32_t stripCount = 0;
  std::int32_t stripOffsets = 0;     // StripOffsets' value field
  std::int32_t stripByteCounts = 0;  // StripByteCounts' value field; not needed for reading
  std::int32_t rowsPerStrip = 0;
  std::int32_t bitsPerPixel = 0;  // the sum of all samples of a pixel in the file
  std::int32_t bytesPerRow = 0;

 private:
  // Copies name into fileName, cut to 99 characters.
  void CopyName(std::string_view name);
  // Clears everything a previous load or save left, so no value carries over to the next file.
  void ResetFields();

  // Set while Load reads: a picture of 8-bit samples is then decoded straight to the screen
  // format, as the 24-bit reading followed by SetUse's conversion would leave it.
  bool toScreen_ = false;
  std::uint8_t loadUse_ = 0;  // the use Load prepares the picture for
};

}  // namespace engine::graphics
