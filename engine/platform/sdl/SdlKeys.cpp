// SdlKeys.cpp -- the key tables: by keycode for the layout's characters, by scancode for the
// numeric keypad and for letter and digit keys whose keycode is not a Latin character.
#include "engine/platform/sdl/SdlKeys.h"

namespace engine::platform::sdl {

namespace {

constexpr int kClear = 12;  // keypad 5 without Num Lock

struct KeyCode {
  SDL_Keycode key;
  int code;
};

// Keys named by their keycode, whatever their place on the keyboard.
constexpr KeyCode kByKeycode[] = {
    // Control keys.
    {SDLK_BACKSPACE, 8},
    {SDLK_TAB, 9},
    {SDLK_RETURN, 13},
    {SDLK_ESCAPE, 27},
    {SDLK_SPACE, 32},
    {SDLK_LSHIFT, 16},
    {SDLK_RSHIFT, 16},
    {SDLK_LCTRL, 17},
    {SDLK_RCTRL, 17},
    // Navigation.
    {SDLK_PAGEUP, 33},
    {SDLK_PAGEDOWN, 34},
    {SDLK_END, 35},
    {SDLK_HOME, 36},
    {SDLK_LEFT, 37},
    {SDLK_UP, 38},
    {SDLK_RIGHT, 39},
    {SDLK_DOWN, 40},
    {SDLK_INSERT, 45},
    {SDLK_DELETE, 46},
    // Function keys; F10 is the system's.
    {SDLK_F1, 112},
    {SDLK_F2, 113},
    {SDLK_F3, 114},
    {SDLK_F4, 115},
    {SDLK_F5, 116},
    {SDLK_F6, 117},
    {SDLK_F7, 118},
    {SDLK_F8, 119},
    {SDLK_F9, 120},
    {SDLK_F11, 122},
    {SDLK_F12, 123},
    // Punctuation.
    {SDLK_SEMICOLON, 186},
    {SDLK_EQUALS, 187},
    {SDLK_COMMA, 188},
    {SDLK_MINUS, 189},
    {SDLK_PERIOD, 190},
    {SDLK_SLASH, 191},
    {SDLK_BACKQUOTE, 192},
    {SDLK_LEFTBRACKET, 219},
    {SDLK_BACKSLASH, 220},
    {SDLK_RIGHTBRACKET, 221},
    {SDLK_QUOTE, 222},
};

struct KeypadCode {
  SDL_Scancode scancode;
  int numLockOn;
  int numLockOff;
};

// The keypad by place: its keycodes do not change with Num Lock, the codes do.
constexpr KeypadCode kKeypad[] = {
    {SDL_SCANCODE_KP_0, 96, 45},        {SDL_SCANCODE_KP_1, 97, 35},
    {SDL_SCANCODE_KP_2, 98, 40},        {SDL_SCANCODE_KP_3, 99, 34},
    {SDL_SCANCODE_KP_4, 100, 37},       {SDL_SCANCODE_KP_5, 101, kClear},
    {SDL_SCANCODE_KP_6, 102, 39},       {SDL_SCANCODE_KP_7, 103, 36},
    {SDL_SCANCODE_KP_8, 104, 38},       {SDL_SCANCODE_KP_9, 105, 33},
    {SDL_SCANCODE_KP_PERIOD, 110, 46},  {SDL_SCANCODE_KP_MULTIPLY, 106, 106},
    {SDL_SCANCODE_KP_PLUS, 107, 107},   {SDL_SCANCODE_KP_MINUS, 109, 109},
    {SDL_SCANCODE_KP_DIVIDE, 111, 111}, {SDL_SCANCODE_KP_ENTER, 13, 13},
};

int ByKeycode(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return 'A' + (key - SDLK_a);
  if (key >= SDLK_0 && key <= SDLK_9) return '0' + (key - SDLK_0);
  for (const KeyCode& entry : kByKeycode) {
    if (entry.key == key) return entry.code;
  }
  return 0;
}

// Letter and digit keys whose layout gives no Latin letter or digit (Cyrillic letters, the
// digit row of a French layout) still give the code of their place, as the desktop the game
// was made for does.
int ByPlace(SDL_Scancode scancode) {
  if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) {
    return 'A' + (scancode - SDL_SCANCODE_A);
  }
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) {
    return '1' + (scancode - SDL_SCANCODE_1);
  }
  if (scancode == SDL_SCANCODE_0) return '0';
  return 0;
}

}  // namespace

int VirtualKey(const SDL_Keysym& keysym) {
  for (const KeypadCode& entry : kKeypad) {
    if (entry.scancode == keysym.scancode) {
      return (keysym.mod & KMOD_NUM) != 0 ? entry.numLockOn : entry.numLockOff;
    }
  }
  if (const int code = ByKeycode(keysym.sym)) return code;
  return ByPlace(keysym.scancode);
}

}  // namespace engine::platform::sdl
