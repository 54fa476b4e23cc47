// The headless sound device: its clock of one frame's share of a second per displayed or
// skipped frame, and the engine's voices played by the real mixer as the frames go by.
#include "engine/platform/headless/HeadlessSound.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "tests/common/HeadlessEngine.h"

namespace engine::platform::headless {
namespace {

using tests::HeadlessEngine;

TEST(HeadlessSoundClock, EachFrameMixesItsShareOfASecondAndCarriesTheRest) {
  struct Case {
    std::uint32_t rate;
    int channels;
    std::size_t shortest, longest;  // output frames in one displayed frame
  };
  const Case cases[] = {
      {44100, 2, 735, 735},
      {22050, 2, 367, 368},
      {11025, 1, 183, 184},
      {48000, 2, 800, 800},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.rate) + " Hz");
    Faults faults;
    HeadlessSoundSystem sound(faults, SoundConfig{c.rate, c.channels, 60});
    std::uint64_t previous = 0;
    for (int frame = 1; frame <= 120; ++frame) {
      sound.AdvanceFrame();
      const std::uint64_t mixed = sound.FramesMixed() - previous;
      previous = sound.FramesMixed();
      ASSERT_GE(mixed, c.shortest);
      ASSERT_LE(mixed, c.longest);
      ASSERT_EQ(sound.LastOutput().size(), mixed * static_cast<std::size_t>(c.channels));
      ASSERT_EQ(sound.FramesMixed(), std::uint64_t{c.rate} * static_cast<unsigned>(frame) / 60)
          << "after frame " << frame;
    }
  }
}

// An engine started on the headless platform with one sound of 0.5 s, 8-bit mono at
// 22050 Hz, every sample at +16384, ready to play.
class Stage {
 public:
  static constexpr std::uint32_t kFrames = 11025;
  static constexpr std::int16_t kLevel = 16384;

  void Start(int fullscreen) {
    auto& e = h.Engine();
    ASSERT_TRUE(e.Initialize(fullscreen, 800, 600));
    h.Pump();
    ASSERT_NE(e.GetSoundDevice(), nullptr);
    BufferDesc desc;
    desc.bufferBytes = kFrames;
    desc.format = WaveFormat{1, 1, 22050, 22050, 1, 8, 0};
    ASSERT_EQ(e.GetSoundDevice()->CreateSoundBuffer(desc, buffer), SoundResult::kOk);
    void* first = nullptr;
    void* second = nullptr;
    std::uint32_t firstBytes = 0, secondBytes = 0;
    ASSERT_EQ(buffer->Lock(0, kFrames, first, firstBytes, second, secondBytes), SoundResult::kOk);
    std::memset(first, 0xC0, firstBytes);
    buffer->Unlock(first, firstBytes, second, secondBytes);
    voice = h.Platform().GetSound().Voices().back();
  }

  HeadlessSoundSystem& Sound() { return h.Platform().GetSound(); }

  // Presents n frames (or skips them, when the engine is inactive).
  void Frames(int n) {
    for (int i = 0; i < n; ++i)
      ASSERT_TRUE(h.Engine().ViewUpdate());
  }

  HeadlessEngine h;
  std::unique_ptr<SoundBuffer> buffer;
  std::shared_ptr<sound::Voice> voice;
};

class HeadlessPlayback : public ::testing::Test, public Stage {};

TEST(HeadlessPlaybackModes, ASoundEndsAfterItsLengthInPresentedFrames) {
  for (const int fullscreen : {1, 0}) {
    SCOPED_TRACE(fullscreen ? "flipped" : "copied to the window");
    Stage s;
    ASSERT_NO_FATAL_FAILURE(s.Start(fullscreen));
    s.buffer->Play();
    const int presented = s.h.Display().Presented();
    s.Frames(29);
    EXPECT_EQ(s.h.Display().Presented(), presented + 29);
    EXPECT_TRUE(s.voice->playing) << "0.5 s is 30 frames";
    s.Frames(1);
    EXPECT_FALSE(s.voice->playing);
  }
}

TEST_F(HeadlessPlayback, SkippedFramesAdvanceTheSoundToo) {
  ASSERT_NO_FATAL_FAILURE(Start(1));
  buffer->Play();
  Frames(10);
  h.Engine().SetActive(0);
  Frames(19);
  EXPECT_EQ(h.Display().Skipped(), 19);
  EXPECT_TRUE(voice->playing);
  Frames(1);
  EXPECT_FALSE(voice->playing);
}

TEST_F(HeadlessPlayback, TheLastFrameHoldsWhatWasMixed) {
  ASSERT_NO_FATAL_FAILURE(Start(1));
  Frames(1);
  EXPECT_EQ(Sound().LastOutput().size(), 735u * 2);
  for (const std::int16_t s : Sound().LastOutput())
    ASSERT_EQ(s, 0) << "nothing plays yet";

  buffer->Play();
  buffer->SetPan(10000);
  Frames(1);
  const auto out = Sound().LastOutput();
  for (std::size_t i = 0; i < out.size(); i += 2) {
    ASSERT_EQ(out[i], 0) << "left, at " << i;
    ASSERT_EQ(out[i + 1], kLevel) << "right, at " << i;
  }
  const std::uint64_t before = Sound().FramesMixed();
  Frames(29);
  EXPECT_EQ(Sound().FramesMixed(), before + 29 * 735);
  EXPECT_FALSE(voice->playing);
  EXPECT_EQ(Sound().LastOutput().back(), kLevel) << "it ended with the frame";
  Frames(1);
  for (const std::int16_t s : Sound().LastOutput())
    ASSERT_EQ(s, 0) << "silence after the end";
}

TEST_F(HeadlessPlayback, ReleasedBuffersFallSilent) {
  ASSERT_NO_FATAL_FAILURE(Start(1));
  buffer->Play();
  buffer.reset();
  Frames(1);
  EXPECT_FALSE(voice->playing);
  for (const std::int16_t s : Sound().LastOutput())
    ASSERT_EQ(s, 0);
}

}  // namespace
}  // namespace engine::platform::headless
