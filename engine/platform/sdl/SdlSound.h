// SdlSound.h -- the sound services of the desktop backend: one device, one voice per buffer.
#pragma once

#include <memory>

#include "engine/platform/SoundSystem.h"
#include "engine/platform/sdl/SdlAudio.h"

namespace engine::platform::sdl {

class SdlSoundSystem final : public SoundSystem {
 public:
  SdlSoundSystem() : output_(std::make_shared<AudioOutput>()) {}

  // Opens the audio output on first use; succeeds even where it plays into silence.
  std::unique_ptr<SoundDevice> CreateDevice() override;
  // Closes the audio device; called before SDL shuts down.
  void Shutdown() { output_->Close(); }

  AudioOutput& Output() { return *output_; }

 private:
  std::shared_ptr<AudioOutput> output_;
};

}  // namespace engine::platform::sdl
