// SdlWindowModeTest.cpp -- switching between full screen and a window with Alt+Enter and F11,
// and resizing the window, while the engine runs on SDL's dummy drivers.
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
using tests::IsBlack;
using tests::IsRed;
using tests::PushMotion;
using tests::Rgb;
using tests::RunOnSdl;
using tests::ShownAt;

using SdlWindowModeTest = tests::DummyDriverTest;

void PushKey(core::Engine& engine, Uint32 type, SDL_Keycode sym, SDL_Scancode scancode,
             Uint16 mod) {
  SDL_Event event{};
  event.key.type = type;
  event.key.windowID = engine.GetWindow();
  event.key.keysym.sym = sym;
  event.key.keysym.scancode = scancode;
  event.key.keysym.mod = mod;
  SDL_PushEvent(&event);
}

void PressF11(core::Engine& engine) {
  PushKey(engine, SDL_KEYDOWN, SDLK_F11, SDL_SCANCODE_F11, KMOD_NONE);
  PushKey(engine, SDL_KEYUP, SDLK_F11, SDL_SCANCODE_F11, KMOD_NONE);
}

// Alt goes down first and comes up before Enter does.
void PressAltEnter(core::Engine& engine) {
  PushKey(engine, SDL_KEYDOWN, SDLK_LALT, SDL_SCANCODE_LALT, KMOD_NONE);
  PushKey(engine, SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_LALT);
  PushKey(engine, SDL_KEYUP, SDLK_LALT, SDL_SCANCODE_LALT, KMOD_NONE);
  PushKey(engine, SDL_KEYUP, SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_NONE);
}

// What one mode of the window looked like to the player and to the game.
struct Seen {
  bool fullscreen = false;
  bool framed = false;
  bool resizable = false;
  int width = 0, height = 0;
  Rgb centre;
  bool cursorShown = false;
  std::pair<int, int> corner{-1, -1};  // the engine's pointer after a move to the far corner
  bool inFront = false;
  std::int32_t active = 0;
};

void Look(core::Engine& engine, Platform& platform, Seen& seen) {
  SDL_Window* window = SDL_GetWindowFromID(engine.GetWindow());
  const Uint32 flags = SDL_GetWindowFlags(window);
  seen.fullscreen = (flags & SDL_WINDOW_FULLSCREEN) != 0;
  seen.framed = (flags & SDL_WINDOW_BORDERLESS) == 0;
  seen.resizable = (flags & SDL_WINDOW_RESIZABLE) != 0;
  SDL_GetWindowSize(window, &seen.width, &seen.height);
  seen.centre = ShownAt(engine, seen.width / 2, seen.height / 2);
  seen.cursorShown = SDL_ShowCursor(SDL_QUERY) == SDL_ENABLE;
  seen.inFront = platform.Windows().GetForegroundWindow() == engine.GetWindow();
  seen.active = engine.GetActive();
  PushMotion(engine, seen.width - 1, seen.height - 1);
}

// Both hotkeys, each way, from either starting mode: the window changes, the picture stays
// 800 x 600 and keeps being shown, the pointer still lands in it, the window keeps the focus,
// and the game sees none of the keys and keeps its own idea of the mode.
TEST_F(SdlWindowModeTest, HotkeysSwitchBothWaysWhileTheGameRunsOn) {
  for (const int fullscreen : {0, 1}) {
    SCOPED_TRACE(fullscreen ? "started full screen" : "started in a window");
    Seen first, second;
    std::int32_t engineMode = -1, stride = 0, height = 0, keysTyped = -1;
    bool keysSeen = true;
    const EngineRun run =
        RunOnSdl(fullscreen, 800, 600, 12, [&](core::Engine& engine, Platform& platform, int f) {
          if (f == 2) PressF11(engine);
          if (f == 4) Look(engine, platform, first);
          if (f == 6) {
            first.corner = {engine.GetMouseX(), engine.GetMouseY()};
            PressAltEnter(engine);
          }
          if (f == 8) Look(engine, platform, second);
          if (f == 10) {
            second.corner = {engine.GetMouseX(), engine.GetMouseY()};
            engineMode = engine.GetFullScreen();
            stride = engine.GetStride();
            height = engine.GetHeight();
            keysTyped = engine.GetKeyCount();
            keysSeen = engine.KeyDown(122) || engine.KeyDown(13) || engine.KeyDown(18);
          }
        });
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.frames, 12);

    const bool startedWindowed = fullscreen == 0;
    const Seen* windowed = startedWindowed ? &second : &first;
    const Seen* full = startedWindowed ? &first : &second;
    EXPECT_TRUE(full->fullscreen);
    EXPECT_EQ(full->width, 1024) << "the dummy driver's desktop";
    EXPECT_EQ(full->height, 768);
    EXPECT_FALSE(windowed->fullscreen);
    // The dummy driver cannot give a frameless window a frame; the X11 test sees that done.
    if (startedWindowed) {
      EXPECT_TRUE(windowed->framed);
      EXPECT_TRUE(windowed->resizable);
    }
    EXPECT_EQ(windowed->width, 800);
    EXPECT_EQ(windowed->height, 600);
    for (const Seen* seen : {&first, &second}) {
      EXPECT_TRUE(IsRed(seen->centre));
      EXPECT_TRUE(seen->cursorShown);
      EXPECT_EQ(seen->corner, std::make_pair(799, 599));
      EXPECT_TRUE(seen->inFront);
      EXPECT_EQ(seen->active, 1);
    }
    EXPECT_EQ(engineMode, fullscreen);
    EXPECT_EQ(stride, 800);
    EXPECT_EQ(height, 600);
    EXPECT_EQ(keysTyped, 0) << "Enter would have typed a character";
    EXPECT_FALSE(keysSeen);
  }
}

