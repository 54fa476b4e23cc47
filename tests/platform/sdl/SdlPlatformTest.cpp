// SdlPlatformTest.cpp -- the engine on the SDL platform with SDL's dummy drivers: start-up,
// frames, presentation with bars, pointer positions, focus, notices, and a missing display.
#include "engine/platform/sdl/SdlPlatform.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <string>
#include <vector>

#include "engine/core/Engine.h"
#include "engine/platform/FramePacer.h"
#include "tests/common/TempDir.h"
#include "tests/platform/sdl/SdlEngineRun.h"

namespace engine::platform::sdl {
namespace {

using tests::EngineRun;
using tests::IsBlack;
using tests::IsRed;
using tests::PushMotion;
using tests::Rgb;
using tests::RunOnSdl;
using tests::ScopedEnv;
using tests::ShownAt;

using SdlDummyTest = tests::DummyDriverTest;

struct Mode {
  std::string name;
  int fullscreen, width, height;
  const char* backBufferLine;
};

TEST_F(SdlDummyTest, StartsRunsFramesAndEndsCleanly) {
  const Mode modes[] = {
      {"windowed", 0, 800, 600, "WinDX:: Back Buffer NOT A FLIP (BACK) BUFFER.\n"},
      {"full screen", 1, 800, 600, "WinDX:: Back Buffer is a valid flip (back) buffer.\n"},
  };
  for (const Mode& mode : modes) {
    SCOPED_TRACE(mode.name);
    Rgb centre;
    std::int32_t pitch = 0, height = 0;
    WindowHandle foreground = 0, window = 0;
    const EngineRun run =
        RunOnSdl(mode.fullscreen, mode.width, mode.height, 12,
                 [&](core::Engine& engine, Platform& platform, int frame) {
                   if (frame != 5) return;
                   int w = 0, h = 0;
                   SDL_GetWindowSize(SDL_GetWindowFromID(engine.GetWindow()), &w, &h);
                   centre = ShownAt(engine, w / 2, h / 2);
                   pitch = engine.GetPitch();
                   height = engine.GetHeight();
                   window = engine.GetWindow();
                   foreground = platform.Windows().GetForegroundWindow();
                 });
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.statusAtStart, 19);
    EXPECT_EQ(run.frames, 12);
    EXPECT_NE(run.log.find("WindowsDX: Initialization finished OK.\n"), std::string::npos);
    EXPECT_NE(run.log.find(mode.backBufferLine), std::string::npos) << run.log;
    EXPECT_GE(pitch, 2 * mode.width);
    EXPECT_EQ(height, mode.height);
    // No window manager gives focus here, so the shown window counts as in front...
    EXPECT_NE(window, 0u);
    EXPECT_EQ(foreground, window);
    // ...and its frames are shown.
    EXPECT_TRUE(IsRed(centre)) << centre.r << " " << centre.g << " " << centre.b;
    // The dummy driver presents at once; the pacer holds eleven frames after the first to
    // 1/60 s each.
    EXPECT_GE(run.seconds, 10 * std::chrono::duration<double>(FramePacer::kPeriod).count());
  }
}

// A 16:10 picture on the dummy driver's 4:3 desktop: bars above and below, and pointer
// positions in them land on the picture's edge.
TEST_F(SdlDummyTest, FullScreenScalesWithBarsAndMapsThePointerIntoThePicture) {
  Rgb middle, bar;
  int windowWidth = 0, windowHeight = 0;
  std::vector<std::pair<int, int>> mouse;
  const EngineRun run = RunOnSdl(1, 640, 400, 12, [&](core::Engine& engine, Platform&, int frame) {
    if (frame == 2) {
      SDL_GetWindowSize(SDL_GetWindowFromID(engine.GetWindow()), &windowWidth, &windowHeight);
      middle = ShownAt(engine, windowWidth / 2, windowHeight / 2);
      bar = ShownAt(engine, windowWidth / 2, 3);
      PushMotion(engine, windowWidth / 2, 3);
    }
    if (frame == 4) {
      mouse.emplace_back(engine.GetMouseX(), engine.GetMouseY());
      PushMotion(engine, windowWidth - 1, windowHeight - 1);
    }
    if (frame == 6) mouse.emplace_back(engine.GetMouseX(), engine.GetMouseY());
  });
  EXPECT_EQ(run.exitCode, 0);
  EXPECT_EQ(run.statusAtStart, 19);
  ASSERT_EQ(windowWidth, 1024);
  ASSERT_EQ(windowHeight, 768);
  EXPECT_TRUE(IsRed(middle));
  EXPECT_TRUE(IsBlack(bar));
  const std::vector<std::pair<int, int>> expected = {{320, 0}, {639, 399}};
  EXPECT_EQ(mouse, expected);
}

// The window shows each 16-bit colour widened by bit replication, as a screenshot records it:
// white is full white, and no channel is a step off.
TEST_F(SdlDummyTest, TheWindowShowsTheColoursAScreenshotRecords) {
  struct Case {
    std::uint16_t pixel;
    Rgb shown;
  };
  for (const Case& c : {Case{0xFFFF, {255, 255, 255}}, Case{0x7BEF, {123, 125, 123}},
                        Case{0x0841, {8, 8, 8}}, Case{0xFFE0, {255, 255, 0}}}) {
    SCOPED_TRACE(c.pixel);
    for (const int fullscreen : {0, 1}) {
      Rgb shown;
      RunOnSdl(
          fullscreen, 800, 600, 3,
          [&](core::Engine& engine, Platform&, int frame) {
            if (frame == 2) shown = ShownAt(engine, 400, 300);
          },
          {}, c.pixel);
      EXPECT_EQ(shown.r, c.shown.r);
      EXPECT_EQ(shown.g, c.shown.g);
      EXPECT_EQ(shown.b, c.shown.b);
    }
  }
}

TEST_F(SdlDummyTest, UntitledWindowsTakeTheApplicationTitle) {
  struct Case {
    SdlOptions options;
    std::string title;
  };
  const Case cases[] = {{{}, "Curbside"}, {{"Another Title", {}}, "Another Title"}};
  for (const Case& c : cases) {
    std::string title;
    RunOnSdl(
        0, 800, 600, 2,
        [&](core::Engine& engine, Platform&, int) {
          title = SDL_GetWindowTitle(SDL_GetWindowFromID(engine.GetWindow()));
        },
        c.options);
    EXPECT_EQ(title, c.title);
  }
}

// A render device reset loses the texture. Full screen restores it quietly on the next flip;
// a window shows the surface-lost notice once and restores it. Either way frames are shown
// again afterwards.
TEST_F(SdlDummyTest, RenderDeviceResetIsRecoveredByRestore) {
  struct Case {
    std::string name;
    int fullscreen;
    std::string notice;
  };
  const Case cases[] = {
      {"windowed", 0, "\n<WinDX::ViewUpdate> Error: Surface Lost\n\n"},
      {"full screen", 1, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Rgb shown;
    testing::internal::CaptureStderr();
    const EngineRun run =
        RunOnSdl(c.fullscreen, 800, 600, 10, [&](core::Engine& engine, Platform&, int frame) {
          SDL_Renderer* renderer = SDL_GetRenderer(SDL_GetWindowFromID(engine.GetWindow()));
          if (frame == 3) {
            SDL_Event reset{};
            reset.type = SDL_RENDER_DEVICE_RESET;
            SDL_PushEvent(&reset);
          }
          if (frame == 6) {
            // Paint the window blue behind the game's back; only a presented frame makes it
            // red again.
            SDL_SetRenderDrawColor(renderer, 0, 0, 255, SDL_ALPHA_OPAQUE);
            SDL_RenderClear(renderer);
          }
          if (frame == 9) shown = ShownAt(engine, 400, 300);
        });
    EXPECT_EQ(testing::internal::GetCapturedStderr(), c.notice);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(IsRed(shown)) << shown.r << " " << shown.g << " " << shown.b;
  }
}

// Closing the window, or the session asking the program to end, stops the loop: the
// renderer goes with the window, and the surfaces the engine releases afterwards find it gone.
TEST_F(SdlDummyTest, ClosingTheWindowEndsTheRun) {
  struct Case {
    std::string name;
    bool quitEvent;
  };
  for (const Case& c : {Case{"window closed", false}, Case{"session ends", true}}) {
    SCOPED_TRACE(c.name);
    const EngineRun run =
        RunOnSdl(0, 800, 600, 1000, [&](core::Engine& engine, Platform&, int frame) {
          if (frame != 3) return;
          SDL_Event event{};
          if (c.quitEvent) {
            event.type = SDL_QUIT;
          } else {
            event.window.type = SDL_WINDOWEVENT;
            event.window.windowID = engine.GetWindow();
            event.window.event = SDL_WINDOWEVENT_CLOSE;
          }
          SDL_PushEvent(&event);
        });
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.frames, 3);
  }
}

// A key tap and a click whose presses and releases all come between two frames: the next
// frame sees the key and the button held, the one after sees them released.
TEST_F(SdlDummyTest, AQuickTapAndClickAreSeenByTheNextFrame) {
  std::vector<std::pair<int, int>> seen;  // key q and the mouse button, frames 3 to 5
  RunOnSdl(0, 800, 600, 5, [&](core::Engine& engine, Platform&, int frame) {
    if (frame >= 3) seen.emplace_back(engine.KeyDown(81), engine.GetMouseButton());
    if (frame != 2) return;
    for (const Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
      SDL_Event key{};
      key.key.type = type;
      key.key.windowID = engine.GetWindow();
      key.key.keysym.sym = SDLK_q;
      key.key.keysym.scancode = SDL_SCANCODE_Q;
      SDL_PushEvent(&key);
    }
    for (const Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
      SDL_Event button{};
      button.button.type = type;
      button.button.windowID = engine.GetWindow();
      button.button.button = SDL_BUTTON_LEFT;
      SDL_PushEvent(&button);
    }
  });
  const std::vector<std::pair<int, int>> expected = {{1, 1}, {0, 0}, {0, 0}};
  EXPECT_EQ(seen, expected);
}

// The window services on their own, without an engine.
class SdlWindowsTest : public SdlDummyTest {
 protected:
  void SetUp() override { ASSERT_TRUE(windows().RegisterClass({"Vorel", "Menu", true, true})); }

