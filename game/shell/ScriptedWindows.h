// ScriptedWindows.h -- a window system that adds scripted input to a backend's own messages
// and records every input message the game receives, frame by frame.
#pragma once

#include <cstdio>
#include <memory>
#include <vector>

#include "engine/platform/Platform.h"
#include "game/shell/InputScript.h"

namespace game::shell {

class ScriptedWindows final : public engine::platform::WindowSystem {
 public:
  // events in frame order; record, when not null, receives one line per input message.
  ScriptedWindows(engine::platform::WindowSystem& inner, std::vector<ScriptEvent> events,
                  std::FILE* record);

  bool RegisterClass(const engine::platform::WindowClass& c) override {
    return inner_.RegisterClass(c);
  }
  int DesktopDepth() override { return inner_.DesktopDepth(); }
  int DesktopWidth() override { return inner_.DesktopWidth(); }
  int DesktopHeight() override { return inner_.DesktopHeight(); }
  engine::platform::WindowHandle CreateWindow(const engine::platform::WindowParams& p) override;
  void DestroyWindow(engine::platform::WindowHandle w) override { inner_.DestroyWindow(w); }
  engine::platform::Rect GetClientRect(engine::platform::WindowHandle w) override {
    return inner_.GetClientRect(w);
  }
  engine::platform::Point ClientToScreen(engine::platform::WindowHandle w,
                                         engine::platform::Point p) override {
    return inner_.ClientToScreen(w, p);
  }
  void ShowWindow(engine::platform::WindowHandle w, int command) override {
    inner_.ShowWindow(w, command);
  }
  bool UpdateWindow(engine::platform::WindowHandle w) override { return inner_.UpdateWindow(w); }
  engine::platform::WindowHandle GetForegroundWindow() override {
    return inner_.GetForegroundWindow();
  }
  void MessageBox(engine::platform::WindowHandle owner, std::string_view text,
                  std::string_view caption) override {
    inner_.MessageBox(owner, text, caption);
  }

  // The backend's messages first; when none waits, the script's events for the frame about to
  // run; when none is left either, that frame runs.
  bool PeekMessage(engine::platform::Message& message) override;

  void FrameRan() override { inner_.FrameRan(); }
  void SetPadControls(const engine::platform::PadControls& controls) override {
    inner_.SetPadControls(controls);
  }
  int PadSelection() override { return inner_.PadSelection(); }

  // Frames started so far (the loop runs one whenever no message waits).
  long FramesStarted() const { return framesStarted_; }

 private:
  engine::platform::WindowSystem& inner_;
  std::vector<ScriptEvent> events_;
  std::size_t next_ = 0;
  std::FILE* record_;
  long framesStarted_ = 0;
  engine::platform::WindowHandle target_ = 0;
};

// A platform whose window system is scripted; display and sound are the backend's own.
class ScriptedPlatform final : public engine::platform::Platform {
 public:
  ScriptedPlatform(engine::platform::Platform& inner, std::vector<ScriptEvent> events,
                   std::FILE* record)
      : inner_(inner), windows_(inner.Windows(), std::move(events), record) {}

  engine::platform::WindowSystem& Windows() override { return windows_; }
  engine::platform::DisplaySystem& Display() override { return inner_.Display(); }
  engine::platform::SoundSystem& Sound() override { return inner_.Sound(); }

 private:
  engine::platform::Platform& inner_;
  ScriptedWindows windows_;
};

}  // namespace game::shell
