// ScriptFuzz.cpp -- fuzz target for the input-script parser: any text either parses into events
// that write back as lines reading as the same events, or is refused with the number of a line
// that exists.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz/FuzzSupport.h"
#include "game/shell/InputScript.h"

namespace {

constexpr char kTarget[] = "script";

using game::shell::ParseScript;
using game::shell::ScriptEvent;

bool Same(const ScriptEvent& a, const ScriptEvent& b) {
  return a.frame == b.frame && a.message.type == b.message.type &&
         a.message.wParam == b.message.wParam && a.message.lParam == b.message.lParam &&
         a.message.window == b.message.window;
}

void CheckRefusal(std::string_view text, const std::string& error) {
  const std::size_t lines =
      static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1;
  FUZZ_CHECK(kTarget, error.rfind("line ", 0) == 0, "error without its line: " + error);
  const std::size_t colon = error.find(": ");
  FUZZ_CHECK(kTarget, colon != std::string::npos, "error without a colon: " + error);
  const std::string number = error.substr(5, colon - 5);
  FUZZ_CHECK(kTarget, !number.empty() && std::all_of(number.begin(), number.end(), ::isdigit),
             "error names no line number: " + error);
  const unsigned long line = std::stoul(number);
  FUZZ_CHECK(kTarget, line >= 1 && line <= lines,
             "error names line " + number + " of " + std::to_string(lines));
}

void CheckEvents(const std::vector<ScriptEvent>& events) {
  std::string written;
  for (std::size_t i = 0; i < events.size(); ++i) {
    const ScriptEvent& e = events[i];
    FUZZ_CHECK(kTarget, e.frame >= 1 && e.frame <= 1'000'000'000L, "frame out of range");
    FUZZ_CHECK(kTarget, i == 0 || events[i - 1].frame <= e.frame, "events out of frame order");
    const auto line = game::shell::FormatEvent(e.frame, e.message);
    FUZZ_CHECK(kTarget, line.has_value(), "a parsed event cannot be written");
    const auto again = ParseScript(*line + "\n");
    FUZZ_CHECK(kTarget, again.error.empty(),
               "written line refused: " + *line + " (" + again.error + ")");
    FUZZ_CHECK(kTarget, again.events.size() == 1 && Same(again.events[0], e),
               "written line reads as another event: " + *line);
    written += *line + "\n";
  }
  // The whole script written back reads as the same events in the same order.
  const auto whole = ParseScript(written);
  FUZZ_CHECK(kTarget,
             whole.error.empty() && whole.events.size() == events.size() &&
                 std::equal(events.begin(), events.end(), whole.events.begin(), Same),
             "the script written back reads differently");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto parse = ParseScript(text);
  if (!parse.error.empty()) {
    CheckRefusal(text, parse.error);
    fuzz::Tally("refused");
  } else {
    CheckEvents(parse.events);
    fuzz::Tally(parse.events.empty() ? "no events" : "events read back");
  }
  return 0;
}
