// SoundXTest.cpp -- loading WAV sounds: the header layouts the loader reads, the 4-byte grid of
// its chunk scan, a format it leaves alone, a missing file, and the upload flag and Truncate.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/sound/SoundX.h"
#include "tests/common/GlobalPlatform.h"
#include "tests/common/TempDir.h"
#include "tests/sound/WavBuilder.h"

namespace engine::sound {
namespace {

using tests::FieldsOf;
using tests::LoadBytes;
using tests::MakeWav;
using tests::SamplesOf;
using tests::TestSamples;
using tests::WavBuild;

class SoundLoad : public testing::Test {
 protected:
  tests::TempDir dir;
  tests::GlobalPlatform platform;
};

// Twelve bytes of LIST/INFO metadata and a 14-byte name: a chunk of size 26.
std::string ListBody() {
  std::string body = "INFOISFT";
  body += std::string("\x0E\0\0\0", 4);
  body += std::string("Curbside test", 13) + '\0';
  return body;
}

WavBuild With(WavBuild build, void (*change)(WavBuild&)) {
  change(build);
  return build;
}

TEST_F(SoundLoad, HeaderLayoutsLoadTheirSamples) {
  const std::string samples = TestSamples(2000);
  const WavBuild mono16 = MakeWav(1, 16, 22050, samples);
  struct Case {
    const char* name;
    WavBuild build;
    std::int32_t frames;
    float seconds;
  };
  const std::vector<Case> cases = {
      {"canonical 44-byte header", mono16, 1000, 1000.0f / 22050.0f},
      {"fmt of size 18", With(mono16, [](WavBuild& b) { b.fmtExtra = std::string(2, '\0'); }), 1000,
       1000.0f / 22050.0f},
      {"fact before data",
       With(mono16,
            [](WavBuild& b) {
              b.chunks.insert(b.chunks.begin(), {"fact", std::string("\xE8\x03\0\0", 4), {}});
            }),
       1000, 1000.0f / 22050.0f},
      {"8-bit stereo", MakeWav(2, 8, 44100, samples), 1000, 1000.0f / 44100.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SoundX sound;
    ASSERT_TRUE(LoadBytes(sound, c.build.Bytes()));
    EXPECT_EQ(sound.channels, c.build.channels);
    EXPECT_EQ(sound.bitsPerSample, c.build.bitsPerSample);
    EXPECT_EQ(sound.samplesPerSecond, c.build.samplesPerSecond);
    EXPECT_EQ(sound.dataBytes, 2000);
    EXPECT_EQ(sound.frames, c.frames);
    EXPECT_FLOAT_EQ(sound.seconds, c.seconds);
    EXPECT_EQ(SamplesOf(sound), samples);
    EXPECT_EQ(sound.bufferIndex, -1);
    EXPECT_EQ(sound.dirty, 1);
  }
  EXPECT_TRUE(platform.Notices().empty());
}

TEST_F(SoundLoad, OneSecondOf8BitStereo) {
  SoundX sound;
  ASSERT_TRUE(LoadBytes(sound, MakeWav(2, 8, 22050, TestSamples(44100)).Bytes()));
  EXPECT_EQ(sound.dataBytes, 44100);
  EXPECT_EQ(sound.frames, 22050);
  EXPECT_EQ(sound.seconds, 1.0f);
}

// The scan steps over unknown chunks 4 bytes at a time from the end of the fmt chunk, not by
// their sizes: after a chunk of size 26 the "data" id lies off that grid and is never seen.
TEST_F(SoundLoad, DataOffTheGridIsNotFound) {
  WavBuild build = MakeWav(2, 16, 44100, TestSamples(400));
  build.chunks.insert(build.chunks.begin(), {"LIST", ListBody(), {}});
  ASSERT_EQ(ListBody().size(), 26u);
  SoundX sound;
  ASSERT_TRUE(LoadBytes(sound, build.Bytes()));
  EXPECT_EQ(sound.dataBytes, 0);
  EXPECT_EQ(sound.frames, 0);
  EXPECT_EQ(sound.seconds, 0.0f);
  EXPECT_EQ(sound.Data(), nullptr);
  // The format is taken all the same.
  EXPECT_EQ(sound.channels, 2);
  EXPECT_EQ(sound.bitsPerSample, 16);
  EXPECT_EQ(sound.samplesPerSecond, 44100u);
  EXPECT_EQ(sound.dirty, 1);
}

TEST_F(SoundLoad, NonPcmFormatChangesNothing) {
  SoundX sound;
  ASSERT_TRUE(LoadBytes(sound, MakeWav(1, 8, 11025, TestSamples(30)).Bytes()));
  sound.bufferIndex = 3;
  sound.dirty = 0;
  const auto before = FieldsOf(sound);
  for (std::uint16_t tag : {0, 2, 3, 7, 0xFFFE}) {
    SCOPED_TRACE(tag);
    WavBuild build = MakeWav(2, 16, 44100, TestSamples(64));
    build.formatTag = tag;
    EXPECT_FALSE(LoadBytes(sound, build.Bytes()));
    EXPECT_EQ(FieldsOf(sound), before);
  }
  EXPECT_TRUE(platform.Notices().empty());
}

TEST_F(SoundLoad, LoadsByNameFromTheSoundsFolder) {
  std::filesystem::create_directory("Sounds");
  const std::string samples = TestSamples(300);
  dir.Write("Sounds/cash.wav", MakeWav(1, 8, 11025, samples).Bytes());
  SoundX sound;
  ASSERT_TRUE(sound.Load("Sounds\\cash.wav"));
  EXPECT_EQ(sound.frames, 300);
  EXPECT_EQ(SamplesOf(sound), samples);
}

TEST_F(SoundLoad, MissingFileShowsTheNoticeAndExits) {
  SoundX sound;
  EXPECT_NOTICE_EXIT(sound.Load("Sounds\\nothere.wav"),
                     ".WAV File Not Found: Sounds\\nothere.wav\n\nMake sure paths and names of "
                     "WAV files are correct. If you started the game outside of Visual C++, "
                     "make sure the executable is in the correct location to find sounds.");
  EXPECT_NE(dir.Read("debug.txt").find("File::Open: File does not exist for read.\n"),
            std::string::npos);
}

// A reload marks the samples for copying again, into the buffer the sound already has.
TEST_F(SoundLoad, NeedsUploadUntilCopiedAndAgainAfterReload) {
  SoundX sound;
  EXPECT_TRUE(sound.NeedsUpload());
  ASSERT_TRUE(LoadBytes(sound, MakeWav(1, 16, 22050, TestSamples(100)).Bytes()));
  EXPECT_TRUE(sound.NeedsUpload());
  sound.bufferIndex = 0;
  sound.dirty = 0;
  EXPECT_FALSE(sound.NeedsUpload());
  ASSERT_TRUE(LoadBytes(sound, MakeWav(1, 16, 22050, TestSamples(60)).Bytes()));
  EXPECT_EQ(sound.bufferIndex, 0);
  EXPECT_TRUE(sound.NeedsUpload());
}

TEST_F(SoundLoad, TruncateKeepsTheLeadingFrames) {
  // 16-bit stereo at 1000 Hz: 1000 frames, one second, 4000 bytes.
  const std::string samples = TestSamples(4000);
  struct Case {
    float seconds;
    std::int32_t frames;  // -1: unchanged
    float newSeconds;
  };
  const std::vector<Case> cases = {
      {0.25f, 250, 0.25f},
      {0.9995f, 999, 0.9995f},
      {0.0f, 0, 0.0f},
      // A negative length empties the sound rather than sizing it below zero.
      {-1.0f, 0, 0.0f},
      {1.0f, -1, 1.0f},
      {2.0f, -1, 1.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.seconds);
    SoundX sound;
    ASSERT_TRUE(LoadBytes(sound, MakeWav(2, 16, 1000, samples).Bytes()));
    sound.bufferIndex = 1;
    sound.dirty = 0;
    sound.Truncate(c.seconds);
    const std::int32_t frames = c.frames < 0 ? 1000 : c.frames;
    EXPECT_EQ(sound.frames, frames);
    EXPECT_EQ(sound.dataBytes, 4 * frames);
    EXPECT_EQ(SamplesOf(sound), samples.substr(0, 4 * frames));
    EXPECT_EQ(sound.seconds, c.newSeconds);
    EXPECT_EQ(sound.dirty, c.frames < 0 ? 0 : 1);
  }
}

TEST_F(SoundLoad, TruncateWithoutSamplesDoesNothing) {
  SoundX sound;
  sound.Truncate(-1.0f);
  EXPECT_EQ(FieldsOf(sound), FieldsOf(SoundX()));
}

}  // namespace
}  // namespace engine::sound
