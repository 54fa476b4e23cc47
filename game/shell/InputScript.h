// InputScript.h -- the text format of scripted and recorded input: one event per line,
// "FRAME EVENT [ARGS]", with '#' starting a comment.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/platform/Message.h"

namespace game::shell {

struct ScriptEvent {
  long frame = 0;  // the run() call, counted from 1, that first sees the event
  engine::platform::Message message;
};

struct ScriptParse {
  std::vector<ScriptEvent> events;  // in frame order; one frame's events keep the file's order
  std::string error;                // "line N: ..." when the text is not a valid script
};

ScriptParse ParseScript(std::string_view text);

// One line (without newline) for an input message seen by frame; nullopt for messages that
// are not input (focus, moves of the window, ...) or characters the format cannot carry.
std::optional<std::string> FormatEvent(long frame, const engine::platform::Message& message);

}  // namespace game::shell
