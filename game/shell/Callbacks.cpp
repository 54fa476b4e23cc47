// Callbacks.cpp -- the game's callbacks: start the engine, then draw and present a plain frame
// each pass until Escape is held.
#include "game/shell/Callbacks.h"

#include <algorithm>

#include "engine/core/Engine.h"

namespace game::shell {

namespace {

int fullScreen = 1;

// A dark slate colour in the 5-6-5 layout of the back buffer.
constexpr std::uint16_t kBackground = (4 << 11) | (8 << 5) | 10;

void DrawFrame() {
  const std::size_t words =
      static_cast<std::size_t>(Vorel.GetStride()) * static_cast<std::size_t>(Vorel.GetHeight());
  std::fill_n(Vorel.GetBackBuffer(), words, kBackground);
}

}  // namespace

void SetFullScreen(int fullscreen) {
  fullScreen = fullscreen;
}

void initialize() {
  Vorel.Initialize(fullScreen, 800, 600);
}

void run() {
  Vorel.GetKey();
  // A failed lock leaves no buffer to draw into: the frame is presented as it stands.
  if (Vorel.ViewLock()) {
    DrawFrame();
    Vorel.ViewUnlock();
  }
  if (Vorel.KeyDown(27)) Vorel.Quit();
  Vorel.ViewUpdate();
}

}  // namespace game::shell
