// SdlAudio.h -- the one SDL audio device (44100 Hz, stereo, signed 16-bit, a callback) and the
// voices it plays.
#pragma once

#include <SDL_audio.h>

#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "engine/sound/Mixer.h"
#include "engine/sound/Voice.h"

namespace engine::platform::sdl {

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
  // The rate and channels the callback mixes for: the device's obtained format.
  std::uint32_t MixRate() const { return mixer_.Rate(); }
  int MixChannels() const { return mixer_.Channels(); }

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
  // Used only by the callback once the device runs; set up before it starts.
  sound::Mixer mixer_{kRate, kChannels};
  bool tried_ = false;
  bool subsystemStarted_ = false;
};

}  // namespace engine::platform::sdl
