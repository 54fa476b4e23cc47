// SdlWindows.h -- the window and message services of the desktop backend.
#pragma once

#include <SDL_mouse.h>
#include <SDL_rect.h>

#include <deque>
#include <map>
#include <memory>
#include <string>

#include "engine/platform/PadInput.h"
#include "engine/platform/WindowSystem.h"
#include "engine/platform/sdl/SdlEvents.h"
#include "engine/platform/sdl/SdlGamepads.h"
#include "engine/platform/sdl/SdlHotkeys.h"
#include "engine/platform/sdl/SdlPlatform.h"
#include "engine/platform/sdl/SdlReleaseHold.h"
#include "engine/platform/sdl/SdlScreen.h"

struct SDL_Window;

namespace engine::platform::sdl {

class SdlWindows final : public WindowSystem, private EventContext {
 public:
  SdlWindows(std::string appTitle, WindowIcon icon, std::shared_ptr<SdlScreen> screen);
  ~SdlWindows() override;
  SdlWindows(const SdlWindows&) = delete;
  SdlWindows& operator=(const SdlWindows&) = delete;

  // Starts the video subsystem. A desktop without a display (SDL's silent fallback to its
  // invisible driver) is a failure unless that driver was asked for by name.
  bool RegisterClass(const WindowClass& windowClass) override;
  // The display the engine draws for is its 16-bit back buffer, whatever the desktop's depth.
  int DesktopDepth() override { return 16; }
  int DesktopWidth() override;
  int DesktopHeight() override;
  // SDL places and sizes the client area, so the outer size asked for becomes the client
  // size; a framed window can be resized. The handle is the SDL window id.
  WindowHandle CreateWindow(const WindowParams& params) override;
  void DestroyWindow(WindowHandle window) override;
  Rect GetClientRect(WindowHandle window) override;
  Point ClientToScreen(WindowHandle window, Point client) override;
  void ShowWindow(WindowHandle window, int showCommand) override;
  bool UpdateWindow(WindowHandle window) override;
  WindowHandle GetForegroundWindow() override;
  // Alt+Enter and F11 are handled here (ToggleFullscreen) and never become messages. The
  // release of a press that no frame has seen yet comes after the next frame (ReleaseHold).
  // Pad events become the key, mouse and character messages the pad controls say (PadInput).
  bool PeekMessage(Message& message) override;
  void FrameRan() override;
  void SetPadControls(const PadControls& controls) override { pads_.SetControls(controls); }
  int PadSelection() override { return pads_.Selection(); }
  // Always written to standard error; shown as a dialog too where a display can show one.
  void MessageBox(WindowHandle owner, std::string_view text, std::string_view caption) override;

  // Destroys every window and the cursor; called before SDL shuts down.
  void Shutdown();

  // Switches the main window between full screen on the desktop mode and a framed, resizable
  // window. Only the window changes: the picture keeps its size and presentation scales it to
  // whatever the window is, so the game goes on undisturbed.
  void ToggleFullscreen();

 private:
  WindowHandle Resolve(std::uint32_t windowId) override;
  WindowHandle MainWindow() override;
  Point ToPicture(WindowHandle window, Point point) override;

  SDL_Window* Find(WindowHandle window) const;
  void SetIcon(SDL_Window* window) const;
  bool CanShowDialogs() const;
  void LeaveFullscreen(SDL_Window* window);

  std::string appTitle_;
  WindowIcon icon_;
  std::shared_ptr<SdlScreen> screen_;
  std::string className_;
  bool videoStarted_ = false;
  bool noDisplay_ = false;
  SDL_Cursor* cursor_ = nullptr;
  std::map<WindowHandle, SDL_Window*> windows_;
  WindowHandle shown_ = 0;  // the main window: the one most recently shown
  bool focusSeen_ = false;
  std::deque<Message> pending_;  // messages made by an event, not yet removed
  ReleaseHold releases_;
  SdlGamepads gamepads_;
  PadInput pads_;
  WindowHotkeys hotkeys_;
  // Where the main window was, framed, before it last went full screen.
  struct Windowed {
    WindowHandle window = 0;
    SDL_Rect place{};
  } windowed_;
};

}  // namespace engine::platform::sdl
