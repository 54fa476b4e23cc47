// Ratios.h -- the table the benchmark run ends with: the median time of each benchmark over its
// repetitions, and for each pair the baseline's median over ours, so that above 1 means ours is
// faster and every figure comes from one run on one machine.
#pragma once

#include <benchmark/benchmark.h>

#include <iosfwd>
#include <map>
#include <string>
#include <vector>

namespace bench {

// Passes every result on to the console and keeps the median over the repetitions (or the single
// run) of each benchmark: of its CPU time, or of the time it reports itself (UseManualTime).
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override;
  // The median over the repetitions in nanoseconds; NaN when the benchmark did not run.
  double Median(const std::string& name) const;

 private:
  std::map<std::string, std::vector<double>> times_;
  std::map<std::string, double> medians_;
};

// One line of the table: baseline time x scale / our time. goal, when above 0, is the lowest
// value that meets it; a group of lines shares a goal and is judged by its lowest value.
struct RatioLine {
  std::string name;
  std::string baseline;
  std::string ours;
  double scale = 1.0;
  double goal = 0.0;
  std::string group;  // the goal's name; empty: the line's own name
};

// Called while the benchmarks are registered.
void AddRatio(RatioLine line);
// Marks a benchmark whose time is the one it reports (UseManualTime), not its CPU time.
void UseReportedTime(const std::string& benchmark);
// A ratio that is not a time, worked out outside the benchmarks (peak memory).
void AddValue(const std::string& name, double value, double goal);

// Prints one "RATIO <name> <value>" line per ratio in the order they were added, then one
// "GOAL <group> >= <goal>: <lowest> met|MISSED" line per goal. Returns the number of goals
// missed.
int PrintRatios(const RatioReporter& reporter, std::ostream& out);

}  // namespace bench
