// ScriptedWindows.cpp -- scripted input injection and input recording.
#include "game/shell/ScriptedWindows.h"

namespace game::shell {

using engine::platform::Message;
using engine::platform::WindowHandle;

ScriptedWindows::ScriptedWindows(engine::platform::WindowSystem& inner,
                                 std::vector<ScriptEvent> events, std::FILE* record)
    : WindowsDecorator(inner), events_(std::move(events)), record_(record) {}

WindowHandle ScriptedWindows::CreateWindow(const engine::platform::WindowParams& params) {
  // Scripted messages go to the last window made: the engine's main window.
  const WindowHandle window = inner_.CreateWindow(params);
  if (window != 0) target_ = window;
  return window;
}

bool ScriptedWindows::PeekMessage(Message& message) {
  const long frame = framesStarted_ + 1;
  if (!inner_.PeekMessage(message)) {
    if (next_ >= events_.size() || events_[next_].frame > frame) {
      ++framesStarted_;
      return false;
    }
    message = events_[next_++].message;
    message.window = target_;
  }
  if (record_ != nullptr) {
    if (const auto line = FormatEvent(frame, message)) {
      std::fprintf(record_, "%s\n", line->c_str());
      std::fflush(record_);
    }
  }
  return true;
}

}  // namespace game::shell