  WindowSystem& windows() { return platform_->Windows(); }

  // Every message waiting now, leaving out those about other windows.
  std::vector<Message> Drain(WindowHandle window) {
    std::vector<Message> out;
    Message m;
    while (windows().PeekMessage(m)) {
      if (m.window == window) out.push_back(m);
    }
    return out;
  }

  std::unique_ptr<Platform> platform_ = MakeSdlPlatform();
};

TEST_F(SdlWindowsTest, ClientAreaIsTheSizeAskedForAtThePlaceAskedFor) {
  struct Case {
    WindowStyle style;
    bool borderless;
  };
  for (const Case c : {Case{WindowStyle::kSysMenu, false}, Case{WindowStyle::kPopup, true}}) {
    const WindowHandle w = windows().CreateWindow({"Vorel", "", c.style, 112, 84, 800, 600});
    ASSERT_NE(w, 0u);
    const Rect client = windows().GetClientRect(w);
    EXPECT_EQ(client.left, 0);
    EXPECT_EQ(client.top, 0);
    EXPECT_EQ(client.Width(), 800);
    EXPECT_EQ(client.Height(), 600);
    const Point origin = windows().ClientToScreen(w, {10, 20});
    EXPECT_EQ(origin.x, 122);
    EXPECT_EQ(origin.y, 104);
    const Uint32 flags = SDL_GetWindowFlags(SDL_GetWindowFromID(w));
    EXPECT_EQ((flags & SDL_WINDOW_BORDERLESS) != 0, c.borderless);
    EXPECT_EQ(flags & SDL_WINDOW_SHOWN, 0u);
    windows().DestroyWindow(w);
    EXPECT_FALSE(windows().UpdateWindow(w));
  }
  EXPECT_EQ(windows().CreateWindow({"Other", "", WindowStyle::kPopup, 0, 0, 800, 600}), 0u);
  EXPECT_EQ(windows().CreateWindow({"Vorel", "", WindowStyle::kPopup, 0, 0, 0, 600}), 0u);
  EXPECT_EQ(windows().DesktopDepth(), 16);
  EXPECT_GT(windows().DesktopWidth(), 0);
}

TEST_F(SdlWindowsTest, OneEventCanMakeSeveralMessagesThatComeOneAtATime) {
  const WindowHandle w = windows().CreateWindow({"Vorel", "", WindowStyle::kSysMenu, 0, 0, 80, 60});
  windows().ShowWindow(w, 1);
  Drain(w);

  SDL_Event text{};
  text.text.type = SDL_TEXTINPUT;
  text.text.windowID = w;
  SDL_strlcpy(text.text.text, "ok", sizeof(text.text.text));
  SDL_PushEvent(&text);
  SDL_Event key{};
  key.key.type = SDL_KEYDOWN;
  key.key.windowID = w;
  key.key.keysym.sym = SDLK_ESCAPE;
  key.key.keysym.scancode = SDL_SCANCODE_ESCAPE;
  SDL_PushEvent(&key);

  const std::vector<Message> got = Drain(w);
  ASSERT_EQ(got.size(), 3u);
  EXPECT_EQ(got[0].type, MessageType::kChar);
  EXPECT_EQ(got[0].wParam, std::uint32_t{'o'});
  EXPECT_EQ(got[1].type, MessageType::kChar);
  EXPECT_EQ(got[1].wParam, std::uint32_t{'k'});
  EXPECT_EQ(got[2].type, MessageType::kKeyDown);
  EXPECT_EQ(got[2].wParam, 27u);
}

TEST_F(SdlWindowsTest, ShownWindowIsInFrontUntilTheDesktopSpeaksOfFocus) {
  const WindowHandle w = windows().CreateWindow({"Vorel", "", WindowStyle::kSysMenu, 0, 0, 80, 60});
  EXPECT_EQ(windows().GetForegroundWindow(), 0u) << "hidden";
  windows().ShowWindow(w, 1);
  EXPECT_EQ(windows().GetForegroundWindow(), w);

  SDL_Event lost{};
  lost.window.type = SDL_WINDOWEVENT;
  lost.window.windowID = w;
  lost.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
  SDL_PushEvent(&lost);
  const std::vector<Message> got = Drain(w);
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0].type, MessageType::kKillFocus);
  EXPECT_EQ(got[1].type, MessageType::kActivateApp);
  EXPECT_EQ(got[1].wParam, 0u);
  EXPECT_EQ(windows().GetForegroundWindow(), 0u);
}

