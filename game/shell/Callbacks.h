// Callbacks.h -- the game's two callbacks, called by the engine's entry: initialize() once at
// start-up and run() once per frame.
#pragma once

#include "game/actors/FrameInput.h"

namespace game::shell {

// The first argument the game passes to Initialize: 1 full screen, 0 a window.
void SetFullScreen(int fullscreen);

// The frame's input: one typed character taken from the engine's key buffer, and the held keys,
// the mouse button and the pointer as they stand. Called once a frame, first thing, by run().
actors::FrameInput ReadFrameInput();

void initialize();
void run();

}  // namespace game::shell
