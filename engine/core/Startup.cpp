// Startup.cpp -- Initialize and its steps: window class, measured and centred window, display
// object and sound device, each leaving its status code.
#include "engine/core/Engine.h"
#include "engine/support/DebugLog.h"

namespace engine::core {

using platform::WindowParams;
using platform::WindowStyle;

namespace {

constexpr int kSoundCooperativeNormal = 1;

// Halves toward minus infinity.
constexpr int FloorHalf(int v) {
  return v >= 0 ? v / 2 : -((1 - v) / 2);
}

}  // namespace

Engine::Engine() = default;

Engine::~Engine() = default;

void Engine::DetachPlatform() {
  sounds_.buffers.clear();
  sounds_.owners.clear();
  sounds_.count = 0;
  sounds_.capacity = 0;
  directSound_.reset();
  CleanUp();
  platform_ = nullptr;
  // Without its platform the engine must be started again.
  status_ = NO_INIT;
}

bool Engine::Initialize(int fullscreen, int xres, int yres) {
  requestedFullScreen_ = fullscreen;
  requestedWidth_ = xres;
  requestedHeight_ = yres;
  support::Log.OpenLog("debug.txt");
  support::Log.Write("WindowsDX: Initialization started.\n");

  if (!InitClass() || !InitWindow() || !ShowMain()) return false;
  if (!DDStart() || !CreateSurface()) return false;
  keyCount_ = 0;
  if (!SoundStart()) return false;

  support::Log.Write("WindowsDX: Initialization finished OK.\n");
  return true;
}

bool Engine::InitClass() {
  const platform::WindowClass windowClass{"Vorel", "Menu", true, true};
  if (platform_ == nullptr || !platform_->Windows().RegisterClass(windowClass)) {
    status_ = INITCLASS_FAILED;
    return false;
  }
  status_ = INITCLASS_OK;
  return true;
}

bool Engine::InitWindow() {
  platform::WindowSystem& windows = platform_->Windows();

  screenDepth_ = windows.DesktopDepth();
  if (screenDepth_ != 16) {
    status_ = BPP_FAILED;
    return false;
  }
  screenWidth_ = windows.DesktopWidth();
  screenHeight_ = windows.DesktopHeight();
  fullScreen_ = requestedFullScreen_;

  WindowStyle style = WindowStyle::kPopup;
  if (fullScreen_ == 1) {
    drawingWidth_ = requestedWidth_;
    height_ = requestedHeight_;
  } else {
    if (requestedWidth_ > screenWidth_ || requestedHeight_ > screenHeight_) {
      status_ = REQSIZE_FAILED;
      return false;
    }
    drawingWidth_ = requestedWidth_ <= 0 ? screenWidth_ : requestedWidth_;
    height_ = requestedHeight_ <= 0 ? screenHeight_ : requestedHeight_;
    style = WindowStyle::kSysMenu;
  }

  clip_.left = 0;
  clip_.top = 0;
  clip_.right = drawingWidth_ - 1;
  clip_.bottom = height_ - 1;

  // A window of the wanted size, never shown, tells how much frame the platform adds.
  WindowParams params{"Vorel", "", style, 0, 0, drawingWidth_, height_};
  const platform::WindowHandle measuring = windows.CreateWindow(params);
  if (measuring == 0) {
    status_ = INITWINTEMP_FAILED;
    return false;
  }
  status_ = INITWINTEMP_OK;
  const platform::Rect client = windows.GetClientRect(measuring);
  windows.DestroyWindow(measuring);

  params.outerWidth = 2 * drawingWidth_ - client.Width();
  params.outerHeight = 2 * height_ - client.Height();
  if (fullScreen_ != 1) {
    params.x = FloorHalf(screenWidth_) - FloorHalf(params.outerWidth);
    params.y = FloorHalf(screenHeight_) - FloorHalf(params.outerHeight);
  }

  const platform::WindowHandle main = windows.CreateWindow(params);
  if (main == 0) {
    status_ = INITWINREAL_FAILED;
    return false;
  }
  window_ = main;
  status_ = INITWINREAL_OK;
  return true;
}

bool Engine::ShowMain() {
  platform::WindowSystem& windows = platform_->Windows();
  windows.ShowWindow(window_, showCommand_);
  if (!windows.UpdateWindow(window_)) {
    status_ = SHOWWIN_FAILED;
    return false;
  }
  status_ = SHOWWIN_OK;
  return true;
}

bool Engine::DDStart() {
  displayObject_ = platform_->Display().CreateDevice();
  if (!displayObject_) {
    status_ = DDSTART_FAILED;
    return false;
  }
  status_ = DDSTART_OK;
  if (!displayObject_->SetCooperativeLevel(window_, fullScreen_ == 1)) {
    status_ = DDSETLEVEL_FAILED;
    return false;
  }
  status_ = DDSETLEVEL_OK;
  return true;
}

bool Engine::SoundStart() {
  directSound_ = platform_->Sound().CreateDevice();
  if (!directSound_) {
    status_ = SOUNDINIT_FAILED;
    return false;
  }
  if (!directSound_->SetCooperativeLevel(window_, kSoundCooperativeNormal)) {
    directSound_.reset();
    status_ = SOUNDCOOP_FAILED;
    return false;
  }
  return true;
}

bool Engine::CleanUp() {
  locked_ = false;
  backSurface_.reset();
  primarySurface_.reset();
  displayObject_.reset();
  return true;
}

}  // namespace engine::core
