// SdlEngineRun.h -- helpers for tests that start SDL: environment variables set for one test,
// a whole run of an engine on the SDL platform, and what its window shows.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "engine/core/Engine.h"
#include "engine/platform/sdl/SdlPlatform.h"

namespace tests {

// Sets (or, with nullopt, removes) an environment variable until the end of the scope. SDL
// reads its driver variables when a subsystem starts.
class ScopedEnv {
 public:
  ScopedEnv(std::string name, std::optional<std::string> value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  std::string name_;
  std::optional<std::string> previous_;
};

// Tests of the SDL backend without a display or sound device: SDL's dummy drivers.
class DummyDriverTest : public ::testing::Test {
 protected:
  ScopedEnv video_{"SDL_VIDEODRIVER", "dummy"};
  ScopedEnv audio_{"SDL_AUDIODRIVER", "dummy"};
};

bool HasEnv(const char* name);

// Called after each frame has been presented, with the frame's number from 1.
using FrameCheck = std::function<void(engine::core::Engine&, engine::platform::Platform&, int)>;

struct EngineRun {
  int exitCode = 0;
  std::int32_t statusAtStart = -1;  // the status the first frame saw
  int frames = 0;
  double seconds = 0;  // from the first frame's start to the last frame's end
  std::string log;     // debug.txt
};

inline constexpr std::uint16_t kRed565 = 0xF800;

// Runs a local engine on a fresh SDL platform in a temporary working folder: Initialize with
// the given mode, then `frames` frames that fill the back buffer with one colour (red unless
// told) and present it, then Quit. The platform is detached and destroyed before returning.
EngineRun RunOnSdl(int fullscreen, int width, int height, int frames, const FrameCheck& check = {},
                   const engine::platform::sdl::SdlOptions& options = {},
                   std::uint16_t fill = kRed565);

struct Rgb {
  int r = -1, g = -1, b = -1;
};

// What the engine's window shows at a point of its output. SDL's dummy driver renders in
// software, so the presented picture can be read back; {-1, -1, -1} where it cannot.
Rgb ShownAt(engine::core::Engine& engine, int x, int y);
inline bool IsRed(Rgb c) {
  return c.r == 255 && c.g == 0 && c.b == 0;
}
inline bool IsBlack(Rgb c) {
  return c.r == 0 && c.g == 0 && c.b == 0;
}

// Queues a pointer motion to a point of the engine's window, as the desktop would.
void PushMotion(engine::core::Engine& engine, int x, int y);

}  // namespace tests
