// WavMalformedTest.cpp -- damaged and hostile WAV files: one field broken at a time, and valid
// files cut at every byte. Each ends as intended (loaded with the whole frames that are there,
// left alone, or the invalid-format notice and exit) and never reads or writes outside a
// buffer, which the sanitizer build checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "engine/sound/SoundX.h"
#include "tests/common/GlobalPlatform.h"
#include "tests/common/TempDir.h"
#include "tests/sound/WavBuilder.h"

namespace engine::sound {
namespace {

using tests::FieldsOf;
using tests::kInvalidFormat;
using tests::LoadBytes;
using tests::MakeWav;
using tests::SamplesOf;
using tests::TestSamples;
using tests::WavBuild;

// 16-bit stereo at 8000 Hz: 40 frames of 4 bytes, the samples from byte 44 of 204.
WavBuild Base() {
  return MakeWav(2, 16, 8000, TestSamples(160));
}

enum class Outcome {
  kLoaded,  // true, with the samples at [start, start + kept) of the file
  kNoData,  // true, with the new format but the samples the sound had
  kNotPcm,  // false, nothing changed
  kExit     // the invalid-format notice and exit code -1
};

struct Case {
  const char* name;
  std::function<void(WavBuild&)> change;
  Outcome outcome;
  int start = 44;
  int kept = 160;
};

void SetData(WavBuild& b, std::uint32_t size) {
  b.Find("data")->size = size;
}

const std::vector<Case>& Cases() {
  static const std::vector<Case> cases = {
      // Header tags.
      {"RIFX", [](WavBuild& b) { b.riff = "RIFX"; }, Outcome::kExit},
      {"AVI instead of WAVE", [](WavBuild& b) { b.wave = "AVI "; }, Outcome::kExit},
      {"fmt not the first chunk", [](WavBuild& b) { b.fmtId = "LIST"; }, Outcome::kExit},
      {"format tag 3, float", [](WavBuild& b) { b.formatTag = 3; }, Outcome::kNotPcm},
      {"format tag 0xFFFE, extensible", [](WavBuild& b) { b.formatTag = 0xFFFE; },
       Outcome::kNotPcm},
      // fmt sizes: 16 PCM bytes are needed; any more are skipped, but must be in the file.
      {"fmt size 0", [](WavBuild& b) { b.fmtSize = 0; }, Outcome::kExit},
      {"fmt size 14", [](WavBuild& b) { b.fmtSize = 14; }, Outcome::kExit},
      {"fmt size 18 with its 2 bytes", [](WavBuild& b) { b.fmtExtra = "ab"; }, Outcome::kLoaded,
       46},
      // The 2 bytes skipped are the start of the "data" id; the grid then misses it.
      {"fmt size 18 without its 2 bytes", [](WavBuild& b) { b.fmtSize = 18; }, Outcome::kNoData},
      {"fmt size 116", [](WavBuild& b) { b.fmtExtra = std::string(100, 'x'); }, Outcome::kLoaded,
       144},
      {"fmt size 117", [](WavBuild& b) { b.fmtExtra = std::string(101, 'x'); }, Outcome::kLoaded,
       145},
      {"fmt size 200", [](WavBuild& b) { b.fmtExtra = std::string(184, 'x'); }, Outcome::kLoaded,
       228},
      {"fmt size 200 past the end", [](WavBuild& b) { b.fmtSize = 200; }, Outcome::kExit},
      {"fmt size 2^32 - 1", [](WavBuild& b) { b.fmtSize = 0xFFFFFFFF; }, Outcome::kExit},
      // Format fields.
      {"channels 0", [](WavBuild& b) { b.channels = 0; }, Outcome::kExit},
      {"bits 0", [](WavBuild& b) { b.bitsPerSample = 0; }, Outcome::kExit},
      {"bits 12", [](WavBuild& b) { b.bitsPerSample = 12; }, Outcome::kExit},
      {"bits 24", [](WavBuild& b) { b.bitsPerSample = 24; }, Outcome::kExit},
      {"rate 0", [](WavBuild& b) { b.samplesPerSecond = 0; }, Outcome::kExit},
      {"bits 8", [](WavBuild& b) { b.bitsPerSample = 8; }, Outcome::kLoaded},
      {"block align 0 is not used", [](WavBuild& b) { b.blockAlign = 0; }, Outcome::kLoaded},
      // 160 bytes are 26 frames of 6 and 4 bytes over.
      {"channels 3", [](WavBuild& b) { b.channels = 3; }, Outcome::kLoaded, 44, 156},
      // One frame is 131070 bytes, more than the chunk.
      {"channels 65535", [](WavBuild& b) { b.channels = 0xFFFF; }, Outcome::kLoaded, 44, 0},
      // Data sizes.
      {"data size 0", [](WavBuild& b) { SetData(b, 0); }, Outcome::kLoaded, 44, 0},
      {"data size odd", [](WavBuild& b) { SetData(b, 159); }, Outcome::kLoaded, 44, 156},
      {"data size far past the end", [](WavBuild& b) { SetData(b, 100000); }, Outcome::kLoaded},
      {"data size negative as signed", [](WavBuild& b) { SetData(b, 0x80000000); },
       Outcome::kLoaded},
      {"data size 2^32 - 1", [](WavBuild& b) { SetData(b, 0xFFFFFFFF); }, Outcome::kLoaded},
      // 44 + size wraps to 28 in 32 bits: a reader moving there would find this chunk again.
      {"data size wrapping back into the header", [](WavBuild& b) { SetData(b, 0xFFFFFFF0); },
       Outcome::kLoaded},
      // The scan goes on where the chunk says it ends, not after the frames kept.
      {"partial frame, then another data chunk",
       [](WavBuild& b) {
         b.Find("data")->body.pop_back();
         b.chunks.push_back({"data", TestSamples(8, 99), {}});
       },
       Outcome::kLoaded, 211, 8},
      // Chunks.
      {"no data chunk", [](WavBuild& b) { b.chunks.clear(); }, Outcome::kNoData},
      {"a later data chunk replaces the earlier",
       [](WavBuild& b) {
         b.chunks.insert(b.chunks.begin(), {"data", TestSamples(12, 99), {}});
       },
       Outcome::kLoaded, 64},
      {"a later data chunk cut short",
       [](WavBuild& b) {
         b.chunks.push_back({"data", TestSamples(10, 99), 100});
       },
       Outcome::kLoaded, 212, 8},
      // Neither the fact chunk's size nor its count is used; the count is not read as an id.
      {"fact of size 2^32 - 1, its count spelling data",
       [](WavBuild& b) {
         b.chunks.insert(b.chunks.begin(), {"fact", "data", 0xFFFFFFFF});
       },
       Outcome::kLoaded, 56},
  };
  return cases;
}

class WavMalformed : public testing::Test {
 protected:
  // Makes sound hold other samples, uploaded, so that what a load keeps or changes shows.
  void Reset() {
    sound = SoundX();
    ASSERT_TRUE(LoadBytes(sound, previous.Bytes()));
    sound.bufferIndex = 4;
    sound.dirty = 0;
  }

