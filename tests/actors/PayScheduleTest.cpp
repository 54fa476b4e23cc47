// The payment schedule: insertion order among equal thresholds, when a step falls due, and
// paying the steps out.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "game/actors/PaySchedule.h"

namespace {

using game::actors::PaySchedule;

std::vector<std::pair<int, int>> Steps(const PaySchedule& schedule) {
  std::vector<std::pair<int, int>> steps;
  for (const auto& step : schedule.Steps())
    steps.emplace_back(step.amount, step.threshold);
  return steps;
}

TEST(PaySchedule, NewestComesFirstAmongEqualThresholds) {
  PaySchedule schedule;
  schedule.Add(1, 300);
  schedule.Add(2, 100);
  schedule.Add(3, 300);
  EXPECT_EQ(Steps(schedule), (std::vector<std::pair<int, int>>{{2, 100}, {3, 300}, {1, 300}}));
  schedule.Add(4, 400);
  schedule.Add(5, 0);
  schedule.Add(6, 200);
  EXPECT_EQ(Steps(schedule), (std::vector<std::pair<int, int>>{
                                 {5, 0}, {2, 100}, {6, 200}, {3, 300}, {1, 300}, {4, 400}}));
}

TEST(PaySchedule, DueOnceProgressReachesTheFirstThreshold) {
  struct Case {
    int threshold;
    float progress;
    bool due;
  };
  const Case cases[] = {
      {100, 99.75f, false},
      {100, 100.0f, true},
      {100, 100.25f, true},
      {0, 0.0f, true},
      {100, -1.0f, false},
      // Compared exactly: the threshold is not rounded to the nearest float first.
      {16777217, 16777216.0f, false},
      {16777217, 16777218.0f, true},
  };
  for (const Case& c : cases) {
    PaySchedule schedule;
    schedule.Add(50, c.threshold);
    schedule.SetProgress(c.progress);
    EXPECT_EQ(schedule.IsDue(), c.due) << c.threshold << " at " << c.progress;
  }
}

TEST(PaySchedule, PaysOutInOrderThenNothing) {
  PaySchedule schedule;
  EXPECT_FALSE(schedule.HasSteps());
  EXPECT_EQ(schedule.PopAmount(), 0);
  schedule.Add(150, 700);
  schedule.Add(75, 100);
  schedule.Add(120, 320);
  std::vector<int> paid;
  schedule.SetProgress(699.75f);
  while (schedule.IsDue())
    paid.push_back(schedule.PopAmount());
  EXPECT_EQ(paid, (std::vector<int>{75, 120})) << "the last step waits for its own threshold";
  schedule.AddProgress(0.25f);
  EXPECT_TRUE(schedule.IsDue());
  EXPECT_EQ(schedule.PopAmount(), 150);
  EXPECT_FALSE(schedule.HasSteps());
  EXPECT_FALSE(schedule.IsDue()) << "an empty schedule is never due";
  EXPECT_EQ(schedule.PopAmount(), 0);
}

}  // namespace
