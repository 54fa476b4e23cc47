// SdlHotkeys.cpp -- recognising the full-screen hotkeys and keeping their events from the game.
#include "engine/platform/sdl/SdlHotkeys.h"

namespace engine::platform::sdl {

namespace {

bool IsToggle(const SDL_Keysym& keysym) {
  if (keysym.sym == SDLK_F11) return true;
  const bool enter = keysym.sym == SDLK_RETURN || keysym.sym == SDLK_KP_ENTER;
  return enter && (keysym.mod & KMOD_ALT) != 0;
}

bool InRange(SDL_Scancode scancode) {
  return scancode > SDL_SCANCODE_UNKNOWN && scancode < SDL_NUM_SCANCODES;
}

}  // namespace

WindowHotkeys::Action WindowHotkeys::Filter(const SDL_Event& event) {
  if (event.type != SDL_KEYDOWN && event.type != SDL_KEYUP) return Action::kPass;
  const SDL_Scancode scancode = event.key.keysym.scancode;
  const bool held = InRange(scancode) && held_.test(scancode);
  if (event.type == SDL_KEYUP) {
    if (!held) return Action::kPass;
    held_.reset(scancode);
    return Action::kSwallow;
  }
  if (held) return Action::kSwallow;
  if (!IsToggle(event.key.keysym)) return Action::kPass;
  // A repeat of a press the game saw (Enter held, then Alt) neither switches nor reaches the
  // game; its release still does, so the game's key comes up.
  if (event.key.repeat != 0) return Action::kSwallow;
  if (InRange(scancode)) held_.set(scancode);
  return Action::kToggleFullscreen;
}

}  // namespace engine::platform::sdl
