// SdlWindows.cpp -- SDL windows, the event queue as window messages, focus, and notices.
#include "engine/platform/sdl/SdlWindows.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "engine/platform/sdl/SdlConsole.h"
#include "engine/platform/sdl/SdlVideoStart.h"

namespace engine::platform::sdl {

namespace {

// Drivers that show nothing anyone can see.
bool IsInvisibleDriver(const char* driver) {
  return driver != nullptr &&
         (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0);
}

bool HasEnv(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0';
}

// A resizable window never gets smaller than a quarter of the picture's width and height.
constexpr int kMinimumWidth = 200, kMinimumHeight = 150;

bool IsFocusEvent(const SDL_Event& event) {
  return event.type == SDL_WINDOWEVENT && (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED ||
                                           event.window.event == SDL_WINDOWEVENT_FOCUS_LOST);
}

bool IsKeyboardOrMouse(const SDL_Event& event) {
  switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_TEXTINPUT:
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
      return true;
    default:
      return false;
  }
}

}  // namespace

SdlWindows::SdlWindows(std::string appTitle, WindowIcon icon, std::shared_ptr<SdlScreen> screen)
    : appTitle_(std::move(appTitle)), icon_(std::move(icon)), screen_(std::move(screen)) {}

SdlWindows::~SdlWindows() {
  Shutdown();
}

bool SdlWindows::RegisterClass(const WindowClass& windowClass) {
  if (windowClass.name.empty()) return false;
  if (!videoStarted_) {
    if (const std::string blocker = VideoBlocker(); !blocker.empty()) {
      noDisplay_ = true;
      ConsoleLine(blocker);
      return false;
    }
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
      noDisplay_ = true;
      ConsoleLine(VideoStartFailure(SDL_GetError()));
      return false;
    }
    const char* requested = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    const bool byName = requested != nullptr && *requested != '\0';
    if (!byName && IsInvisibleDriver(SDL_GetCurrentVideoDriver())) {
      SDL_QuitSubSystem(SDL_INIT_VIDEO);
      noDisplay_ = true;
      ConsoleLine("no display found (is DISPLAY set?)");
      return false;
    }
    videoStarted_ = true;
    noDisplay_ = false;
    focusSeen_ = false;
    SDL_StartTextInput();
    gamepads_.Start();
  }
  className_ = windowClass.name;
  if (windowClass.arrowCursor && cursor_ == nullptr) {
    cursor_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    if (cursor_ != nullptr) SDL_SetCursor(cursor_);
  }
  SDL_ShowCursor(SDL_ENABLE);
  return true;
}

int SdlWindows::DesktopWidth() {
  SDL_DisplayMode mode{};
  return videoStarted_ && SDL_GetDesktopDisplayMode(0, &mode) == 0 ? mode.w : 0;
}

int SdlWindows::DesktopHeight() {
  SDL_DisplayMode mode{};
  return videoStarted_ && SDL_GetDesktopDisplayMode(0, &mode) == 0 ? mode.h : 0;
}

WindowHandle SdlWindows::CreateWindow(const WindowParams& params) {
  if (!videoStarted_ || params.className != className_) return 0;
  if (params.outerWidth <= 0 || params.outerHeight <= 0) return 0;
  // A popup has no frame; it becomes full screen when the display mode is set.
  Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI;
  flags |= params.style == WindowStyle::kPopup ? SDL_WINDOW_BORDERLESS : SDL_WINDOW_RESIZABLE;
  const std::string& title = params.title.empty() ? appTitle_ : params.title;
  SDL_Window* window = SDL_CreateWindow(title.c_str(), params.x, params.y, params.outerWidth,
                                        params.outerHeight, flags);
  if (window == nullptr) return 0;
  const WindowHandle handle = SDL_GetWindowID(window);
  if (handle == 0) {
    SDL_DestroyWindow(window);
    return 0;
  }
  SDL_SetWindowMinimumSize(window, kMinimumWidth, kMinimumHeight);
  SetIcon(window);
  windows_[handle] = window;
  return handle;
}

void SdlWindows::DestroyWindow(WindowHandle window) {
  auto it = windows_.find(window);
  if (it == windows_.end()) return;
  screen_->WindowDestroyed(window);
  SDL_DestroyWindow(it->second);
  windows_.erase(it);
  if (shown_ == window) shown_ = 0;
  std::erase_if(pending_, [window](const Message& m) { return m.window == window; });
  releases_.Forget(window);
}

