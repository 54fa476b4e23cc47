// InputScript.cpp -- parsing and writing scripted input.
#include "game/shell/InputScript.h"

#include <algorithm>
#include <charconv>

namespace game::shell {

using engine::platform::Message;
using engine::platform::MessageType;

namespace {

constexpr long kMaxFrame = 1'000'000'000L;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view TrimLeft(std::string_view s) {
  while (!s.empty() && IsBlank(s.front()))
    s.remove_prefix(1);
  return s;
}

// Splits off the next blank-separated token.
std::string_view NextToken(std::string_view& s) {
  s = TrimLeft(s);
  std::size_t end = 0;
  while (end < s.size() && !IsBlank(s[end]))
    ++end;
  const std::string_view token = s.substr(0, end);
  s.remove_prefix(end);
  return token;
}

// True when only blanks, or blanks and then a comment, remain.
bool NothingLeft(std::string_view s) {
  s = TrimLeft(s);
  return s.empty() || s.front() == '#';
}

std::optional<long> ParseNumber(std::string_view token, long low, long high) {
  long value = 0;
  const auto [end, ec] = std::from_chars(token.data(), token.data() + token.size(), value);
  if (ec != std::errc() || end != token.data() + token.size() || value < low || value > high) {
    return std::nullopt;
  }
  return value;
}

std::optional<MessageType> ButtonMessage(std::string_view button, bool down) {
  if (button == "left") return down ? MessageType::kLeftDown : MessageType::kLeftUp;
  if (button == "right") return down ? MessageType::kRightDown : MessageType::kRightUp;
  if (button == "middle") return down ? MessageType::kMiddleDown : MessageType::kMiddleUp;
  return std::nullopt;
}

// Parses one line's event after its frame number; returns an error text or "".
std::string ParseEvent(std::string_view rest, Message& message) {
  const std::string_view name = NextToken(rest);
  if (name == "key-down" || name == "key-up") {
    const auto code = ParseNumber(NextToken(rest), 0, 255);
    if (!code) return "key code must be a number from 0 to 255";
    message.type = name == "key-down" ? MessageType::kKeyDown : MessageType::kKeyUp;
    message.wParam = static_cast<std::uint32_t>(*code);
  } else if (name == "char") {
    // The character is the one byte after a single separator, so that space and '#' can be
    // typed too.
    if (rest.size() < 2 || !IsBlank(rest.front())) return "char needs one printable character";
    const auto c = static_cast<unsigned char>(rest[1]);
    if (c < 0x20 || c > 0x7E) return "char needs one printable character";
    rest.remove_prefix(2);
    if (!rest.empty() && !IsBlank(rest.front())) return "char takes a single character";
    message.type = MessageType::kChar;
    message.wParam = c;
  } else if (name == "mouse-move") {
    const auto x = ParseNumber(NextToken(rest), 0, 0xFFFF);
    const auto y = ParseNumber(NextToken(rest), 0, 0xFFFF);
    if (!x || !y) return "mouse-move needs two coordinates from 0 to 65535";
    message.type = MessageType::kMouseMove;
    message.lParam = engine::platform::PackPoint(static_cast<int>(*x), static_cast<int>(*y));
  } else if (name == "mouse-down" || name == "mouse-up") {
    const auto type = ButtonMessage(NextToken(rest), name == "mouse-down");
    if (!type) return "mouse button must be left, right or middle";
    message.type = *type;
  } else if (name.empty()) {
    return "missing event";
  } else {
    return "unknown event '" + std::string(name) + "'";
  }
  if (!NothingLeft(rest)) return "unexpected text after the event";
  return "";
}

}  // namespace

ScriptParse ParseScript(std::string_view text) {
  ScriptParse result;
  long lineNumber = 0;
  while (!text.empty()) {
    ++lineNumber;
    const std::size_t newline = text.find('\n');
    std::string_view line = text.substr(0, newline);
    text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (NothingLeft(line)) continue;

    const std::string where = "line " + std::to_string(lineNumber) + ": ";
    const auto frame = ParseNumber(NextToken(line), 1, kMaxFrame);
    if (!frame) {
      result.error = where + "frame must be a number from 1 to " + std::to_string(kMaxFrame);
      return result;
    }
    ScriptEvent event;
    event.frame = *frame;
    if (std::string error = ParseEvent(line, event.message); !error.empty()) {
      result.error = where + error;
      return result;
    }
    result.events.push_back(event);
  }
  std::stable_sort(result.events.begin(), result.events.end(),
                   [](const ScriptEvent& a, const ScriptEvent& b) { return a.frame < b.frame; });
  return result;
}

std::optional<std::string> FormatEvent(long frame, const Message& message) {
  std::string line = std::to_string(frame) + " ";
  switch (message.type) {
    case MessageType::kKeyDown:
      return line + "key-down " + std::to_string(message.wParam & 0xFFu);
    case MessageType::kKeyUp:
      return line + "key-up " + std::to_string(message.wParam & 0xFFu);
    case MessageType::kChar: {
      const auto c = static_cast<unsigned char>(message.wParam & 0xFFu);
      if (c < 0x20 || c > 0x7E) return std::nullopt;
      return line + "char " + static_cast<char>(c);
    }
    case MessageType::kMouseMove:
      return line + "mouse-move " + std::to_string(engine::platform::LowWord(message.lParam)) +
             " " + std::to_string(engine::platform::HighWord(message.lParam));
    case MessageType::kLeftDown:
      return line + "mouse-down left";
    case MessageType::kRightDown:
      return line + "mouse-down right";
    case MessageType::kMiddleDown:
      return line + "mouse-down middle";
    case MessageType::kLeftUp:
      return line + "mouse-up left";
    case MessageType::kRightUp:
      return line + "mouse-up right";
    case MessageType::kMiddleUp:
      return line + "mouse-up middle";
    default:
      return std::nullopt;
  }
}

}  // namespace game::shell
