// WindowSystem.h -- the window and message services the engine starts and polls.
#pragma once

#include <string>
#include <string_view>

#include "engine/platform/Message.h"

namespace engine::platform {

// What the engine registers before creating its windows.
struct WindowClass {
  std::string name;      // "Vorel"
  std::string menuName;  // "Menu"
  bool arrowCursor = true;
  bool blackBackground = true;
};

enum class WindowStyle : std::uint8_t {
  kPopup,    // full screen: no frame, client area equals the outer size
  kSysMenu,  // windowed: the platform adds caption and border around the client area
};

struct WindowParams {
  std::string className;
  std::string title;
  WindowStyle style = WindowStyle::kPopup;
  int x = 0, y = 0;  // outer top-left on the desktop
  int outerWidth = 0, outerHeight = 0;
};

struct Point {
  int x = 0, y = 0;
};

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const Rect&) const = default;
};

struct PadControls;

// Window, message and notice services. Called only from the main thread.
class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  // Called by InitClass; false when the window services cannot start.
  virtual bool RegisterClass(const WindowClass& windowClass) = 0;

  // Desktop measurements read by InitWindow.
  virtual int DesktopDepth() = 0;
  virtual int DesktopWidth() = 0;
  virtual int DesktopHeight() = 0;

  // Creates a hidden window; returns 0 on failure.
  virtual WindowHandle CreateWindow(const WindowParams& params) = 0;
  // Destroys a window without sending it any message.
  virtual void DestroyWindow(WindowHandle window) = 0;
  // Client area in client coordinates: left and top are 0.
  virtual Rect GetClientRect(WindowHandle window) = 0;
  virtual Point ClientToScreen(WindowHandle window, Point client) = 0;
  virtual void ShowWindow(WindowHandle window, int showCommand) = 0;
  // Paints the shown window; false when that fails.
  virtual bool UpdateWindow(WindowHandle window) = 0;
  // The window in front that receives input, or 0.
  virtual WindowHandle GetForegroundWindow() = 0;

  // Removes one waiting message without waiting; false when none waits.
  virtual bool PeekMessage(Message& message) = 0;
  // Called by the main loop after each frame has run, before it removes the next message.
  virtual void FrameRan() = 0;

  // Gamepads, where the backend has them (PadInput.h): what they should do from now on, and
  // the menu button a pad has chosen while one is in use, else -1.
  virtual void SetPadControls(const PadControls& /*controls*/) {}
  virtual int PadSelection() { return -1; }

  // A modal notice with an OK button; returns when it has been acknowledged.
  virtual void MessageBox(WindowHandle owner, std::string_view text, std::string_view caption) = 0;
};

}  // namespace engine::platform
