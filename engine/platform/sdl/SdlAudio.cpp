// SdlAudio.cpp -- opening the audio device with its silent fallback, the callback that runs
// the engine's mixer, and the list of voices it reads.
#include "engine/platform/sdl/SdlAudio.h"

#include <SDL.h>

#include <string>

#include "engine/platform/sdl/SdlConsole.h"

namespace engine::platform::sdl {

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
  SDL_AudioSpec obtained{};
  // No changes allowed: SDL converts to whatever the hardware takes.
  const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
  if (device == 0) {
    reason = SDL_GetError();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  if (obtained.format != AUDIO_S16SYS || obtained.freq <= 0 ||
      (obtained.channels != 1 && obtained.channels != 2)) {
    reason = "the device offers no signed 16-bit mono or stereo output";
    SDL_CloseAudioDevice(device);
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return false;
  }
  // The device opens paused, so the callback cannot run before its mixer is ready.
  mixer_ = sound::Mixer(static_cast<std::uint32_t>(obtained.freq), obtained.channels);
  mixer_.Reserve(obtained.samples);
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

// Runs on SDL's audio thread with the device locked (SDL holds the lock that
// SDL_LockAudioDevice takes around every call), so the voices stand still while it mixes.
void AudioOutput::Callback(void* userdata, Uint8* stream, int bytes) {
  auto* output = static_cast<AudioOutput*>(userdata);
  const std::size_t samples = static_cast<std::size_t>(bytes) / sizeof(std::int16_t);
  output->mixer_.Mix({reinterpret_cast<std::int16_t*>(stream), samples}, output->voices_);
}

}  // namespace engine::platform::sdl
