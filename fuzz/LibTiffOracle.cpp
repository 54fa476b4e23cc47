// LibTiffOracle.cpp -- libtiff on a memory buffer, read row by row.
#include "fuzz/LibTiffOracle.h"

#include <tiffio.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace fuzz {

namespace {

struct Memory {
  const std::uint8_t* data;
  toff_t size;
  toff_t at = 0;
};

tmsize_t ReadProc(thandle_t handle, void* buffer, tmsize_t count) {
  auto* m = static_cast<Memory*>(handle);
  if (count < 0 || m->at >= m->size) return 0;
  const toff_t n = std::min<toff_t>(static_cast<toff_t>(count), m->size - m->at);
  std::memcpy(buffer, m->data + m->at, n);
  m->at += n;
  return static_cast<tmsize_t>(n);
}

tmsize_t WriteProc(thandle_t, void*, tmsize_t) {
  return -1;
}

toff_t SeekProc(thandle_t handle, toff_t offset, int whence) {
  auto* m = static_cast<Memory*>(handle);
  toff_t base = 0;
  if (whence == SEEK_CUR) base = m->at;
  if (whence == SEEK_END) base = m->size;
  m->at = base + offset;
  return m->at;
}

int CloseProc(thandle_t) {
  return 0;
}

toff_t SizeProc(thandle_t handle) {
  return static_cast<Memory*>(handle)->size;
}

int MapProc(thandle_t, void**, toff_t*) {
  return 0;
}

void UnmapProc(thandle_t, void*, toff_t) {}

struct TiffCloser {
  void operator()(TIFF* tiff) const { TIFFClose(tiff); }
};

template <typename T>
bool Field(TIFF* tiff, ttag_t tag, T& value) {
  return TIFFGetField(tiff, tag, &value) == 1;
}

// The most significant byte of sample s of a row in native order.
std::uint8_t High(const std::uint8_t* row, std::size_t s, std::uint16_t bits) {
  switch (bits) {
    case 8:
      return row[s];
    case 16: {
      std::uint16_t v;
      std::memcpy(&v, row + 2 * s, 2);
      return static_cast<std::uint8_t>(v >> 8);
    }
    default: {
      std::uint32_t v;
      std::memcpy(&v, row + 4 * s, 4);
      return static_cast<std::uint8_t>(v >> 24);
    }
  }
}

// A reader of the file's first directory, independent of both readers under test.
class Directory {
 public:
  Directory(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  // True when the file says one thing only: tags in strictly ascending order (so none twice),
  // and the tags both readers use with the types and counts TIFF gives them, BitsPerSample
  // listing SamplesPerPixel values and ExtraSamples the samples beyond three. On other files
  // the two readers may rightly read different pictures.
  bool WellFormed() const {
    if (size_ < 8 || (data_[0] != data_[1]) || (data_[0] != 'I' && data_[0] != 'M')) return false;
    const std::uint64_t first = U32(4);
    if (first > size_ || size_ - first < 2) return false;
    const std::uint32_t count = U16(first);
    if ((size_ - first - 2) / 12 < count) return false;
    std::uint32_t previous = 0, samples = 1, bitsCount = 0, extraCount = 0;
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint64_t at = first + 2 + 12 * std::uint64_t{i};
      const std::uint32_t tag = U16(at), type = U16(at + 2), n = U32(at + 4);
      if (i > 0 && tag <= previous) return false;
      previous = tag;
      const bool shortType = type == 3, integer = type == 3 || type == 4;
      switch (tag) {
        case 256:  // ImageWidth, ImageLength, RowsPerStrip
        case 257:
        case 278:
          if (!integer || n != 1) return false;
          break;
        case 259:  // Compression, Photometric, PlanarConfig
        case 262:
        case 284:
          if (!shortType || n != 1) return false;
          break;
        case 277:
          if (!shortType || n != 1) return false;
          samples = U16(at + 8);
          break;
        case 258:
          if (!shortType) return false;
          bitsCount = n;
          break;
        case 338:
          if (!shortType) return false;
          extraCount = n;
          break;
        case 273:  // StripOffsets, StripByteCounts
        case 279:
          if (!integer) return false;
          break;
        default:
          break;
      }
    }
    return bitsCount == samples && extraCount == (samples > 3 ? samples - 3 : 0);
  }

