// Ratios.cpp -- medians of the repetitions and the ratio table.
#include "bench/Ratios.h"

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <limits>
#include <ostream>
#include <set>

namespace bench {

namespace {

struct Value {
  std::string name;
  double value;
  double goal;
};

std::vector<RatioLine>& Lines() {
  static std::vector<RatioLine> lines;
  return lines;
}

std::set<std::string>& Reported() {
  static std::set<std::string> names;
  return names;
}

std::vector<Value>& Values() {
  static std::vector<Value> values;
  return values;
}

}  // namespace

void RatioReporter::ReportRuns(const std::vector<Run>& runs) {
  ConsoleReporter::ReportRuns(runs);
  for (const Run& run : runs) {
    if (run.error_occurred || run.iterations == 0) continue;
    const std::string& name = run.run_name.function_name;
    const bool reported = Reported().count(name) != 0;
    // Both come in the benchmark's time unit; every benchmark here uses nanoseconds.
    const double time = reported ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime();
    if (run.run_type == Run::RT_Iteration) {
      times_[name].push_back(time);
    } else if (run.aggregate_name == "median") {
      medians_[name] = time;
    }
  }
}

double RatioReporter::Median(const std::string& name) const {
  if (const auto m = medians_.find(name); m != medians_.end()) return m->second;
  const auto it = times_.find(name);
  if (it == times_.end() || it->second.empty()) return std::numeric_limits<double>::quiet_NaN();
  std::vector<double> v = it->second;
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

void AddRatio(RatioLine line) {
  Lines().push_back(std::move(line));
}

void UseReportedTime(const std::string& benchmark) {
  Reported().insert(benchmark);
}

void AddValue(const std::string& name, double value, double goal) {
  Values().push_back({name, value, goal});
}

int PrintRatios(const RatioReporter& reporter, std::ostream& out) {
  struct Goal {
    double goal;
    double lowest;
    bool complete;
  };
  std::vector<std::pair<std::string, Goal>> goals;
  auto judge = [&](const std::string& group, double goal, double value) {
    if (goal <= 0.0) return;
    auto it = std::find_if(goals.begin(), goals.end(), [&](auto& g) { return g.first == group; });
    if (it == goals.end()) {
      goals.push_back({group, {goal, std::numeric_limits<double>::infinity(), true}});
      it = goals.end() - 1;
    }
    if (std::isnan(value)) {
      it->second.complete = false;
    } else {
      it->second.lowest = std::min(it->second.lowest, value);
    }
  };

  out << std::fixed << std::setprecision(2);
  for (const RatioLine& line : Lines()) {
    const double base = reporter.Median(line.baseline);
    const double ours = reporter.Median(line.ours);
    const double ratio = base * line.scale / ours;
    out << "RATIO " << line.name << ' ';
    if (std::isnan(ratio)) {
      out << "n/a\n";
    } else {
      out << ratio << '\n';
    }
    judge(line.group.empty() ? line.name : line.group, line.goal, ratio);
  }
  for (const Value& v : Values()) {
    out << "RATIO " << v.name << ' ' << v.value << '\n';
    judge(v.name, v.goal, v.value);
  }
  int missed = 0;
  for (const auto& [group, g] : goals) {
    const bool met = g.complete && g.lowest >= g.goal;
    if (!met) ++missed;
    out << "GOAL " << group << " >= " << g.goal << ": ";
    if (!g.complete) {
      out << "not measured\n";
    } else {
      out << g.lowest << (met ? " met\n" : " MISSED\n");
    }
  }
  return missed;
}

}  // namespace bench
