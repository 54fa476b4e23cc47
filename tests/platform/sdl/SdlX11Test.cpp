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
          result.active = engine.GetActive();
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

// Xvfb's OpenGL is Mesa's, drawing on the processor: the window is drawn by SDL's software
// renderer into the X server's shared memory instead, with no GL texture behind it.
TEST(SdlX11, ProcessorOpenGlGivesWayToTheSoftwareRenderer) {
  if (!tests::HasEnv("DISPLAY")) GTEST_SKIP() << "no X display; run under xvfb-run";
  ScopedEnv video("SDL_VIDEODRIVER", std::nullopt);
  ScopedEnv audio("SDL_AUDIODRIVER", "dummy");
  ScopedEnv render("SDL_RENDER_DRIVER", std::nullopt);
  ScopedEnv framebuffer("SDL_FRAMEBUFFER_ACCELERATION", std::nullopt);
  std::string renderer = "none";
  bool throughGl = true;
  const EngineRun run =
      tests::RunOnSdl(0, 800, 600, 5, [&](core::Engine& engine, Platform&, int frame) {
        if (frame != 3) return;
        SDL_Window* window = SDL_GetWindowFromID(engine.GetWindow());
        SDL_RendererInfo info{};
        if (SDL_GetRendererInfo(SDL_GetRenderer(window), &info) == 0) renderer = info.name;
        // Where SDL keeps the GL texture it shows a software frame through.
        throughGl = SDL_GetWindowData(window, "_SDL_WindowTextureData") != nullptr;
      });
  EXPECT_EQ(run.frames, 5);
  EXPECT_EQ(renderer, "software");
  EXPECT_FALSE(throughGl);
}

// What the window was like some frames after a hotkey, on the real display.
struct X11Mode {
  bool fullscreen = false, framed = false, resizable = false;
  int width = 0, height = 0;
  std::pair<int, int> centre{-1, -1};  // the engine's pointer after a warp to the middle
  bool inFront = false;
  bool cursorShown = false;
};

void PushKey(Uint32 window, Uint32 type, SDL_Keycode sym, SDL_Scancode scancode, Uint16 mod) {
  SDL_Event event{};
  event.key.type = type;
  event.key.windowID = window;
  event.key.keysym.sym = sym;
  event.key.keysym.scancode = scancode;
  event.key.keysym.mod = mod;
  SDL_PushEvent(&event);
}

// F11, then Alt+Enter, each given 20 frames for the X server to carry the change out.
std::vector<X11Mode> SwitchOnX11(int fullscreen, tests::EngineRun& run) {
  std::vector<X11Mode> modes(2);
  run = tests::RunOnSdl(
      fullscreen, 800, 600, 90, [&](core::Engine& engine, Platform& platform, int frame) {
        const Uint32 id = engine.GetWindow();
        SDL_Window* window = SDL_GetWindowFromID(id);
        if (frame == 10) {
          PushKey(id, SDL_KEYDOWN, SDLK_F11, SDL_SCANCODE_F11, KMOD_NONE);
          PushKey(id, SDL_KEYUP, SDLK_F11, SDL_SCANCODE_F11, KMOD_NONE);
        }
        if (frame == 50) {
          PushKey(id, SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LALT);
          PushKey(id, SDL_KEYUP, SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_NONE);
        }
        if (frame == 30 || frame == 70) {
          X11Mode& mode = modes[frame == 30 ? 0 : 1];
          const Uint32 flags = SDL_GetWindowFlags(window);
          mode.fullscreen = (flags & SDL_WINDOW_FULLSCREEN) != 0;
          mode.framed = (flags & SDL_WINDOW_BORDERLESS) == 0;
          mode.resizable = (flags & SDL_WINDOW_RESIZABLE) != 0;
          SDL_GetWindowSize(window, &mode.width, &mode.height);
          mode.inFront = platform.Windows().GetForegroundWindow() == id;
          mode.cursorShown = SDL_ShowCursor(SDL_QUERY) == SDL_ENABLE;
          SDL_WarpMouseInWindow(window, mode.width / 2, mode.height / 2);
        }
        if (frame == 45 || frame == 85) {
          modes[frame == 45 ? 0 : 1].centre = {engine.GetMouseX(), engine.GetMouseY()};
        }
      });
  return modes;
}

TEST(SdlX11, HotkeysSwitchFullScreenAndWindowOnARealDisplay) {
  if (!tests::HasEnv("DISPLAY")) GTEST_SKIP() << "no X display; run under xvfb-run";
  ScopedEnv video("SDL_VIDEODRIVER", std::nullopt);
  ScopedEnv audio("SDL_AUDIODRIVER", "dummy");
  SDL_Init(SDL_INIT_VIDEO);
  SDL_DisplayMode desktop{};
  SDL_GetDesktopDisplayMode(0, &desktop);
  SDL_Quit();
  for (const int fullscreen : {0, 1}) {
    SCOPED_TRACE(fullscreen ? "started full screen" : "started in a window");
    EngineRun run;
    const std::vector<X11Mode> modes = SwitchOnX11(fullscreen, run);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.frames, 90);
    const X11Mode& full = modes[fullscreen == 0 ? 0 : 1];
    const X11Mode& windowed = modes[fullscreen == 0 ? 1 : 0];
    EXPECT_TRUE(full.fullscreen);
    EXPECT_EQ(full.width, desktop.w);
    EXPECT_EQ(full.height, desktop.h);
    EXPECT_FALSE(windowed.fullscreen);
    EXPECT_TRUE(windowed.framed);
    EXPECT_TRUE(windowed.resizable);
    EXPECT_EQ(windowed.width, 800);
    EXPECT_EQ(windowed.height, 600);
    for (const X11Mode* mode : {&full, &windowed}) {
      EXPECT_EQ(mode->centre, std::make_pair(400, 300));
      EXPECT_TRUE(mode->inFront);
      EXPECT_TRUE(mode->cursorShown);
    }
  }
}

}  // namespace
}  // namespace engine::platform::sdl
