// Program.h -- the program from its options: the platform chosen, the input script and record
// attached, the engine entry run and the frame limit kept.
#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

#include "engine/platform/Platform.h"
#include "game/shell/CommandLine.h"

namespace game::shell {

// Makes the desktop platform. The program's entry passes one in, so that only the program links
// the desktop backend and this library runs headless for everything else that links it.
using DesktopPlatform = std::function<std::unique_ptr<engine::platform::Platform>()>;

// Returns the process exit code: 0 after a normal end, 255 after a failed start-up, 2 when the
// options cannot be used. makeDesktop is called once, after the options have been checked,
// unless they ask for the headless platform.
int RunProgram(const Options& options, std::ostream& out, std::ostream& err,
               const DesktopPlatform& makeDesktop);

// The data folder used when --data is not given ("" for the working folder): the working
// folder if it holds Images/ or Sounds/, else the folder the build put them in if it exists
// (a packaged program has none), else the installed data folder found from the program's own
// place (/proc/self/exe), else the working folder.
std::string DefaultDataFolder();

// The same choice from what it looks at: the working folder, the build's data folder, the
// program file, and the way from the program's folder to the installed data.
std::string FindDataFolder(const std::filesystem::path& working, const std::string& buildData,
                           const std::filesystem::path& program, const std::string& installFromBin);

// Where a game started from the desktop menu keeps debug.txt: $XDG_STATE_HOME/curbside, else
// ~/.local/state/curbside; "" (the working folder) when neither variable says where.
std::string MenuLogFolder(const char* stateHome, const char* home);

}  // namespace game::shell
