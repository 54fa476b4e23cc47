// SdlVideoStart.cpp -- the Wayland compositor looked at before SDL starts on it, and the lines
// that say why the display cannot start.
#include "engine/platform/sdl/SdlVideoStart.h"

#include <SDL_hints.h>
#include <wayland-client.h>

#include <strings.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace engine::platform::sdl {

namespace {

const char* Env(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && *value != '\0' ? value : nullptr;
}

// The drivers SDL_VIDEODRIVER names, a comma-separated list; null when it names none.
const char* RequestedDrivers() {
  const char* requested = SDL_GetHint(SDL_HINT_VIDEODRIVER);
  return requested != nullptr && *requested != '\0' ? requested : nullptr;
}

bool Names(std::string_view list, std::string_view driver) {
  while (!list.empty()) {
    const std::size_t comma = list.find(',');
    const std::string_view name = list.substr(0, comma);
    if (name.size() == driver.size() &&
        strncasecmp(name.data(), driver.data(), driver.size()) == 0) {
      return true;
    }
    if (comma == std::string_view::npos) break;
    list.remove_prefix(comma + 1);
  }
  return false;
}

// SDL tries Wayland when it is named, or when nothing is named and X11 has no display.
bool SdlWouldTryWayland() {
  const char* requested = RequestedDrivers();
  return requested != nullptr ? Names(requested, "wayland") : Env("DISPLAY") == nullptr;
}

// Where libwayland looks for the compositor.
std::string WaylandSocket() {
  const char* name = Env("WAYLAND_DISPLAY");
  if (name == nullptr) name = "wayland-0";
  if (name[0] == '/') return name;
  const char* dir = Env("XDG_RUNTIME_DIR");
  return std::string(dir != nullptr ? dir : "$XDG_RUNTIME_DIR") + "/" + name;
}

std::string OrX11() {
  return RequestedDrivers() != nullptr ? "or unset SDL_VIDEODRIVER to use X11"
                                       : "or set DISPLAY to use X11";
}

void Announced(void* data, wl_registry* /*registry*/, std::uint32_t /*name*/, const char* interface,
               std::uint32_t /*version*/) {
  if (std::strcmp(interface, wl_seat_interface.name) == 0) *static_cast<bool*>(data) = true;
}

void Withdrawn(void* /*data*/, wl_registry* /*registry*/, std::uint32_t /*name*/) {}

enum class Compositor { kNone, kWithoutSeat, kWithSeat };

// What answers where libwayland looks. Where it has nowhere to look it would complain on
// standard error, as SDL's own attempt will, so it is not asked.
Compositor FindCompositor() {
  if (Env("XDG_RUNTIME_DIR") == nullptr && WaylandSocket()[0] != '/') return Compositor::kNone;
  wl_display* display = wl_display_connect(nullptr);
  if (display == nullptr) return Compositor::kNone;
  bool seat = false;
  static constexpr wl_registry_listener kListener = {&Announced, &Withdrawn};
  wl_registry* registry = wl_display_get_registry(display);
  const bool answered = registry != nullptr &&
                        wl_registry_add_listener(registry, &kListener, &seat) == 0 &&
                        wl_display_roundtrip(display) >= 0;
  if (registry != nullptr) wl_registry_destroy(registry);
  wl_display_disconnect(display);
  if (!answered) return Compositor::kNone;
  return seat ? Compositor::kWithSeat : Compositor::kWithoutSeat;
}

}  // namespace

std::string VideoBlocker() {
  if (!SdlWouldTryWayland() || FindCompositor() != Compositor::kWithoutSeat) return {};
  return "the Wayland compositor at " + WaylandSocket() +
         " offers no seat (no keyboard or pointer), which SDL cannot start without; give it an "
         "input device, " +
         OrX11();
}

std::string VideoStartFailure(const std::string& sdlError) {
  std::string line = "cannot start the display (" + sdlError + ")";
  const char* requested = RequestedDrivers();
  if (requested != nullptr && Names(requested, "wayland") &&
      FindCompositor() == Compositor::kNone) {
    line += ": no Wayland compositor answers at " + WaylandSocket() +
            "; start the game in a Wayland session, " + OrX11();
  }
  return line;
}

}  // namespace engine::platform::sdl