  void ExpectLoaded(const std::string& bytes, const WavBuild& build, int start, int kept) {
    ASSERT_TRUE(load(sound, bytes, "bad.wav"));
    EXPECT_EQ(sound.channels, build.channels);
    EXPECT_EQ(sound.bitsPerSample, build.bitsPerSample);
    EXPECT_EQ(sound.samplesPerSecond, build.samplesPerSecond);
    EXPECT_EQ(sound.dirty, 1);
    EXPECT_EQ(sound.bufferIndex, 4);
    if (start < 0) {
      EXPECT_EQ(SamplesOf(sound), TestSamples(7, 200));
      EXPECT_EQ(sound.dataBytes, 7);
      EXPECT_EQ(sound.frames, 7);
      EXPECT_FLOAT_EQ(sound.seconds, 7.0f / 11025.0f);
      return;
    }
    const int frames = kept / (build.channels * build.bitsPerSample / 8);
    EXPECT_EQ(SamplesOf(sound), bytes.substr(start, kept));
    EXPECT_EQ(sound.dataBytes, kept);
    EXPECT_EQ(sound.frames, frames);
    EXPECT_FLOAT_EQ(sound.seconds,
                    static_cast<float>(frames) / static_cast<float>(build.samplesPerSecond));
  }

  // Loads bytes from a file of that name in the test's folder.
  static bool LoadFile(SoundX& sound, const std::string& bytes, std::string_view name) {
    std::ofstream(std::string(name), std::ios::binary) << bytes;
    return sound.Load(name);
  }

