// SdlPlatform.cpp -- wires the window, display and sound services to one shared screen, and
// shuts SDL down in the right order.
#include "engine/platform/sdl/SdlPlatform.h"

#include <SDL.h>

#include "engine/platform/sdl/SdlDisplay.h"
#include "engine/platform/sdl/SdlScreen.h"
#include "engine/platform/sdl/SdlSound.h"
#include "engine/platform/sdl/SdlWindows.h"

namespace engine::platform::sdl {

namespace {

class SdlPlatform final : public Platform {
 public:
  explicit SdlPlatform(const SdlOptions& options)
      : screen_(std::make_shared<SdlScreen>()),
        windows_(options.appTitle, options.icon, screen_),
        display_(screen_) {}

  // The renderer and its texture go before their window, the windows before the video
  // subsystem, the audio device before SDL itself.
  ~SdlPlatform() override {
    screen_->Shutdown();
    windows_.Shutdown();
    sound_.Shutdown();
    SDL_Quit();
  }

  WindowSystem& Windows() override { return windows_; }
  DisplaySystem& Display() override { return display_; }
  SoundSystem& Sound() override { return sound_; }

 private:
  std::shared_ptr<SdlScreen> screen_;
  SdlWindows windows_;
  SdlDisplaySystem display_;
  SdlSoundSystem sound_;
};

}  // namespace

std::unique_ptr<Platform> MakeSdlPlatform(const SdlOptions& options) {
  return std::make_unique<SdlPlatform>(options);
}

}  // namespace engine::platform::sdl
