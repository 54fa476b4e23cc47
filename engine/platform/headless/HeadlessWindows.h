// HeadlessWindows.h -- windows and messages kept in memory: a configurable desktop, a message
// queue that callers fill, and notices written to standard error.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "engine/platform/WindowSystem.h"
#include "engine/platform/headless/Faults.h"

namespace engine::platform::headless {

struct DesktopConfig {
  int width = 1024;
  int height = 768;
  int depth = 16;
  // The frame a windowed (caption and border) window adds around its client area.
  int frameLeft = 8, frameTop = 35, frameRight = 8, frameBottom = 8;
  // Write each notice to standard error as it is shown.
  bool echoNotices = true;

  // The default desktop, keeping its notices to itself (tests, tools, long unattended runs).
  static DesktopConfig Quiet() {
    DesktopConfig desktop;
    desktop.echoNotices = false;
    return desktop;
  }
};

struct Notice {
  WindowHandle owner = 0;
  std::string caption;
  std::string text;
};

class HeadlessWindows final : public WindowSystem {
 public:
  HeadlessWindows(const DesktopConfig& config, Faults& faults);

  bool RegisterClass(const WindowClass& windowClass) override;
  int DesktopDepth() override { return config_.depth; }
  int DesktopWidth() override { return config_.width; }
  int DesktopHeight() override { return config_.height; }
  WindowHandle CreateWindow(const WindowParams& params) override;
  void DestroyWindow(WindowHandle window) override;
  Rect GetClientRect(WindowHandle window) override;
  Point ClientToScreen(WindowHandle window, Point client) override;
  void ShowWindow(WindowHandle window, int showCommand) override;
  bool UpdateWindow(WindowHandle window) override;
  WindowHandle GetForegroundWindow() override { return foreground_; }
  bool PeekMessage(Message& message) override;
  // Posted messages go to the engine as they were posted.
  void FrameRan() override {}
  void MessageBox(WindowHandle owner, std::string_view text, std::string_view caption) override;

  // Queues a message as if the desktop had sent it.
  void Post(const Message& message) { queue_.push_back(message); }
  bool HasMessages() const { return !queue_.empty(); }
  // Brings window to the front (0: another program's window is in front). A change of
  // window sends the focus and activation messages the desktop would send.
  void SetForeground(WindowHandle window);
  // Moves a window's outer top-left and sends the move message.
  void MoveWindow(WindowHandle window, int x, int y);

  const std::vector<Notice>& Notices() const { return notices_; }
  // Forgets the notices shown so far (a long-running harness keeps only what it checks).
  void ClearNotices() { notices_.clear(); }
  // The window most recently shown, or 0.
  WindowHandle ShownWindow() const { return shown_; }
  int WindowCount() const { return static_cast<int>(windows_.size()); }
  // The outer position and size a window was created with.
  const WindowParams* Params(WindowHandle window) const;

 private:
  struct Window {
    WindowParams params;
    bool visible = false;
  };

  struct Insets {
    int left = 0, top = 0, right = 0, bottom = 0;
  };

  Window* Find(WindowHandle window);
  Insets Frame(const Window& w) const;

  DesktopConfig config_;
  Faults& faults_;
  std::string className_;
  std::map<WindowHandle, Window> windows_;
  WindowHandle nextHandle_ = 1;
  WindowHandle foreground_ = 0;
  WindowHandle shown_ = 0;
  std::deque<Message> queue_;
  std::vector<Notice> notices_;
};

}  // namespace engine::platform::headless
