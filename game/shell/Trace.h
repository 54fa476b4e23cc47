// Trace.h -- the --trace option: the game's state after every frame as one JSON object a line.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "engine/sound/SoundX.h"

namespace game::shell {

class GameShell;

class Trace {
 public:
  // Writes to out (not owned) what shell shows.
  Trace(std::FILE* out, const GameShell& shell) : out_(out), shell_(shell) {}

  // Called whenever the engine starts a sound.
  void SoundStarted(const engine::sound::SoundX& sound);
  // Called after run() number frame has returned.
  void FrameEnded(long frame, int status);

 private:
  std::FILE* out_;
  const GameShell& shell_;
  std::vector<int> sounds_;  // started during the current frame, as mode sound indexes
};

// The shortest text that reads back as the same single-precision value.
std::string FormatFloat(float value);

}  // namespace game::shell
