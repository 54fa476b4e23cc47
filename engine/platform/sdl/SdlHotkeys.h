// SdlHotkeys.h -- the keys the desktop backend keeps for itself: Alt+Enter and F11 switch
// between full screen and a window, and the game never sees them.
#pragma once

#include <SDL_events.h>

#include <bitset>

namespace engine::platform::sdl {

class WindowHotkeys {
 public:
  enum class Action {
    kPass,              // an event for the game
    kSwallow,           // part of a hotkey: dropped
    kToggleFullscreen,  // a fresh hotkey press: dropped, and the window switches
  };

  // Called for every event before it is translated. A hotkey's press, its repeats and its
  // release are all kept from the game, even when Alt is let go before Enter; a repeat never
  // switches again.
  Action Filter(const SDL_Event& event);

 private:
  std::bitset<SDL_NUM_SCANCODES> held_;  // hotkeys pressed and not yet released, by place
};

}  // namespace engine::platform::sdl
