// SdlAudio.h -- the one SDL audio device (44100 Hz, stereo, signed 16-bit, a callback) and the
// voices it plays.
#pragma once

#include <SDL_audio.h>

#include <cstdint>
#include <memory>
#include <mutex>
#include <span>
#include <string>
#include <vector>

#include "engine/sound/Voice.h"

namespace engine::platform::sdl {

// Fills one callback's output, interleaved left and right samples, from the voices. This is
// where the engine's mixer plugs in; until then the device plays silence.
void FillOutput(std::span<std::int16_t> stereo,
                const std::vector<std::shared_ptr<sound::Voice>>& voices);

class AudioOutput {
 public:
  static constexpr int kRate = 44100;
  static constexpr int kChannels = 2;
  static constexpr int kFramesPerBuffer = 1024;

  AudioOutput() = default;
  ~AudioOutput();
  AudioOutput(const AudioOutput&) = delete;
  AudioOutput& operator=(const AudioOutput&) = delete;

  // Opens the device on the first call. Where no real output can be opened the device plays
  // into silence (SDL's dummy driver, or no device at all) and says so once.
  void Open();
  // Stops the callback and closes the device; the voices stay and lock with a plain mutex.
  void Close();
  bool HasDevice() const { return lock_.device != 0; }

  // Guards the voices against the callback thread.
  sound::VoiceLock& Lock() { return lock_; }
  void AddVoice(std::shared_ptr<sound::Voice> voice);
  void RemoveVoice(const sound::Voice* voice);
  std::size_t VoiceCount();

 private:
  // The device's lock while one is open, else a mutex of its own.
  class DeviceLock final : public sound::VoiceLock {
   public:
    void lock() override;
    void unlock() override;

    SDL_AudioDeviceID device = 0;

   private:
    std::mutex mutex_;
  };

  static void Callback(void* userdata, Uint8* stream, int bytes);
  bool TryOpen(std::string& reason);

  DeviceLock lock_;
  std::vector<std::shared_ptr<sound::Voice>> voices_;
  bool tried_ = false;
  bool subsystemStarted_ = false;
};

}  // namespace engine::platform::sdl
