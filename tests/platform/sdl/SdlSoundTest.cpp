// SdlSoundTest.cpp -- the SDL sound device: buffer formats, voice registration, the silent
// fallback where no audio output opens, and voices played by the callback in real time.
#include "engine/platform/sdl/SdlSound.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <cstring>
#include <string>
#include <thread>

#include "tests/common/BufferDescs.h"
#include "tests/platform/sdl/SdlEngineRun.h"

namespace engine::platform::sdl {
namespace {

using tests::Desc;
using tests::Pcm;
using tests::ScopedEnv;

class SdlSoundTest : public ::testing::Test {
 protected:
  ~SdlSoundTest() override { SDL_Quit(); }

  ScopedEnv audio_{"SDL_AUDIODRIVER", "dummy"};
};

// Which formats are playable is sound::CreateVoice's to say (tests/sound/VoiceTest.cpp); the
// device passes its answer on.
TEST_F(SdlSoundTest, CreatesBuffersOnlyForPlayableFormats) {
  SdlSoundSystem system;
  const auto device = system.CreateDevice();
  ASSERT_NE(device, nullptr);
  std::unique_ptr<SoundBuffer> buffer;
  EXPECT_EQ(device->CreateSoundBuffer(Desc(Pcm(3, 16), 600), buffer), SoundResult::kInvalidParam);
  EXPECT_EQ(buffer, nullptr);
  EXPECT_EQ(system.Output().VoiceCount(), 0u);
  EXPECT_EQ(device->CreateSoundBuffer(Desc(Pcm(2, 16, 44100), 400), buffer), SoundResult::kOk);
  EXPECT_NE(buffer, nullptr);
}

// The silence they start with is sound::CreateVoice's (tests/sound/VoiceTest.cpp).
TEST_F(SdlSoundTest, BuffersAreVoicesThatLiveAsLongAsThey) {
  SdlSoundSystem system;
  const auto device = system.CreateDevice();
  ASSERT_TRUE(system.Output().HasDevice());
  std::unique_ptr<SoundBuffer> eight, sixteen;
  ASSERT_EQ(device->CreateSoundBuffer(Desc(Pcm(1, 8), 64), eight), SoundResult::kOk);
  ASSERT_EQ(device->CreateSoundBuffer(Desc(Pcm(1, 16), 64), sixteen), SoundResult::kOk);
  EXPECT_EQ(system.Output().VoiceCount(), 2u);
  EXPECT_NE(dynamic_cast<sound::VoiceBuffer*>(eight.get()), nullptr);
  EXPECT_NE(dynamic_cast<sound::VoiceBuffer*>(sixteen.get()), nullptr);

  eight.reset();
  EXPECT_EQ(system.Output().VoiceCount(), 1u);
  sixteen.reset();
  EXPECT_EQ(system.Output().VoiceCount(), 0u);
}

// The buffers lock through the running device; writing and reading them must not deadlock
// with its callback thread.
TEST_F(SdlSoundTest, WritesReachTheVoiceThroughTheDeviceLock) {
  SdlSoundSystem system;
  const auto device = system.CreateDevice();
  std::unique_ptr<SoundBuffer> buffer;
  ASSERT_EQ(device->CreateSoundBuffer(Desc(Pcm(2, 16), 16), buffer), SoundResult::kOk);
  for (int round = 0; round < 50; ++round) {
    void* first = nullptr;
    void* second = nullptr;
    std::uint32_t firstBytes = 0, secondBytes = 0;
    ASSERT_EQ(buffer->Lock(0, 16, first, firstBytes, second, secondBytes), SoundResult::kOk);
    ASSERT_EQ(firstBytes, 16u);
    std::memset(first, round, firstBytes);
    ASSERT_EQ(buffer->Unlock(first, firstBytes, second, secondBytes), SoundResult::kOk);
    ASSERT_EQ(buffer->Play(), SoundResult::kOk);
  }
  const auto& voice = dynamic_cast<sound::VoiceBuffer&>(*buffer).GetVoice();
  EXPECT_EQ(voice->data, std::vector<std::uint8_t>(16, 49));
}

TEST_F(SdlSoundTest, WithoutAudioOutputTheDeviceStillWorksAndSaysSoOnce) {
  ScopedEnv missing("SDL_AUDIODRIVER", "no-such-audio-driver");
  SdlSoundSystem system;
  testing::internal::CaptureStderr();
  const auto first = system.CreateDevice();
  const auto second = system.CreateDevice();
  const std::string said = testing::internal::GetCapturedStderr();

  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(said.find("no audio output"), std::string::npos) << said;
  EXPECT_EQ(said.find("no audio output"), said.rfind("no audio output")) << said;
  // SDL's dummy driver takes the output, so the game's timing stays as with sound.
  EXPECT_TRUE(system.Output().HasDevice());
  std::unique_ptr<SoundBuffer> buffer;
  EXPECT_EQ(first->CreateSoundBuffer(Desc(Pcm(1, 16), 64), buffer), SoundResult::kOk);
}

TEST_F(SdlSoundTest, ClosingTheDeviceLeavesBuffersUsable) {
  SdlSoundSystem system;
  const auto device = system.CreateDevice();
  std::unique_ptr<SoundBuffer> buffer;
  ASSERT_EQ(device->CreateSoundBuffer(Desc(Pcm(1, 16), 64), buffer), SoundResult::kOk);
  system.Shutdown();
  EXPECT_FALSE(system.Output().HasDevice());
  EXPECT_EQ(buffer->Play(), SoundResult::kOk);
  EXPECT_EQ(buffer->SetVolume(-500), SoundResult::kOk);
  buffer.reset();
  EXPECT_EQ(system.Output().VoiceCount(), 0u);
}

TEST_F(SdlSoundTest, TheCallbackMixesForTheObtainedFormat) {
  SdlSoundSystem system;
  const auto device = system.CreateDevice();
  ASSERT_TRUE(system.Output().HasDevice());
  EXPECT_EQ(system.Output().MixRate(), 44100u);
  EXPECT_EQ(system.Output().MixChannels(), 2);
}

// The dummy driver consumes one buffer every buffer's length, so a voice plays in about its
// own time.
TEST_F(SdlSoundTest, AVoicePlaysInRealTimeAndEnds) {
  using Clock = std::chrono::steady_clock;
  SdlSoundSystem system;
  const auto device = system.CreateDevice();
  constexpr std::uint32_t kFrames = 22050 / 4;  // 0.25 s
  std::unique_ptr<SoundBuffer> buffer;
  ASSERT_EQ(device->CreateSoundBuffer(Desc(Pcm(1, 16), kFrames * 2), buffer), SoundResult::kOk);
  const auto& voice = dynamic_cast<sound::VoiceBuffer&>(*buffer).GetVoice();
  struct Seen {
    bool playing;
    std::uint32_t position;
  };
  const auto look = [&] {
    std::lock_guard guard(system.Output().Lock());
    return Seen{voice->playing, voice->position};
  };

  const Clock::time_point start = Clock::now();
  ASSERT_EQ(buffer->Play(), SoundResult::kOk);
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  const Seen early = look();
  EXPECT_TRUE(early.playing) << "a quarter second cannot be over after a tenth";
  EXPECT_GT(early.position, 0u) << "the callback moves it on";
  EXPECT_LT(early.position, kFrames * 2);

  Seen now = look();
  while (now.playing && Clock::now() - start < std::chrono::seconds(5)) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    now = look();
  }
  const auto took = std::chrono::duration<double>(Clock::now() - start).count();
  EXPECT_FALSE(now.playing) << "still playing after " << took << " s";
  EXPECT_EQ(now.position, kFrames * 2) << "stopped at its end";
  EXPECT_GT(took, 0.2);
  EXPECT_LT(took, 2.0);
  // Play after the end starts it again from the top.
  ASSERT_EQ(buffer->Play(), SoundResult::kOk);
  EXPECT_TRUE(look().playing);
}

}  // namespace
}  // namespace engine::platform::sdl
