// TiffWriter.cpp -- writes a 24-bit Image as a little-endian, uncompressed, single-strip RGB
// TIFF file with a fixed fourteen-entry directory.
#include <algorithm>
#include <cstdio>
#include <limits>

#include "engine/graphics/ImageFile.h"
#include "engine/graphics/TiffFormat.h"
#include "engine/support/ByteOrder.h"
#include "engine/support/Exit.h"
#include "engine/support/File.h"

namespace engine::graphics {

namespace {

// Where the parts of the file lie: the header, the directory at 8 with its fourteen entries and
// the next-directory offset, then the arrays it points to, then the pixels.
constexpr std::uint16_t kEntries = 14;
constexpr std::uint32_t kBitsAt = tiff::kHeaderSize + 2 + kEntries * tiff::kEntrySize + 4;  // 182
constexpr std::uint32_t kXResolutionAt = kBitsAt + 3 * 2;                                   // 188
constexpr std::uint32_t kYResolutionAt = kXResolutionAt + 8;                                // 196
constexpr std::uint32_t kPixelsAt = kYResolutionAt + 8;                                     // 204

// Writes values through a native ByteOrder and remembers whether every write succeeded.
class Output {
 public:
  explicit Output(support::File& file) : file_(file) {}

  void Short(std::uint32_t value) {
    Check(file_.Write2(order_.WriteShort(static_cast<std::int16_t>(value))));
  }
  void Long(std::uint32_t value) {
    Check(file_.Write4(order_.WriteLong(static_cast<std::int32_t>(value))));
  }
  void Bytes(std::size_t count, const void* bytes) { Check(file_.WriteBytes(count, bytes)); }
  // A single SHORT fills the first half of the value field, padded with 0; every other value
  // field is one LONG.
  void Entry(std::uint16_t tag, std::uint16_t type, std::uint32_t count, std::uint32_t value) {
    Short(tag);
    Short(type);
    Long(count);
    if (type == tiff::kTypeShort && count == 1) {
      Short(value);
      Short(0);
    } else {
      Long(value);
    }
  }
  bool Ok() const { return ok_; }

 private:
  void Check(std::int32_t result) { ok_ = ok_ && result == support::FILE_SUCCESS; }

  support::File& file_;
  support::ByteOrder order_;
  bool ok_ = true;
};

// Only what the directory can describe: a 24-bit picture whose sides fit a SHORT and whose
// pixels fit the LONG StripByteCounts.
bool Writable(const Image& image) {
  const std::uint64_t w = static_cast<std::uint64_t>(std::max(image.Width(), 0));
  const std::uint64_t h = static_cast<std::uint64_t>(std::max(image.Height(), 0));
  return Image::PixelFormatBit(image.Format()) == IMG_24BIT && image.HasPixels() && w > 0 &&
         h > 0 && w <= 0xFFFF && h <= 0xFFFF &&
         w * h * 3 <= std::numeric_limits<std::uint32_t>::max() - kPixelsAt &&
         image.PixelBufferSize() >= w * h * 3;
}

}  // namespace

bool ImageFile::SaveTiff(std::string_view name, Image& target) {
  image = &target;
  CopyName(name);
  if (!Writable(target)) {
    std::fputs("SaveTiff: Given pixel depth and color mode not supported.\n", stdout);
    std::fflush(stdout);
    support::ExitProcess(-1);
  }
  ResetFields();
  width = target.Width();
  height = target.Height();
  mode = 2;
  samplesPerPixel = 3;
  bitsRed = bitsGreen = bitsBlue = bitsPerSample = 8;
  createFormat = IMG_24BIT;
  photometric = 2;
  stripCount = 1;
  rowsPerStrip = height;
  bitsValue = static_cast<std::int32_t>(kBitsAt);
  stripOffsets = static_cast<std::int32_t>(kPixelsAt);
  bitsPerPixel = 24;
  bytesPerRow = width * 3;
  const auto pixelBytes =
      static_cast<std::uint32_t>(width) * 3u * static_cast<std::uint32_t>(height);
  stripByteCounts = static_cast<std::int32_t>(pixelBytes);

  support::File file;
  file.Open(name, support::FILE_WRITE | support::FILE_AUTOCREATE | support::RANDOM);
  Output out(file);
  const std::uint8_t order[2] = {0x49, 0x49};
  out.Bytes(sizeof order, order);
  out.Short(42);
  out.Long(tiff::kHeaderSize);

  const auto w = static_cast<std::uint32_t>(width);
  const auto h = static_cast<std::uint32_t>(height);
  out.Short(kEntries);
  out.Entry(tiff::kNewSubfileType, tiff::kTypeLong, 1, 0);
  out.Entry(tiff::kImageWidth, tiff::kTypeShort, 1, w);
  out.Entry(tiff::kImageLength, tiff::kTypeShort, 1, h);
  out.Entry(tiff::kBitsPerSample, tiff::kTypeShort, 3, kBitsAt);
  out.Entry(tiff::kCompression, tiff::kTypeShort, 1, 1);
  out.Entry(tiff::kPhotometric, tiff::kTypeShort, 1, 2);
  out.Entry(tiff::kStripOffsets, tiff::kTypeLong, 1, kPixelsAt);
  out.Entry(tiff::kSamplesPerPixel, tiff::kTypeShort, 1, 3);
  out.Entry(tiff::kRowsPerStrip, tiff::kTypeShort, 1, h);
  out.Entry(tiff::kStripByteCounts, tiff::kTypeLong, 1, pixelBytes);
  out.Entry(tiff::kXResolution, tiff::kTypeRational, 1, kXResolutionAt);
  out.Entry(tiff::kYResolution, tiff::kTypeRational, 1, kYResolutionAt);
  out.Entry(tiff::kResolutionUnit, tiff::kTypeShort, 1, 2);
  out.Entry(tiff::kColorMap, tiff::kTypeShort, 0, 0);
  out.Long(0);

  for (int i = 0; i < 3; ++i)
    out.Short(8);
  for (int i = 0; i < 4; ++i)
    out.Long(1);  // XResolution and YResolution: 1/1 each
  out.Bytes(pixelBytes, target.PixelBytes());

  // Buffered bytes that cannot be written only fail at the flush, which Close does not report.
  const bool flushed = file.stream != nullptr && std::fflush(file.stream) == 0;
  const bool written = out.Ok() && flushed && file.Close() == 0;
  if (written) loaded = 1;
  return written;
}

}  // namespace engine::graphics
