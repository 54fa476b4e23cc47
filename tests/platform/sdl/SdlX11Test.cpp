// SdlX11Test.cpp -- the engine on a real X display, windowed and full screen (run under
// xvfb-run in CI; skipped where no display is named).
#include <gtest/gtest.h>

#include <SDL.h>

#include <string>
#include <utility>
#include <vector>

#include "engine/core/Engine.h"
#include "tests/platform/sdl/SdlEngineRun.h"

namespace engine::platform::sdl {
namespace {

using tests::EngineRun;
using tests::ScopedEnv;

struct X11Run {
  EngineRun run;
  std::string said;  // standard error during the run
  bool inFront = false;
  std::int32_t active = 0;
  std::vector<std::pair<int, int>> mouse;  // the engine's pointer after each warp
};

// Runs a second of frames, moving the real pointer to the window's centre and then to its
// far corner, which map to the picture's centre and last pixel whatever the scaling.
X11Run RunOnX11(int fullscreen) {
  X11Run result;
  testing::internal::CaptureStderr();
  result.run = tests::RunOnSdl(
      fullscreen, 800, 600, 60, [&](core::Engine& engine, Platform& platform, int frame) {
        SDL_Window* window = SDL_GetWindowFromID(engine.GetWindow());
        int w = 0, h = 0;
        SDL_GetWindowSize(window, &w, &h);
        if (frame == 15) SDL_WarpMouseInWindow(window, w / 2, h / 2);
        if (frame == 30) {
          result.mouse.emplace_back(engine.GetMouseX(), engine.GetMouseY());
          SDL_WarpMouseInWindow(window, w - 1, h - 1);
        }
        if (frame == 45) {
          result.mouse.emplace_back(engine.GetMouseX(), engine.GetMouseY());
          result.inFront = platform.Windows().GetForegroundWindow() == engine.GetWindow();
          result.active = engine.active;
        }
      });
  result.said = testing::internal::GetCapturedStderr();
  return result;
}

TEST(SdlX11, RunsWindowedAndFullScreenOnARealDisplay) {
  if (!tests::HasEnv("DISPLAY")) GTEST_SKIP() << "no X display; run under xvfb-run";
  ScopedEnv video("SDL_VIDEODRIVER", std::nullopt);
  ScopedEnv audio("SDL_AUDIODRIVER", "dummy");
  const std::vector<std::pair<int, int>> expected = {{400, 300}, {799, 599}};
  for (const int fullscreen : {0, 1}) {
    SCOPED_TRACE(fullscreen ? "full screen" : "windowed");
    const X11Run x = RunOnX11(fullscreen);
    EXPECT_EQ(x.run.exitCode, 0);
    EXPECT_EQ(x.run.statusAtStart, 19);
    EXPECT_EQ(x.run.frames, 60);
    EXPECT_EQ(x.said, "");
    EXPECT_TRUE(x.inFront);
    EXPECT_EQ(x.active, 1);
    EXPECT_EQ(x.mouse, expected);
    EXPECT_GE(x.run.seconds, 0.9);
  }
}

}  // namespace
}  // namespace engine::platform::sdl