// SDL copies the picture into the window; a picture that is not the size it claims is no icon.
void SdlWindows::SetIcon(SDL_Window* window) const {
  const auto bytes =
      static_cast<std::size_t>(icon_.width) * static_cast<std::size_t>(icon_.height) * 4;
  if (icon_.width <= 0 || icon_.height <= 0 || icon_.rgba.size() != bytes) return;
  SDL_Surface* picture =
      SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint8_t*>(icon_.rgba.data()), icon_.width,
                                         icon_.height, 32, icon_.width * 4, SDL_PIXELFORMAT_RGBA32);
  if (picture == nullptr) return;
  SDL_SetWindowIcon(window, picture);
  SDL_FreeSurface(picture);
}

SDL_Window* SdlWindows::Find(WindowHandle window) const {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : it->second;
}

Rect SdlWindows::GetClientRect(WindowHandle window) {
  SDL_Window* w = Find(window);
  if (w == nullptr) return {};
  Rect rect;
  SDL_GetWindowSize(w, &rect.right, &rect.bottom);
  return rect;
}

Point SdlWindows::ClientToScreen(WindowHandle window, Point client) {
  SDL_Window* w = Find(window);
  if (w == nullptr) return client;
  Point origin;
  SDL_GetWindowPosition(w, &origin.x, &origin.y);
  return {origin.x + client.x, origin.y + client.y};
}

// There is no launcher's show command on this desktop: every command shows the window.
void SdlWindows::ShowWindow(WindowHandle window, int /*showCommand*/) {
  SDL_Window* w = Find(window);
  if (w == nullptr) return;
  SDL_ShowWindow(w);
  SDL_RaiseWindow(w);
  shown_ = window;
}

bool SdlWindows::UpdateWindow(WindowHandle window) {
  return Find(window) != nullptr;
}

// The window with the keyboard focus. Under X11 SDL's window takes the focus when it is
// shown, window manager or not, and focus events follow every change. SDL's dummy and
// offscreen drivers never give focus, and a window manager may refuse it to a new window; as
// long as no focus event has ever come, the shown main window counts as in front unless it is
// minimised, or no frame would ever be shown there. The first focus event ends that rule.
WindowHandle SdlWindows::GetForegroundWindow() {
  if (SDL_Window* focus = SDL_GetKeyboardFocus()) {
    const WindowHandle id = SDL_GetWindowID(focus);
    if (windows_.count(id) != 0) {
      focusSeen_ = true;
      return id;
    }
  }
  SDL_Window* main = Find(shown_);
  if (focusSeen_ || main == nullptr) return 0;
  const Uint32 flags = SDL_GetWindowFlags(main);
  if ((flags & SDL_WINDOW_SHOWN) == 0 || (flags & SDL_WINDOW_MINIMIZED) != 0) return 0;
  return shown_;
}

bool SdlWindows::PeekMessage(Message& message) {
  if (!videoStarted_) return false;
  for (;;) {
    while (!pending_.empty()) {
      message = pending_.front();
      pending_.pop_front();
      if (releases_.Admit(message)) return true;
    }
    SDL_Event event;
    if (SDL_PollEvent(&event) == 0) return false;
    if (event.type == SDL_RENDER_DEVICE_RESET) {
      screen_->MarkTextureLost();
      continue;
    }
    if (gamepads_.Handle(event, pads_, MainWindow(), pending_)) continue;
    if (IsKeyboardOrMouse(event)) pads_.OtherInput();
    switch (hotkeys_.Filter(event)) {
      case WindowHotkeys::Action::kPass:
        break;
      case WindowHotkeys::Action::kSwallow:
        continue;
      case WindowHotkeys::Action::kToggleFullscreen:
        ToggleFullscreen();
        continue;
    }
    if (IsFocusEvent(event)) focusSeen_ = true;
    TranslateEvent(event, *this, pending_);
  }
}

void SdlWindows::FrameRan() {
  releases_.FrameRan(pending_);
  pads_.FrameRan(MainWindow(), pending_);
}