TEST_F(SdlWindowsTest, DestroyingAWindowDropsItsWaitingMessages) {
  const WindowHandle w = windows().CreateWindow({"Vorel", "", WindowStyle::kSysMenu, 0, 0, 80, 60});
  windows().ShowWindow(w, 1);
  Drain(w);
  SDL_Event text{};
  text.text.type = SDL_TEXTINPUT;
  text.text.windowID = w;
  SDL_strlcpy(text.text.text, "abc", sizeof(text.text.text));
  SDL_PushEvent(&text);
  Message m;
  ASSERT_TRUE(windows().PeekMessage(m));
  EXPECT_EQ(m.wParam, std::uint32_t{'a'});
  windows().DestroyWindow(w);
  EXPECT_TRUE(Drain(w).empty());
  EXPECT_EQ(windows().GetForegroundWindow(), 0u);
}

// A notice under the dummy driver is written out and never waits for a dialog.
TEST_F(SdlWindowsTest, NoticesGoToStandardErrorWithoutADialog) {
  testing::internal::CaptureStderr();
  windows().MessageBox(0, "Something went wrong.", "Vorel Error");
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "Vorel Error\nSomething went wrong.\n\n");
}

// No display and no driver asked for: SDL would fall back to an invisible driver and the game
// would run where nobody sees it. Start-up fails instead, saying why, without a dialog.
TEST(SdlNoDisplay, StartFailsWithAClearLine) {
  ScopedEnv video("SDL_VIDEODRIVER", std::nullopt);
  ScopedEnv audio("SDL_AUDIODRIVER", "dummy");
  ScopedEnv x11("DISPLAY", std::nullopt);
  ScopedEnv wayland("WAYLAND_DISPLAY", std::nullopt);
  testing::internal::CaptureStderr();
  const EngineRun run = RunOnSdl(0, 800, 600, 3);
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(run.exitCode, -1);
  EXPECT_EQ(run.frames, 0);
  EXPECT_NE(said.find(": no display found (is DISPLAY set?)\n"), std::string::npos) << said;
  EXPECT_NE(said.find("INITCLASS_FAILED"), std::string::npos) << said;
}

