// Game.h -- the game's busiest frames, the two-player set-up and the peak memory of a two-player
// game.
#pragma once

namespace bench {

// Registers the frame and set-up benchmarks with their ratios. Runs the set-up once to learn
// which files it reads.
void RegisterGameBenchmarks();
// Runs a headless two-player game and adds its peak memory to the table.
void AddPeakMemory();

}  // namespace bench
