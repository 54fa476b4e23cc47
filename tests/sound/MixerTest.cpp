// The mixer on known inputs: gain and pan scales, sample formats, resampling and voice length,
// saturation, and the play state it leaves behind.
#include "engine/sound/Mixer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace engine::sound {
namespace {

// A playing voice holding the given sample values (unsigned bytes for 8 bits), interleaved
// when stereo.
std::shared_ptr<Voice> MakeVoice(int bits, int channels, std::uint32_t rate,
                                 const std::vector<int>& samples) {
  auto voice = std::make_shared<Voice>();
  voice->format.channels = static_cast<std::uint16_t>(channels);
  voice->format.bitsPerSample = static_cast<std::uint16_t>(bits);
  voice->format.samplesPerSec = rate;
  voice->format.blockAlign = static_cast<std::uint16_t>(channels * bits / 8);
  voice->format.avgBytesPerSec = rate * voice->format.blockAlign;
  for (int s : samples) {
    voice->data.push_back(static_cast<std::uint8_t>(s & 0xFF));
    if (bits == 16) voice->data.push_back(static_cast<std::uint8_t>((s >> 8) & 0xFF));
  }
  voice->playing = true;
  return voice;
}

std::shared_ptr<Voice> Constant16(int value, std::size_t frames, std::uint32_t rate = 44100) {
  return MakeVoice(16, 1, rate, std::vector<int>(frames, value));
}

std::vector<int> Ramp(int frames, int step) {
  std::vector<int> ramp;
  for (int i = 0; i < frames; ++i)
    ramp.push_back(i * step);
  return ramp;
}

using Voices = std::vector<std::shared_ptr<Voice>>;

std::vector<std::int16_t> MixFrames(Mixer& mixer, std::size_t frames, const Voices& voices) {
  std::vector<std::int16_t> out(frames * static_cast<std::size_t>(mixer.Channels()), 12345);
  mixer.Mix(out, voices);
  return out;
}

// Every other sample of interleaved stereo, from the given side (0 left, 1 right).
std::vector<int> Side(const std::vector<std::int16_t>& stereo, int side) {
  std::vector<int> values;
  for (std::size_t i = static_cast<std::size_t>(side); i < stereo.size(); i += 2)
    values.push_back(stereo[i]);
  return values;
}

std::vector<int> Ints(const std::vector<std::int16_t>& samples) {
  return {samples.begin(), samples.end()};
}

TEST(MixerLevels, VolumeScalesBothSidesByTenToTheLevelOverTwoThousand) {
  struct Case {
    std::int32_t volume;
    int expected;  // for a sample of 20000
  };
  const Case cases[] = {
      {0, 20000},  {-600, 10024}, {-2000, 2000}, {-5000, 63},
      {-10000, 0}, {-9999, 0},    {500, 20000},  // louder than full level is not possible
      {-20000, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("volume " + std::to_string(c.volume));
    Mixer mixer(44100, 2);
    auto voice = Constant16(20000, 8);
    voice->volume = c.volume;
    const auto out = MixFrames(mixer, 4, {voice});
    for (const std::int16_t s : out)
      EXPECT_NEAR(s, c.expected, 1);
  }
}

TEST(MixerLevels, PanAttenuatesTheOppositeSide) {
  struct Case {
    std::int32_t volume, pan;
    int left, right;  // for a mono sample of 20000
  };
  const Case cases[] = {
      {0, 0, 20000, 20000},      {0, -10000, 20000, 0},  {0, 10000, 0, 20000},
      {0, -600, 20000, 10024},   {0, 2000, 2000, 20000}, {-600, 600, 5024, 10024},
      {-600, -600, 10024, 5024}, {0, 20000, 0, 20000},   {0, -20000, 20000, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("volume " + std::to_string(c.volume) + " pan " + std::to_string(c.pan));
    Mixer mixer(44100, 2);
    auto voice = Constant16(20000, 4);
    voice->volume = c.volume;
    voice->pan = c.pan;
    const auto out = MixFrames(mixer, 4, {voice});
    for (const int s : Side(out, 0))
      EXPECT_NEAR(s, c.left, 1);
    for (const int s : Side(out, 1))
      EXPECT_NEAR(s, c.right, 1);
  }
}

TEST(MixerFormats, SamplesReachTheOutputAtSixteenBits) {
  struct Case {
    std::string name;
    int bits, channels, outChannels;
    std::vector<int> samples;
    std::vector<int> expected;
  };
  const Case cases[] = {
      {"8-bit centre is silence", 8, 1, 2, {0x80, 0x80}, {0, 0, 0, 0}},
      {"8-bit extremes", 8, 1, 2, {0xFF, 0x00}, {32512, 32512, -32768, -32768}},
      {"8-bit stereo", 8, 2, 2, {0x90, 0x70}, {4096, -4096}},
      {"16-bit little-endian, signed", 16, 1, 2, {-2, 0x1234}, {-2, -2, 0x1234, 0x1234}},
      {"16-bit stereo keeps its sides", 16, 2, 2, {1000, -3000}, {1000, -3000}},
      {"mono output from mono", 16, 1, 1, {1000, -7}, {1000, -7}},
      {"mono output averages stereo", 16, 2, 1, {1000, 3000, -32768, -32768}, {2000, -32768}},
      {"mono output from 8-bit stereo", 8, 2, 1, {0xFF, 0x01}, {0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Mixer mixer(22050, c.outChannels);
    auto voice = MakeVoice(c.bits, c.channels, 22050, c.samples);
    const std::size_t frames = c.expected.size() / static_cast<std::size_t>(c.outChannels);
    EXPECT_EQ(Ints(MixFrames(mixer, frames, {voice})), c.expected);
  }
}

TEST(MixerFormats, PanDoesNotChangeAMonoOutput) {
  Mixer mixer(44100, 1);
  auto voice = Constant16(20000, 4);
  voice->pan = -10000;
  EXPECT_EQ(Ints(MixFrames(mixer, 2, {voice})), (std::vector<int>{20000, 20000}));
}

TEST(MixerResampling, UpsamplingInterpolatesBetweenSourceFrames) {
  // A ramp of 10 source frames: every output frame lies on the ramp, the last frame is held,
  // and the output is silent once the source has run out.
  std::vector<int> twice;  // 22050 -> 44100
  for (int i = 0; i < 20; ++i)
    twice.push_back(i == 19 ? 9000 : i * 500);
  std::vector<int> fourTimes;  // 11025 -> 44100
  for (int i = 0; i < 40; ++i)
    fourTimes.push_back(i >= 36 ? 9000 : i * 250);
  struct Case {
    std::uint32_t rate;
    std::vector<int> expected;
  };
  const Case cases[] = {{44100, Ramp(10, 1000)}, {22050, twice}, {11025, fourTimes}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.rate);
    Mixer mixer(44100, 1);
    auto voice = MakeVoice(16, 1, c.rate, Ramp(10, 1000));
    std::vector<int> expected = c.expected;
    expected.resize(expected.size() + 4, 0);
    EXPECT_EQ(Ints(MixFrames(mixer, expected.size(), {voice})), expected);
    EXPECT_FALSE(voice->playing);
  }
}

TEST(MixerResampling, DownsamplingFollowsTheSourceAtItsOwnRate) {
  Mixer mixer(44100, 1);
  auto voice = MakeVoice(16, 1, 48000, Ramp(480, 10));
  const auto out = MixFrames(mixer, 442, {voice});
  for (std::size_t i = 0; i < 441; ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(out[i], 10.0 * static_cast<double>(i) * 48000 / 44100, 1.0);
  }
  EXPECT_EQ(out[441], 0);
}

TEST(MixerResampling, AVoiceLastsItsLengthAtEveryRate) {
  // Output frames needed: the source's length in output frames, rounded up.
  struct Case {
    std::uint32_t sourceRate, outRate;
    std::size_t sourceFrames, outFrames;
  };
  const Case cases[] = {
      {22050, 44100, 11025, 22050}, {11025, 44100, 1000, 4000}, {44100, 44100, 735, 735},
      {48000, 44100, 48000, 44100}, {48000, 44100, 100, 92},    {8000, 44100, 3, 17},
      {96000, 44100, 1000, 460},    {44100, 22050, 7, 4},       {22050, 48000, 22050, 48000},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.sourceRate) + " -> " + std::to_string(c.outRate) + ", " +
                 std::to_string(c.sourceFrames) + " frames");
    Mixer mixer(c.outRate, 2);
    auto voice = Constant16(100, c.sourceFrames, c.sourceRate);
    MixFrames(mixer, c.outFrames - 1, {voice});
    EXPECT_TRUE(voice->playing) << "one output frame early";
    const auto last = MixFrames(mixer, 2, {voice});
    EXPECT_EQ(last[0], 100) << "the last frame still sounds";
    EXPECT_EQ(last[2], 0);
    EXPECT_FALSE(voice->playing);
  }
}

TEST(MixerResampling, MixingInPiecesGivesTheSameOutputAsAtOnce) {
  for (const std::uint32_t rate : {11025u, 22050u, 44100u, 48000u, 32000u}) {
    SCOPED_TRACE(rate);
    const std::vector<int> ramp = Ramp(300, 97);
    Mixer whole(44100, 2), pieces(44100, 2);
    auto once = MakeVoice(16, 1, rate, ramp);
    auto bits = MakeVoice(16, 1, rate, ramp);
    const auto expected = MixFrames(whole, 700, {once});
    std::vector<std::int16_t> got;
    for (std::size_t n = 1; got.size() < expected.size(); n = n % 13 + 5) {
      const auto part = MixFrames(pieces, std::min(n, (expected.size() - got.size()) / 2), {bits});
      got.insert(got.end(), part.begin(), part.end());
    }
    EXPECT_EQ(got, expected);
    EXPECT_EQ(bits->position, once->position);
    EXPECT_EQ(bits->phase, once->phase);
  }
}

TEST(MixerSum, LoudVoicesSaturateInsteadOfWrapping) {
  struct Case {
    std::string name;
    std::vector<int> levels;
    int expected;
  };
  const Case cases[] = {
      {"two loud", {30000, 30000}, 32767},
      {"two loud negative", {-30000, -30000}, -32768},
      {"cancelling after the peak", {30000, 30000, -30000}, 30000},
      {"two quiet add up", {1000, -300}, 700},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Mixer mixer(44100, 2);
    Voices voices;
    for (int level : c.levels)
      voices.push_back(Constant16(level, 4));
    for (const std::int16_t s : MixFrames(mixer, 4, voices))
      EXPECT_EQ(s, c.expected);
  }
}

TEST(MixerSum, VoicesThatShouldNotSoundContributeNothing) {
  auto stopped = Constant16(30000, 8);
  stopped->playing = false;
  auto lost = Constant16(30000, 8);
  lost->lost = true;
  auto badFormat = Constant16(30000, 8);
  badFormat->format.blockAlign = 4;
  auto empty = Constant16(30000, 0);
  Mixer mixer(44100, 2);
  const auto out = MixFrames(mixer, 4, {stopped, lost, badFormat, nullptr, empty});
  EXPECT_EQ(out, std::vector<std::int16_t>(8, 0));
  EXPECT_EQ(stopped->position, 0u) << "a stopped voice keeps its place";
  EXPECT_EQ(lost->position, 0u);
}

TEST(MixerPlayState, AVoiceEndingMidBufferStopsAndLeavesSilence) {
  Mixer mixer(44100, 2);
  auto voice = Constant16(1000, 5);
  const auto out = MixFrames(mixer, 10, {voice});
  EXPECT_EQ(Side(out, 0), (std::vector<int>{1000, 1000, 1000, 1000, 1000, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Side(out, 1), Side(out, 0));
  EXPECT_FALSE(voice->playing);
  EXPECT_EQ(voice->position, voice->data.size()) << "stopped at its end";
}

// Drives the voice through its playback buffer, as the engine does.
class MixerBufferTest : public ::testing::Test {
 protected:
  std::vector<int> Next(std::size_t frames) { return Ints(MixFrames(mixer_, frames, {voice_})); }

  Mixer mixer_{44100, 1};
  std::shared_ptr<Voice> voice_ = MakeVoice(16, 1, 22050, Ramp(8, 100));
  NoVoiceLock lock_;
  VoiceBuffer buffer_{voice_, lock_};
};

TEST_F(MixerBufferTest, StopThenPlayContinuesWhereItStopped) {
  EXPECT_EQ(Next(3), (std::vector<int>{0, 50, 100}));
  buffer_.Stop();
  EXPECT_EQ(Next(2), (std::vector<int>{0, 0}));
  buffer_.Play();
  EXPECT_EQ(Next(3), (std::vector<int>{150, 200, 250})) << "half-way between frames, too";
}

TEST_F(MixerBufferTest, RestartFromZeroBeginsAtTheTopEvenBetweenFrames) {
  EXPECT_EQ(Next(3), (std::vector<int>{0, 50, 100}));
  buffer_.SetCurrentPosition(0);
  buffer_.Play();
  EXPECT_EQ(Next(3), (std::vector<int>{0, 50, 100}));
}

TEST_F(MixerBufferTest, PlayAfterTheEndStartsAgainFromTheTop) {
  Next(16);
  ASSERT_FALSE(voice_->playing);
  EXPECT_EQ(Next(2), (std::vector<int>{0, 0}));
  buffer_.Play();
  EXPECT_EQ(Next(3), (std::vector<int>{0, 50, 100}));
}

TEST_F(MixerBufferTest, VolumeAndPanChangesTakeEffectAtTheNextMix) {
  Next(4);
  buffer_.SetVolume(-10000);
  EXPECT_EQ(Next(2), (std::vector<int>{0, 0}));
  EXPECT_TRUE(voice_->playing) << "a silent voice still moves on";
  buffer_.SetVolume(0);
  EXPECT_EQ(Next(2), (std::vector<int>{300, 350}));
}

}  // namespace
}  // namespace engine::sound
