// GameChild.h -- the whole game, run headless from its title screen in a child process, so that
// every run starts from the program's first state and the benchmark's own memory stays apart.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace bench {

// The script that clicks ONE PLAYER (mode 1) or TWO PLAYERS (mode 2) on the title in frame 10.
std::string StartScript(int mode);
inline constexpr long kStartFrame = 10;

struct FrameSample {
  double ns = 0;             // the frame's CPU time: input, rules, drawing, presentation, sound
  std::int32_t visible = 0;  // passers-by and performers drawn, summed over the views
};

// Plays the mode for frames frames in a child process and times every frame; empty when the
// child failed.
std::vector<FrameSample> PlayFrames(int mode, long frames);

struct SetUpSample {
  double ns = 0;                   // the CPU time of the frame that starts the mode
  std::vector<std::string> files;  // every file that frame opened for reading, in order
  double grownBytes = 0;           // how much the process's resident memory grew in that frame
};

// Starts the mode in a child process and times the frame that sets it up; ns is 0 when the child
// failed.
SetUpSample TimeSetUp(int mode);

// Runs the game program itself headless in mode for frames frames and returns its peak resident
// memory in bytes, 0 when it failed.
double PeakMemory(int mode, long frames);

}  // namespace bench
