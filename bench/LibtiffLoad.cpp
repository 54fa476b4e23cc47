// LibtiffLoad.cpp -- libtiff's two ways of reading a picture, each followed by one plain loop to
// the screen format.
#include "bench/LibtiffLoad.h"

#include <tiffio.h>

#include <memory>
#include <vector>

#include "engine/graphics/ScreenFormat.h"

namespace bench {

namespace {

using engine::graphics::Image;

struct Closer {
  void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};
using Tiff = std::unique_ptr<TIFF, Closer>;

Tiff Open(const std::string& path) {
  TIFFSetWarningHandler(nullptr);
  return Tiff(TIFFOpen(path.c_str(), "r"));
}

// count pixels of 8-bit red, green, blue and alpha, 4 bytes apart, into screen words and alpha.
void ToScreen(const std::uint8_t* rgba, std::size_t count, std::uint16_t* words,
              std::uint8_t* alpha) {
  const engine::graphics::PixelFormat& f = engine::graphics::ScreenFormat;
  for (std::size_t i = 0; i < count; ++i, rgba += 4) {
    const int r = ((rgba[0] << f.rbits) >> 8) << f.rshift;
    const int g = ((rgba[1] << f.gbits) >> 8) << f.gshift;
    const int b = ((rgba[2] << f.bbits) >> 8) << f.bshift;
    words[i] = static_cast<std::uint16_t>(r | g | b);
    alpha[i] = rgba[3];
  }
}

}  // namespace

bool LibtiffStrips(const std::string& path, Image& out, std::uint8_t use) {
  Tiff tiff = Open(path);
  if (!tiff) return false;
  std::uint32_t width = 0, height = 0, rowsPerStrip = 0;
  std::uint16_t samples = 0, bits = 0;
  TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width);
  TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &height);
  TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_SAMPLESPERPIXEL, &samples);
  TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_BITSPERSAMPLE, &bits);
  TIFFGetFieldDefaulted(tiff.get(), TIFFTAG_ROWSPERSTRIP, &rowsPerStrip);
  if (samples != 4 || bits != 8 || width == 0 || height == 0) return false;
  out.Create(static_cast<int>(width), static_cast<int>(height),
             engine::graphics::IMG_16BIT | engine::graphics::IMG_ALPHA);
  std::vector<std::uint8_t> strip(static_cast<std::size_t>(TIFFStripSize(tiff.get())));
  const std::size_t rowPixels = width;
  for (tstrip_t s = 0; s < TIFFNumberOfStrips(tiff.get()); ++s) {
    const tmsize_t got = TIFFReadEncodedStrip(tiff.get(), s, strip.data(), -1);
    if (got < 0) return false;
    const std::size_t first = static_cast<std::size_t>(s) * rowsPerStrip * rowPixels;
    const std::size_t count = static_cast<std::size_t>(got) / 4;
    if (first + count > rowPixels * height) return false;
    ToScreen(strip.data(), count, out.Pixels16() + first, out.Alpha() + first);
  }
  out.SetUse(use);
  return true;
}

bool LibtiffRgba(const std::string& path, Image& out, std::uint8_t use) {
  Tiff tiff = Open(path);
  if (!tiff) return false;
  std::uint32_t width = 0, height = 0;
  TIFFGetField(tiff.get(), TIFFTAG_IMAGEWIDTH, &width);
  TIFFGetField(tiff.get(), TIFFTAG_IMAGELENGTH, &height);
  if (width == 0 || height == 0) return false;
  std::vector<std::uint32_t> raster(static_cast<std::size_t>(width) * height);
  if (TIFFReadRGBAImageOriented(tiff.get(), width, height, raster.data(), ORIENTATION_TOPLEFT, 0) ==
      0) {
    return false;
  }
  out.Create(static_cast<int>(width), static_cast<int>(height),
             engine::graphics::IMG_16BIT | engine::graphics::IMG_ALPHA);
  // The raster holds red in the lowest byte of each word: bytes red, green, blue, alpha.
  ToScreen(reinterpret_cast<const std::uint8_t*>(raster.data()), raster.size(), out.Pixels16(),
           out.Alpha());
  out.SetUse(use);
  return true;
}

}  // namespace bench
