// ImageFile.cpp -- loading a picture for the game: opening the file by name and preparing the
// image for its use.
#include "engine/graphics/ImageFile.h"

#include <algorithm>
#include <string>

#include "engine/core/ErrorReport.h"
#include "engine/support/File.h"

namespace engine::graphics {

bool ImageFile::Load(std::string_view name, Image& target, std::uint8_t use) {
  toScreen_ = true;
  loadUse_ = use;
  const bool read = LoadTiff(name, target);
  toScreen_ = false;
  loadUse_ = 0;
  target.SetUse(use);
  return read;
}

bool ImageFile::Load(support::File& file, Image& target, std::uint8_t use) {
  toScreen_ = true;
  loadUse_ = use;
  const bool read = LoadTiff(file, target);
  toScreen_ = false;
  loadUse_ = 0;
  target.SetUse(use);
  return read;
}

bool ImageFile::LoadTiff(std::string_view name, Image& target) {
  image = &target;
  CopyName(name);
  loaded = 0;
  support::File file;
  if (file.Open(name, support::FILE_READ | support::RANDOM) == support::FILE_NOTEXIST) {
    core::ShowNotice(
        std::string(".TIF File Not Found: ")
            .append(name)
            .append("\n\nMake sure paths and names of TIF images are correct. If you started "
                    "the game outside of Visual C++, make sure the executable is in the "
                    "correct location to find images."),
        "Vorel Error");
    return false;
  }
  return LoadTiff(file, target);
}

std::string_view ImageFile::Name() const {
  const auto end = std::find(fileName.begin(), fileName.end(), '\0');
  return {fileName.data(), static_cast<std::size_t>(end - fileName.begin())};
}

void ImageFile::CopyName(std::string_view name) {
  fileName.fill('\0');
  std::copy_n(name.begin(), std::min(name.size(), kNameSize - 1), fileName.begin());
}

void ImageFile::ResetFields() {
  loaded = 0;
  width = height = 0;
  createFormat = 0;
  mode = 0;  // TIFF's default of one bit per sample: bilevel
  hasExtraSample = 0;
  samplesPerPixel = 0;
  bitsValue = 0;
  bitsRed = bitsGreen = bitsBlue = bitsAlpha = 0;
  bitsPerSample = 0;
  compression = 1;  // TIFF's default: none
  photometric = 0;
  stripCount = 0;
  stripOffsets = 0;
  stripByteCounts = 0;
  rowsPerStrip = 0;
  bitsPerPixel = 0;
  bytesPerRow = 0;
}

}  // namespace engine::graphics
