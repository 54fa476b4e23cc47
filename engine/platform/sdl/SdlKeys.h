// SdlKeys.h -- SDL key events to the virtual-key codes the engine's key table is indexed by.
#pragma once

#include <SDL_keyboard.h>

namespace engine::platform::sdl {

// The virtual-key code of a pressed or released key, or 0 when the game never sees that key.
// Letters follow the layout's letter, and on a layout without Latin letters the key's place;
// the numeric keypad gives digits while Num Lock is on and navigation keys while it is off.
// Alt and F10 give 0: on the desktop the game was made for they belong to the system.
int VirtualKey(const SDL_Keysym& keysym);

}  // namespace engine::platform::sdl
