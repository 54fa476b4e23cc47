// SdlHotkeysTest.cpp -- which key events switch the window and which are kept from the game.
#include "engine/platform/sdl/SdlHotkeys.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace engine::platform::sdl {
namespace {

using Action = WindowHotkeys::Action;

struct Step {
  Uint32 type;
  SDL_Keycode sym;
  SDL_Scancode scancode;
  Uint16 mod;
  Uint8 repeat;
  Action expected;
};

constexpr Step Down(SDL_Keycode sym, SDL_Scancode scancode, Uint16 mod, Action expected,
                    Uint8 repeat = 0) {
  return {SDL_KEYDOWN, sym, scancode, mod, repeat, expected};
}
constexpr Step Up(SDL_Keycode sym, SDL_Scancode scancode, Uint16 mod, Action expected) {
  return {SDL_KEYUP, sym, scancode, mod, 0, expected};
}

struct Sequence {
  std::string name;
  std::vector<Step> steps;
};

constexpr auto kEnter = SDLK_RETURN;
constexpr auto kEnterKey = SDL_SCANCODE_RETURN;
constexpr auto kPass = Action::kPass;
constexpr auto kSwallow = Action::kSwallow;
constexpr auto kToggle = Action::kToggleFullscreen;

TEST(WindowHotkeys, SwitchOnceAndKeepEveryEventOfTheKeyFromTheGame) {
  const Sequence sequences[] = {
      {"F11 with its repeats, then again",
       {Down(SDLK_F11, SDL_SCANCODE_F11, KMOD_NONE, kToggle),
        Down(SDLK_F11, SDL_SCANCODE_F11, KMOD_NONE, kSwallow, 1),
        Up(SDLK_F11, SDL_SCANCODE_F11, KMOD_NONE, kSwallow),
        Down(SDLK_F11, SDL_SCANCODE_F11, KMOD_SHIFT, kToggle),
        Up(SDLK_F11, SDL_SCANCODE_F11, KMOD_SHIFT, kSwallow)}},
      {"Alt+Enter, Alt let go first",
       {Down(SDLK_LALT, SDL_SCANCODE_LALT, KMOD_NONE, kPass),
        Down(kEnter, kEnterKey, KMOD_LALT, kToggle),
        Up(SDLK_LALT, SDL_SCANCODE_LALT, KMOD_NONE, kPass),
        Down(kEnter, kEnterKey, KMOD_NONE, kSwallow, 1), Up(kEnter, kEnterKey, KMOD_NONE, kSwallow),
        Down(kEnter, kEnterKey, KMOD_NONE, kPass), Up(kEnter, kEnterKey, KMOD_NONE, kPass)}},
      {"right Alt and the keypad's Enter",
       {Down(SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, KMOD_RALT, kToggle),
        Up(SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, KMOD_RALT, kSwallow)}},
      {"Enter held before Alt stays the game's",
       {Down(kEnter, kEnterKey, KMOD_NONE, kPass), Down(kEnter, kEnterKey, KMOD_LALT, kSwallow, 1),
        Up(kEnter, kEnterKey, KMOD_LALT, kPass)}},
      {"other keys and releases never pressed",
       {Down(SDLK_RETURN, kEnterKey, KMOD_CTRL, kPass), Up(SDLK_F11, SDL_SCANCODE_F11, 0, kPass),
        Down(SDLK_a, SDL_SCANCODE_A, KMOD_LALT, kPass), Down(SDLK_F10, SDL_SCANCODE_F10, 0, kPass),
        Up(SDLK_a, SDL_SCANCODE_A, KMOD_NONE, kPass)}},
      {"a key event without a place still switches",
       {Down(SDLK_F11, SDL_SCANCODE_UNKNOWN, KMOD_NONE, kToggle),
        Up(SDLK_F11, SDL_SCANCODE_UNKNOWN, KMOD_NONE, kPass)}},
  };
  for (const Sequence& sequence : sequences) {
    SCOPED_TRACE(sequence.name);
    WindowHotkeys hotkeys;
    for (std::size_t i = 0; i < sequence.steps.size(); ++i) {
      const Step& step = sequence.steps[i];
      SDL_Event event{};
      event.key.type = step.type;
      event.key.repeat = step.repeat;
      event.key.keysym.sym = step.sym;
      event.key.keysym.scancode = step.scancode;
      event.key.keysym.mod = step.mod;
      EXPECT_EQ(hotkeys.Filter(event), step.expected) << "step " << i;
    }
  }
}

TEST(WindowHotkeys, OtherEventsPass) {
  WindowHotkeys hotkeys;
  SDL_Event event{};
  event.type = SDL_TEXTINPUT;
  EXPECT_EQ(hotkeys.Filter(event), kPass);
  event.type = SDL_MOUSEBUTTONDOWN;
  EXPECT_EQ(hotkeys.Filter(event), kPass);
  event.type = SDL_WINDOWEVENT;
  EXPECT_EQ(hotkeys.Filter(event), kPass);
}

}  // namespace
}  // namespace engine::platform::sdl
