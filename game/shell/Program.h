// Program.h -- the program from its options: the platform chosen, the input script and record
// attached, the engine entry run and the frame limit kept.
#pragma once

#include <iosfwd>

#include "game/shell/CommandLine.h"

namespace game::shell {

// Returns the process exit code: 0 after a normal end, 255 after a failed start-up, 2 when the
// options cannot be used.
int RunProgram(const Options& options, std::ostream& out, std::ostream& err);

// The data folder used when --data is not given: the working folder if it holds Images/ or
// Sounds/, else the folder the build put them in, else the working folder.
std::string DefaultDataFolder();

}  // namespace game::shell
