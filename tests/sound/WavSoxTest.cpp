// WavSoxTest.cpp -- WAV files written by another program, sox, at test time from raw sample
// bytes the test writes: 8- and 16-bit, mono and stereo, 11025 to 44100 Hz load with exactly
// those bytes; a u-law file (a fmt chunk of 18 bytes and a fact chunk) is left alone.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "engine/sound/SoundX.h"
#include "tests/common/GlobalPlatform.h"
#include "tests/common/TempDir.h"
#include "tests/sound/WavBuilder.h"

namespace engine::sound {
namespace {

using tests::FieldsOf;
using tests::SamplesOf;
using tests::TestSamples;

bool Shell(const std::string& command) {
  return std::system((command + " 2>&1").c_str()) == 0;
}

// Makes out.wav from raw bytes with sox; 8-bit WAV samples are unsigned, 16-bit signed.
bool Sox(const tests::TempDir& dir, const std::string& raw, int rate, int bits, int channels,
         const std::string& output = "") {
  dir.Write("in.raw", raw);
  return Shell("sox -t raw -r " + std::to_string(rate) + " -e " +
               (bits == 8 ? "unsigned" : "signed") + " -b " + std::to_string(bits) + " -c " +
               std::to_string(channels) + " in.raw " + output + " out.wav");
}

class WavSox : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Shell("sox --version > /dev/null"))
        << "sox is needed; scripts/setup.sh installs it";
  }
  tests::TempDir dir;
  tests::GlobalPlatform platform;
};

TEST_F(WavSox, FilesWrittenBySoxLoadTheirSamples) {
  struct Case {
    int rate, bits, channels;
  };
  const std::vector<Case> cases = {
      {11025, 8, 1}, {22050, 8, 2}, {44100, 8, 1}, {11025, 16, 2}, {22050, 16, 1}, {44100, 16, 2},
  };
  // An odd number of frames: an 8-bit mono chunk then has an odd size and sox pads it.
  constexpr int kFrames = 301;
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.rate) + " Hz, " + std::to_string(c.bits) + " bits, " +
                 std::to_string(c.channels) + " channels");
    const int bytes = kFrames * c.channels * c.bits / 8;
    const std::string raw = TestSamples(bytes, static_cast<std::uint8_t>(c.rate));
    ASSERT_TRUE(Sox(dir, raw, c.rate, c.bits, c.channels));
    // A canonical 44-byte header and the samples, padded to an even length.
    EXPECT_EQ(dir.Read("out.wav").size(), 44u + bytes + bytes % 2);
    SoundX sound;
    ASSERT_TRUE(sound.Load("out.wav"));
    EXPECT_EQ(sound.samplesPerSecond, static_cast<std::uint32_t>(c.rate));
    EXPECT_EQ(sound.bitsPerSample, c.bits);
    EXPECT_EQ(sound.channels, c.channels);
    EXPECT_EQ(sound.dataBytes, bytes);
    EXPECT_EQ(sound.frames, kFrames);
    EXPECT_FLOAT_EQ(sound.seconds, static_cast<float>(kFrames) / static_cast<float>(c.rate));
    EXPECT_EQ(SamplesOf(sound), raw);
  }
  EXPECT_TRUE(platform.Notices().empty());
}

TEST_F(WavSox, ULawFileIsLeftAlone) {
  ASSERT_TRUE(Sox(dir, TestSamples(200), 8000, 16, 1, "-e u-law"));
  const std::string file = dir.Read("out.wav");
  ASSERT_GE(file.size(), 44u);
  EXPECT_EQ(file.substr(12, 8), std::string("fmt \x12\0\0\0", 8));
  EXPECT_EQ(file.substr(38, 4), "fact");
  SoundX sound;
  const auto before = FieldsOf(sound);
  EXPECT_FALSE(sound.Load("out.wav"));
  EXPECT_EQ(FieldsOf(sound), before);
  EXPECT_TRUE(platform.Notices().empty());
}

}  // namespace
}  // namespace engine::sound
