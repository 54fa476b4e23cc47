// SdlGamepads.h -- the game controllers SDL finds, opened as they come and closed as they go,
// their events handed to the pad translator.
#pragma once

#include <SDL_events.h>
#include <SDL_gamecontroller.h>

#include <deque>
#include <vector>

#include "engine/platform/Message.h"
#include "engine/platform/PadInput.h"

namespace engine::platform::sdl {

class SdlGamepads {
 public:
  SdlGamepads() = default;
  ~SdlGamepads();
  SdlGamepads(const SdlGamepads&) = delete;
  SdlGamepads& operator=(const SdlGamepads&) = delete;

  // Starts SDL's controller subsystem; the pads already there arrive as added events. Without
  // it the game plays on without pads, after one line on standard error.
  void Start();
  // Closes every pad and the subsystem.
  void Stop();

  // Takes a controller or joystick event; false for any other. A pad's messages go to window.
  bool Handle(const SDL_Event& event, PadInput& pads, WindowHandle window,
              std::deque<Message>& out);

 private:
  struct Opened {
    SDL_GameController* controller;
    SDL_JoystickID id;
    int slot;
  };

  void Add(int deviceIndex);
  // The slot of the pad with this joystick instance id; -1 when it is not one of ours.
  int SlotOf(SDL_JoystickID id) const;

  bool started_ = false;
  std::vector<Opened> opened_;
};

}  // namespace engine::platform::sdl
