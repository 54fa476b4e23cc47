// SoundXWav.h -- the WAV reading behind SoundX::Load: the RIFF/WAVE/fmt header and the scan for
// the sample chunk. Private to the sound loader.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/support/ByteOrder.h"

namespace engine::support {
class File;
}

namespace engine::sound {

// The fields of a PCM fmt chunk that a sound keeps.
struct WavFormat {
  std::uint16_t channels = 0;
  std::uint32_t samplesPerSecond = 0;
  std::uint16_t bitsPerSample = 0;

  // Bytes of one sample frame; never 0 for a format the header check accepts.
  std::uint32_t FrameBytes() const { return bitsPerSample / 8u * channels; }
};

enum class WavHeader {
  kPcm,     // a playable PCM format; the file stands just after the fmt chunk
  kNotPcm,  // another format tag
  kInvalid  // wrong tags, a header cut short, or a PCM format that cannot be played
};

class WavReader {
 public:
  // Reads file from where it stands; the file must allow seeking.
  explicit WavReader(support::File& file);

  WavHeader ReadHeader(WavFormat& format);
  // Walks the rest of the file on a 4-byte grid. Returns the whole sample frames of the last
  // "data" chunk found, or nothing when there is none.
  std::optional<std::vector<std::uint8_t>> ScanForSamples(std::uint32_t frameBytes);

 private:
  using Id = std::array<char, 4>;

  bool ReadId(Id& id);
  bool Read16(std::uint16_t& value);
  bool Read32(std::uint32_t& value);
  std::vector<std::uint8_t> ReadFrames(std::size_t bytes, std::uint32_t frameBytes);

  support::File& file_;
  support::ByteOrder order_;  // native: WAV values are little-endian
  std::int64_t size_ = 0;     // the file's length, which bounds every size read from it
};

}  // namespace engine::sound