  const WavBuild previous = MakeWav(1, 8, 11025, TestSamples(7, 200));
  SoundX sound;
  bool (*load)(SoundX&, const std::string&, std::string_view) = LoadBytes;
  tests::TempDir dir;
  tests::GlobalPlatform platform;
};

// Through memory and through a file on disk, whose stream may seek past its end.
TEST_F(WavMalformed, OneBrokenFieldAtATime) {
  for (bool onDisk : {false, true}) {
    for (const Case& c : Cases()) {
      SCOPED_TRACE(std::string(c.name) + (onDisk ? " (on disk)" : " (in memory)"));
      load = onDisk ? LoadFile : LoadBytes;
      Reset();
      WavBuild build = Base();
      c.change(build);
      const std::string bytes = build.Bytes();
      const auto before = FieldsOf(sound);
      switch (c.outcome) {
        case Outcome::kExit:
          EXPECT_NOTICE_EXIT(load(sound, bytes, "bad.wav"), kInvalidFormat);
          break;
        case Outcome::kNotPcm:
          EXPECT_FALSE(load(sound, bytes, "bad.wav"));
          EXPECT_EQ(FieldsOf(sound), before);
          break;
        case Outcome::kLoaded:
          ExpectLoaded(bytes, build, c.start, c.kept);
          break;
        case Outcome::kNoData:
          ExpectLoaded(bytes, build, -1, 0);
          break;
      }
    }
  }
  EXPECT_TRUE(platform.Notices().empty());
}

// Cut inside the header (up to the end of the fmt chunk) a file is invalid; cut later, it loads
// with the whole frames it still holds, or with the samples the sound had when the cut comes
// before the samples.
TEST_F(WavMalformed, EveryCutOfAValidFile) {
  struct File {
    const char* name;
    WavBuild build;
    std::size_t fmtEnd;
    std::size_t samples;
  };
  WavBuild extended = Base();
  extended.fmtExtra = "ab";
  extended.chunks.insert(extended.chunks.begin(), {"fact", "wxyz", {}});
  extended.chunks.push_back({"LIST", "abcdefgh", {}});
  const std::vector<File> files = {{"canonical", Base(), 36, 44},
                                   {"fmt 18, fact, data, LIST", extended, 38, 58}};
  for (bool onDisk : {false, true}) {
    load = onDisk ? LoadFile : LoadBytes;
    for (const File& f : files) {
      const std::string whole = f.build.Bytes();
      for (std::size_t size = 0; size < whole.size(); ++size) {
        SCOPED_TRACE(std::string(f.name) + " cut to " + std::to_string(size) + " bytes" +
                     (onDisk ? " (on disk)" : " (in memory)"));
        const std::string bytes = whole.substr(0, size);
        Reset();
        if (size < f.fmtEnd) {
          EXPECT_NOTICE_EXIT(load(sound, bytes, "bad.wav"), kInvalidFormat);
        } else if (size < f.samples) {
          ExpectLoaded(bytes, f.build, -1, 0);
        } else {
          const int there = static_cast<int>(std::min<std::size_t>(size - f.samples, 160));
          ExpectLoaded(bytes, f.build, static_cast<int>(f.samples), there - there % 4);
        }
      }
    }
  }
  EXPECT_TRUE(platform.Notices().empty());
}

}  // namespace
}  // namespace engine::sound
