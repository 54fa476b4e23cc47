// SdlGamepads.cpp -- SDL controller events as pad buttons and axes.
#include "engine/platform/sdl/SdlGamepads.h"

#include <SDL.h>

#include <algorithm>
#include <string>

#include "engine/platform/sdl/SdlConsole.h"

namespace engine::platform::sdl {

namespace {

// The pad button an SDL controller button is, or false for the buttons the game has no use for.
bool ToPadButton(Uint8 button, PadButton& out) {
  switch (button) {
    case SDL_CONTROLLER_BUTTON_A:
      out = PadButton::kA;
      return true;
    case SDL_CONTROLLER_BUTTON_B:
      out = PadButton::kB;
      return true;
    case SDL_CONTROLLER_BUTTON_X:
      out = PadButton::kX;
      return true;
    case SDL_CONTROLLER_BUTTON_Y:
      out = PadButton::kY;
      return true;
    case SDL_CONTROLLER_BUTTON_BACK:
      out = PadButton::kBack;
      return true;
    case SDL_CONTROLLER_BUTTON_START:
      out = PadButton::kStart;
      return true;
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER:
      out = PadButton::kLeftShoulder;
      return true;
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER:
      out = PadButton::kRightShoulder;
      return true;
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
      out = PadButton::kUp;
      return true;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
      out = PadButton::kDown;
      return true;
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT:
      out = PadButton::kLeft;
      return true;
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT:
      out = PadButton::kRight;
      return true;
    default:
      return false;
  }
}

bool ToPadAxis(Uint8 axis, PadAxis& out) {
  switch (axis) {
    case SDL_CONTROLLER_AXIS_LEFTX:
      out = PadAxis::kStickX;
      return true;
    case SDL_CONTROLLER_AXIS_LEFTY:
      out = PadAxis::kStickY;
      return true;
    case SDL_CONTROLLER_AXIS_TRIGGERLEFT:
      out = PadAxis::kLeftTrigger;
      return true;
    case SDL_CONTROLLER_AXIS_TRIGGERRIGHT:
      out = PadAxis::kRightTrigger;
      return true;
    default:
      return false;
  }
}

}  // namespace

SdlGamepads::~SdlGamepads() {
  Stop();
}

void SdlGamepads::Start() {
  if (started_) return;
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
    ConsoleLine(std::string("gamepads are not available (") + SDL_GetError() + ")");
    return;
  }
  started_ = true;
}

void SdlGamepads::Stop() {
  for (const Opened& pad : opened_)
    SDL_GameControllerClose(pad.controller);
  opened_.clear();
  if (started_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
  started_ = false;
}

void SdlGamepads::Add(int deviceIndex) {
  const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
  if (id < 0 || SlotOf(id) >= 0) return;
  int slot = 0;
  while (slot < PadInput::kSlots && std::any_of(opened_.begin(), opened_.end(),
                                                [&](const Opened& p) { return p.slot == slot; }))
    ++slot;
  if (slot == PadInput::kSlots) return;
  SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
  if (controller == nullptr) {
    ConsoleLine(std::string("cannot open gamepad (") + SDL_GetError() + ")");
    return;
  }
  opened_.push_back({controller, id, slot});
}

int SdlGamepads::SlotOf(SDL_JoystickID id) const {
  for (const Opened& pad : opened_) {
    if (pad.id == id) return pad.slot;
  }
  return -1;
}

bool SdlGamepads::Handle(const SDL_Event& event, PadInput& pads, WindowHandle window,
                         std::deque<Message>& out) {
  switch (event.type) {
    case SDL_JOYDEVICEADDED:
      // A controller comes as a controller too; a joystick SDL has no mapping for does not.
      if (started_ && !SDL_IsGameController(event.jdevice.which)) {
        const char* name = SDL_JoystickNameForIndex(event.jdevice.which);
        ConsoleLine(std::string("ignoring the joystick '") + (name != nullptr ? name : "?") +
                    "': SDL has no gamepad mapping for it (SDL_GAMECONTROLLERCONFIG can give one)");
      }
      return true;
    case SDL_JOYDEVICEREMOVED:
    case SDL_JOYAXISMOTION:
    case SDL_JOYBALLMOTION:
    case SDL_JOYHATMOTION:
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
    case SDL_JOYBATTERYUPDATED:
    case SDL_CONTROLLERDEVICEREMAPPED:
    case SDL_CONTROLLERTOUCHPADDOWN:
    case SDL_CONTROLLERTOUCHPADMOTION:
    case SDL_CONTROLLERTOUCHPADUP:
    case SDL_CONTROLLERSENSORUPDATE:
      return true;
    case SDL_CONTROLLERDEVICEADDED:
      if (started_) Add(event.cdevice.which);
      return true;
    case SDL_CONTROLLERDEVICEREMOVED: {
      const auto it = std::find_if(opened_.begin(), opened_.end(),
                                   [&](const Opened& p) { return p.id == event.cdevice.which; });
      if (it != opened_.end()) {
        pads.Unplug(it->slot, window, out);
        SDL_GameControllerClose(it->controller);
        opened_.erase(it);
      }
      return true;
    }
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
      PadButton button;
      const int slot = SlotOf(event.cbutton.which);
      if (slot >= 0 && ToPadButton(event.cbutton.button, button))
        pads.Button(slot, button, event.type == SDL_CONTROLLERBUTTONDOWN, window, out);
      return true;
    }
    case SDL_CONTROLLERAXISMOTION: {
      PadAxis axis;
      const int slot = SlotOf(event.caxis.which);
      if (slot >= 0 && ToPadAxis(event.caxis.axis, axis))
        pads.Axis(slot, axis, event.caxis.value, window, out);
      return true;
    }
    default:
      return false;
  }
}

}  // namespace engine::platform::sdl
