// FramePacerTest.cpp -- the pacer against simulated displays on a fake clock.
#include "engine/platform/FramePacer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace engine::platform {
namespace {

using std::chrono::microseconds;
using std::chrono::milliseconds;
using std::chrono::nanoseconds;
using TimePoint = PacerClock::TimePoint;
using Duration = FramePacer::Duration;

class FakeClock final : public PacerClock {
 public:
  TimePoint Now() override { return now; }
  void SleepUntil(TimePoint when) override {
    ++sleeps;
    if (when > now) now = when;
  }

  TimePoint now = TimePoint{} + std::chrono::hours(1);
  int sleeps = 0;
};

// How a present returns: advances the clock from the moment the frame is handed over.
using Display = std::function<void(FakeClock&)>;

// A display refreshing at hz: the present returns at the next refresh, plus an optional
// return delay that varies from frame to frame (jitter up to jitterMax).
Display Vsync(double hz, Duration jitterMax = Duration::zero()) {
  auto origin = std::make_shared<TimePoint>(TimePoint{} + std::chrono::hours(1) + microseconds(3));
  auto seed = std::make_shared<std::uint32_t>(12345);
  return [=](FakeClock& clock) {
    const double elapsed = static_cast<double>((clock.now - *origin).count());
    const double period = 1e9 / hz;
    auto k = static_cast<std::int64_t>(elapsed / period);
    auto at = [&](std::int64_t i) {
      return *origin + nanoseconds(static_cast<std::int64_t>(static_cast<double>(i) * period));
    };
    while (at(k) < clock.now)
      ++k;
    clock.now = at(k);
    if (jitterMax > Duration::zero()) {
      *seed = *seed * 214013u + 2531011u;
      clock.now +=
          nanoseconds((*seed >> 8) % static_cast<std::uint32_t>(nanoseconds(jitterMax).count()));
    }
  };
}

// SDL's stand-in for vsync where the driver has none: at least interval since the previous
// present returned.
Display SimulatedVsync(Duration interval) {
  auto last = std::make_shared<TimePoint>();
  return [=](FakeClock& clock) {
    if (*last != TimePoint{} && clock.now < *last + interval) clock.now = *last + interval;
    *last = clock.now;
  };
}

// A present that never waits: the dummy driver, or a frame not shown at all.
Display NoWait() {
  return [](FakeClock&) {};
}

struct Frames {
  std::vector<TimePoint> ends;  // when each FrameDone returned
  int sleeps = 0;
};

// Runs frames of the given work time (work(i) for frame i) through display and pacer.
Frames RunFrames(const Display& display, int frames, const std::function<Duration(int)>& work) {
  FakeClock clock;
  FramePacer pacer(clock);
  Frames run;
  for (int i = 0; i < frames; ++i) {
    clock.now += work(i);
    display(clock);
    pacer.FrameDone();
    run.ends.push_back(clock.now);
  }
  run.sleeps = clock.sleeps;
  return run;
}

std::function<Duration(int)> Steady(Duration work) {
  return [work](int) { return work; };
}

// Frames a second between frame `from` and the last one.
double Rate(const Frames& run, std::size_t from) {
  const double seconds = std::chrono::duration<double>(run.ends.back() - run.ends[from]).count();
  return static_cast<double>(run.ends.size() - 1 - from) / seconds;
}

struct Case {
  std::string name;
  Display display;
  Duration work;
};

TEST(FramePacer, HoldsFasterDisplaysToSixtyOnAverage) {
  const Case cases[] = {
      {"simulated vsync at 62.5 Hz", SimulatedVsync(milliseconds(16)), milliseconds(2)},
      {"simulated vsync, heavy frames", SimulatedVsync(milliseconds(16)), milliseconds(12)},
      {"62.5 Hz refresh", Vsync(62.5), milliseconds(2)},
      {"75 Hz refresh", Vsync(75), milliseconds(3)},
      {"144 Hz refresh", Vsync(144), milliseconds(1)},
      {"144 Hz refresh with jitter", Vsync(144, microseconds(300)), milliseconds(4)},
      {"no vsync at all", NoWait(), microseconds(700)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Frames run = RunFrames(c.display, 1200, Steady(c.work));
    EXPECT_NEAR(Rate(run, 10), 60.0, 0.03);
    EXPECT_GT(run.sleeps, 0);
  }
}

TEST(FramePacer, NeverHoldsDisplaysAtOrBelowSixty) {
  const Case cases[] = {
      {"60 Hz refresh", Vsync(60), milliseconds(5)},
      {"60 Hz refresh, present returns with jitter", Vsync(60, microseconds(400)), milliseconds(5)},
      {"60.05 Hz refresh", Vsync(60.05), milliseconds(5)},
      {"59.94 Hz refresh", Vsync(59.94), milliseconds(5)},
      {"50 Hz refresh", Vsync(50), milliseconds(5)},
      {"30 Hz refresh", Vsync(30), milliseconds(5)},
      {"slow frames without vsync", NoWait(), milliseconds(21)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Frames run = RunFrames(c.display, 3600, Steady(c.work));
    EXPECT_EQ(run.sleeps, 0);
  }
}

// Deadlines accumulate: a late frame on a fast display is made up by the next ones, so the
// frames return to the schedule they had before it.
TEST(FramePacer, ShortHitchIsMadeUp) {
  const Frames run = RunFrames(Vsync(144), 200,
                               [](int i) { return i == 100 ? milliseconds(30) : milliseconds(2); });
  const Duration period = FramePacer::kPeriod;
  const TimePoint scheduled = run.ends[50] + 100 * period;
  EXPECT_LT(run.ends[150] - scheduled, microseconds(10));
  EXPECT_GT(run.ends[150] - scheduled, -microseconds(10));
}

// After a long stall the schedule starts afresh: the frames after it come no faster than 60
// a second instead of rushing to catch up.
TEST(FramePacer, StallResynchronises) {
  const Frames run = RunFrames(
      Vsync(144), 300, [](int i) { return i == 100 ? milliseconds(500) : milliseconds(2); });
  const Duration shortest = FramePacer::kPeriod - FramePacer::kTolerance;
  for (std::size_t i = 101; i < run.ends.size(); ++i) {
    EXPECT_GE(run.ends[i] - run.ends[i - 1], shortest) << "frame " << i;
  }
  EXPECT_NEAR(Rate(run, 102), 60.0, 0.03);
}

}  // namespace
}  // namespace engine::platform
