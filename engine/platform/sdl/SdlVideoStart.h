// SdlVideoStart.h -- what stands in the way of starting SDL's video, each said in one line
// with what to do about it.
#pragma once

#include <string>

namespace engine::platform::sdl {

// Called by SdlWindows::RegisterClass before SDL's video subsystem starts. SDL 2.26 crashes
// during start-up on a Wayland compositor that offers no seat (no keyboard or pointer, as a
// headless Weston); where SDL would use such a compositor this says so. Empty otherwise.
std::string VideoBlocker();

// The line for a video subsystem that failed to start: what SDL said, and for Wayland where
// the compositor was looked for and what to do.
std::string VideoStartFailure(const std::string& sdlError);

}  // namespace engine::platform::sdl
