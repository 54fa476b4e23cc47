// SdlDisplay.h -- the display object of the desktop backend: renderer set-up, full screen on
// the desktop mode, and surface creation.
#pragma once

#include <memory>

#include "engine/platform/DisplaySystem.h"
#include "engine/platform/sdl/SdlScreen.h"

namespace engine::platform::sdl {

class SdlDisplaySystem final : public DisplaySystem {
 public:
  explicit SdlDisplaySystem(std::shared_ptr<SdlScreen> screen) : screen_(std::move(screen)) {}

  // Null until the window services have started the video subsystem.
  std::unique_ptr<DisplayDevice> CreateDevice() override;

 private:
  std::shared_ptr<SdlScreen> screen_;
};

}  // namespace engine::platform::sdl
