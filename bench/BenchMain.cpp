// BenchMain.cpp -- the benchmark program: checks every kernel against its reference, runs all
// benchmarks in one run (repetitions interleaved at random, so that a noisy moment touches both
// sides of a ratio alike) and ends with the table of ratios.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "bench/Blits.h"
#include "bench/Game.h"
#include "bench/Loads.h"
#include "bench/Ratios.h"
#include "engine/support/Path.h"

int main(int argc, char** argv) {
  // Defaults first, so that flags given on the command line win.
  std::vector<char*> args{argv[0]};
  std::string repetitions = "--benchmark_repetitions=9";
  std::string interleave = "--benchmark_enable_random_interleaving=true";
  std::string minTime = "--benchmark_min_time=0.05";
  std::string aggregates = "--benchmark_report_aggregates_only=true";
  for (std::string* flag : {&repetitions, &interleave, &minTime, &aggregates})
    args.push_back(flag->data());
  for (int i = 1; i < argc; ++i)
    args.push_back(argv[i]);
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;

  engine::support::SetDataFolder(CURBSIDE_BENCH_DATA_DIR);
  bench::Stage stage;
  const bench::Sprites sprites;
  const bool blits = bench::CheckBlits(stage, sprites);
  const bool loads = bench::CheckLoads();
  if (!blits || !loads) {
    std::fprintf(stderr, "curbside_bench: a kernel does not match its reference; nothing timed\n");
    return 1;
  }
  std::printf("CHECK every kernel matches its reference bit for bit\n");

  bench::RegisterBlitBenchmarks(stage, sprites);
  bench::RegisterLoadBenchmarks();
  bench::RegisterGameBenchmarks();
  bench::RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();

  bench::AddPeakMemory();
  std::cout << '\n';
  bench::PrintRatios(reporter, std::cout);
  return 0;
}
