// CommandLine.h -- the program's options.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace game::shell {

struct DesktopSize {
  int width = 0;
  int height = 0;
  int depth = 0;
};

struct Shot {
  long frame = 0;
  std::string file;
};

struct Options {
  bool windowed = false;
  bool headless = false;
  std::optional<long> frames;  // end after this frame has been presented
  std::string script;
  std::string record;
  std::string trace;
  std::vector<Shot> shots;  // in the order given
  std::optional<DesktopSize> desktop;
  std::string data;       // empty: chosen at start
  bool fromMenu = false;  // debug.txt goes to the user's state folder
  bool help = false;
  bool version = false;
};

struct CommandLine {
  Options options;
  std::string error;  // set when the arguments are not valid
};

CommandLine ParseCommandLine(const std::vector<std::string>& args);

std::string UsageText();
std::string VersionText();

}  // namespace game::shell
