// SdlPlatform.h -- the desktop backend on SDL2: a window with its messages, the 16-bit display
// scaled into it, and the sound device.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/platform/Platform.h"

namespace engine::platform::sdl {

// A picture for the windows to show in task bars and window switchers.
struct WindowIcon {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgba;  // rows top first, each pixel R, G, B, A; empty: no icon
};

struct SdlOptions {
  // The window's title where the engine gives none.
  std::string appTitle = "Curbside";
  WindowIcon icon;
};

// Made by the program before the engine starts; SDL starts with the first service the engine
// asks for. Destroying it closes the audio device and shuts SDL down, so the engine must have
// released every object it made first (Engine::DetachPlatform).
std::unique_ptr<Platform> MakeSdlPlatform(const SdlOptions& options = {});

}  // namespace engine::platform::sdl
