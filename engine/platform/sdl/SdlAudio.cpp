// SdlAudio.cpp -- opening the audio device with its silent fallback, the callback, and the
// list of voices it reads.
#include "engine/platform/sdl/SdlAudio.h"

#include <SDL.h>

#include <algorithm>
#include <string>

#include "engine/platform/sdl/SdlConsole.h"

namespace engine::platform::sdl {

void FillOutput(std::span<std::int16_t> stereo,
                const std::vector<std::shared_ptr<sound::Voice>>& /*voices*/) {
  std::fill(stereo.begin(), stereo.end(), std::int16_t{0});
}

void AudioOutput::DeviceLock::lock() {
  if (device != 0) {
    SDL_LockAudioDevice(device);
  } else {
    mutex_.lock();
  }
}

void AudioOutput::DeviceLock::unlock() {
  if (device != 0) {
    SDL_UnlockAudioDevice(device);
  } else {
    mutex_.unlock();
  }
}

AudioOutput::~AudioOutput() {
  Close();
}

void AudioOutput::Open() {
  if (tried_) return;
  tried_ = true;
  std::string reason;
  if (TryOpen(reason)) return;
  // A machine without sound still plays: SDL's dummy driver consumes the output in real time.
  SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
  std::string ignored;
  TryOpen(ignored);
  SDL_ResetHint(SDL_HINT_AUDIODRIVER);
  ConsoleLine("no audio output (" + reason + "); playing without sound");
}

bool AudioOutput::TryOpen(std::string& reason) {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
    reason = SDL_GetError();
    return false;
  }
  SDL_AudioSpec wanted{};
  wanted.freq = kRate;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = kChannels;
  wanted.samples = kFramesPerBuffer;
  wanted.callback = &AudioOutput::Callback;
  wanted.userdata = this;
  // No changes allowed: SDL converts to whatever the hardware takes.
  const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, nullptr, 0);
  if (device == 0) {
    reason = SDL_GetError();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  subsystemStarted_ = true;
  lock_.device = device;
  SDL_PauseAudioDevice(device, 0);
  return true;
}

void AudioOutput::Close() {
  if (lock_.device != 0) {
    // Returns once the callback has finished for good.
    SDL_CloseAudioDevice(lock_.device);
    lock_.device = 0;
  }
  if (subsystemStarted_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
  subsystemStarted_ = false;
}

void AudioOutput::AddVoice(std::shared_ptr<sound::Voice> voice) {
  std::lock_guard guard(lock_);
  voices_.push_back(std::move(voice));
}

void AudioOutput::RemoveVoice(const sound::Voice* voice) {
  std::lock_guard guard(lock_);
  std::erase_if(voices_, [voice](const auto& v) { return v.get() == voice; });
}

std::size_t AudioOutput::VoiceCount() {
  std::lock_guard guard(lock_);
  return voices_.size();
}

// Runs on SDL's audio thread with the device locked.
void AudioOutput::Callback(void* userdata, Uint8* stream, int bytes) {
  auto* output = static_cast<AudioOutput*>(userdata);
  const std::size_t samples = static_cast<std::size_t>(bytes) / sizeof(std::int16_t);
  FillOutput({reinterpret_cast<std::int16_t*>(stream), samples}, output->voices_);
}

}  // namespace engine::platform::sdl
