// VirtualPad.cpp -- a virtual joystick with a controller's buttons and axes.
#include "tests/platform/sdl/VirtualPad.h"

#include <SDL_gamecontroller.h>

namespace tests {

int AttachVirtualPad(SDL_JoystickType type, const char* name) {
  SDL_VirtualJoystickDesc pad{};
  pad.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  pad.type = static_cast<Uint16>(type);
  pad.naxes = SDL_CONTROLLER_AXIS_MAX;
  pad.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
  pad.button_mask = (1u << SDL_CONTROLLER_BUTTON_MAX) - 1;
  pad.axis_mask = (1u << SDL_CONTROLLER_AXIS_MAX) - 1;
  pad.name = name;
  return SDL_JoystickAttachVirtualEx(&pad);
}

}  // namespace tests
