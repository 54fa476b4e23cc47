// WindowsDecorator.h -- a window system that passes every call to another, for wrappers that
// change only a few of them (scripted input, recording, a test's pads).
#pragma once

#include "engine/platform/WindowSystem.h"

namespace engine::platform {

class WindowsDecorator : public WindowSystem {
 public:
  explicit WindowsDecorator(WindowSystem& inner) : inner_(inner) {}

  bool RegisterClass(const WindowClass& c) override { return inner_.RegisterClass(c); }
  int DesktopDepth() override { return inner_.DesktopDepth(); }
  int DesktopWidth() override { return inner_.DesktopWidth(); }
  int DesktopHeight() override { return inner_.DesktopHeight(); }
  WindowHandle CreateWindow(const WindowParams& p) override { return inner_.CreateWindow(p); }
  void DestroyWindow(WindowHandle w) override { inner_.DestroyWindow(w); }
  Rect GetClientRect(WindowHandle w) override { return inner_.GetClientRect(w); }
  Point ClientToScreen(WindowHandle w, Point p) override { return inner_.ClientToScreen(w, p); }
  void ShowWindow(WindowHandle w, int command) override { inner_.ShowWindow(w, command); }
  bool UpdateWindow(WindowHandle w) override { return inner_.UpdateWindow(w); }
  WindowHandle GetForegroundWindow() override { return inner_.GetForegroundWindow(); }
  bool PeekMessage(Message& message) override { return inner_.PeekMessage(message); }
  void FrameRan() override { inner_.FrameRan(); }
  void SetPadControls(const PadControls& controls) override { inner_.SetPadControls(controls); }
  int PadSelection() override { return inner_.PadSelection(); }
  void MessageBox(WindowHandle owner, std::string_view text, std::string_view caption) override {
    inner_.MessageBox(owner, text, caption);
  }

 protected:
  WindowSystem& inner_;
};

}  // namespace engine::platform
