// Main.cpp -- the process entry of curbside.
#include <iostream>
#include <string>
#include <vector>

#include "game/shell/CommandLine.h"
#include "game/shell/Program.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const game::shell::CommandLine commandLine = game::shell::ParseCommandLine(args);
  if (!commandLine.error.empty()) {
    std::cerr << "curbside: " << commandLine.error << "; try --help\n";
    return 2;
  }
  return game::shell::RunProgram(commandLine.options, std::cout, std::cerr);
}
