// Voice.cpp -- the play state of one playback buffer.
#include "engine/sound/Voice.h"

#include <algorithm>

namespace engine::sound {

using platform::SoundResult;

bool IsPlayableFormat(const platform::WaveFormat& f, std::uint32_t bytes) {
  return f.formatTag == 1 && (f.channels == 1 || f.channels == 2) &&
         (f.bitsPerSample == 8 || f.bitsPerSample == 16) && f.samplesPerSec > 0 &&
         f.blockAlign == f.channels * f.bitsPerSample / 8 && bytes > 0 && bytes % f.blockAlign == 0;
}

SoundResult CreateVoice(const platform::BufferDesc& desc, std::shared_ptr<Voice>& voice) {
  voice.reset();
  if (!IsPlayableFormat(desc.format, desc.bufferBytes)) return SoundResult::kInvalidParam;
  voice = std::make_shared<Voice>();
  voice->format = desc.format;
  // Silence in the buffer's own format: 8-bit samples are unsigned.
  voice->data.assign(desc.bufferBytes, desc.format.bitsPerSample == 8 ? 0x80 : 0x00);
  return SoundResult::kOk;
}

VoiceBuffer::VoiceBuffer(std::shared_ptr<Voice> voice, VoiceLock& lock)
    : voice_(std::move(voice)), lock_(lock) {}

SoundResult VoiceBuffer::GetCaps(std::uint32_t& bufferBytes) {
  std::lock_guard guard(lock_);
  bufferBytes = static_cast<std::uint32_t>(voice_->data.size());
  return SoundResult::kOk;
}

SoundResult VoiceBuffer::Lock(std::uint32_t offset, std::uint32_t bytes, void*& first,
                              std::uint32_t& firstBytes, void*& second,
                              std::uint32_t& secondBytes) {
  std::lock_guard guard(lock_);
  if (voice_->lost) return SoundResult::kBufferLost;
  if (stagingOut_) return SoundResult::kInvalidCall;
  const std::uint32_t size = static_cast<std::uint32_t>(voice_->data.size());
  if (offset >= size || bytes > size) return SoundResult::kInvalidParam;
  staging_ = voice_->data;
  stagingOut_ = true;
  firstBytes = std::min(bytes, size - offset);
  first = staging_.data() + offset;
  secondBytes = bytes - firstBytes;  // the part that wraps to the start
  second = secondBytes != 0 ? staging_.data() : nullptr;
  return SoundResult::kOk;
}

SoundResult VoiceBuffer::Unlock(void* /*first*/, std::uint32_t /*firstBytes*/, void* /*second*/,
                                std::uint32_t /*secondBytes*/) {
  if (!stagingOut_) return SoundResult::kInvalidCall;
  std::lock_guard guard(lock_);
  voice_->data.swap(staging_);
  staging_.clear();
  staging_.shrink_to_fit();
  stagingOut_ = false;
  return SoundResult::kOk;
}

SoundResult VoiceBuffer::Restore() {
  std::lock_guard guard(lock_);
  voice_->lost = false;
  return SoundResult::kOk;
}

SoundResult VoiceBuffer::SetCurrentPosition(std::uint32_t byteOffset) {
  std::lock_guard guard(lock_);
  const std::uint32_t size = static_cast<std::uint32_t>(voice_->data.size());
  const std::uint32_t block = std::max<std::uint32_t>(voice_->format.blockAlign, 1);
  voice_->position = std::min(byteOffset, size) / block * block;
  voice_->phase = 0;
  return SoundResult::kOk;
}

SoundResult VoiceBuffer::SetVolume(std::int32_t level) {
  if (level > 0 || level < -10000) return SoundResult::kInvalidParam;
  std::lock_guard guard(lock_);
  voice_->volume = level;
  return SoundResult::kOk;
}

SoundResult VoiceBuffer::SetPan(std::int32_t pan) {
  if (pan < -10000 || pan > 10000) return SoundResult::kInvalidParam;
  std::lock_guard guard(lock_);
  voice_->pan = pan;
  return SoundResult::kOk;
}

SoundResult VoiceBuffer::Play() {
  std::lock_guard guard(lock_);
  if (voice_->lost) return SoundResult::kBufferLost;
  // A voice that ran to its end starts again from the top, as a one-pass buffer does.
  if (voice_->position >= voice_->data.size()) {
    voice_->position = 0;
    voice_->phase = 0;
  }
  voice_->playing = true;
  return SoundResult::kOk;
}

SoundResult VoiceBuffer::Stop() {
  std::lock_guard guard(lock_);
  voice_->playing = false;
  return SoundResult::kOk;
}

}  // namespace engine::sound
