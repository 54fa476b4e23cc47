// SoundSetTest.cpp -- every generated sound loads through the engine's own WAV reader in the
// one format all sounds share; the tune rings on softly past its restart and sits under the
// effects; no sound clips, none is silent, and none starts or stops with a click.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/sound/SoundX.h"
#include "engine/support/Path.h"
#include "tests/assets/AssetData.h"
#include "tests/common/GlobalPlatform.h"
#include "tests/common/TempDir.h"

namespace tests::assets {
namespace {

constexpr int kFullScale = 32767;
// 750 frames at 60 frames a second: the game restarts the tune there, or a little later.
constexpr int kTuneFrames = 22050 * 750 / 60;

struct Loaded {
  ManifestEntry entry;
  std::vector<std::int16_t> samples;
};

class SoundSet : public testing::Test {
 protected:
  void SetUp() override {
    engine::support::SetDataFolder(BuildDataFolder().string());
    for (const ManifestEntry& entry : EntriesOf(ReadManifest(BuildDataFolder()), "sound")) {
      SCOPED_TRACE(entry.name);
      // A missing file would end the process from inside the reader.
      const std::string path = engine::support::ResolvePath(entry.name);
      if (!std::filesystem::exists(path)) {
        ADD_FAILURE() << "not on disk: " << path;
        continue;
      }
      engine::sound::SoundX sound;
      ASSERT_TRUE(sound.Load(entry.name));
      EXPECT_EQ(sound.samplesPerSecond, 22050u);
      EXPECT_EQ(sound.bitsPerSample, 16);
      EXPECT_EQ(sound.channels, 1);
      EXPECT_EQ(sound.frames, entry.second) << "the manifest's length";
      EXPECT_EQ(sound.dataBytes, 2 * sound.frames);
      Loaded loaded{entry, std::vector<std::int16_t>(static_cast<std::size_t>(sound.frames))};
      if (sound.Data() != nullptr) {
        std::memcpy(loaded.samples.data(), sound.Data(), loaded.samples.size() * 2);
      }
      sounds.push_back(std::move(loaded));
    }
    ASSERT_FALSE(sounds.empty()) << "no sounds listed in " << BuildDataFolder();
  }
  void TearDown() override {
    engine::support::SetDataFolder("");
    EXPECT_TRUE(platform.Notices().empty())
        << platform.Notices().front().caption << ": " << platform.Notices().front().text;
  }

  TempDir dir;
  GlobalPlatform platform;
  std::vector<Loaded> sounds;
};

int PeakOf(const std::int16_t* first, const std::int16_t* last) {
  int peak = 0;
  for (const std::int16_t* s = first; s != last; ++s)
    peak = std::max(peak, std::abs(*s));
  return peak;
}

double RmsOf(const std::int16_t* first, const std::int16_t* last) {
  double sum = 0;
  for (const std::int16_t* s = first; s != last; ++s)
    sum += static_cast<double>(*s) * *s;
  return std::sqrt(sum / static_cast<double>(std::max<std::ptrdiff_t>(last - first, 1)));
}

bool IsTune(const Loaded& sound) {
  return sound.entry.name == "Sounds\\bgsound.wav";
}

// Past the restart point the tune rings on for a restart that comes late, and fades out; a
// cut anywhere there is buried under the downbeat that follows within 5 ms. A frame early, the
// tune is already quiet.
TEST_F(SoundSet, TheTuneRingsOnPastItsRestartAndAnyCutThereIsSoft) {
  const auto tune = std::find_if(sounds.begin(), sounds.end(), IsTune);
  ASSERT_NE(tune, sounds.end());
  ASSERT_GE(tune->samples.size(), static_cast<std::size_t>(kTuneFrames + 22050 * 9 / 10));
  EXPECT_LE(tune->samples.size(), static_cast<std::size_t>(kTuneFrames + 22050 * 2));
  const std::int16_t* start = tune->samples.data();
  const std::int16_t *restart = start + kTuneFrames, *end = start + tune->samples.size();
  EXPECT_LE(PeakOf(restart - 22050 / 60, restart), kFullScale / 50);
  EXPECT_LE(PeakOf(restart, end), PeakOf(start, start + 22050 / 200) / 6);
  const int window = 22050 / 20;
  for (const std::int16_t* at = restart; at < restart + 22050 / 2; at += window)
    EXPECT_GE(RmsOf(at, at + window), RmsOf(start, restart) / 30) << at - restart;
  EXPECT_LE(RmsOf(end - window, end), RmsOf(restart, restart + 22050 / 2) / 10);
}

// Played 25 dB down, the tune sits at least 6 dB under every effect and on average no more
// than 12; two effects at once over it stay below full scale.
TEST_F(SoundSet, TheMusicSitsUnderTheEffects) {
  const auto tune = std::find_if(sounds.begin(), sounds.end(), IsTune);
  ASSERT_NE(tune, sounds.end());
  ASSERT_GE(tune->samples.size(), static_cast<std::size_t>(kTuneFrames));
  const double gain = std::pow(10.0, -25.0 / 20.0);
  const std::int16_t* start = tune->samples.data();
  const double music = gain * RmsOf(start, start + kTuneFrames);
  double above = 0;
  std::vector<int> peaks;
  for (const Loaded& sound : sounds) {
    if (IsTune(sound)) continue;
    const std::int16_t *first = sound.samples.data(), *last = first + sound.samples.size();
    const double lift = 20.0 * std::log10(RmsOf(first, last) / music);
    EXPECT_GE(lift, 6.0) << sound.entry.name;
    above += lift;
    peaks.push_back(PeakOf(first, last));
  }
  ASSERT_GE(peaks.size(), 2u);
  EXPECT_LE(above / static_cast<double>(peaks.size()), 12.0);
  std::sort(peaks.rbegin(), peaks.rend());
  EXPECT_LT(peaks[0] + peaks[1] + gain * PeakOf(start, start + tune->samples.size()), kFullScale);
}

// Each effect marks one moment of play; the count-down's thumps come 100 frames apart.
TEST_F(SoundSet, EffectsAreShort) {
  for (const Loaded& sound : sounds) {
    if (IsTune(sound)) continue;
    SCOPED_TRACE(sound.entry.name);
    EXPECT_GE(sound.samples.size(), 22050u / 10);
    EXPECT_LE(sound.samples.size(), 22050u * 100 / 60);
  }
}

// Synthesis scaled too far is cut off at full scale; a sound far below it is lost under the
// rest of the game.
TEST_F(SoundSet, NoSoundClipsAndNoneIsSilent) {
  for (const Loaded& sound : sounds) {
    SCOPED_TRACE(sound.entry.name);
    const int peak = PeakOf(sound.samples.data(), sound.samples.data() + sound.samples.size());
    EXPECT_LT(peak, kFullScale);
    EXPECT_GT(peak, kFullScale / 10);
  }
}

// A sound that starts or stops away from 0 clicks.
TEST_F(SoundSet, SoundsStartAndStopWithoutAClick) {
  for (const Loaded& sound : sounds) {
    SCOPED_TRACE(sound.entry.name);
    ASSERT_FALSE(sound.samples.empty());
    EXPECT_LE(std::abs(sound.samples.front()), kFullScale / 100);
    EXPECT_LE(std::abs(sound.samples.back()), kFullScale / 100);
  }
}

}  // namespace
}  // namespace tests::assets
