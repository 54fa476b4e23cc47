// SdlEvents.h -- SDL events to the engine's window messages.
#pragma once

#include <SDL_events.h>

#include <deque>

#include "engine/platform/Message.h"
#include "engine/platform/WindowSystem.h"

namespace engine::platform::sdl {

// What translation needs to know about the backend's windows.
class EventContext {
 public:
  virtual ~EventContext() = default;
  // The handle of one of the backend's windows by its SDL window id, or 0 when it is not one.
  virtual WindowHandle Resolve(std::uint32_t windowId) = 0;
  // The game's main window, for events that name no window; 0 when there is none.
  virtual WindowHandle MainWindow() = 0;
  // The drawing-area pixel under a point of a window, in the window's coordinates.
  virtual Point ToPicture(WindowHandle window, Point point) = 0;
};

// Appends the messages one event makes, in the order the engine expects them; events the
// engine has no message for append nothing. Typed text gives one character per printable
// ASCII byte; key events never give characters.
void TranslateEvent(const SDL_Event& event, EventContext& context, std::deque<Message>& out);

}  // namespace engine::platform::sdl
