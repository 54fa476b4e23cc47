// Callbacks.h -- the game's two callbacks, called by the engine's entry: initialize() once at
// start-up and run() once per frame.
#pragma once

namespace game::shell {

// The first argument the game passes to Initialize: 1 full screen, 0 a window.
void SetFullScreen(int fullscreen);

void initialize();
void run();

}  // namespace game::shell
