// WavBuilder.h -- writes small WAV files in memory for the sound loader's tests, with every
// header field open to change before the bytes are made; loads bytes through an in-memory file.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "engine/core/Engine.h"
#include "engine/sound/SoundX.h"

namespace tests {

struct WavChunk {
  std::string id;
  std::string body;
  std::optional<std::uint32_t> size;  // replaces the body's size as written
};

struct WavBuild {
  std::string riff = "RIFF";
  std::string wave = "WAVE";
  std::string fmtId = "fmt ";
  std::optional<std::uint32_t> fmtSize;  // 16 + the size of fmtExtra unless given
  std::uint16_t formatTag = 1;
  std::uint16_t channels = 1;
  std::uint32_t samplesPerSecond = 22050;
  std::uint16_t bitsPerSample = 16;
  std::optional<std::uint16_t> blockAlign;  // channels x bytes a sample unless given
  std::string fmtExtra;                     // bytes after the 16 PCM bytes of the fmt chunk
  std::vector<WavChunk> chunks;             // after the fmt chunk, in order

  // The first chunk with id, or nullptr.
  WavChunk* Find(std::string_view id);
  std::string Bytes() const;
};

// A canonical file: RIFF, WAVE, a 16-byte fmt chunk and one "data" chunk holding samples.
WavBuild MakeWav(std::uint16_t channels, std::uint16_t bits, std::uint32_t rate,
                 std::string samples);

// count sample bytes that differ from their neighbours and never spell a chunk id in four bytes
// in a row (an arithmetic run of bytes cannot spell "data" or "fact").
std::string TestSamples(std::size_t count, std::uint8_t seed = 11);

// Loads bytes through an in-memory file called name.
bool LoadBytes(engine::sound::SoundX& sound, const std::string& bytes,
               std::string_view name = "sound.wav");

// The sample bytes a sound holds.
std::string SamplesOf(const engine::sound::SoundX& sound);

// Every field of a sound, for comparing a sound before and after.
inline auto FieldsOf(const engine::sound::SoundX& s) {
  return std::make_tuple(s.samplesPerSecond, s.bitsPerSample, s.channels, s.seconds, s.frames,
                         s.dataBytes, SamplesOf(s), s.bufferIndex, s.dirty);
}

inline constexpr char kInvalidFormat[] =
    ".WAV Format Invalid: \n\nInvalid WAV Format. Not all types of WAV files are supported. Try "
    "saving your WAV file with a different program, or with 'extra wav information' turned off.";

}  // namespace tests

// Runs statement in a child process that must show the "Vorel Error" notice text and end with
// exit code -1. The child lets go of any test platform, so the notice goes to standard error,
// where the death test reads it.
#define EXPECT_NOTICE_EXIT(statement, text) \
  EXPECT_EXIT(                              \
      {                                     \
        Vorel.AttachPlatform(nullptr);      \
        statement;                          \
      },                                    \
      testing::ExitedWithCode(255), testing::Eq("Vorel Error\n" + std::string(text) + "\n\n"))
