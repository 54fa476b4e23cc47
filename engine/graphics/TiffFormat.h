// TiffFormat.h -- the tags and field types of the TIFF subset that ImageFile reads and writes,
// and one directory entry as the reader sees it.
#pragma once

#include <array>
#include <cstdint>

namespace engine::graphics::tiff {

inline constexpr std::uint16_t kNewSubfileType = 254;
inline constexpr std::uint16_t kImageWidth = 256;
inline constexpr std::uint16_t kImageLength = 257;
inline constexpr std::uint16_t kBitsPerSample = 258;
inline constexpr std::uint16_t kCompression = 259;
inline constexpr std::uint16_t kPhotometric = 262;
inline constexpr std::uint16_t kStripOffsets = 273;
inline constexpr std::uint16_t kSamplesPerPixel = 277;
inline constexpr std::uint16_t kRowsPerStrip = 278;
inline constexpr std::uint16_t kStripByteCounts = 279;
inline constexpr std::uint16_t kXResolution = 282;
inline constexpr std::uint16_t kYResolution = 283;
inline constexpr std::uint16_t kResolutionUnit = 296;
inline constexpr std::uint16_t kColorMap = 320;
inline constexpr std::uint16_t kExtraSamples = 338;

inline constexpr std::uint16_t kTypeShort = 3;
inline constexpr std::uint16_t kTypeLong = 4;
inline constexpr std::uint16_t kTypeRational = 5;

inline constexpr std::uint32_t kHeaderSize = 8;
inline constexpr std::uint32_t kEntrySize = 12;

// A directory entry. value is the SHORT in the first two bytes of the value field for a single
// SHORT, else the whole field as a LONG; raw keeps the field's bytes as they lay in the file,
// for short arrays stored inside it.
struct Entry {
  std::uint16_t tag = 0;
  std::uint16_t type = 0;
  std::uint32_t count = 0;
  std::uint32_t value = 0;
  std::array<std::uint8_t, 4> raw{};
};

}  // namespace engine::graphics::tiff
