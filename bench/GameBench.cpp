// GameBench.cpp -- whole frames of both street modes at their busiest, the two-player set-up
// against plain reading of the files it reads, and the two-player game's peak memory.
//
// The game cannot be stepped back, so a frame is not repeated: each mode is played from the
// title in a few children, every frame timed. The frames of one index are the same frame in
// every child (the game is deterministic), so each frame's time is the median over the children;
// the busiest stretch is the window of frames that draws the most actors, and its median frame
// time is the figure.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "bench/Game.h"
#include "bench/GameChild.h"
#include "bench/Ratios.h"

namespace bench {

namespace {

constexpr int kPasses = 3;
constexpr long kFrames = 5300;  // the first working day of either mode
constexpr std::size_t kWindow = 60;
constexpr int kMemoryFrames = 600;
constexpr double kMemoryGoalMiB = 160.0;

double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 == 1 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

std::vector<std::string>& SetUpFiles() {
  static std::vector<std::string> files;
  return files;
}

// The memory the set-up made resident, in bytes.
double& SetUpGrowth() {
  static double bytes = 0;
  return bytes;
}

void BusiestFrame(benchmark::State& state, int mode) {
  std::vector<std::vector<FrameSample>> passes;
  for (int i = 0; i < kPasses; ++i)
    passes.push_back(PlayFrames(mode, kFrames));
  std::size_t frames = kFrames;
  for (const auto& p : passes)
    frames = std::min(frames, p.size());
  if (frames < kWindow) {
    state.SkipWithError("the game did not run");
    for (auto _ : state) {
    }
    return;
  }
  std::vector<double> times(frames);
  for (std::size_t f = 0; f < frames; ++f) {
    std::vector<double> t;
    for (const auto& p : passes)
      t.push_back(p[f].ns);
    times[f] = Median(t);
  }
  // The window that draws the most; the earliest of equals.
  std::size_t best = 0;
  long bestCount = -1;
  long count = 0;
  for (std::size_t f = 0; f < frames; ++f) {
    count += passes[0][f].visible;
    if (f >= kWindow) count -= passes[0][f - kWindow].visible;
    if (f + 1 >= kWindow && count > bestCount) {
      bestCount = count;
      best = f + 1 - kWindow;
    }
  }
  const double ns = Median({times.begin() + static_cast<std::ptrdiff_t>(best),
                            times.begin() + static_cast<std::ptrdiff_t>(best + kWindow)});
  for (auto _ : state)
    state.SetIterationTime(ns * 1e-9);
  state.counters["first_frame"] = static_cast<double>(best + 1);
  state.counters["actors_drawn"] = static_cast<double>(bestCount) / kWindow;
}

void SetUpTwo(benchmark::State& state) {
  std::vector<double> times;
  for (int i = 0; i < kPasses; ++i) {
    const SetUpSample s = TimeSetUp(2);
    if (s.ns > 0) times.push_back(s.ns);
  }
  if (times.empty()) {
    state.SkipWithError("the set-up did not run");
    for (auto _ : state) {
    }
    return;
  }
  const double ns = Median(times);
  for (auto _ : state)
    state.SetIterationTime(ns * 1e-9);
  state.counters["files"] = static_cast<double>(SetUpFiles().size());
}

// Every file the set-up read, read whole with fopen and fread into one kept buffer.
void FreadSetUpFiles(benchmark::State& state) {
  std::vector<char> buffer(1 << 20);
  std::size_t bytes = 0;
  for (auto _ : state) {
    bytes = 0;
    for (const std::string& file : SetUpFiles()) {
      std::FILE* f = std::fopen(file.c_str(), "rb");
      if (f == nullptr) continue;
      std::size_t n = 0;
      while ((n = std::fread(buffer.data(), 1, buffer.size(), f)) > 0)
        bytes += n;
      std::fclose(f);
    }
    benchmark::DoNotOptimize(bytes);
  }
  state.counters["bytes"] = static_cast<double>(bytes);
}

// What no set-up can go below however it reads and converts: taking as much fresh memory as the
// set-up made resident, in blocks of a passer-by's picture's size (100 x 100 words), writing
// every byte once and giving it back. The kernel's page faults and zeroing are most of it.
void FreshSetUpMemory(benchmark::State& state) {
  constexpr std::size_t kBlock = 100 * 100 * 2;
  const auto blocks = static_cast<std::size_t>(SetUpGrowth() / kBlock);
  std::vector<std::unique_ptr<char[]>> memory(blocks);
  for (auto _ : state) {
    for (auto& block : memory) {
      block.reset(new char[kBlock]);
      std::memset(block.get(), 1, kBlock);
    }
    benchmark::ClobberMemory();
    for (auto& block : memory)
      block.reset();
  }
  state.counters["bytes"] = static_cast<double>(blocks * kBlock);
}

}  // namespace

void RegisterGameBenchmarks() {
  // One untimed set-up learns the files and the memory it takes, and warms the page cache for
  // both sides.
  const SetUpSample first = TimeSetUp(2);
  SetUpFiles() = first.files;
  SetUpGrowth() = first.grownBytes;

  for (int mode : {1, 2}) {
    const std::string name = mode == 1 ? "frame_one_busiest" : "frame_two_busiest";
    benchmark::RegisterBenchmark(name.c_str(),
                                 [mode](benchmark::State& state) { BusiestFrame(state, mode); })
        ->UseManualTime()
        ->Iterations(1)
        ->Repetitions(1);
    UseReportedTime(name);
    const double memcpys = mode == 1 ? 5.0 : 8.0;
    AddRatio({name + "_vs_memcpy", "memcpy_backbuffer", name, 1.0, 1.0 / memcpys, ""});
  }
  benchmark::RegisterBenchmark("setup_two", SetUpTwo)
      ->UseManualTime()
      ->Iterations(1)
      ->Repetitions(1);
  UseReportedTime("setup_two");
  benchmark::RegisterBenchmark("fread_setup_two_files", FreadSetUpFiles);
  AddRatio({"setup_two_vs_fread", "fread_setup_two_files", "setup_two", 1.0, 0.5, ""});
  // The first, below 1, says that fresh memory alone costs more than reading the files; the
  // second how many times that floor the set-up takes.
  benchmark::RegisterBenchmark("fresh_setup_memory", FreshSetUpMemory);
  AddRatio(
      {"fresh_setup_memory_vs_fread", "fread_setup_two_files", "fresh_setup_memory", 1.0, 0.0, ""});
  AddRatio({"fresh_setup_memory_vs_setup_two", "setup_two", "fresh_setup_memory", 1.0, 0.0, ""});
}

void AddPeakMemory() {
  const double bytes = PeakMemory(2, kMemoryFrames);
  const double mib = bytes / (1024.0 * 1024.0);
  std::printf("INFO peak_memory_two_mib %.1f\n", mib);
  AddValue("peak_memory_two_vs_160mib", bytes > 0 ? kMemoryGoalMiB / mib : 0.0, 1.0);
}

}  // namespace bench
