// Playback: the sound table, the shared format, uploads and their failures, and the play
// controls as the device's voices see them.
#include <gtest/gtest.h>

#include "engine/sound/SoundX.h"
#include "tests/common/HeadlessEngine.h"

namespace {

using engine::platform::SoundResult;
using engine::platform::headless::Op;
using engine::sound::SoundX;

// A loaded sound of the given format whose bytes count up from seed.
SoundX MakeSound(int bits, int channels, std::uint32_t rate, int frames, int seed = 1) {
  SoundX sound;
  sound.bitsPerSample = static_cast<std::uint16_t>(bits);
  sound.channels = static_cast<std::uint16_t>(channels);
  sound.samplesPerSecond = rate;
  sound.frames = frames;
  sound.dataBytes = frames * bits / 8 * channels;
  for (int i = 0; i < sound.dataBytes; ++i)
    sound.data.push_back(static_cast<std::uint8_t>(seed + i));
  sound.seconds = static_cast<float>(frames) / static_cast<float>(rate);
  return sound;
}

class Playback : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(h.Engine().Initialize(1, 800, 600)); }

  engine::core::Engine& E() { return h.Engine(); }
  const engine::sound::Voice& VoiceOf(const SoundX& sound) {
    return *h.Platform().GetSound().Voices().at(static_cast<std::size_t>(sound.bufferIndex));
  }
  int Reports(const std::string& title) {
    int n = 0;
    for (const auto& notice : h.Windows().Notices())
      n += notice.text.find(title) != std::string::npos;
    return n;
  }

  tests::HeadlessEngine h;
};

TEST_F(Playback, FirstPlayFixesTheFormatAndEachDifferingFieldIsReported) {
  SoundX first = MakeSound(8, 1, 22050, 100);
  SoundX deeper = MakeSound(16, 1, 22050, 100);
  SoundX different = MakeSound(16, 2, 44100, 100);
  E().StartSound(first, 0);
  EXPECT_EQ(E().GetSoundTable().bits, 8);
  EXPECT_EQ(E().GetSoundTable().channels, 1);
  EXPECT_EQ(E().GetSoundTable().rate, 22050u);
  E().StartSound(deeper, 0);
  EXPECT_EQ(Reports("Error: SOUNDMATCH_FAILED (Loaded sounds do not match."), 1);
  E().StartSound(different, 0);
  EXPECT_EQ(Reports("Error: SOUNDMATCH_FAILED"), 4);
  // Their samples no longer fill the shared-format buffer frame for frame.
  EXPECT_EQ(Reports("Error: SOUNDBUFLEN_FAILED"), 2);
  // Mismatched sounds still get a buffer, in the shared format.
  EXPECT_EQ(VoiceOf(different).format.bitsPerSample, 8);
  EXPECT_EQ(VoiceOf(different).format.channels, 1);
  EXPECT_EQ(VoiceOf(different).data.size(), 100u);
}

TEST_F(Playback, TableGrowsTenAtATimeAndKeepsItsIndexes) {
  std::vector<SoundX> sounds;
  for (int i = 0; i < 11; ++i)
    sounds.push_back(MakeSound(16, 1, 22050, 10, i));
  E().StartSound(sounds[0], 0);
  EXPECT_EQ(E().GetSoundTable().capacity, 10);
  for (int i = 1; i < 10; ++i)
    E().StartSound(sounds[static_cast<std::size_t>(i)], 0);
  EXPECT_EQ(E().GetSoundTable().capacity, 10);
  E().StartSound(sounds[10], 0);
  EXPECT_EQ(E().GetSoundTable().capacity, 20);
  EXPECT_EQ(E().GetSoundTable().count, 11);
  for (int i = 0; i < 11; ++i) {
    const SoundX& s = sounds[static_cast<std::size_t>(i)];
    EXPECT_EQ(s.bufferIndex, i);
    EXPECT_EQ(E().GetSoundTable().owners[static_cast<std::size_t>(i)], &s);
    EXPECT_EQ(VoiceOf(s).data, s.data) << i;
  }
}

TEST_F(Playback, UploadCopiesTheSamplesOnceUntilTheSoundChanges) {
  SoundX sound = MakeSound(16, 2, 44100, 50);
  EXPECT_TRUE(sound.NeedsUpload());
  E().StartSound(sound, 0);
  EXPECT_FALSE(sound.NeedsUpload());
  EXPECT_EQ(VoiceOf(sound).data, sound.data);
  EXPECT_TRUE(VoiceOf(sound).playing);

  // A reload of the same length reaches the same buffer at the next play.
  for (auto& byte : sound.data)
    byte = 0x55;
  sound.dirty = 1;
  E().StartSound(sound, 0);
  EXPECT_EQ(sound.bufferIndex, 0);
  EXPECT_EQ(VoiceOf(sound).data, sound.data);
  EXPECT_EQ(Reports("Error:"), 0);
}

TEST_F(Playback, ReloadOfAnotherLengthKeepsTheBufferAndIsReported) {
  SoundX sound = MakeSound(16, 1, 22050, 40);
  E().StartSound(sound, 0);
  SoundX longer = MakeSound(16, 1, 22050, 60, 9);
  sound.data = longer.data;
  sound.frames = longer.frames;
  sound.dataBytes = longer.dataBytes;
  sound.dirty = 1;
  E().StartSound(sound, 0);
  EXPECT_EQ(Reports("Error: SOUNDBUFLEN_FAILED"), 1);
  ASSERT_EQ(VoiceOf(sound).data.size(), 80u) << "the buffer keeps its length";
  EXPECT_TRUE(
      std::equal(VoiceOf(sound).data.begin(), VoiceOf(sound).data.end(), sound.data.begin()));
}

