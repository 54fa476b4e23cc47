// HeadlessSound.cpp -- in-memory sound device and buffers with injectable failures, mixed
// by the engine's mixer as the frames go by.
#include "engine/platform/headless/HeadlessSound.h"

#include <algorithm>

namespace engine::platform::headless {

namespace {

SoundResult Injected(const std::optional<int>& fault) {
  return static_cast<SoundResult>(*fault);
}

class HeadlessBuffer final : public sound::VoiceBuffer {
 public:
  HeadlessBuffer(std::shared_ptr<sound::Voice> voice, sound::VoiceLock& lock, Faults& faults)
      : VoiceBuffer(std::move(voice), lock), faults_(faults) {}
  // The voice stays listed for inspection, but a released buffer no longer sounds.
  ~HeadlessBuffer() override { GetVoice()->playing = false; }

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
    std::shared_ptr<sound::Voice> voice;
    if (const SoundResult result = sound::CreateVoice(desc, voice); result != SoundResult::kOk)
      return result;
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

HeadlessSoundSystem::HeadlessSoundSystem(Faults& faults, const SoundConfig& config)
    : faults_(faults),
      config_(config),
      voices_(std::make_shared<std::vector<std::shared_ptr<sound::Voice>>>()),
      mixer_(config.rate, config.channels) {
  config_.framesPerSecond = std::max(config_.framesPerSecond, 1);
  // Room for the longest frame, so that mixing never allocates.
  const std::size_t longest =
      mixer_.Rate() / static_cast<std::uint32_t>(config_.framesPerSecond) + 1;
  output_.resize(longest * static_cast<std::size_t>(mixer_.Channels()));
  mixer_.Reserve(longest);
}

void HeadlessSoundSystem::AdvanceFrame() {
  const auto fps = static_cast<std::uint32_t>(config_.framesPerSecond);
  const std::uint64_t due = static_cast<std::uint64_t>(carry_) + mixer_.Rate();
  const auto frames = static_cast<std::size_t>(due / fps);
  carry_ = static_cast<std::uint32_t>(due % fps);
  outputSamples_ = frames * static_cast<std::size_t>(mixer_.Channels());
  mixer_.Mix({output_.data(), outputSamples_}, *voices_);
  framesMixed_ += frames;
}

std::unique_ptr<SoundDevice> HeadlessSoundSystem::CreateDevice() {
  if (faults_.Next(Op::kCreateSoundDevice)) return nullptr;
  return std::make_unique<HeadlessSoundDevice>(faults_, voices_);
}

}  // namespace engine::platform::headless
