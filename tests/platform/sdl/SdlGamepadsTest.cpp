// SdlGamepadsTest.cpp -- pads through SDL's virtual joysticks: a controller plugged in while the
// game runs plays through the pad controls, and one SDL has no mapping for is left alone.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/platform/PadInput.h"
#include "engine/platform/sdl/SdlPlatform.h"
#include "tests/platform/sdl/SdlEngineRun.h"
#include "tests/platform/sdl/VirtualPad.h"

namespace engine::platform::sdl {
namespace {

class SdlGamepadsTest : public tests::DummyDriverTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(windows().RegisterClass({"Vorel", "Menu", true, true}));
    window_ = windows().CreateWindow({"Vorel", "", WindowStyle::kSysMenu, 0, 0, 800, 600});
    ASSERT_NE(window_, 0u);
    windows().ShowWindow(window_, 1);
  }

  WindowSystem& windows() { return platform_->Windows(); }

  // The messages for the window that the events waiting now give, as key codes: the code for
  // a key down, minus the code for a key up.
  std::vector<int> Keys() {
    std::vector<int> keys;
    Message m;
    while (windows().PeekMessage(m)) {
      if (m.window != window_) continue;
      if (m.type == MessageType::kKeyDown) keys.push_back(static_cast<int>(m.wParam));
      if (m.type == MessageType::kKeyUp) keys.push_back(-static_cast<int>(m.wParam));
    }
    windows().FrameRan();
    return keys;
  }

  static int Attach(SDL_JoystickType type) { return tests::AttachVirtualPad(type, "virtual pad"); }

  // Without a focused window (the dummy driver never gives focus) SDL drops pad events.
  tests::ScopedEnv background_{"SDL_JOYSTICK_ALLOW_BACKGROUND_EVENTS", "1"};
  std::unique_ptr<Platform> platform_ = MakeSdlPlatform();
  WindowHandle window_ = 0;
};

TEST_F(SdlGamepadsTest, APadPluggedInPlaysAndUnpluggedReleasesWhatItHeld) {
  PadLayout layout{};
  layout[static_cast<std::size_t>(PadButton::kA)] = {PadAction::Kind::kKey, 49};
  layout[static_cast<std::size_t>(PadButton::kLeft)] = {PadAction::Kind::kKey, 37};
  windows().SetPadControls({{}, {layout}});
  const int index = Attach(SDL_JOYSTICK_TYPE_GAMECONTROLLER);
  ASSERT_GE(index, 0) << SDL_GetError();
  SDL_Joystick* pad = SDL_JoystickOpen(index);
  ASSERT_NE(pad, nullptr);
  EXPECT_TRUE(Keys().empty());

  SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 1);
  SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, -30000);
  EXPECT_EQ(Keys(), (std::vector<int>{37, 49}));                      // SDL reports the axes first
  SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, -3000);  // inside the dead zone
  EXPECT_EQ(Keys(), (std::vector<int>{-37}));

  // A tap between two frames: the release waits for the frame after the one that saw the press.
  SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 0);
  EXPECT_EQ(Keys(), (std::vector<int>{-49}));
  SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 1);
  SDL_PumpEvents();
  SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 0);
  SDL_PumpEvents();
  EXPECT_EQ(Keys(), (std::vector<int>{49}));
  EXPECT_EQ(Keys(), (std::vector<int>{-49}));
  SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 1);
  EXPECT_EQ(Keys(), (std::vector<int>{49}));

  SDL_JoystickClose(pad);
  ASSERT_EQ(SDL_JoystickDetachVirtual(index), 0);
  EXPECT_EQ(Keys(), (std::vector<int>{-49}));
}

TEST_F(SdlGamepadsTest, AJoystickWithoutAMappingIsIgnoredWithOneLine) {
  testing::internal::CaptureStderr();
  const int index = Attach(SDL_JOYSTICK_TYPE_UNKNOWN);
  ASSERT_GE(index, 0) << SDL_GetError();
  EXPECT_TRUE(Keys().empty());
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(err.find("ignoring the joystick 'virtual pad': SDL has no gamepad mapping"),
            std::string::npos)
      << err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  SDL_JoystickDetachVirtual(index);
}

}  // namespace
}  // namespace engine::platform::sdl
