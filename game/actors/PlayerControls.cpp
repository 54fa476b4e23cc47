// PlayerControls.cpp -- the performers' control schemes: held keys and buttons read through the
// engine, and the typed characters of each player.
#include "game/actors/PlayerControls.h"

#include <array>

#include "engine/core/Engine.h"

namespace game::actors {

namespace {

// Windows virtual-key codes, as the engine's held-key table is indexed.
constexpr std::int32_t kLeftArrow = 37;
constexpr std::int32_t kRightArrow = 39;
constexpr std::int32_t kKeyN = 78;
constexpr std::int32_t kKeyM = 77;
constexpr std::int32_t kDigit1 = 49;
constexpr std::int32_t kKeypad7 = 103;

// Mouse button code bits: player 2 walks with the buttons.
constexpr std::int32_t kLeftButton = 1;
constexpr std::int32_t kRightButton = 2;

// Key codes of the keyboard schemes, in the order of Action.
constexpr std::array<std::int32_t, 5> kSinglePlayerKeys = {kLeftArrow, kRightArrow, kDigit1,
                                                           kDigit1 + 1, kDigit1 + 2};
constexpr std::array<std::int32_t, 5> kPlayerOneKeys = {kKeyN, kKeyM, kDigit1, kDigit1 + 1,
                                                        kDigit1 + 2};

bool PlayerTwoDown(Action action) {
  switch (action) {
    case Action::kLeft:
      return (Vorel.GetMouseButton() & kLeftButton) != 0;
    case Action::kRight:
      return (Vorel.GetMouseButton() & kRightButton) != 0;
    case Action::kMove1:
      return Vorel.KeyDown(kKeypad7) != 0;
    case Action::kMove2:
      return Vorel.KeyDown(kKeypad7 + 1) != 0;
    case Action::kMove3:
      return Vorel.KeyDown(kKeypad7 + 2) != 0;
  }
  return false;
}

}  // namespace

bool ActionDown(std::int32_t playerNumber, Action action) {
  const auto index = static_cast<std::size_t>(action);
  switch (playerNumber) {
    case 0:
      return Vorel.KeyDown(kSinglePlayerKeys[index]) != 0;
    case 1:
      return Vorel.KeyDown(kPlayerOneKeys[index]) != 0;
    case 2:
      return PlayerTwoDown(action);
    default:
      return false;
  }
}

Request TypedRequest(std::int32_t playerNumber, std::int8_t key) {
  if (playerNumber == 0 || playerNumber == 1) {
    if (key == 'q') return Request::kPerform;
    if (key == 'r') return Request::kDance;
  } else if (playerNumber == 2) {
    if (key == '4') return Request::kPerform;
    if (key == '5') return Request::kDance;
  }
  return Request::kNone;
}

}  // namespace game::actors
