// VoiceTest.cpp -- the voice both sound backends give a new playback buffer: the formats a
// device can play, and the silence it starts with.
#include "engine/sound/Voice.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/common/BufferDescs.h"

namespace {

using engine::platform::BufferDesc;
using engine::platform::SoundResult;
using engine::platform::WaveFormat;
using engine::sound::CreateVoice;
using engine::sound::Voice;
using tests::Desc;
using tests::Pcm;

TEST(CreateVoice, OnlyForPlayableFormats) {
  WaveFormat float32 = Pcm(1, 32);
  float32.formatTag = 3;
  WaveFormat badAlign = Pcm(2, 16);
  badAlign.blockAlign = 2;
  struct Case {
    std::string name;
    BufferDesc desc;
    SoundResult expected;
  };
  const Case cases[] = {
      {"mono 8-bit", Desc(Pcm(1, 8), 100), SoundResult::kOk},
      {"mono 16-bit", Desc(Pcm(1, 16), 100), SoundResult::kOk},
      {"stereo 8-bit", Desc(Pcm(2, 8), 100), SoundResult::kOk},
      {"stereo 16-bit", Desc(Pcm(2, 16, 44100), 400), SoundResult::kOk},
      {"not PCM", Desc(float32, 400), SoundResult::kInvalidParam},
      {"no channels", Desc(Pcm(0, 16), 100), SoundResult::kInvalidParam},
      {"three channels", Desc(Pcm(3, 16), 600), SoundResult::kInvalidParam},
      {"24-bit", Desc(Pcm(1, 24), 300), SoundResult::kInvalidParam},
      {"rate 0", Desc(Pcm(1, 16, 0), 100), SoundResult::kInvalidParam},
      {"block size does not match", Desc(badAlign, 100), SoundResult::kInvalidParam},
      {"empty", Desc(Pcm(1, 16), 0), SoundResult::kInvalidParam},
      {"half a sample frame at the end", Desc(Pcm(2, 16), 102), SoundResult::kInvalidParam},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto voice = std::make_shared<Voice>();
    EXPECT_EQ(CreateVoice(c.desc, voice), c.expected);
    EXPECT_EQ(voice != nullptr, c.expected == SoundResult::kOk);
  }
}

TEST(CreateVoice, StartsSilentInItsOwnFormat) {
  std::shared_ptr<Voice> eight, sixteen;
  ASSERT_EQ(CreateVoice(Desc(Pcm(1, 8), 64), eight), SoundResult::kOk);
  ASSERT_EQ(CreateVoice(Desc(Pcm(1, 16), 64), sixteen), SoundResult::kOk);
  EXPECT_EQ(eight->data, std::vector<std::uint8_t>(64, 0x80)) << "8-bit samples are unsigned";
  EXPECT_EQ(sixteen->data, std::vector<std::uint8_t>(64, 0x00));
}

}  // namespace
