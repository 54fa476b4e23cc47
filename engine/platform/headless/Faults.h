// Faults.h -- failure injection for the headless backend: any platform operation can be told
// to fail, with a chosen result, for a number of calls.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>

namespace engine::platform::headless {

enum class Op : std::uint8_t {
  // Window and messages.
  kRegisterClass,
  kCreateWindow,
  kUpdateWindow,
  // Display.
  kCreateDisplay,
  kSetCooperativeLevel,
  kSetDisplayMode,
  kCreateFlipChain,
  kGetAttachedSurface,
  kCreatePrimary,
  kCreateOffscreen,
  kDescribe,
  kLock,
  kFlip,
  kBltFast,
  kIsLost,  // any injected value makes the surface report itself lost
  kRestore,
  // Sound.
  kCreateSoundDevice,
  kSetSoundCooperativeLevel,
  kCreateSoundBuffer,
  kBufferGetCaps,
  kBufferLock,
  kBufferRestore,
  kCount,
};

class Faults {
 public:
  // The calls of op after the next `skip` ones fail `times` times with result (a
  // DisplayResult or SoundResult value; for operations that only succeed or fail any value).
  template <typename Result>
  void Inject(Op op, Result result, int times = 1, int skip = 0) {
    auto& plan = plans_[Index(op)];
    for (int i = 0; i < skip; ++i)
      plan.push_back(std::nullopt);
    for (int i = 0; i < times; ++i)
      plan.push_back(static_cast<int>(result));
  }

  // Called by the backend once per call of op: the injected result for this call, if any.
  std::optional<int> Next(Op op) {
    ++calls_[Index(op)];
    auto& plan = plans_[Index(op)];
    if (plan.empty()) return std::nullopt;
    const std::optional<int> result = plan.front();
    plan.pop_front();
    return result;
  }

  int Calls(Op op) const { return calls_[Index(op)]; }

  void Clear() {
    for (auto& plan : plans_)
      plan.clear();
  }

 private:
  static constexpr std::size_t Index(Op op) { return static_cast<std::size_t>(op); }

  std::array<std::deque<std::optional<int>>, static_cast<std::size_t>(Op::kCount)> plans_;
  std::array<int, static_cast<std::size_t>(Op::kCount)> calls_{};
};

}  // namespace engine::platform::headless
