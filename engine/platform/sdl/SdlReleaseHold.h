// SdlReleaseHold.h -- keeps a quick press visible: the release of a key or mouse button whose
// press no frame has seen yet waits until one frame has run.
#pragma once

#include <bitset>
#include <deque>

#include "engine/platform/Message.h"

namespace engine::platform::sdl {

// The game polls held keys and buttons once a frame, so a press and release handed over
// between two frames would never be seen (a quick click, a tap on a touchpad, a fast typist).
// Messages pass in the order they came; only a release moves, to after the next frame, and
// whatever arrives behind it for the same key (or for any mouse button: the game keeps one
// button state) waits with it, so no press or release is lost or reordered.
class ReleaseHold {
 public:
  // Called for each message before it goes to the engine: true when it may go now, false when
  // it has been kept back.
  bool Admit(const Message& message);
  // Called once a frame has run: every press handed over has now been seen. The kept messages,
  // oldest first, go in front of out to be admitted again.
  void FrameRan(std::deque<Message>& out);
  // Forgets what is kept for a window that is gone.
  void Forget(WindowHandle window);
  void Clear();

 private:
  // Indexed by virtual-key code, and 256 for the mouse buttons.
  std::bitset<257> unseen_;  // pressed since the last frame
  std::bitset<257> kept_;    // has a message waiting in held_
  std::deque<Message> held_;
};

}  // namespace engine::platform::sdl
