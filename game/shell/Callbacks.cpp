// Callbacks.cpp -- the game's two callbacks: start the engine and the shell, then one frame of
// rules and drawing each pass.
#include "game/shell/Callbacks.h"

#include "engine/core/Engine.h"
#include "engine/platform/VirtualKey.h"
#include "game/shell/GameShell.h"

namespace game::shell {

namespace {
int fullScreen = 1;
}

void SetFullScreen(int fullscreen) {
  fullScreen = fullscreen;
}

void initialize() {
  Vorel.Initialize(fullScreen, 800, 600);
  Game.Init();
}

void run() {
  const auto key = static_cast<std::int8_t>(Vorel.GetKey());
  Game.Run(key);
  // A failed lock leaves no buffer to draw into: the frame is presented as it stands.
  if (Vorel.ViewLock()) {
    Game.Draw();
    Vorel.ViewUnlock();
  }
  if (Vorel.KeyDown(engine::platform::vk::kEscape)) Vorel.Quit();
  Vorel.ViewUpdate();
}

}  // namespace game::shell
