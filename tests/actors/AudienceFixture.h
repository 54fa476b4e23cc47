// AudienceFixture.h -- a performer, Normal passers-by with their schedules, and small sounds
// whose playing can be read back, for the performance and dance tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "engine/core/Engine.h"
#include "engine/sound/SoundX.h"
#include "engine/support/Path.h"
#include "game/actors/Bypasser.h"
#include "game/actors/PaySchedule.h"
#include "game/actors/Player.h"
#include "tests/common/GlobalPlatform.h"
#include "tests/common/TempDir.h"

namespace tests {

struct Instalment {
  std::int32_t amount;
  std::int32_t threshold;
};

// What a Normal passer-by is made of; cash is the sum of the instalments unless given.
struct NormalSpec {
  std::int32_t state = 1;
  std::vector<Instalment> steps = {{100, 100}, {150, 320}, {200, 650}};
  std::int32_t favourite = 1;
  std::int32_t tolerated = 0;
  std::int32_t interest = 50;
  std::int32_t kind = 1;
  std::int32_t cash = -1;
  float speed = 1.3f;
};

class AudienceFixture : public testing::Test {
 protected:
  void SetUp() override {
    engine::support::SetDataFolder(CURBSIDE_DATA_DIR);
    ASSERT_TRUE(Vorel.Initialize(1, 800, 600));
    player.Init(1000, 280, 2300, 0, false, false);
  }
  void TearDown() override {
    engine::support::SetDataFolder("");
    // Every picture was found and every sound matched the first one's format.
    EXPECT_TRUE(platform.Notices().empty());
  }

  static std::unique_ptr<game::actors::Bypasser> MakeNormal(const NormalSpec& spec) {
    auto schedule = std::make_unique<game::actors::PaySchedule>();
    std::int32_t sum = 0;
    for (const Instalment& step : spec.steps) {
      schedule->Add(step.amount, step.threshold);
      sum += step.amount;
    }
    auto bypasser = std::make_unique<game::actors::Bypasser>();
    bypasser->InitNormal(spec.state == 2 ? -100 : 2300, 300, spec.speed,
                         spec.cash < 0 ? sum : spec.cash, spec.state, std::move(schedule),
                         spec.favourite, spec.tolerated, spec.interest, spec.kind);
    return bypasser;
  }

  // A short 16-bit mono sound; every sound of a test shares that format.
  static engine::sound::SoundX MakeSound(int seed) {
    engine::sound::SoundX sound;
    sound.bitsPerSample = 16;
    sound.channels = 1;
    sound.samplesPerSecond = 22050;
    sound.frames = 64;
    sound.dataBytes = sound.frames * 2;
    for (int i = 0; i < sound.dataBytes; ++i)
      sound.data.push_back(static_cast<std::uint8_t>(seed + i));
    sound.seconds = static_cast<float>(sound.frames) / 22050.0f;
    return sound;
  }

  // Whether the sound was started from its beginning since the last call. No frame is
  // presented, so a started voice stays where it began; afterwards it is stopped and moved
  // into its samples, so that only a new start from the top counts again.
  bool Played(engine::sound::SoundX& sound) {
    if (sound.bufferIndex < 0) return false;
    auto& voice =
        *platform.Platform().GetSound().Voices().at(static_cast<std::size_t>(sound.bufferIndex));
    const bool started = voice.playing && voice.position == 0;
    Vorel.StopSound(sound);
    voice.position = 2;
    return started;
  }

  TempDir dir;
  GlobalPlatform platform;
  game::actors::Player player;
  engine::sound::SoundX cashSound = MakeSound(1);
  engine::sound::SoundX wrongSound = MakeSound(2);
  engine::sound::SoundX gongSound = MakeSound(3);
};

}  // namespace tests
