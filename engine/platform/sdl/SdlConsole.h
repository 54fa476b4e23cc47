// SdlConsole.h -- one-line diagnostics of the desktop backend on standard error.
#pragma once

#include <string_view>

namespace engine::platform::sdl {

// Writes "<program>: <line>" and a newline to standard error, flushed at once.
void ConsoleLine(std::string_view line);

}  // namespace engine::platform::sdl
