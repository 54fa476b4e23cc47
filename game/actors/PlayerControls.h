// PlayerControls.h -- which keys and mouse buttons each performer answers to: the five held
// actions, polled from the engine every update, and the typed characters that ask to perform or
// dance.
#pragma once

#include <cstdint>

namespace game::actors {

enum class Action : std::uint8_t { kLeft, kRight, kMove1, kMove2, kMove3 };

// What a typed character asks of a performer.
enum class Request : std::uint8_t { kNone, kPerform, kDance };

// True while action's key (or button) of player number playerNumber is held: 0 the
// single-player keys, 1 player 1's, 2 player 2's mouse buttons and keypad. Any other player
// number has no keys. Called by Player::Update.
bool ActionDown(std::int32_t playerNumber, Action action);

// The request made by the character typed this frame (0 for none); characters are compared
// exactly, so an upper-case letter asks nothing.
Request TypedRequest(std::int32_t playerNumber, std::int8_t key);

}  // namespace game::actors
