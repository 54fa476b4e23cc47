// PadInput.cpp -- pad buttons, stick and triggers to key, mouse and character messages.
#include "engine/platform/PadInput.h"

#include <limits>

#include "engine/platform/VirtualKey.h"

namespace engine::platform {

namespace {

constexpr int kFirstDirection = static_cast<int>(PadButton::kUp);

bool IsDirection(PadButton button) {
  return static_cast<int>(button) >= kFirstDirection;
}

void Push(std::deque<Message>& out, MessageType type, WindowHandle window, std::uint32_t wParam = 0,
          std::uint32_t lParam = 0) {
  if (window != 0) out.push_back(Message{type, window, wParam, lParam});
}

Point Centre(const Rect& r) {
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

MessageType MouseMessage(std::int32_t button, bool down) {
  switch (button) {
    case 2:
      return down ? MessageType::kRightDown : MessageType::kRightUp;
    case 16:
      return down ? MessageType::kMiddleDown : MessageType::kMiddleUp;
    default:
      return down ? MessageType::kLeftDown : MessageType::kLeftUp;
  }
}

// The messages that press (down) or release an action; a character is typed on the press.
void Give(const PadAction& action, bool down, WindowHandle window, std::deque<Message>& out) {
  const auto code = static_cast<std::uint32_t>(action.code);
  switch (action.kind) {
    case PadAction::Kind::kKey:
      Push(out, down ? MessageType::kKeyDown : MessageType::kKeyUp, window, code);
      break;
    case PadAction::Kind::kMouseButton:
      Push(out, MouseMessage(action.code, down), window);
      break;
    case PadAction::Kind::kCharacter:
      if (down) Push(out, MessageType::kChar, window, code);
      break;
    case PadAction::Kind::kNone:
      break;
  }
}

}  // namespace

void PadInput::SetControls(const PadControls& controls) {
  if (controls == controls_) return;
  if (controls.menu != controls_.menu) chosen_ = 0;
  controls_ = controls;
}

void PadInput::Button(int slot, PadButton button, bool down, WindowHandle window,
                      std::deque<Message>& out) {
  if (IsDirection(button)) {
    Direction(slot, &Pad::dpad, static_cast<int>(button) - kFirstDirection, down, window, out);
  } else {
    Set(slot, button, down, window, out);
  }
}

void PadInput::Axis(int slot, PadAxis axis, int value, WindowHandle window,
                    std::deque<Message>& out) {
  if (slot < 0 || slot >= kSlots) return;
  // Directions 0 to 3 are up, down, left and right; the stick's y grows downwards.
  switch (axis) {
    case PadAxis::kStickX:
      Direction(slot, &Pad::stick, 2, value < -kStickDeadZone, window, out);
      Direction(slot, &Pad::stick, 3, value > kStickDeadZone, window, out);
      return;
    case PadAxis::kStickY:
      Direction(slot, &Pad::stick, 0, value < -kStickDeadZone, window, out);
      Direction(slot, &Pad::stick, 1, value > kStickDeadZone, window, out);
      return;
    case PadAxis::kLeftTrigger:
    case PadAxis::kRightTrigger: {
      const PadButton trigger =
          axis == PadAxis::kLeftTrigger ? PadButton::kLeftTrigger : PadButton::kRightTrigger;
      const bool held =
          pads_[static_cast<std::size_t>(slot)].down[static_cast<std::size_t>(trigger)];
      if (!held && value >= kTriggerPress) Set(slot, trigger, true, window, out);
      if (held && value <= kTriggerRelease) Set(slot, trigger, false, window, out);
      return;
    }
  }
}

void PadInput::Unplug(int slot, WindowHandle window, std::deque<Message>& out) {
  if (slot < 0 || slot >= kSlots) return;
  Pad& pad = pads_[static_cast<std::size_t>(slot)];
  for (std::size_t b = 0; b < kPadButtonCount; ++b) {
    if (pad.down[b]) Release(pad, static_cast<PadButton>(b), window, out);
  }
  pad = Pad{};
}

void PadInput::FrameRan(WindowHandle window, std::deque<Message>& out) {
  for (Pad& pad : pads_) {
    if (pad.backFrames < 0 || pad.escape) continue;
    if (++pad.backFrames >= kQuitHoldFrames) {
      pad.escape = true;
      Push(out, MessageType::kKeyDown, window, vk::kEscape);
    }
  }
}

int PadInput::Selection() const {
  return inUse_ && !controls_.menu.empty() ? chosen_ : -1;
}

void PadInput::Direction(int slot, std::bitset<4> Pad::*source, int direction, bool down,
                         WindowHandle window, std::deque<Message>& out) {
  if (slot < 0 || slot >= kSlots) return;
  Pad& pad = pads_[static_cast<std::size_t>(slot)];
  const auto d = static_cast<std::size_t>(direction);
  (pad.*source)[d] = down;
  Set(slot, static_cast<PadButton>(kFirstDirection + direction), pad.dpad[d] || pad.stick[d],
      window, out);
}

void PadInput::Set(int slot, PadButton button, bool down, WindowHandle window,
                   std::deque<Message>& out) {
  if (slot < 0 || slot >= kSlots) return;
  Pad& pad = pads_[static_cast<std::size_t>(slot)];
  const auto b = static_cast<std::size_t>(button);
  if (pad.down[b] == down) return;
  pad.down[b] = down;
  if (down) {
    Press(pad, slot, button, window, out);
  } else {
    Release(pad, button, window, out);
  }
}

void PadInput::Press(Pad& pad, int slot, PadButton button, WindowHandle window,
                     std::deque<Message>& out) {
  inUse_ = true;
  const auto b = static_cast<std::size_t>(button);
  if (button == PadButton::kBack) {
    pad.backFrames = 0;
    return;
  }
  PadAction action;
  if (!controls_.menu.empty()) {
    // On a menu the pointer goes to the chosen button, and A holds the left button there.
    if (IsDirection(button)) Choose(button);
    if (!IsDirection(button) && button != PadButton::kA) return;
    const Point at = Centre(controls_.menu[static_cast<std::size_t>(chosen_)]);
    Push(out, MessageType::kMouseMove, window, 0, PackPoint(at.x, at.y));
    if (button == PadButton::kA) action = {PadAction::Kind::kMouseButton, 1};
  } else if (static_cast<std::size_t>(slot) < controls_.players.size()) {
    action = controls_.players[static_cast<std::size_t>(slot)][b];
  }
  Give(action, true, window, out);
  // What the press gave is what the release takes back, whatever the game asks for by then.
  pad.given[b] = action.kind == PadAction::Kind::kCharacter ? PadAction{} : action;
}

void PadInput::Release(Pad& pad, PadButton button, WindowHandle window, std::deque<Message>& out) {
  const auto b = static_cast<std::size_t>(button);
  if (button == PadButton::kBack) {
    if (pad.escape) Push(out, MessageType::kKeyUp, window, vk::kEscape);
    pad.backFrames = -1;
    pad.escape = false;
  }
  Give(pad.given[b], false, window, out);
  pad.given[b] = PadAction{};
  pad.down[b] = false;
}

// The nearest button whose centre lies that way from the chosen one's; none: it stays.
void PadInput::Choose(PadButton direction) {
  const std::vector<Rect>& menu = controls_.menu;
  if (chosen_ >= static_cast<int>(menu.size())) chosen_ = 0;
  const Point from = Centre(menu[static_cast<std::size_t>(chosen_)]);
  const int d = static_cast<int>(direction) - kFirstDirection;
  const int wayX = d == 2 ? -1 : d == 3 ? 1 : 0;
  const int wayY = d == 0 ? -1 : d == 1 ? 1 : 0;
  long best = std::numeric_limits<long>::max();
  for (std::size_t i = 0; i < menu.size(); ++i) {
    const Point to = Centre(menu[i]);
    const long dx = to.x - from.x, dy = to.y - from.y;
    if (dx * wayX + dy * wayY <= 0) continue;
    if (const long distance = dx * dx + dy * dy; distance < best) {
      best = distance;
      chosen_ = static_cast<int>(i);
    }
  }
}

}  // namespace engine::platform
