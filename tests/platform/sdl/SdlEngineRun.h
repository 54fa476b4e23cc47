// SdlEngineRun.h -- helpers for tests that start SDL: environment variables set for one test,
// and a whole run of an engine on the SDL platform.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

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
// the given mode, then `frames` frames that fill the back buffer with red and present it,
// then Quit. The platform is detached and destroyed before returning.
EngineRun RunOnSdl(int fullscreen, int width, int height, int frames, const FrameCheck& check = {},
                   const engine::platform::sdl::SdlOptions& options = {});

}  // namespace tests
