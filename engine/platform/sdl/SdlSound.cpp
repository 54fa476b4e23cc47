// SdlSound.cpp -- the sound device and its buffers, whose voices the audio output plays.
#include "engine/platform/sdl/SdlSound.h"

#include <SDL_video.h>

namespace engine::platform::sdl {

namespace {

// A voice buffer registered with the output for as long as it exists; it keeps the output,
// and so its lock, alive.
class SdlSoundBuffer final : public sound::VoiceBuffer {
 public:
  SdlSoundBuffer(std::shared_ptr<sound::Voice> voice, std::shared_ptr<AudioOutput> output)
      : VoiceBuffer(std::move(voice), output->Lock()), output_(std::move(output)) {}
  ~SdlSoundBuffer() override { output_->RemoveVoice(GetVoice().get()); }

 private:
  std::shared_ptr<AudioOutput> output_;
};

class SdlSoundDevice final : public SoundDevice {
 public:
  explicit SdlSoundDevice(std::shared_ptr<AudioOutput> output) : output_(std::move(output)) {}

  bool SetCooperativeLevel(WindowHandle window, int /*level*/) override {
    return window != 0 && SDL_GetWindowFromID(window) != nullptr;
  }

  SoundResult CreateSoundBuffer(const BufferDesc& desc,
                                std::unique_ptr<SoundBuffer>& buffer) override {
    buffer.reset();
    std::shared_ptr<sound::Voice> voice;
    if (const SoundResult result = sound::CreateVoice(desc, voice); result != SoundResult::kOk)
      return result;
    output_->AddVoice(voice);
    buffer = std::make_unique<SdlSoundBuffer>(std::move(voice), output_);
    return SoundResult::kOk;
  }

 private:
  std::shared_ptr<AudioOutput> output_;
};

}  // namespace

std::unique_ptr<SoundDevice> SdlSoundSystem::CreateDevice() {
  output_->Open();
  return std::make_unique<SdlSoundDevice>(output_);
}

}  // namespace engine::platform::sdl
