// VirtualKey.h -- the virtual-key codes that key messages carry and the engine's held-key table
// is indexed by: the desktop's codes the game was made for, whatever the platform.
#pragma once

#include <cstdint>

namespace engine::platform::vk {

enum : std::int32_t {
  kBackspace = 8,
  kTab = 9,
  kClear = 12,  // keypad 5 without Num Lock
  kEnter = 13,
  kShift = 16,
  kControl = 17,
  kEscape = 27,
  kSpace = 32,
  kPageUp = 33,
  kPageDown = 34,
  kEnd = 35,
  kHome = 36,
  kLeft = 37,
  kUp = 38,
  kRight = 39,
  kDown = 40,
  kInsert = 45,
  kDelete = 46,
  kKeypadMultiply = 106,
  kKeypadPlus = 107,
  kKeypadMinus = 109,
  kKeypadDecimal = 110,
  kKeypadDivide = 111,
  kSemicolon = 186,
  kEquals = 187,
  kComma = 188,
  kMinus = 189,
  kPeriod = 190,
  kSlash = 191,
  kBackquote = 192,
  kLeftBracket = 219,
  kBackslash = 220,
  kRightBracket = 221,
  kQuote = 222,
};

// The letter keys by their upper-case letter, 'A' to 'Z'.
constexpr std::int32_t Letter(char upper) {
  return 65 + (upper - 'A');
}
// The digit keys of the main keyboard, 0 to 9.
constexpr std::int32_t Digit(int digit) {
  return 48 + digit;
}
// The numeric keypad's digits 0 to 9 while Num Lock is on.
constexpr std::int32_t Keypad(int digit) {
  return 96 + digit;
}
// The function keys F1 to F12.
constexpr std::int32_t Function(int n) {
  return 111 + n;
}

}  // namespace engine::platform::vk
