// Playback.cpp -- the engine's sound table: one playback buffer per sound, all in the format
// of the first sound that got one, filled from the sound's samples and played once per call.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine/core/Engine.h"
#include "engine/sound/SoundX.h"

namespace engine::core {

using platform::SoundResult;

namespace {

constexpr std::int32_t kTableStep = 10;
constexpr int kMaxLockRetries = 10;

std::int32_t BlockSize(std::int32_t bits, std::int32_t channels) {
  return bits / 8 * channels;
}

// The status a lock failure leaves, or the current one for failures without a code.
std::int32_t LockFailureStatus(SoundResult result, std::int32_t current) {
  switch (result) {
    case SoundResult::kBufferLost:
      return SOUNDLOST_FAIL;
    case SoundResult::kInvalidCall:
      return SOUNDINVALID_FAIL;
    case SoundResult::kInvalidParam:
      return SOUNDPARAM_FAIL;
    case SoundResult::kPrioLevelNeeded:
      return SOUNDPRIOLEVEL_FAIL;
    default:
      return current;
  }
}

// Truncates toward zero, holding values beyond 32 bits (and NaN, as 0) inside the range the
// buffer then refuses or accepts.
std::int32_t Truncate(double value) {
  if (std::isnan(value)) return 0;
  const double limited = std::clamp(value, -2147483648.0, 2147483647.0);
  return static_cast<std::int32_t>(std::trunc(limited));
}

}  // namespace

std::int32_t Engine::CreatePlaybackBuffer(sound::SoundX& sound) {
  if (sounds_.count == sounds_.capacity) {
    sounds_.capacity += kTableStep;
    sounds_.owners.resize(static_cast<std::size_t>(sounds_.capacity), nullptr);
    sounds_.buffers.resize(static_cast<std::size_t>(sounds_.capacity));
  }
  const auto index = static_cast<std::size_t>(sounds_.count);
  sounds_.owners[index] = &sound;

  if (sounds_.count == 0) {
    sounds_.channels = sound.channels;
    sounds_.bits = sound.bitsPerSample;
    sounds_.rate = sound.samplesPerSecond;
  } else {
    // One report for each field that differs; the buffer keeps the shared format anyway.
    if (sound.channels != sounds_.channels) SetStatus(SOUNDMATCH_FAILED);
    if (sound.bitsPerSample != sounds_.bits) SetStatus(SOUNDMATCH_FAILED);
    if (sound.samplesPerSecond != sounds_.rate) SetStatus(SOUNDMATCH_FAILED);
  }

  sounds_.buffers[index].reset();
  const std::int32_t block = BlockSize(sounds_.bits, sounds_.channels);
  platform::BufferDesc desc;
  desc.bufferBytes = static_cast<std::uint32_t>(std::max(sound.frames, 0)) *
                     static_cast<std::uint32_t>(std::max(block, 0));
  desc.format.formatTag = 1;
  desc.format.channels = static_cast<std::uint16_t>(sounds_.channels);
  desc.format.samplesPerSec = sounds_.rate;
  desc.format.avgBytesPerSec = static_cast<std::uint32_t>(block) * sounds_.rate;
  desc.format.blockAlign = static_cast<std::uint16_t>(block);
  desc.format.bitsPerSample = static_cast<std::uint16_t>(sounds_.bits);
  desc.format.extraSize = 0;
  if (!directSound_ ||
      directSound_->CreateSoundBuffer(desc, sounds_.buffers[index]) != SoundResult::kOk ||
      !sounds_.buffers[index]) {
    sounds_.buffers[index].reset();
    SetStatus(SOUNDCREATE_FAILED);
  }

  ++sounds_.count;
  return sounds_.count - 1;
}

void Engine::UploadSound(sound::SoundX& sound) {
  if (sound.bufferIndex == -1) sound.bufferIndex = CreatePlaybackBuffer(sound);
  if (sound.bufferIndex < 0 || sound.bufferIndex >= sounds_.count) return;
  platform::SoundBuffer* buffer =
      sounds_.buffers[static_cast<std::size_t>(sound.bufferIndex)].get();
  // A buffer that could not be created was reported then; the sound stays silent.
  if (buffer == nullptr) return;

  std::uint32_t bufferBytes = 0;
  if (buffer->GetCaps(bufferBytes) != SoundResult::kOk) {
    // Without the buffer's length nothing can be copied safely.
    SetStatus(SOUNDCAPS_FAILED);
    return;
  }
  const std::int32_t block = BlockSize(sound.bitsPerSample, sound.channels);
  if (block <= 0 || bufferBytes / static_cast<std::uint32_t>(block) !=
                        static_cast<std::uint32_t>(std::max(sound.frames, 0))) {
    SetStatus(SOUNDBUFLEN_FAILED);
  }

  void* first = nullptr;
  void* second = nullptr;
  std::uint32_t firstBytes = 0, secondBytes = 0;
  SoundResult result = buffer->Lock(0, bufferBytes, first, firstBytes, second, secondBytes);
  for (int retries = 0; result == SoundResult::kBufferLost && retries < kMaxLockRetries;
       ++retries) {
    buffer->Restore();
    result = buffer->Lock(0, bufferBytes, first, firstBytes, second, secondBytes);
  }
  if (result != SoundResult::kOk) {
    // Nothing was locked, so there is nothing to copy into or unlock.
    SetStatus(LockFailureStatus(result, status_));
    return;
  }

  // The sound's whole frames, no more than the buffer holds.
  std::size_t bytes = static_cast<std::size_t>(std::max(sound.frames, 0)) *
                      static_cast<std::size_t>(std::max(block, 0));
  bytes = std::min({bytes, sound.data.size(), static_cast<std::size_t>(bufferBytes)});
  const std::size_t inFirst = std::min<std::size_t>(bytes, firstBytes);
  if (inFirst > 0) std::memcpy(first, sound.data.data(), inFirst);
  const std::size_t inSecond = std::min<std::size_t>(bytes - inFirst, secondBytes);
  if (inSecond > 0) std::memcpy(second, sound.data.data() + inFirst, inSecond);
  buffer->Unlock(first, firstBytes, second, secondBytes);
  sound.dirty = 0;
}

namespace {

// The playback buffer of a sound that has one, or null.
platform::SoundBuffer* BufferOf(const SoundTable& table, const sound::SoundX& sound) {
  if (sound.bufferIndex < 0 || sound.bufferIndex >= table.count) return nullptr;
  return table.buffers[static_cast<std::size_t>(sound.bufferIndex)].get();
}

}  // namespace

void Engine::StartSound(sound::SoundX& sound, int fromCurrent) {
  if (soundStartedHook_) soundStartedHook_(sound);
  if (sound.NeedsUpload()) UploadSound(sound);
  platform::SoundBuffer* buffer = BufferOf(sounds_, sound);
  if (buffer == nullptr) return;
  if (fromCurrent == 0) buffer->SetCurrentPosition(0);
  buffer->Play();
}

void Engine::StartSoundVolumePan(sound::SoundX& sound, int fromCurrent, float volume, float pan) {
  if (soundStartedHook_) soundStartedHook_(sound);
  if (sound.NeedsUpload()) UploadSound(sound);
  platform::SoundBuffer* buffer = BufferOf(sounds_, sound);
  if (buffer == nullptr) return;
  if (fromCurrent == 0) buffer->SetCurrentPosition(0);
  buffer->SetVolume(Truncate(volume * 5000.0 - 5000.0));
  buffer->SetPan(Truncate(pan * 10000.0));
  buffer->Play();
}

void Engine::RewindSound(sound::SoundX& sound) {
  if (sound.NeedsUpload()) UploadSound(sound);
  if (platform::SoundBuffer* buffer = BufferOf(sounds_, sound)) buffer->SetCurrentPosition(0);
}

void Engine::StopSound(sound::SoundX& sound) {
  if (platform::SoundBuffer* buffer = BufferOf(sounds_, sound)) buffer->Stop();
}

}  // namespace engine::core
