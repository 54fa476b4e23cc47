// PlayerControls.cpp -- the bindings table of both street modes, its look-ups, and the help's
// and the README's controls made from it.
#include "game/actors/PlayerControls.h"

#include <string_view>
#include <vector>

#include "engine/platform/VirtualKey.h"

namespace game::actors {

namespace vk = engine::platform::vk;
using engine::platform::PadAction;
using engine::platform::PadButton;

namespace {

inline constexpr std::size_t kBindingCount = static_cast<std::size_t>(Binding::kPause) + 1;

// What does a binding in one scheme.
struct Input {
  enum class Kind : std::uint8_t { kNone, kKey, kButton, kCharacter };
  Kind kind = Kind::kNone;
  std::int32_t code = 0;  // virtual-key code, button code bit, or the character
};

constexpr Input Key(std::int32_t code) {
  return {Input::Kind::kKey, code};
}
constexpr Input Button(std::int32_t bit) {
  return {Input::Kind::kButton, bit};
}
constexpr Input Character(char c) {
  return {Input::Kind::kCharacter, c};
}

// One line of the controls: what it does in each mode (null where the mode has no such
// control), the bindings it covers, and per scheme their inputs and the name shown for them.
struct Control {
  const char* onePlayer;
  const char* twoPlayers;
  std::array<Binding, 3> bindings;
  std::size_t count;
  std::array<const char*, kSchemeCount> names;
  std::array<std::array<Input, 3>, kSchemeCount> inputs;
  // The gamepad buttons of the bindings, the same for every player, and their name.
  std::array<PadButton, 3> pad;
  const char* padName;
};

constexpr Control kControls[] = {
    {"walk left, right",
     "walk left, right",
     {Binding::kLeft, Binding::kRight},
     2,
     {"Left, Right arrows (hold)", "N, M (hold)", "left, right mouse button (hold)"},
     {{{Key(vk::kLeft), Key(vk::kRight)},
       {Key(vk::Letter('N')), Key(vk::Letter('M'))},
       {Button(1), Button(2)}}},
     {PadButton::kLeft, PadButton::kRight},
     "d-pad or left stick"},
    {"follow the passer-by beside you; again to stop",
     "follow, stop",
     {Binding::kFollow},
     1,
     {"q", "q", "4"},
     {{{Character('q')}, {Character('q')}, {Character('4')}}},
     {PadButton::kY},
     "Y"},
    {"beg, sing, rabbit trick while following; the three dance moves while dancing",
     "beg, sing, rabbit; dance moves",
     {Binding::kMove1, Binding::kMove2, Binding::kMove3},
     3,
     {"1, 2, 3 (hold)", "1, 2, 3 (hold)", "keypad 7, 8, 9 (hold, Num Lock on)"},
     {{{Key(vk::Digit(1)), Key(vk::Digit(2)), Key(vk::Digit(3))},
       {Key(vk::Digit(1)), Key(vk::Digit(2)), Key(vk::Digit(3))},
       {Key(vk::Keypad(7)), Key(vk::Keypad(8)), Key(vk::Keypad(9))}}},
     {PadButton::kA, PadButton::kB, PadButton::kX},
     "A, B, X (hold)"},
    {"start or stop the dance (after buying a lesson)",
     "dance start, stop",
     {Binding::kDance},
     1,
     {"r", "r", "5"},
     {{{Character('r')}, {Character('r')}, {Character('5')}}},
     {PadButton::kRightShoulder},
     "right shoulder"},
    {"buy a dance lesson from the hobo beside you",
     "buy a dance lesson",
     {Binding::kBuyLesson},
     1,
     {"b", "b", "6"},
     {{{Character('b')}, {Character('b')}, {Character('6')}}},
     {PadButton::kLeftShoulder},
     "left shoulder"},
    {nullptr,
     "push the other",
     {Binding::kPush},
     1,
     {nullptr, "s", "+"},
     {{{}, {Character('s')}, {Character('+')}}},
     {PadButton::kRightTrigger},
     "right trigger"},
    {"pause and resume; a new game once the game is over",
     "pause, new game",
     {Binding::kPause},
     1,
     {"p", "p", "p"},
     {{{Character('p')}, {Character('p')}, {Character('p')}}},
     {PadButton::kStart},
     "Start"},
};

// The table by scheme and binding, for the look-ups each frame.
using InputTable = std::array<std::array<Input, kBindingCount>, kSchemeCount>;
constexpr InputTable ByBinding() {
  InputTable table{};
  for (const Control& c : kControls) {
    for (std::size_t s = 0; s < kSchemeCount; ++s) {
      for (std::size_t i = 0; i < c.count; ++i)
        table[s][static_cast<std::size_t>(c.bindings[i])] = c.inputs[s][i];
    }
  }
  return table;
}
constexpr InputTable kInputs = ByBinding();

const Input* Find(std::int32_t scheme, Binding binding) {
  if (scheme < 0 || scheme >= kSchemeCount) return nullptr;
  return &kInputs[static_cast<std::size_t>(scheme)][static_cast<std::size_t>(binding)];
}

// Words broken into lines of at most width characters.
std::vector<std::string> Wrap(std::string_view text, std::size_t width) {
  std::vector<std::string> lines(1);
  while (!text.empty()) {
    const std::size_t space = text.find(' ');
    const std::string_view word = text.substr(0, space);
    text = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
    if (!lines.back().empty() && lines.back().size() + 1 + word.size() > width)
      lines.emplace_back();
    if (!lines.back().empty()) lines.back() += ' ';
    lines.back() += word;
  }
  return lines;
}

std::string Padded(std::string text, std::size_t width) {
  if (text.size() < width) text.resize(width, ' ');
  return text;
}

constexpr const char* kPadPlayers =
    "The first pad plays alone; with two players the first pad is player 1 and the second "
    "player 2.";
constexpr const char* kPadQuit = "Back (hold a second)";
constexpr const char* kPadQuitWhat = "quit, as Escape does";
constexpr const char* kPadMenu =
    "On the title and rules pages the d-pad or the left stick chooses a button and A presses "
    "it.";

// What a control does on a pad: the two-player words, which fit either mode.
std::string PadWhat(const Control& c) {
  return c.onePlayer == nullptr ? std::string(c.twoPlayers) + " (two players)" : c.twoPlayers;
}

}  // namespace

bool Held(const FrameInput& input, std::int32_t scheme, Binding binding) {
  const Input* in = Find(scheme, binding);
  if (in == nullptr) return false;
  switch (in->kind) {
    case Input::Kind::kKey:
      return input.KeyDown(in->code);
    case Input::Kind::kButton:
      return (input.mouseButton & in->code) != 0;
    default:
      return false;
  }
}

bool Typed(std::int32_t scheme, Binding binding, std::int8_t key) {
  const Input* in = Find(scheme, binding);
  return in != nullptr && in->kind == Input::Kind::kCharacter && key == in->code;
}

engine::platform::PadLayout PadLayout(std::int32_t scheme) {
  engine::platform::PadLayout layout{};
  if (scheme < 0 || scheme >= kSchemeCount) return layout;
  for (const Control& c : kControls) {
    for (std::size_t i = 0; i < c.count; ++i) {
      const Input& in = c.inputs[static_cast<std::size_t>(scheme)][i];
      PadAction& action = layout[static_cast<std::size_t>(c.pad[i])];
      action.code = in.code;
      switch (in.kind) {
        case Input::Kind::kKey:
          action.kind = PadAction::Kind::kKey;
          break;
        case Input::Kind::kButton:
          action.kind = PadAction::Kind::kMouseButton;
          break;
        case Input::Kind::kCharacter:
          action.kind = PadAction::Kind::kCharacter;
          break;
        case Input::Kind::kNone:
          action = PadAction{};
          break;
      }
    }
  }
  return layout;
}

std::string ControlsHelp() {
  constexpr std::size_t kName = 27, kWhat = 24, kFirst = 17;
  std::string text = "Single player:\n";
  for (const Control& c : kControls) {
    if (c.onePlayer == nullptr) continue;
    const std::vector<std::string> lines = Wrap(c.onePlayer, 78 - kName);
    text += "  " + Padded(c.names[0], kName) + lines[0] + "\n";
    for (std::size_t i = 1; i < lines.size(); ++i)
      text += std::string(2 + kName, ' ') + lines[i] + "\n";
  }
  text += "\nTwo players:" + std::string(2 + kWhat - 12, ' ') + Padded("player 1", kFirst) +
          "player 2\n";
  for (const Control& c : kControls) {
    const std::vector<std::string> lines = Wrap(c.twoPlayers, kWhat - 2);
    text += "  " + Padded(lines[0], kWhat) + Padded(c.names[1], kFirst) + c.names[2] + "\n";
    for (std::size_t i = 1; i < lines.size(); ++i)
      text += "    " + lines[i] + "\n";
  }
  text += "\nGamepads:\n";
  for (const std::string& line : Wrap(kPadPlayers, 76))
    text += "  " + line + "\n";
  for (const Control& c : kControls) {
    text += "  " + Padded(c.padName, kName) + PadWhat(c) + "\n";
  }
  text += "  " + Padded(kPadQuit, kName) + kPadQuitWhat + "\n";
  for (const std::string& line : Wrap(kPadMenu, 76))
    text += "  " + line + "\n";
  return text;
}

std::string ControlsMarkdown() {
  std::string text = "One player:\n\n| Action | Key |\n|---|---|\n";
  for (const Control& c : kControls) {
    if (c.onePlayer != nullptr)
      text += std::string("| ") + c.onePlayer + " | " + c.names[0] + " |\n";
  }
  text += "\nTwo players:\n\n| Action | Player 1 | Player 2 |\n|---|---|---|\n";
  for (const Control& c : kControls)
    text += std::string("| ") + c.twoPlayers + " | " + c.names[1] + " | " + c.names[2] + " |\n";
  text += std::string("\nGamepads. ") + kPadPlayers + "\n\n| Action | Gamepad |\n|---|---|\n";
  for (const Control& c : kControls)
    text += "| " + PadWhat(c) + " | " + c.padName + " |\n";
  text += std::string("| ") + kPadQuitWhat + " | " + kPadQuit + " |\n";
  text += std::string("\n") + kPadMenu + "\n";
  return text;
}

}  // namespace game::actors
