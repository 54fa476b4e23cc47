// Voice.h -- one playback buffer's samples and play state, and the SoundBuffer that drives it.
// Both sound backends keep their voices this way; the device's mixer reads them.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "engine/platform/SoundSystem.h"

namespace engine::sound {

// Whether a device can play a buffer of this format and length: PCM, mono or stereo, 8 or 16
// bits, a positive rate, a block size that matches, and a non-empty whole number of blocks.
bool IsPlayableFormat(const platform::WaveFormat& format, std::uint32_t bytes);

struct Voice {
  platform::WaveFormat format;
  std::vector<std::uint8_t> data;
  std::uint32_t position = 0;  // byte offset of the next frame to play
  // How far past position the mixer stands, in 1/(output rate) of a frame; the mixer's own
  // unit, so that resampling stays exact. 0 whenever the position is set.
  std::uint32_t phase = 0;
  bool playing = false;
  std::int32_t volume = 0;  // hundredths of a decibel
  std::int32_t pan = 0;
  bool lost = false;
};

// Serialises access to the voices between the game thread and the device's mixing thread.
class VoiceLock {
 public:
  virtual ~VoiceLock() = default;
  virtual void lock() = 0;
  virtual void unlock() = 0;
};

// A lock for devices that mix on the game thread.
class NoVoiceLock final : public VoiceLock {
 public:
  void lock() override {}
  void unlock() override {}
};

// The voice of a new playback buffer: desc's format and desc.bufferBytes of silence. Called by
// each backend's CreateSoundBuffer, which then hands the voice to its mixer; a buffer no device
// can play gets kInvalidParam and no voice.
platform::SoundResult CreateVoice(const platform::BufferDesc& desc, std::shared_ptr<Voice>& voice);

class VoiceBuffer : public platform::SoundBuffer {
 public:
  VoiceBuffer(std::shared_ptr<Voice> voice, VoiceLock& lock);

  platform::SoundResult GetCaps(std::uint32_t& bufferBytes) override;
  // Hands out a staging copy; Unlock publishes it to the voice, so the mixer never reads a
  // half-written buffer.
  platform::SoundResult Lock(std::uint32_t offset, std::uint32_t bytes, void*& first,
                             std::uint32_t& firstBytes, void*& second,
                             std::uint32_t& secondBytes) override;
  platform::SoundResult Unlock(void* first, std::uint32_t firstBytes, void* second,
                               std::uint32_t secondBytes) override;
  platform::SoundResult Restore() override;
  platform::SoundResult SetCurrentPosition(std::uint32_t byteOffset) override;
  platform::SoundResult SetVolume(std::int32_t level) override;
  platform::SoundResult SetPan(std::int32_t pan) override;
  platform::SoundResult Play() override;
  platform::SoundResult Stop() override;

  const std::shared_ptr<Voice>& GetVoice() const { return voice_; }

 private:
  std::shared_ptr<Voice> voice_;
  VoiceLock& lock_;
  std::vector<std::uint8_t> staging_;
  bool stagingOut_ = false;
};

}  // namespace engine::sound
