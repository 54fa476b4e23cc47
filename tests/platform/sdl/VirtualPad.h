// VirtualPad.h -- SDL's virtual joysticks as the pads of tests: every controller button and axis.
#pragma once

#include <SDL_joystick.h>

namespace tests {

// Attaches a virtual joystick of the given type (SDL_JOYSTICK_TYPE_GAMECONTROLLER gets SDL's
// controller mapping); returns its device index, or -1 with SDL's error set.
int AttachVirtualPad(SDL_JoystickType type, const char* name);

}  // namespace tests
