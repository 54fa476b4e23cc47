// FramePacer.cpp -- the deadline schedule that keeps presented frames at 60 a second.
#include "engine/platform/FramePacer.h"

#include <thread>

namespace engine::platform {

PacerClock::TimePoint SteadyPacerClock::Now() {
  return std::chrono::steady_clock::now();
}

void SteadyPacerClock::SleepUntil(TimePoint when) {
  std::this_thread::sleep_until(when);
}

void FramePacer::FrameDone() {
  const PacerClock::TimePoint now = clock_.Now();
  if (!started_) {
    started_ = true;
    deadline_ = now + kPeriod;
    return;
  }
  if (now < deadline_ - kTolerance) {
    // Early: the frame ends on its deadline, and the next deadline follows from that one.
    clock_.SleepUntil(deadline_);
  } else if (now < deadline_) {
    deadline_ = now;
  } else if (now - deadline_ > kResyncAfter) {
    deadline_ = now;
  }
  deadline_ += kPeriod;
}

}  // namespace engine::platform
