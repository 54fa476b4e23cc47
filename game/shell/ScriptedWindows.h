// ScriptedWindows.h -- a window system that adds scripted input to a backend's own messages
// and records every input message the game receives, frame by frame.
#pragma once

#include <cstdio>
#include <memory>
#include <vector>

#include "engine/platform/Platform.h"
#include "engine/platform/WindowsDecorator.h"
#include "game/shell/InputScript.h"

namespace game::shell {

class ScriptedWindows final : public engine::platform::WindowsDecorator {
 public:
  // events in frame order; record, when not null, receives one line per input message.
  ScriptedWindows(engine::platform::WindowSystem& inner, std::vector<ScriptEvent> events,
                  std::FILE* record);

  engine::platform::WindowHandle CreateWindow(const engine::platform::WindowParams& p) override;
  // The backend's messages first; when none waits, the script's events for the frame about to
  // run; when none is left either, that frame runs.
  bool PeekMessage(engine::platform::Message& message) override;

  // Frames started so far (the loop runs one whenever no message waits).
  long FramesStarted() const { return framesStarted_; }

 private:
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
