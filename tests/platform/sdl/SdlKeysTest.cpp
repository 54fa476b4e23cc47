// SdlKeysTest.cpp -- the virtual-key code of every kind of key the game can see, and of the
// keys it must not.
#include "engine/platform/sdl/SdlKeys.h"

#include <gtest/gtest.h>

#include <string>

namespace engine::platform::sdl {
namespace {

struct KeyCase {
  std::string name;
  SDL_Keycode sym;
  SDL_Scancode scancode;
  Uint16 mod;
  int expected;
};

SDL_Keysym Keysym(const KeyCase& c) {
  SDL_Keysym keysym{};
  keysym.sym = c.sym;
  keysym.scancode = c.scancode;
  keysym.mod = c.mod;
  return keysym;
}

template <std::size_t N>
void CheckAll(const KeyCase (&cases)[N]) {
  for (const KeyCase& c : cases) {
    EXPECT_EQ(VirtualKey(Keysym(c)), c.expected) << c.name;
  }
}

TEST(SdlKeys, LettersFollowTheLayoutsLetter) {
  const KeyCase cases[] = {
      {"a", SDLK_a, SDL_SCANCODE_A, KMOD_NONE, 65},
      {"z", SDLK_z, SDL_SCANCODE_Z, KMOD_NONE, 90},
      {"q with Shift held", SDLK_q, SDL_SCANCODE_Q, KMOD_LSHIFT, 81},
      {"q with Caps Lock", SDLK_q, SDL_SCANCODE_Q, KMOD_CAPS, 81},
      {"AZERTY a on the US q place", SDLK_a, SDL_SCANCODE_Q, KMOD_NONE, 65},
      {"AZERTY m on the US ; place", SDLK_m, SDL_SCANCODE_SEMICOLON, KMOD_NONE, 77},
      {"Cyrillic ef falls back to its place", 0x0444, SDL_SCANCODE_A, KMOD_NONE, 65},
  };
  CheckAll(cases);
}

TEST(SdlKeys, DigitsControlAndNavigationKeys) {
  const KeyCase cases[] = {
      {"0", SDLK_0, SDL_SCANCODE_0, KMOD_NONE, 48},
      {"9", SDLK_9, SDL_SCANCODE_9, KMOD_NONE, 57},
      {"AZERTY & on the 1 place", SDLK_AMPERSAND, SDL_SCANCODE_1, KMOD_NONE, 49},
      {"AZERTY a-grave on the 0 place", 0xE0, SDL_SCANCODE_0, KMOD_NONE, 48},
      {"left", SDLK_LEFT, SDL_SCANCODE_LEFT, KMOD_NONE, 37},
      {"up", SDLK_UP, SDL_SCANCODE_UP, KMOD_NONE, 38},
      {"right", SDLK_RIGHT, SDL_SCANCODE_RIGHT, KMOD_NONE, 39},
      {"down", SDLK_DOWN, SDL_SCANCODE_DOWN, KMOD_NONE, 40},
      {"Escape", SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, KMOD_NONE, 27},
      {"Enter", SDLK_RETURN, SDL_SCANCODE_RETURN, KMOD_NONE, 13},
      {"Backspace", SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, KMOD_NONE, 8},
      {"Tab", SDLK_TAB, SDL_SCANCODE_TAB, KMOD_NONE, 9},
      {"Space", SDLK_SPACE, SDL_SCANCODE_SPACE, KMOD_NONE, 32},
      {"left Shift", SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, KMOD_NONE, 16},
      {"right Shift", SDLK_RSHIFT, SDL_SCANCODE_RSHIFT, KMOD_NONE, 16},
      {"left Ctrl", SDLK_LCTRL, SDL_SCANCODE_LCTRL, KMOD_NONE, 17},
      {"right Ctrl", SDLK_RCTRL, SDL_SCANCODE_RCTRL, KMOD_NONE, 17},
      {"Home", SDLK_HOME, SDL_SCANCODE_HOME, KMOD_NONE, 36},
      {"End", SDLK_END, SDL_SCANCODE_END, KMOD_NONE, 35},
      {"Page Up", SDLK_PAGEUP, SDL_SCANCODE_PAGEUP, KMOD_NONE, 33},
      {"Page Down", SDLK_PAGEDOWN, SDL_SCANCODE_PAGEDOWN, KMOD_NONE, 34},
      {"Insert", SDLK_INSERT, SDL_SCANCODE_INSERT, KMOD_NONE, 45},
      {"Delete", SDLK_DELETE, SDL_SCANCODE_DELETE, KMOD_NONE, 46},
      {"F1", SDLK_F1, SDL_SCANCODE_F1, KMOD_NONE, 112},
      {"F9", SDLK_F9, SDL_SCANCODE_F9, KMOD_NONE, 120},
      {"F11", SDLK_F11, SDL_SCANCODE_F11, KMOD_NONE, 122},
      {"F12", SDLK_F12, SDL_SCANCODE_F12, KMOD_NONE, 123},
  };
  CheckAll(cases);
}

TEST(SdlKeys, PunctuationGivesItsOemCode) {
  const KeyCase cases[] = {
      {";", SDLK_SEMICOLON, SDL_SCANCODE_SEMICOLON, KMOD_NONE, 186},
      {"=", SDLK_EQUALS, SDL_SCANCODE_EQUALS, KMOD_NONE, 187},
      {",", SDLK_COMMA, SDL_SCANCODE_COMMA, KMOD_NONE, 188},
      {"-", SDLK_MINUS, SDL_SCANCODE_MINUS, KMOD_NONE, 189},
      {".", SDLK_PERIOD, SDL_SCANCODE_PERIOD, KMOD_NONE, 190},
      {"/", SDLK_SLASH, SDL_SCANCODE_SLASH, KMOD_NONE, 191},
      {"`", SDLK_BACKQUOTE, SDL_SCANCODE_GRAVE, KMOD_NONE, 192},
      {"[", SDLK_LEFTBRACKET, SDL_SCANCODE_LEFTBRACKET, KMOD_NONE, 219},
      {"\\", SDLK_BACKSLASH, SDL_SCANCODE_BACKSLASH, KMOD_NONE, 220},
      {"]", SDLK_RIGHTBRACKET, SDL_SCANCODE_RIGHTBRACKET, KMOD_NONE, 221},
      {"'", SDLK_QUOTE, SDL_SCANCODE_APOSTROPHE, KMOD_NONE, 222},
  };
  CheckAll(cases);
}

TEST(SdlKeys, KeypadFollowsNumLock) {
  const KeyCase cases[] = {
      {"KP 0 on", SDLK_KP_0, SDL_SCANCODE_KP_0, KMOD_NUM, 96},
      {"KP 1 on", SDLK_KP_1, SDL_SCANCODE_KP_1, KMOD_NUM, 97},
      {"KP 5 on", SDLK_KP_5, SDL_SCANCODE_KP_5, KMOD_NUM, 101},
      {"KP 7 on", SDLK_KP_7, SDL_SCANCODE_KP_7, KMOD_NUM, 103},
      {"KP 9 on", SDLK_KP_9, SDL_SCANCODE_KP_9, KMOD_NUM, 105},
      {"KP 8 on, with Shift", SDLK_KP_8, SDL_SCANCODE_KP_8, KMOD_NUM | KMOD_LSHIFT, 104},
      {"KP . on", SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD, KMOD_NUM, 110},
      {"KP 0 off is Insert", SDLK_KP_0, SDL_SCANCODE_KP_0, KMOD_NONE, 45},
      {"KP 1 off is End", SDLK_KP_1, SDL_SCANCODE_KP_1, KMOD_NONE, 35},
      {"KP 2 off is Down", SDLK_KP_2, SDL_SCANCODE_KP_2, KMOD_NONE, 40},
      {"KP 3 off is Page Down", SDLK_KP_3, SDL_SCANCODE_KP_3, KMOD_NONE, 34},
      {"KP 4 off is Left", SDLK_KP_4, SDL_SCANCODE_KP_4, KMOD_NONE, 37},
      {"KP 5 off is Clear", SDLK_KP_5, SDL_SCANCODE_KP_5, KMOD_NONE, 12},
      {"KP 6 off is Right", SDLK_KP_6, SDL_SCANCODE_KP_6, KMOD_NONE, 39},
      {"KP 7 off is Home", SDLK_KP_7, SDL_SCANCODE_KP_7, KMOD_NONE, 36},
      {"KP 8 off is Up", SDLK_KP_8, SDL_SCANCODE_KP_8, KMOD_NONE, 38},
      {"KP 9 off is Page Up", SDLK_KP_9, SDL_SCANCODE_KP_9, KMOD_NONE, 33},
      {"KP . off is Delete", SDLK_KP_PERIOD, SDL_SCANCODE_KP_PERIOD, KMOD_NONE, 46},
      {"KP 7 off, navigation keycode", SDLK_HOME, SDL_SCANCODE_KP_7, KMOD_NONE, 36},
      {"KP * either way", SDLK_KP_MULTIPLY, SDL_SCANCODE_KP_MULTIPLY, KMOD_NONE, 106},
      {"KP + either way", SDLK_KP_PLUS, SDL_SCANCODE_KP_PLUS, KMOD_NUM, 107},
      {"KP - either way", SDLK_KP_MINUS, SDL_SCANCODE_KP_MINUS, KMOD_NONE, 109},
      {"KP / either way", SDLK_KP_DIVIDE, SDL_SCANCODE_KP_DIVIDE, KMOD_NUM, 111},
      {"KP Enter is Enter", SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, KMOD_NONE, 13},
  };
  CheckAll(cases);
}

TEST(SdlKeys, SystemAndUnknownKeysGiveNothing) {
  const KeyCase cases[] = {
      {"left Alt", SDLK_LALT, SDL_SCANCODE_LALT, KMOD_NONE, 0},
      {"right Alt", SDLK_RALT, SDL_SCANCODE_RALT, KMOD_NONE, 0},
      {"F10", SDLK_F10, SDL_SCANCODE_F10, KMOD_NONE, 0},
      {"Caps Lock", SDLK_CAPSLOCK, SDL_SCANCODE_CAPSLOCK, KMOD_NONE, 0},
      {"Print Screen", SDLK_PRINTSCREEN, SDL_SCANCODE_PRINTSCREEN, KMOD_NONE, 0},
      {"Super", SDLK_LGUI, SDL_SCANCODE_LGUI, KMOD_NONE, 0},
      {"F13", SDLK_F13, SDL_SCANCODE_F13, KMOD_NONE, 0},
      {"unknown", SDLK_UNKNOWN, SDL_SCANCODE_UNKNOWN, KMOD_NONE, 0},
      {"dead key on the [ place", 0xB4, SDL_SCANCODE_LEFTBRACKET, KMOD_NONE, 0},
  };
  CheckAll(cases);
}

}  // namespace
}  // namespace engine::platform::sdl
