// Platform.h -- the three services one backend provides to the engine.
#pragma once

#include "engine/platform/DisplaySystem.h"
#include "engine/platform/SoundSystem.h"
#include "engine/platform/WindowSystem.h"

namespace engine::platform {

// A backend owns its three services; the engine borrows them for its lifetime.
class Platform {
 public:
  virtual ~Platform() = default;
  virtual WindowSystem& Windows() = 0;
  virtual DisplaySystem& Display() = 0;
  virtual SoundSystem& Sound() = 0;
};

}  // namespace engine::platform
