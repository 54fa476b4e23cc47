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

actors::FrameInput ReadFrameInput() {
  actors::FrameInput input;
  input.typed = static_cast<std::int8_t>(Vorel.GetKey());
  for (std::size_t k = 0; k < input.keys.size(); ++k)
    input.keys[k] = Vorel.KeyDown(static_cast<std::int32_t>(k));
  input.mouseButton = Vorel.GetMouseButton();
  input.mouseX = Vorel.GetMouseX();
  input.mouseY = Vorel.GetMouseY();
  return input;
}

void initialize() {
  Vorel.Initialize(fullScreen, 800, 600);
  Game.Init();
}

// No message is handled while a frame runs, so what the input record holds stays true for the
// whole frame, the Escape check at its end included.
void run() {
  const actors::FrameInput input = ReadFrameInput();
  Game.Run(input);
  Vorel.SetPadControls(Game.PadControls());
  // A failed lock leaves no buffer to draw into: the frame is presented as it stands.
  if (Vorel.ViewLock()) {
    Game.Draw();
    Vorel.ViewUnlock();
  }
  if (input.KeyDown(engine::platform::vk::kEscape)) Vorel.Quit();
  Vorel.ViewUpdate();
}

}  // namespace game::shell
