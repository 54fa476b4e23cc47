// SoundX.h -- a PCM sound in memory, read from a WAV file, with the index of the playback
// buffer the engine gives it on first play.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace engine::support {
class File;
}

namespace engine::sound {

class SoundX {
 public:
  SoundX() = default;
  // A sound owns its samples alone: it can be moved but not copied.
  SoundX(const SoundX&) = delete;
  SoundX& operator=(const SoundX&) = delete;
  SoundX(SoundX&&) noexcept = default;
  SoundX& operator=(SoundX&&) noexcept = default;

  // Reads a RIFF/WAVE file. False (and nothing changed) for a format other than PCM; a missing
  // file or an invalid header shows a "Vorel Error" notice and ends the process.
  bool Load(std::string_view name);
  // The same for a file already open for reading, read from where it stands and closed
  // afterwards (tests and fuzzers feed bytes this way).
  bool Load(support::File& file);
  // True when the playback buffer is missing or holds older samples.
  bool NeedsUpload() const { return bufferIndex == -1 || dirty == 1; }
  // Shortens the sound to the given length when it is longer; a negative length empties it.
  void Truncate(float newSeconds);

  // The sample bytes exactly as stored in the file.
  const std::uint8_t* Data() const { return data.empty() ? nullptr : data.data(); }

  std::uint32_t samplesPerSecond = 0;
  std::uint16_t bitsPerSample = 0;
  std::uint16_t channels = 0;
  float seconds = 0.0f;
  std::int32_t frames = 0;
  std::int32_t dataBytes = 0;
  std::vector<std::uint8_t> data;  // dataBytes bytes
  std::int32_t bufferIndex = -1;
  std::uint8_t dirty = 1;
};

}  // namespace engine::sound
