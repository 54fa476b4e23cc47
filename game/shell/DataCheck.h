// DataCheck.h -- whether the data folder holds the game's files, checked before start-up so
// that a wrong folder gives one clear line instead of a notice for every picture.
#pragma once

#include <string>
#include <vector>

namespace game::shell {

// The files the game needs to reach its title, as the game names them: the shell's pictures
// and the sounds, whose loss would end the program once play begins.
std::vector<std::string> StartFiles();

// Those of StartFiles that are not files where the game will look for them (the data folder
// set with engine::support::SetDataFolder), in the same order.
std::vector<std::string> MissingStartFiles();

// The one line that says which folder was used, what it lacks and how to make the data.
std::string MissingDataLine(const std::vector<std::string>& missing);

}  // namespace game::shell