void SdlWindows::ToggleFullscreen() {
  SDL_Window* window = Find(shown_);
  if (window == nullptr) return;
  const Uint32 flags = SDL_GetWindowFlags(window);
  if ((flags & SDL_WINDOW_FULLSCREEN) != 0) {
    LeaveFullscreen(window);
  } else {
    windowed_ = {};
    if ((flags & SDL_WINDOW_BORDERLESS) == 0) {
      windowed_.window = shown_;
      SDL_GetWindowPosition(window, &windowed_.place.x, &windowed_.place.y);
      SDL_GetWindowSize(window, &windowed_.place.w, &windowed_.place.h);
    }
    CoverDisplay(window);
  }
  SDL_ShowCursor(SDL_ENABLE);
}

// The window gets back the place and size it had before it went full screen. A game that
// started full screen has a frameless window that never had either: it gets a frame and the
// picture's size (fitted to the desktop's usable area where that is smaller), centred.
void SdlWindows::LeaveFullscreen(SDL_Window* window) {
  if (SDL_SetWindowFullscreen(window, 0) != 0) return;
  SDL_SetWindowBordered(window, SDL_TRUE);
  SDL_SetWindowResizable(window, SDL_TRUE);
  if (windowed_.window == shown_ && windowed_.place.w > 0 && windowed_.place.h > 0) {
    SDL_SetWindowSize(window, windowed_.place.w, windowed_.place.h);
    SDL_SetWindowPosition(window, windowed_.place.x, windowed_.place.y);
    return;
  }
  const int display = std::max(SDL_GetWindowDisplayIndex(window), 0);
  Size size = screen_->PictureSize();
  if (size.width <= 0 || size.height <= 0) SDL_GetWindowSize(window, &size.width, &size.height);
  SDL_Rect usable{};
  if (SDL_GetDisplayUsableBounds(display, &usable) == 0 && usable.w > 0 && usable.h > 0 &&
      (size.width > usable.w || size.height > usable.h)) {
    const Rect fitted = FitPicture(size, {usable.w, usable.h});
    size = {fitted.Width(), fitted.Height()};
  }
  SDL_SetWindowSize(window, size.width, size.height);
  SDL_SetWindowPosition(window, SDL_WINDOWPOS_CENTERED_DISPLAY(display),
                        SDL_WINDOWPOS_CENTERED_DISPLAY(display));
}

void SdlWindows::MessageBox(WindowHandle owner, std::string_view text, std::string_view caption) {
  std::fprintf(stderr, "%.*s\n%.*s\n\n", static_cast<int>(caption.size()), caption.data(),
               static_cast<int>(text.size()), text.data());
  std::fflush(stderr);
  if (!CanShowDialogs()) return;
  const std::string textZ(text), captionZ(caption);
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, captionZ.c_str(), textZ.c_str(), Find(owner));
}

// A dialog nobody can see would wait for ever: none under the invisible drivers, none where
// no display was found, and before the video subsystem starts only where a display is named.
bool SdlWindows::CanShowDialogs() const {
  if (noDisplay_) return false;
  if (videoStarted_) return !IsInvisibleDriver(SDL_GetCurrentVideoDriver());
  if (IsInvisibleDriver(SDL_GetHint(SDL_HINT_VIDEODRIVER))) return false;
  return HasEnv("DISPLAY") || HasEnv("WAYLAND_DISPLAY");
}

void SdlWindows::Shutdown() {
  for (const auto& [handle, window] : windows_) {
    screen_->WindowDestroyed(handle);
    SDL_DestroyWindow(window);
  }
  windows_.clear();
  pending_.clear();
  releases_.Clear();
  shown_ = 0;
  if (cursor_ != nullptr) SDL_FreeCursor(cursor_);
  cursor_ = nullptr;
  gamepads_.Stop();
  if (videoStarted_) SDL_QuitSubSystem(SDL_INIT_VIDEO);
  videoStarted_ = false;
}

WindowHandle SdlWindows::Resolve(std::uint32_t windowId) {
  return windows_.count(windowId) != 0 ? windowId : 0;
}

WindowHandle SdlWindows::MainWindow() {
  return windows_.count(shown_) != 0 ? shown_ : 0;
}

Point SdlWindows::ToPicture(WindowHandle window, Point point) {
  return screen_->WindowToPicture(window, point);
}

}  // namespace engine::platform::sdl
