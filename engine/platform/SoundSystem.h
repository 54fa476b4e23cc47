// SoundSystem.h -- the sound device: one playback buffer per sound, each a voice of its own.
#pragma once

#include <cstdint>
#include <memory>

#include "engine/platform/Message.h"

namespace engine::platform {

enum class SoundResult : std::uint8_t {
  kOk,
  kGeneric,
  kBufferLost,
  kInvalidCall,
  kInvalidParam,
  kPrioLevelNeeded,
};

// PCM wave format of a playback buffer.
struct WaveFormat {
  std::uint16_t formatTag = 1;
  std::uint16_t channels = 0;
  std::uint32_t samplesPerSec = 0;
  std::uint32_t avgBytesPerSec = 0;
  std::uint16_t blockAlign = 0;
  std::uint16_t bitsPerSample = 0;
  std::uint16_t extraSize = 0;
};

struct BufferDesc {
  std::uint32_t size = 36;
  std::uint32_t flags = 0xE0;  // frequency, pan and volume control
  std::uint32_t bufferBytes = 0;
  std::uint32_t reserved = 0;
  WaveFormat format;
};

class SoundBuffer {
 public:
  virtual ~SoundBuffer() = default;

  // The buffer's length in bytes.
  virtual SoundResult GetCaps(std::uint32_t& bufferBytes) = 0;
  // Locks bytes from offset; a wrapping region comes back in two parts.
  virtual SoundResult Lock(std::uint32_t offset, std::uint32_t bytes, void*& first,
                           std::uint32_t& firstBytes, void*& second,
                           std::uint32_t& secondBytes) = 0;
  virtual SoundResult Unlock(void* first, std::uint32_t firstBytes, void* second,
                             std::uint32_t secondBytes) = 0;
  virtual SoundResult Restore() = 0;
  virtual SoundResult SetCurrentPosition(std::uint32_t byteOffset) = 0;
  // Hundredths of a decibel, 0 loudest, -10000 silent.
  virtual SoundResult SetVolume(std::int32_t level) = 0;
  // -10000 left only, 0 centre, 10000 right only.
  virtual SoundResult SetPan(std::int32_t pan) = 0;
  // One pass through the buffer from the current position, no looping.
  virtual SoundResult Play() = 0;
  virtual SoundResult Stop() = 0;
};

// The sound device object.
class SoundDevice {
 public:
  virtual ~SoundDevice() = default;

  virtual bool SetCooperativeLevel(WindowHandle window, int level) = 0;
  // nullptr in buffer when creation fails.
  virtual SoundResult CreateSoundBuffer(const BufferDesc& desc,
                                        std::unique_ptr<SoundBuffer>& buffer) = 0;
};

class SoundSystem {
 public:
  virtual ~SoundSystem() = default;
  // Creates the device; nullptr on failure.
  virtual std::unique_ptr<SoundDevice> CreateDevice() = 0;
};

}  // namespace engine::platform
