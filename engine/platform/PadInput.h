// PadInput.h -- gamepads as the messages a keyboard and mouse give: held keys, held mouse
// buttons and typed characters while the game plays, the pointer and the left button on a menu
// page. A backend feeds it pad events; the game says once a frame what the pads should do.
#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <vector>

#include "engine/platform/Message.h"
#include "engine/platform/WindowSystem.h"

namespace engine::platform {

// A pad's buttons by their place on a common controller; the triggers count as buttons once
// pressed half way, and the left stick presses the four directions as the d-pad does.
enum class PadButton : std::uint8_t {
  kA,
  kB,
  kX,
  kY,
  kBack,
  kStart,
  kLeftShoulder,
  kRightShoulder,
  kLeftTrigger,
  kRightTrigger,
  kUp,
  kDown,
  kLeft,
  kRight,
};
inline constexpr std::size_t kPadButtonCount = static_cast<std::size_t>(PadButton::kRight) + 1;

enum class PadAxis : std::uint8_t { kStickX, kStickY, kLeftTrigger, kRightTrigger };

// What a pad button gives while the game plays.
struct PadAction {
  enum class Kind : std::uint8_t { kNone, kKey, kMouseButton, kCharacter };
  Kind kind = Kind::kNone;
  std::int32_t code = 0;  // virtual-key code; mouse button 1, 2 or 16; the character
  bool operator==(const PadAction&) const = default;
};
using PadLayout = std::array<PadAction, kPadButtonCount>;

// What the game wants of the pads. On a menu page, the buttons to choose between in drawing-area
// pixels, the first chosen first; otherwise a layout per player, pad slot 0 first. A pad without
// a layout does nothing but quit.
struct PadControls {
  std::vector<Rect> menu;
  std::vector<PadLayout> players;
  bool operator==(const PadControls&) const = default;
};

class PadInput {
 public:
  // Pads are numbered 0 to kSlots - 1 in the order they came; a slot is free again once its pad
  // has gone.
  static constexpr int kSlots = 4;
  // How far (of 32767) the stick must lean before it presses a direction.
  static constexpr int kStickDeadZone = 12000;
  // How far (of 32767) a trigger must be pulled to press it, and let go to release it.
  static constexpr int kTriggerPress = 16000, kTriggerRelease = 8000;
  // Frames Back must be held before it quits like Escape: a second at 60 frames a second.
  static constexpr int kQuitHoldFrames = 60;

  // A change of menu makes its first button the chosen one.
  void SetControls(const PadControls& controls);
  const PadControls& Controls() const { return controls_; }

  // Each appends the messages for window that the change gives, in order.
  void Button(int slot, PadButton button, bool down, WindowHandle window, std::deque<Message>& out);
  void Axis(int slot, PadAxis axis, int value, WindowHandle window, std::deque<Message>& out);
  // A pad gone: everything it held is released.
  void Unplug(int slot, WindowHandle window, std::deque<Message>& out);
  // Called once a frame has run: times Back.
  void FrameRan(WindowHandle window, std::deque<Message>& out);
  // The keyboard or the mouse was used: no pad is in use any more.
  void OtherInput() { inUse_ = false; }

  // The chosen menu button while a pad is in use on a menu page; -1 otherwise.
  int Selection() const;

 private:
  struct Pad {
    std::bitset<kPadButtonCount> down;               // as the game sees them
    std::bitset<4> dpad, stick;                      // the directions, from each source
    std::array<PadAction, kPadButtonCount> given{};  // what a held button's press gave
    int backFrames = -1;                             // frames Back has been held; -1 when up
    bool escape = false;                             // Back has held Escape down
  };

  void Set(int slot, PadButton button, bool down, WindowHandle window, std::deque<Message>& out);
  void Press(Pad& pad, int slot, PadButton button, WindowHandle window, std::deque<Message>& out);
  void Release(Pad& pad, PadButton button, WindowHandle window, std::deque<Message>& out);
  void Direction(int slot, std::bitset<4> Pad::*source, int direction, bool down,
                 WindowHandle window, std::deque<Message>& out);
  void Choose(PadButton direction);

  PadControls controls_;
  std::array<Pad, kSlots> pads_{};
  int chosen_ = 0;
  bool inUse_ = false;
};

}  // namespace engine::platform
