// WavFuzz.cpp -- fuzz target for the WAV reader: any bytes are either read into a sound whose
// fields agree with its samples, refused as another format (sound untouched), or end in the
// reader's specified exit. Where the file is plainly laid out and SDL reads it too, SDL's
// samples must be ours.
#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

#include "engine/sound/SoundX.h"
#include "engine/support/File.h"
#include "fuzz/FuzzSupport.h"

namespace {

constexpr char kTarget[] = "wav";

using engine::sound::SoundX;

std::uint32_t Le32(const std::uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t Le16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

// True for a file both readers must agree on: RIFF, WAVE, an even-sized "fmt " chunk with the
// block alignment its fields imply, then whole chunks, exactly one "data" chunk, every chunk
// before it a multiple of four bytes, and no "data" or "fact" anywhere else after the fmt
// chunk, the samples wholly inside the file. Our reader looks for the samples on a four-byte grid
// after the fmt chunk and takes the last "data" it meets; a RIFF reader walks the chunks by their
// sizes. On such a file the two walks meet the same chunk.
bool PlainLayout(std::span<const std::uint8_t> file) {
  if (file.size() < 12 || std::memcmp(file.data(), "RIFF", 4) != 0 ||
      std::memcmp(file.data() + 8, "WAVE", 4) != 0) {
    return false;
  }
  std::size_t at = 12;
  if (file.size() - at < 8 + 16 || std::memcmp(file.data() + at, "fmt ", 4) != 0) return false;
  const std::uint32_t fmtSize = Le32(file.data() + at + 4);
  if (fmtSize < 16 || fmtSize % 2 != 0 || fmtSize > file.size() - at - 8) return false;
  const std::uint8_t* fmt = file.data() + at + 8;
  const std::uint16_t channels = Le16(fmt + 2);
  const std::uint16_t blockAlign = Le16(fmt + 12);
  const std::uint16_t bits = Le16(fmt + 14);
  if (blockAlign != channels * (bits / 8)) return false;
  at += 8 + fmtSize;
  const std::size_t fmtEnd = at;

  std::size_t dataStart = 0, dataEnd = 0;
  while (at < file.size()) {
    if (file.size() - at < 8) return false;
    const bool isData = std::memcmp(file.data() + at, "data", 4) == 0;
    const std::uint64_t size = Le32(file.data() + at + 4);
    if (isData) {
      if (dataStart != 0) return false;
      dataStart = at;
      // SDL allocates what the chunk claims before it reads, so a chunk claiming more than
      // the file holds is left to the checks of our reader alone.
      if (at + 8 + size > file.size()) return false;
      dataEnd = static_cast<std::size_t>(at + 8 + size);
    } else if (dataStart == 0 && size % 4 != 0) {
      return false;
    }
    at = static_cast<std::size_t>(std::min<std::uint64_t>(at + 8 + size + (size & 1), file.size()));
  }
  if (dataStart == 0) return false;
  // No other "data" or "fact" outside the samples.
  for (std::size_t i = fmtEnd; i + 4 <= file.size(); ++i) {
    if (i >= dataStart + 8 && i < dataEnd) continue;
    if (i == dataStart) continue;
    if (std::memcmp(file.data() + i, "data", 4) == 0 ||
        std::memcmp(file.data() + i, "fact", 4) == 0)
      return false;
  }
  return true;
}

// seconds follows the frames after a read; Truncate keeps the length it was given instead.
void CheckSound(const SoundX& sound, bool secondsFromFrames) {
  FUZZ_CHECK(kTarget, sound.bitsPerSample == 8 || sound.bitsPerSample == 16,
             std::to_string(sound.bitsPerSample) + " bits a sample accepted");
  FUZZ_CHECK(kTarget, sound.channels >= 1 && sound.samplesPerSecond >= 1, "no channels or rate");
  const std::size_t frameBytes = sound.bitsPerSample / 8u * sound.channels;
  FUZZ_CHECK(kTarget, sound.data.size() == static_cast<std::size_t>(sound.dataBytes),
             "dataBytes differs from the samples held");
  FUZZ_CHECK(kTarget, sound.data.size() % frameBytes == 0, "part of a sample frame kept");
  FUZZ_CHECK(kTarget, static_cast<std::size_t>(sound.frames) == sound.data.size() / frameBytes,
             "frames differs from the samples held");
  FUZZ_CHECK(kTarget,
             !secondsFromFrames || sound.seconds == static_cast<float>(sound.frames) /
                                                        static_cast<float>(sound.samplesPerSecond),
             "seconds differs from the samples held");
}

void CompareWithSdl(std::span<const std::uint8_t> file, const SoundX& sound) {
  if (!PlainLayout(file)) return;
  SDL_AudioSpec theirFormat{};
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  SDL_RWops* rw = SDL_RWFromConstMem(file.data(), static_cast<int>(file.size()));
  if (rw == nullptr) return;
  if (SDL_LoadWAV_RW(rw, 1, &theirFormat, &buffer, &length) == nullptr) return;
  const std::string_view theirs(reinterpret_cast<const char*>(buffer), length);
  const std::string_view ours(reinterpret_cast<const char*>(sound.data.data()), sound.data.size());
  const bool sameFormat = theirFormat.freq == static_cast<int>(sound.samplesPerSecond) &&
                          theirFormat.channels == sound.channels &&
                          SDL_AUDIO_BITSIZE(theirFormat.format) == sound.bitsPerSample;
  const bool sameSamples = theirs == ours;
  fuzz::Tally("compared with SDL");
  SDL_FreeWAV(buffer);
  FUZZ_CHECK(kTarget, sameFormat,
             "SDL reads " + std::to_string(theirFormat.freq) + " Hz, " +
                 std::to_string(theirFormat.channels) + " channels, " +
                 std::to_string(SDL_AUDIO_BITSIZE(theirFormat.format)) + " bits");
  FUZZ_CHECK(kTarget, sameSamples,
             "SDL reads " + std::to_string(length) + " sample bytes, we " +
                 std::to_string(sound.data.size()) + " (or they differ)");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Session session;
  const std::span<const std::uint8_t> file(data, size);
  SoundX sound;
  bool read = false;
  try {
    engine::support::File in;
    in.OpenMemory("fuzz.wav", file);
    read = sound.Load(in);
  } catch (const fuzz::ExpectedExit& exit) {
    FUZZ_CHECK(kTarget, exit.code == -1, "exit code " + std::to_string(exit.code));
    FUZZ_CHECK(kTarget,
               session.Notices().size() == 1 && session.Notices()[0].caption == "Vorel Error",
               "the exit showed no notice");
    fuzz::Tally("specified exit");
    return 0;
  }
  if (!read) {
    FUZZ_CHECK(kTarget, sound.data.empty() && sound.channels == 0 && sound.samplesPerSecond == 0,
               "a refused file changed the sound");
    fuzz::Tally("not PCM");
    return 0;
  }
  CheckSound(sound, true);
  fuzz::Tally("read");
  CompareWithSdl(file, sound);

  // Shortening keeps whole frames and never lengthens.
  const std::int32_t before = sound.frames;
  sound.Truncate(sound.seconds * static_cast<float>(size % 7) / 5.0f - 0.1f);
  FUZZ_CHECK(kTarget, sound.frames <= before, "Truncate lengthened the sound");
  CheckSound(sound, false);
  return 0;
}
