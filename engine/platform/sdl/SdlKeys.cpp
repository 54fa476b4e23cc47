// SdlKeys.cpp -- the key tables: by keycode for the layout's characters, by scancode for the
// numeric keypad and for letter and digit keys whose keycode is not a Latin character.
#include "engine/platform/sdl/SdlKeys.h"

#include "engine/platform/VirtualKey.h"

namespace engine::platform::sdl {

namespace {

struct KeyCode {
  SDL_Keycode key;
  int code;
};

// Keys named by their keycode, whatever their place on the keyboard.
constexpr KeyCode kByKeycode[] = {
    // Control keys.
    {SDLK_BACKSPACE, vk::kBackspace},
    {SDLK_TAB, vk::kTab},
    {SDLK_RETURN, vk::kEnter},
    {SDLK_ESCAPE, vk::kEscape},
    {SDLK_SPACE, vk::kSpace},
    {SDLK_LSHIFT, vk::kShift},
    {SDLK_RSHIFT, vk::kShift},
    {SDLK_LCTRL, vk::kControl},
    {SDLK_RCTRL, vk::kControl},
    // Navigation.
    {SDLK_PAGEUP, vk::kPageUp},
    {SDLK_PAGEDOWN, vk::kPageDown},
    {SDLK_END, vk::kEnd},
    {SDLK_HOME, vk::kHome},
    {SDLK_LEFT, vk::kLeft},
    {SDLK_UP, vk::kUp},
    {SDLK_RIGHT, vk::kRight},
    {SDLK_DOWN, vk::kDown},
    {SDLK_INSERT, vk::kInsert},
    {SDLK_DELETE, vk::kDelete},
    // Function keys; F10 is the system's.
    {SDLK_F1, vk::Function(1)},
    {SDLK_F2, vk::Function(2)},
    {SDLK_F3, vk::Function(3)},
    {SDLK_F4, vk::Function(4)},
    {SDLK_F5, vk::Function(5)},
    {SDLK_F6, vk::Function(6)},
    {SDLK_F7, vk::Function(7)},
    {SDLK_F8, vk::Function(8)},
    {SDLK_F9, vk::Function(9)},
    {SDLK_F11, vk::Function(11)},
    {SDLK_F12, vk::Function(12)},
    // Punctuation.
    {SDLK_SEMICOLON, vk::kSemicolon},
    {SDLK_EQUALS, vk::kEquals},
    {SDLK_COMMA, vk::kComma},
    {SDLK_MINUS, vk::kMinus},
    {SDLK_PERIOD, vk::kPeriod},
    {SDLK_SLASH, vk::kSlash},
    {SDLK_BACKQUOTE, vk::kBackquote},
    {SDLK_LEFTBRACKET, vk::kLeftBracket},
    {SDLK_BACKSLASH, vk::kBackslash},
    {SDLK_RIGHTBRACKET, vk::kRightBracket},
    {SDLK_QUOTE, vk::kQuote},
};

struct KeypadCode {
  SDL_Scancode scancode;
  int numLockOn;
  int numLockOff;
};

// The keypad by place: its keycodes do not change with Num Lock, the codes do.
constexpr KeypadCode kKeypad[] = {
    {SDL_SCANCODE_KP_0, vk::Keypad(0), vk::kInsert},
    {SDL_SCANCODE_KP_1, vk::Keypad(1), vk::kEnd},
    {SDL_SCANCODE_KP_2, vk::Keypad(2), vk::kDown},
    {SDL_SCANCODE_KP_3, vk::Keypad(3), vk::kPageDown},
    {SDL_SCANCODE_KP_4, vk::Keypad(4), vk::kLeft},
    {SDL_SCANCODE_KP_5, vk::Keypad(5), vk::kClear},
    {SDL_SCANCODE_KP_6, vk::Keypad(6), vk::kRight},
    {SDL_SCANCODE_KP_7, vk::Keypad(7), vk::kHome},
    {SDL_SCANCODE_KP_8, vk::Keypad(8), vk::kUp},
    {SDL_SCANCODE_KP_9, vk::Keypad(9), vk::kPageUp},
    {SDL_SCANCODE_KP_PERIOD, vk::kKeypadDecimal, vk::kDelete},
    {SDL_SCANCODE_KP_MULTIPLY, vk::kKeypadMultiply, vk::kKeypadMultiply},
    {SDL_SCANCODE_KP_PLUS, vk::kKeypadPlus, vk::kKeypadPlus},
    {SDL_SCANCODE_KP_MINUS, vk::kKeypadMinus, vk::kKeypadMinus},
    {SDL_SCANCODE_KP_DIVIDE, vk::kKeypadDivide, vk::kKeypadDivide},
    {SDL_SCANCODE_KP_ENTER, vk::kEnter, vk::kEnter},
};

int ByKeycode(SDL_Keycode key) {
  if (key >= SDLK_a && key <= SDLK_z) return vk::Letter(static_cast<char>('A' + (key - SDLK_a)));
  if (key >= SDLK_0 && key <= SDLK_9) return vk::Digit(key - SDLK_0);
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
    return vk::Letter(static_cast<char>('A' + (scancode - SDL_SCANCODE_A)));
  }
  if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) {
    return vk::Digit(1 + (scancode - SDL_SCANCODE_1));
  }
  if (scancode == SDL_SCANCODE_0) return vk::Digit(0);
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
