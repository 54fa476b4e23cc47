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
  soundBuffers.clear();
  soundOwners.clear();
  soundCount = 0;
  soundCapacity = 0;
  directSound.reset();
  CleanUp();
  platform_ = nullptr;
}

bool Engine::Initialize(int fullscreen, int xres, int yres) {
  requestedFullScreen = fullscreen;
  requestedWidth = xres;
  requestedHeight = yres;
  support::Log.OpenLog("debug.txt");
  support::Log.Write("WindowsDX: Initialization started.\n");

  if (!InitClass() || !InitWindow() || !ShowMain()) return false;
  if (!DDStart() || !CreateSurface()) return false;
  keyCount = 0;
  if (!SoundStart()) return false;

  support::Log.Write("WindowsDX: Initialization finished OK.\n");
  return true;
}

bool Engine::InitClass() {
  const platform::WindowClass windowClass{"Vorel", "Menu", true, true};
  if (platform_ == nullptr || !platform_->Windows().RegisterClass(windowClass)) {
    status = INITCLASS_FAILED;
    return false;
  }
  status = INITCLASS_OK;
  return true;
}

bool Engine::InitWindow() {
  platform::WindowSystem& windows = platform_->Windows();

  screenDepth = windows.DesktopDepth();
  if (screenDepth != 16) {
    status = BPP_FAILED;
    return false;
  }
  screenWidth = windows.DesktopWidth();
  screenHeight = windows.DesktopHeight();
  fullScreen = requestedFullScreen;

  WindowStyle style = WindowStyle::kPopup;
  if (fullScreen == 1) {
    width = requestedWidth;
    height = requestedHeight;
  } else {
    if (requestedWidth > screenWidth || requestedHeight > screenHeight) {
      status = REQSIZE_FAILED;
      return false;
    }
    width = requestedWidth <= 0 ? screenWidth : requestedWidth;
    height = requestedHeight <= 0 ? screenHeight : requestedHeight;
    style = WindowStyle::kSysMenu;
  }

  drawingWidth_ = width;
  clipLeft = 0;
  clipTop = 0;
  clipRight = width - 1;
  clipBottom = height - 1;

  // A window of the wanted size, never shown, tells how much frame the platform adds.
  WindowParams params{"Vorel", "", style, 0, 0, width, height};
  const platform::WindowHandle measuring = windows.CreateWindow(params);
  if (measuring == 0) {
    status = INITWINTEMP_FAILED;
    return false;
  }
  status = INITWINTEMP_OK;
  const platform::Rect client = windows.GetClientRect(measuring);
  windows.DestroyWindow(measuring);

  params.outerWidth = 2 * width - client.Width();
  params.outerHeight = 2 * height - client.Height();
  if (fullScreen != 1) {
    params.x = FloorHalf(screenWidth) - FloorHalf(params.outerWidth);
    params.y = FloorHalf(screenHeight) - FloorHalf(params.outerHeight);
  }

  const platform::WindowHandle main = windows.CreateWindow(params);
  if (main == 0) {
    status = INITWINREAL_FAILED;
    return false;
  }
  window = main;
  status = INITWINREAL_OK;
  return true;
}

bool Engine::ShowMain() {
  platform::WindowSystem& windows = platform_->Windows();
  windows.ShowWindow(window, showCommand);
  if (!windows.UpdateWindow(window)) {
    status = SHOWWIN_FAILED;
    return false;
  }
  status = SHOWWIN_OK;
  return true;
}

bool Engine::DDStart() {
  displayObject = platform_->Display().CreateDevice();
  if (!displayObject) {
    status = DDSTART_FAILED;
    return false;
  }
  status = DDSTART_OK;
  if (!displayObject->SetCooperativeLevel(window, fullScreen == 1)) {
    status = DDSETLEVEL_FAILED;
    return false;
  }
  status = DDSETLEVEL_OK;
  return true;
}

bool Engine::SoundStart() {
  directSound = platform_->Sound().CreateDevice();
  if (!directSound) {
    status = SOUNDINIT_FAILED;
    return false;
  }
  if (!directSound->SetCooperativeLevel(window, kSoundCooperativeNormal)) {
    directSound.reset();
    status = SOUNDCOOP_FAILED;
    return false;
  }
  return true;
}

bool Engine::CleanUp() {
  locked_ = false;
  backSurface.reset();
  primarySurface.reset();
  displayObject.reset();
  return true;
}

}  // namespace engine::core
