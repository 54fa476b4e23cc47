// Path.h -- turns the game's file names (backslashes, assets relative to a data folder) into
// names the platform can open.
#pragma once

#include <string>
#include <string_view>

namespace engine::support {

// Sets the folder holding Images/ and Sounds/; called once by the program before start-up.
// An empty folder (the default) leaves asset names relative to the working folder.
void SetDataFolder(std::string folder);
const std::string& DataFolder();

// Maps every backslash to '/'. A relative name beginning with Images/ or Sounds/ is placed
// under the data folder; every other name is returned mapped but otherwise unchanged.
// Used by File::Open and File::Exists, so both always look at the same file.
std::string ResolvePath(std::string_view name);

}  // namespace engine::support