 private:
  bool Big() const { return data_[0] == 'M'; }
  std::uint32_t U16(std::uint64_t at) const {
    return Big() ? (data_[at] << 8) | data_[at + 1] : data_[at] | (data_[at + 1] << 8);
  }
  std::uint32_t U32(std::uint64_t at) const {
    return Big() ? (U16(at) << 16) | U16(at + 2) : U16(at) | (U16(at + 2) << 16);
  }

  const std::uint8_t* data_;
  std::size_t size_;
};

}  // namespace

std::optional<ReferencePicture> ReadWithLibTiff(const std::uint8_t* data, std::size_t size) {
  static const bool quiet = [] {
    TIFFSetErrorHandler(nullptr);
    TIFFSetWarningHandler(nullptr);
    return true;
  }();
  (void)quiet;

  if (!Directory(data, size).WellFormed()) return std::nullopt;
  Memory memory{data, size};
  std::unique_ptr<TIFF, TiffCloser> tiff(TIFFClientOpen("fuzz.tif", "rm", &memory, ReadProc,
                                                        WriteProc, SeekProc, CloseProc, SizeProc,
                                                        MapProc, UnmapProc));
  if (!tiff) return std::nullopt;

  std::uint32_t width = 0, height = 0;
  std::uint16_t compression = 0, photometric = 0, planar = 0, samples = 0, bits = 0;
  std::uint16_t extraCount = 0;
  std::uint16_t* extraTypes = nullptr;
  if (!Field(tiff.get(), TIFFTAG_IMAGEWIDTH, width) ||
      !Field(tiff.get(), TIFFTAG_IMAGELENGTH, height) ||
      !Field(tiff.get(), TIFFTAG_COMPRESSION, compression) ||
      !Field(tiff.get(), TIFFTAG_PHOTOMETRIC, photometric) ||
      !Field(tiff.get(), TIFFTAG_PLANARCONFIG, planar) ||
      !Field(tiff.get(), TIFFTAG_SAMPLESPERPIXEL, samples) ||
      !Field(tiff.get(), TIFFTAG_BITSPERSAMPLE, bits)) {
    return std::nullopt;
  }
  if (TIFFIsTiled(tiff.get()) || compression != COMPRESSION_NONE ||
      photometric != PHOTOMETRIC_RGB || planar != PLANARCONFIG_CONTIG ||
      (samples != 3 && samples != 4) || (bits != 8 && bits != 16 && bits != 32)) {
    return std::nullopt;
  }
  TIFFGetField(tiff.get(), TIFFTAG_EXTRASAMPLES, &extraCount, &extraTypes);
  // Every row must lie in the file, which also bounds what libtiff allocates.
  const std::uint64_t rowBytes = std::uint64_t{width} * samples * (bits / 8);
  if (width == 0 || height == 0 || rowBytes * height > size) return std::nullopt;
  if (static_cast<std::uint64_t>(TIFFScanlineSize64(tiff.get())) != rowBytes) return std::nullopt;

  ReferencePicture picture;
  picture.width = width;
  picture.height = height;
  picture.alpha = samples == 4 && extraCount > 0;
  picture.rgb.resize(std::size_t{width} * height * 3);
  if (picture.alpha) picture.extra.resize(std::size_t{width} * height);
  std::vector<std::uint8_t> row(static_cast<std::size_t>(rowBytes));
  for (std::uint32_t y = 0; y < height; ++y) {
    if (TIFFReadScanline(tiff.get(), row.data(), y, 0) != 1) return std::nullopt;
    for (std::uint32_t x = 0; x < width; ++x) {
      const std::size_t at = std::size_t{y} * width + x;
      for (std::size_t c = 0; c < 3; ++c)
        picture.rgb[at * 3 + c] = High(row.data(), std::size_t{x} * samples + c, bits);
      if (picture.alpha) picture.extra[at] = High(row.data(), std::size_t{x} * samples + 3, bits);
    }
  }
  return picture;
}

}  // namespace fuzz