// Wayland asked for by name, and no compositor where libwayland looks: the line says where
// that was and what to do, and start-up fails before SDL can fall back to another driver.
TEST(SdlNoDisplay, NoWaylandCompositorFailsWithAClearLine) {
  const tests::TempDir runtime;  // an empty runtime folder: no compositor's socket
  ScopedEnv video("SDL_VIDEODRIVER", "wayland");
  ScopedEnv audio("SDL_AUDIODRIVER", "dummy");
  ScopedEnv folder("XDG_RUNTIME_DIR", runtime.Path().string());
  ScopedEnv wayland("WAYLAND_DISPLAY", "curbside-none");
  testing::internal::CaptureStderr();
  const EngineRun run = RunOnSdl(0, 800, 600, 3);
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(run.exitCode, -1);
  EXPECT_EQ(run.frames, 0);
  const std::string line = "): no Wayland compositor answers at " + runtime.Path().string() +
                           "/curbside-none; start the game in a Wayland session, or unset "
                           "SDL_VIDEODRIVER to use X11\n";
  EXPECT_NE(said.find(": cannot start the display ("), std::string::npos) << said;
  EXPECT_NE(said.find(line), std::string::npos) << said;
  EXPECT_NE(said.find("INITCLASS_FAILED"), std::string::npos) << said;
}

}  // namespace
}  // namespace engine::platform::sdl
