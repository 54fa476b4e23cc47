// TiffStrips.cpp -- strip offsets, their bounds, and the conversion of rows to 24-bit pixels.
#include "engine/graphics/TiffStrips.h"

#include <algorithm>
#include <string>

namespace engine::graphics::tiff {

std::uint32_t PixelLayout::StripCount() const {
  if (rowsPerStrip <= 0 || height <= 0) return 0;
  return static_cast<std::uint32_t>((height + rowsPerStrip - 1) / rowsPerStrip);
}

std::int32_t PixelLayout::FirstRow(std::uint32_t strip) const {
  return static_cast<std::int32_t>(strip) * rowsPerStrip;
}

std::int32_t PixelLayout::RowsIn(std::uint32_t strip) const {
  return std::clamp(height - FirstRow(strip), 0, rowsPerStrip);
}

std::size_t PixelLayout::BytesPerPixel() const {
  return static_cast<std::size_t>(samples) * static_cast<std::size_t>(sampleBytes);
}

std::size_t PixelLayout::BytesPerRow() const {
  return static_cast<std::size_t>(width) * BytesPerPixel();
}

std::string ReadStripOffsets(TiffInput& in, const Entry& entry, std::uint32_t count,
                             std::vector<std::uint32_t>& offsets) {
  offsets.clear();
  if (entry.count < count) {
    return "StripOffsets lists " + std::to_string(entry.count) + " strips; the image has " +
           std::to_string(count) + ".";
  }
  const std::uint64_t size = entry.type == kTypeShort ? 2 : 4;
  const std::uint64_t stored = static_cast<std::uint64_t>(entry.count) * size;
  if (stored <= 4) {
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint8_t* at = entry.raw.data() + i * size;
      offsets.push_back(size == 2 ? in.Short(at) : in.Long(at));
    }
    return {};
  }
  if (!in.Holds(entry.value, count * size) || !in.SeekTo(entry.value)) {
    return "The StripOffsets array lies past the end of the file.";
  }
  for (std::uint32_t i = 0; i < count; ++i) {
    std::uint32_t offset = 0;
    std::uint16_t shortOffset = 0;
    const bool read = size == 2 ? in.Read16(shortOffset) : in.Read32(offset);
    if (!read) return "The StripOffsets array could not be read.";
    offsets.push_back(size == 2 ? shortOffset : offset);
  }
  return {};
}

std::string CheckStrips(const TiffInput& in, const PixelLayout& layout,
                        const std::vector<std::uint32_t>& offsets) {
  const std::uint32_t count = layout.StripCount();
  if (offsets.size() < count) return "Some strips have no offset.";
  for (std::uint32_t i = 0; i < count; ++i) {
    const std::uint64_t bytes = static_cast<std::uint64_t>(layout.RowsIn(i)) * layout.BytesPerRow();
    if (!in.Holds(offsets[i], bytes)) {
      return "Strip " + std::to_string(i + 1) + " of " + std::to_string(count) +
             " runs past the end of the file.";
    }
  }
  return {};
}

namespace {

// Converts one row of file pixels. msb is the index of each sample's most significant byte.
void ConvertRow(const PixelLayout& layout, std::size_t msb, const std::uint8_t* row,
                std::uint8_t* rgb, std::uint8_t* alpha) {
  const std::size_t sample = static_cast<std::size_t>(layout.sampleBytes);
  const std::size_t step = layout.BytesPerPixel();
  for (std::int32_t x = 0; x < layout.width; ++x, row += step) {
    *rgb++ = row[msb];
    *rgb++ = row[sample + msb];
    *rgb++ = row[2 * sample + msb];
    if (layout.alpha) alpha[x] = row[3 * sample + msb];
  }
}

}  // namespace

bool DecodeStrips(TiffInput& in, const PixelLayout& layout,
                  const std::vector<std::uint32_t>& offsets, Image& target) {
  const std::size_t width = static_cast<std::size_t>(layout.width);
  const std::size_t pixels = width * static_cast<std::size_t>(layout.height);
  if (target.Width() != layout.width || target.Height() != layout.height ||
      target.PixelBufferSize() < pixels * 3 || (layout.alpha && !target.HasAlphaPlane()) ||
      offsets.size() < layout.StripCount()) {
    return false;
  }
  // "II" files keep a sample's high byte last, "MM" files first.
  const std::size_t msb = in.Reversed() ? 0 : static_cast<std::size_t>(layout.sampleBytes) - 1;
  // One row of the file at a time, however long the row.
  const std::size_t rowBytes = layout.BytesPerRow();
  for (std::uint32_t strip = 0; strip < layout.StripCount(); ++strip) {
    if (!in.SeekTo(offsets[strip])) return false;
    const std::int32_t first = layout.FirstRow(strip);
    for (std::int32_t y = first; y < first + layout.RowsIn(strip); ++y) {
      const std::uint8_t* row = in.Take(rowBytes);
      if (row == nullptr) return false;
      const std::size_t at = static_cast<std::size_t>(y) * width;
      std::uint8_t* alpha = layout.alpha ? target.Alpha() + at : nullptr;
      ConvertRow(layout, msb, row, target.PixelBytes() + at * 3, alpha);
    }
  }
  return true;
}

bool DecodeStripsToScreen(TiffInput& in, const PixelLayout& layout,
                          const std::vector<std::uint32_t>& offsets, const rows::Packing& packing,
                          bool masked, Image& target) {
  const std::size_t width = static_cast<std::size_t>(layout.width);
  const std::size_t pixels = width * static_cast<std::size_t>(layout.height);
  const bool planes = masked ? layout.alpha && layout.samples == 4 : target.HasAlphaPlane();
  if (layout.sampleBytes != 1 || !packing.Fits() || target.Width() != layout.width ||
      target.Height() != layout.height || target.PixelBufferSize() < pixels * 2 || !planes ||
      offsets.size() < layout.StripCount()) {
    return false;
  }
  std::uint16_t* words = target.Pixels16();
  std::uint8_t* alpha = layout.alpha && !masked ? target.Alpha() : nullptr;
  const std::size_t rowBytes = layout.BytesPerRow();
  // As many rows at a time as the input's window holds.
  const std::int32_t rowsAtOnce =
      static_cast<std::int32_t>(std::max<std::size_t>(1, TiffInput::kWindow / rowBytes));
  for (std::uint32_t strip = 0; strip < layout.StripCount(); ++strip) {
    if (!in.SeekTo(offsets[strip])) return false;
    const std::int32_t end = layout.FirstRow(strip) + layout.RowsIn(strip);
    for (std::int32_t y = layout.FirstRow(strip); y < end;) {
      const std::int32_t count = std::min(rowsAtOnce, end - y);
      const std::uint8_t* bytes = in.Take(static_cast<std::size_t>(count) * rowBytes);
      if (bytes == nullptr) return false;
      for (std::int32_t r = 0; r < count; ++r, ++y, bytes += rowBytes) {
        const std::size_t at = static_cast<std::size_t>(y) * width;
        if (masked) {
          rows::ToMasked(bytes, layout.width, words + at, packing);
        } else {
          rows::ToScreen(bytes, layout.samples, layout.width, words + at,
                         alpha != nullptr ? alpha + at : nullptr, packing);
        }
      }
    }
  }
  return true;
}

}  // namespace engine::graphics::tiff
