// HeadlessSound.cpp -- in-memory sound device and buffers with injectable failures.
#include "engine/platform/headless/HeadlessSound.h"

namespace engine::platform::headless {

namespace {

SoundResult Injected(const std::optional<int>& fault) {
  return static_cast<SoundResult>(*fault);
}

class HeadlessBuffer final : public sound::VoiceBuffer {
 public:
  HeadlessBuffer(std::shared_ptr<sound::Voice> voice, sound::VoiceLock& lock, Faults& faults)
      : VoiceBuffer(std::move(voice), lock), faults_(faults) {}

  SoundResult GetCaps(std::uint32_t& bufferBytes) override {
    if (auto fault = faults_.Next(Op::kBufferGetCaps)) return Injected(fault);
    return VoiceBuffer::GetCaps(bufferBytes);
  }

  SoundResult Lock(std::uint32_t offset, std::uint32_t bytes, void*& first,
                   std::uint32_t& firstBytes, void*& second, std::uint32_t& secondBytes) override {
    if (auto fault = faults_.Next(Op::kBufferLock)) return Injected(fault);
    return VoiceBuffer::Lock(offset, bytes, first, firstBytes, second, secondBytes);
  }

  SoundResult Restore() override {
    if (auto fault = faults_.Next(Op::kBufferRestore)) return Injected(fault);
    return VoiceBuffer::Restore();
  }

 private:
  Faults& faults_;
};

class HeadlessSoundDevice final : public SoundDevice {
 public:
  HeadlessSoundDevice(Faults& faults,
                      std::shared_ptr<std::vector<std::shared_ptr<sound::Voice>>> voices)
      : faults_(faults), voices_(std::move(voices)) {}

  bool SetCooperativeLevel(WindowHandle window, int /*level*/) override {
    return !faults_.Next(Op::kSetSoundCooperativeLevel) && window != 0;
  }

  SoundResult CreateSoundBuffer(const BufferDesc& desc,
                                std::unique_ptr<SoundBuffer>& buffer) override {
    buffer.reset();
    if (auto fault = faults_.Next(Op::kCreateSoundBuffer)) return Injected(fault);
    if (!sound::IsPlayableFormat(desc.format, desc.bufferBytes)) return SoundResult::kInvalidParam;
    auto voice = std::make_shared<sound::Voice>();
    voice->format = desc.format;
    voice->data.assign(desc.bufferBytes, desc.format.bitsPerSample == 8 ? 0x80 : 0x00);
    voices_->push_back(voice);
    buffer = std::make_unique<HeadlessBuffer>(std::move(voice), lock_, faults_);
    return SoundResult::kOk;
  }

 private:
  Faults& faults_;
  std::shared_ptr<std::vector<std::shared_ptr<sound::Voice>>> voices_;
  sound::NoVoiceLock lock_;
};

}  // namespace

HeadlessSoundSystem::HeadlessSoundSystem(Faults& faults)
    : faults_(faults), voices_(std::make_shared<std::vector<std::shared_ptr<sound::Voice>>>()) {}

std::unique_ptr<SoundDevice> HeadlessSoundSystem::CreateDevice() {
  if (faults_.Next(Op::kCreateSoundDevice)) return nullptr;
  return std::make_unique<HeadlessSoundDevice>(faults_, voices_);
}

}  // namespace engine::platform::headless
