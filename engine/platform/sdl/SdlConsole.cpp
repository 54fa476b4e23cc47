// SdlConsole.cpp -- diagnostics prefixed with the program's name, as command-line tools write
// them.
#include "engine/platform/sdl/SdlConsole.h"

#include <cerrno>
#include <cstdio>

namespace engine::platform::sdl {

void ConsoleLine(std::string_view line) {
  std::fprintf(stderr, "%s: %.*s\n", program_invocation_short_name, static_cast<int>(line.size()),
               line.data());
  std::fflush(stderr);
}

}  // namespace engine::platform::sdl
