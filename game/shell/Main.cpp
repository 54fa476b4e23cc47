// Main.cpp -- the process entry of curbside.
#include <cstdint>
#include <iostream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "engine/platform/sdl/SdlPlatform.h"
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
  // The desktop backend is made here only, so that the libraries need no SDL.
  const auto makeDesktop = [] {
    using game::shell::kWindowIcon;
    engine::platform::sdl::SdlOptions sdl;
    sdl.icon = {game::shell::kWindowIconSize, game::shell::kWindowIconSize,
                std::vector<std::uint8_t>(std::begin(kWindowIcon), std::end(kWindowIcon))};
    return engine::platform::sdl::MakeSdlPlatform(sdl);
  };
  return game::shell::RunProgram(commandLine.options, std::cout, std::cerr, makeDesktop);
}
