// BufferDescs.h -- playback buffer descriptions for the sound device and voice tests.
#pragma once

#include <cstdint>

#include "engine/platform/SoundSystem.h"

namespace tests {

// Uncompressed PCM with the block size and byte rate that follow from the rest.
inline engine::platform::WaveFormat Pcm(std::uint16_t channels, std::uint16_t bits,
                                        std::uint32_t rate = 22050) {
  engine::platform::WaveFormat f;
  f.formatTag = 1;
  f.channels = channels;
  f.bitsPerSample = bits;
  f.samplesPerSec = rate;
  f.blockAlign = static_cast<std::uint16_t>(channels * bits / 8);
  f.avgBytesPerSec = rate * f.blockAlign;
  return f;
}

inline engine::platform::BufferDesc Desc(const engine::platform::WaveFormat& format,
                                         std::uint32_t bytes) {
  engine::platform::BufferDesc desc;
  desc.bufferBytes = bytes;
  desc.format = format;
  return desc;
}

}  // namespace tests