// A plain Enter is still the game's key, and so is the Enter of an Alt+Enter whose Enter was
// pressed first.
TEST_F(SdlWindowModeTest, EnterWithoutAltReachesTheGame) {
  std::int32_t typed = 0;
  bool held = false, fullscreen = true;
  RunOnSdl(0, 800, 600, 4, [&](core::Engine& engine, Platform&, int f) {
    if (f == 1) PushKey(engine, SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_NONE);
    if (f == 3) {
      typed = engine.GetKeyCount();
      held = engine.KeyDown(13) != 0;
      fullscreen = (SDL_GetWindowFlags(SDL_GetWindowFromID(engine.GetWindow())) &
                    SDL_WINDOW_FULLSCREEN) != 0;
    }
  });
  EXPECT_EQ(typed, 1);
  EXPECT_TRUE(held);
  EXPECT_FALSE(fullscreen);
}

struct ResizeCase {
  std::string name;
  int width, height;
  std::vector<std::pair<int, int>> red, black;  // window points
  std::pair<int, int> first, last;              // the picture's first and last pixel shown
  std::pair<int, int> firstMapped;              // the picture pixel the first one maps to
};

// A resized window shows the picture where the letterbox puts it, and pointer positions follow.
TEST_F(SdlWindowModeTest, ResizedWindowScalesThePictureAndMapsThePointer) {
  const ResizeCase cases[] = {
      {"wider and taller, smooth",
       1000,
       700,
       {{33, 0}, {500, 350}, {965, 699}},
       {{32, 350}, {966, 350}},
       {33, 0},
       {965, 699},
       {0, 0}},
      {"a little larger, 1:1 with bars",
       820,
       610,
       {{10, 5}, {809, 604}},
       {{9, 300}, {810, 300}, {400, 4}, {400, 605}},
       {10, 5},
       {809, 604},
       {0, 0}},
      {"twice the size", 1600, 1200, {{0, 0}, {1599, 1199}}, {}, {0, 0}, {1599, 1199}, {0, 0}},
      {"smaller than the picture: a window pixel covers two",
       400,
       400,
       {{0, 50}, {399, 349}},
       {{200, 49}, {200, 350}},
       {0, 50},
       {399, 349},
       {1, 1}},
  };
  for (const ResizeCase& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<Rgb> red, black;
    std::vector<std::pair<int, int>> mouse;
    int outputWidth = 0, outputHeight = 0;
    RunOnSdl(0, 800, 600, 10, [&](core::Engine& engine, Platform&, int f) {
      SDL_Window* window = SDL_GetWindowFromID(engine.GetWindow());
      if (f == 2) SDL_SetWindowSize(window, c.width, c.height);
      if (f == 4) {
        SDL_GetRendererOutputSize(SDL_GetRenderer(window), &outputWidth, &outputHeight);
        for (const auto& [x, y] : c.red)
          red.push_back(ShownAt(engine, x, y));
        for (const auto& [x, y] : c.black)
          black.push_back(ShownAt(engine, x, y));
        PushMotion(engine, c.first.first, c.first.second);
      }
      if (f == 6) {
        mouse.emplace_back(engine.GetMouseX(), engine.GetMouseY());
        PushMotion(engine, c.last.first, c.last.second);
      }
      if (f == 8) mouse.emplace_back(engine.GetMouseX(), engine.GetMouseY());
    });
    EXPECT_EQ(outputWidth, c.width);
    EXPECT_EQ(outputHeight, c.height);
    for (const Rgb& shown : red)
      EXPECT_TRUE(IsRed(shown)) << shown.r << " " << shown.g;
    for (const Rgb& shown : black)
      EXPECT_TRUE(IsBlack(shown)) << shown.r << " " << shown.g;
    const std::vector<std::pair<int, int>> expected = {c.firstMapped, {799, 599}};
    EXPECT_EQ(mouse, expected);
  }
}

}  // namespace
}  // namespace engine::platform::sdl
