// PaySchedule.h -- the instalments a Normal passer-by pays as a performance goes on: steps in
// ascending threshold order, paid as the accumulated progress reaches each threshold.
#pragma once

#include <cstdint>
#include <vector>

namespace game::actors {

struct PayStep {
  std::int32_t amount = 0;
  std::int32_t threshold = 0;
};

class PaySchedule {
 public:
  // Inserts before the first step whose threshold is at least threshold, so among equal
  // thresholds the newest comes first.
  void Add(std::int32_t amount, std::int32_t threshold);
  void AddProgress(float d) { progress_ += d; }
  void SetProgress(float f) { progress_ = f; }
  float Progress() const { return progress_; }
  // The first step's threshold has been reached.
  bool IsDue() const;
  // Removes the first step and returns its amount; 0 when there is none.
  std::int32_t PopAmount();
  bool HasSteps() const { return !steps_.empty(); }
  // The steps still to be paid, first to last.
  const std::vector<PayStep>& Steps() const { return steps_; }

 private:
  std::vector<PayStep> steps_;
  float progress_ = 0.0f;
};

}  // namespace game::actors
