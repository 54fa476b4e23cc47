// FramePacer.h -- holds presented frames to 60 a second where the display lets them run faster.
#pragma once

#include <chrono>

namespace engine::platform {

// The time source the pacer reads and sleeps on; tests substitute a fake one.
class PacerClock {
 public:
  using TimePoint = std::chrono::steady_clock::time_point;

  virtual ~PacerClock() = default;
  virtual TimePoint Now() = 0;
  virtual void SleepUntil(TimePoint when) = 0;
};

// The real clock: the monotonic system clock and a thread sleep.
class SteadyPacerClock final : public PacerClock {
 public:
  TimePoint Now() override;
  void SleepUntil(TimePoint when) override;
};

// The game advances one step per frame, so frames must come 60 a second. Each frame has a
// deadline one period after the previous one; a frame that is done well before its deadline
// is held until then. Deadlines accumulate, so a frame that comes late is made up by the next
// ones and the average stays at 60 on any display that runs faster. The pacer never speeds a
// frame up: a display at 60 a second or slower is never held.
class FramePacer {
 public:
  using Duration = std::chrono::steady_clock::duration;

  static constexpr Duration kPeriod = std::chrono::nanoseconds(16'666'667);
  // A frame this little ahead of its deadline counts as on time, and the schedule moves to it:
  // a display a shade faster than 60 Hz is followed rather than held now and then. It is kept
  // below the 0.67 ms by which a 62.5 Hz display runs ahead each frame.
  static constexpr Duration kTolerance = std::chrono::microseconds(500);
  // A frame this late (a stall: loading, a dragged window, a suspended process) restarts the
  // schedule instead of letting the following frames rush to catch up.
  static constexpr Duration kResyncAfter = 3 * kPeriod;

  explicit FramePacer(PacerClock& clock) : clock_(clock) {}

  // Called once after each frame has been presented or skipped; returns when the next frame
  // may begin.
  void FrameDone();
  // Forgets the schedule; the next frame starts a new one.
  void Reset() { started_ = false; }

 private:
  PacerClock& clock_;
  bool started_ = false;
  PacerClock::TimePoint deadline_{};
};

}  // namespace engine::platform
