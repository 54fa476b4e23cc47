// Main.cpp -- the process entry of curbside.
#include <cstdint>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "game/shell/CommandLine.h"
#include "game/shell/Program.h"
#include "game/shell/WindowIcon.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const game::shell::CommandLine commandLine = game::shell::ParseCommandLine(args);
  if (!commandLine.error.empty()) {
    std::cerr << "curbside: " << commandLine.error << "; try --help\n";
    return 2;
  }
  using game::shell::kWindowIcon;
  const engine::platform::sdl::WindowIcon icon{
      game::shell::kWindowIconSize, game::shell::kWindowIconSize,
      std::vector<std::uint8_t>(std::begin(kWindowIcon), std::end(kWindowIcon))};
  return game::shell::RunProgram(commandLine.options, std::cout, std::cerr, icon);
}
