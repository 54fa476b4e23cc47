// PlayerControls.h -- every key binding of both street modes in one table: the keys and mouse
// buttons held to walk, perform and dance, the characters typed to follow, dance, buy a lesson,
// push and pause, and the gamepad buttons for each, with the names the help and the README give
// them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/platform/PadInput.h"
#include "game/actors/FrameInput.h"

namespace game::actors {

enum class Binding : std::uint8_t {
  // Held.
  kLeft,
  kRight,
  kMove1,
  kMove2,
  kMove3,
  // Typed.
  kFollow,
  kDance,
  kBuyLesson,
  kPush,
  kPause,
};

// A scheme is a player number: 0 the single player, 1 and 2 the two players. Any other number
// has no bindings.
inline constexpr std::int32_t kSchemeCount = 3;

// True while a held binding's key (or button) of the scheme is held in input. Called by
// Player::Update.
bool Held(const FrameInput& input, std::int32_t scheme, Binding binding);

// True when key, the character typed this frame, is the scheme's character for a typed
// binding; characters are compared exactly, so an upper-case letter asks nothing.
bool Typed(std::int32_t scheme, Binding binding, std::int8_t key);

// What each gamepad button gives in a scheme: the key, mouse button or character of the binding
// it stands for, so a pad plays through the same bindings as the keyboard and mouse.
engine::platform::PadLayout PadLayout(std::int32_t scheme);

// The controls of both modes as the help prints them (for --help) and as the README's tables
// show them (Markdown).
std::string ControlsHelp();
std::string ControlsMarkdown();

}  // namespace game::actors
