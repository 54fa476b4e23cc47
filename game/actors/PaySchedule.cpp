// PaySchedule.cpp -- inserting instalments in threshold order and paying them out as the
// accumulated progress reaches them.
#include "game/actors/PaySchedule.h"

#include <algorithm>

namespace game::actors {

void PaySchedule::Add(std::int32_t amount, std::int32_t threshold) {
  const auto at = std::find_if(steps_.begin(), steps_.end(), [threshold](const PayStep& step) {
    return step.threshold >= threshold;
  });
  steps_.insert(at, PayStep{amount, threshold});
}

bool PaySchedule::IsDue() const {
  // Both sides widened to double, so the integer threshold is compared exactly, never rounded
  // to the nearest float first.
  return !steps_.empty() &&
         static_cast<double>(steps_.front().threshold) <= static_cast<double>(progress_);
}

std::int32_t PaySchedule::PopAmount() {
  if (steps_.empty()) return 0;
  const std::int32_t amount = steps_.front().amount;
  steps_.erase(steps_.begin());
  return amount;
}

}  // namespace game::actors