TEST_F(Playback, VolumeAndPanScales) {
  SoundX sound = MakeSound(16, 1, 22050, 10);
  const std::tuple<float, float, int, int> cases[] = {
      {0.5f, 0.0f, -2500, 0},     {0.0f, -1.0f, -5000, -10000},   {1.0f, 1.0f, 0, 10000},
      {0.25f, 0.5f, -3750, 5000}, {0.9999f, -0.33333f, 0, -3333},
  };
  for (const auto& [volume, pan, level, panLevel] : cases) {
    E().StartSoundVolumePan(sound, 0, volume, pan);
    EXPECT_EQ(VoiceOf(sound).volume, level) << volume;
    EXPECT_EQ(VoiceOf(sound).pan, panLevel) << pan;
    EXPECT_TRUE(VoiceOf(sound).playing);
  }
}

TEST_F(Playback, RestartContinueRewindAndStop) {
  SoundX sound = MakeSound(16, 1, 22050, 100);
  E().StartSound(sound, 0);
  auto& voice = const_cast<engine::sound::Voice&>(VoiceOf(sound));
  voice.position = 60;
  E().StartSound(sound, 1);
  EXPECT_EQ(voice.position, 60u) << "continues where it is";
  E().StartSound(sound, 0);
  EXPECT_EQ(voice.position, 0u) << "jumps back to its start";
  voice.position = 40;
  E().RewindSound(sound);
  EXPECT_EQ(voice.position, 0u);
  EXPECT_TRUE(voice.playing) << "rewinding does not stop";
  E().StopSound(sound);
  EXPECT_FALSE(voice.playing);
}

TEST_F(Playback, StoppingANeverPlayedSoundDoesNothing) {
  SoundX sound = MakeSound(16, 1, 22050, 10);
  E().StopSound(sound);
  EXPECT_EQ(sound.bufferIndex, -1);
  EXPECT_EQ(E().GetSoundTable().count, 0);
}

TEST_F(Playback, FailedBufferLeavesASilentEntry) {
  SoundX sound = MakeSound(16, 1, 22050, 10);
  h.Faults().Inject(Op::kCreateSoundBuffer, SoundResult::kGeneric);
  E().StartSound(sound, 0);
  EXPECT_EQ(Reports("Error: SOUNDCREATE_FAILED (Unable to create Direct Sound buffer."), 1);
  EXPECT_EQ(sound.bufferIndex, 0);
  EXPECT_EQ(E().GetSoundTable().buffers[0], nullptr);
  E().StartSound(sound, 0);
  E().RewindSound(sound);
  E().StopSound(sound);
  EXPECT_EQ(Reports("Error:"), 1) << "nothing more happens";
  EXPECT_TRUE(sound.NeedsUpload());
}

TEST_F(Playback, SilentSoundCannotHaveABuffer) {
  SoundX empty;  // loaded from a file without samples
  E().StartSound(empty, 0);
  EXPECT_EQ(Reports("Error: SOUNDCREATE_FAILED"), 1);
}

TEST_F(Playback, CapabilitiesFailureStopsTheUpload) {
  SoundX sound = MakeSound(16, 1, 22050, 10);
  h.Faults().Inject(Op::kBufferGetCaps, SoundResult::kGeneric);
  E().StartSound(sound, 0);
  EXPECT_EQ(Reports("Error: SOUNDCAPS_FAILED"), 1);
  EXPECT_TRUE(sound.NeedsUpload()) << "the samples were not copied";
}

TEST_F(Playback, LostBufferIsRestoredUpToTenTimes) {
  SoundX recovered = MakeSound(16, 1, 22050, 10);
  h.Faults().Inject(Op::kBufferLock, SoundResult::kBufferLost, 10);
  E().StartSound(recovered, 0);
  EXPECT_EQ(h.Faults().Calls(Op::kBufferRestore), 10);
  EXPECT_EQ(Reports("Error:"), 0);
  EXPECT_EQ(VoiceOf(recovered).data, recovered.data);

  SoundX lost = MakeSound(16, 1, 22050, 10);
  h.Faults().Inject(Op::kBufferLock, SoundResult::kBufferLost, 11);
  E().StartSound(lost, 0);
  EXPECT_EQ(Reports("Error: SOUNDLOST_FAIL (Direct Sound buffer was lost."), 1);
  EXPECT_TRUE(lost.NeedsUpload());
}

TEST_F(Playback, LockFailuresHaveTheirOwnCodes) {
  const std::pair<SoundResult, std::int32_t> cases[] = {
      {SoundResult::kInvalidCall, engine::core::SOUNDINVALID_FAIL},
      {SoundResult::kInvalidParam, engine::core::SOUNDPARAM_FAIL},
      {SoundResult::kPrioLevelNeeded, engine::core::SOUNDPRIOLEVEL_FAIL},
      {SoundResult::kGeneric, engine::core::SOUNDPRIOLEVEL_FAIL},  // leaves the last status
  };
  std::vector<SoundX> sounds;
  for (std::size_t i = 0; i < std::size(cases); ++i)
    sounds.push_back(MakeSound(16, 1, 22050, 4));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    h.Faults().Inject(Op::kBufferLock, cases[i].first);
    E().StartSound(sounds[i], 0);
    EXPECT_EQ(E().GetStatus(), cases[i].second) << i;
    EXPECT_EQ(h.Windows().Notices().size(), i + 1) << "each failure is reported";
  }
}

}  // namespace
