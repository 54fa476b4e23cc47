// SdlEvents.cpp -- keys, typed text, pointer, focus and window events as window messages.
#include "engine/platform/sdl/SdlEvents.h"

#include <cstring>

#include "engine/platform/sdl/SdlKeys.h"

namespace engine::platform::sdl {

namespace {

// Input events name the window with the focus, or none.
WindowHandle Target(EventContext& context, std::uint32_t windowId) {
  return windowId != 0 ? context.Resolve(windowId) : context.MainWindow();
}

void Push(std::deque<Message>& out, MessageType type, WindowHandle window, std::uint32_t wParam = 0,
          std::uint32_t lParam = 0) {
  out.push_back(Message{type, window, wParam, lParam});
}

void TranslateButton(const SDL_MouseButtonEvent& button, WindowHandle window,
                     std::deque<Message>& out) {
  const bool down = button.type == SDL_MOUSEBUTTONDOWN;
  switch (button.button) {
    case SDL_BUTTON_LEFT:
      Push(out, down ? MessageType::kLeftDown : MessageType::kLeftUp, window);
      break;
    case SDL_BUTTON_RIGHT:
      Push(out, down ? MessageType::kRightDown : MessageType::kRightUp, window);
      break;
    case SDL_BUTTON_MIDDLE:
      Push(out, down ? MessageType::kMiddleDown : MessageType::kMiddleUp, window);
      break;
    default:
      break;
  }
}

void TranslateWindowEvent(const SDL_WindowEvent& event, WindowHandle window,
                          std::deque<Message>& out) {
  switch (event.event) {
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      Push(out, MessageType::kActivateApp, window, 1);
      Push(out, MessageType::kSetFocus, window);
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      Push(out, MessageType::kKillFocus, window);
      Push(out, MessageType::kActivateApp, window, 0);
      break;
    case SDL_WINDOWEVENT_MOVED:
      Push(out, MessageType::kMove, window, 0, PackPoint(event.data1, event.data2));
      break;
    case SDL_WINDOWEVENT_CLOSE:
      Push(out, MessageType::kClose, window);
      break;
    default:
      break;
  }
}

}  // namespace

void TranslateEvent(const SDL_Event& event, EventContext& context, std::deque<Message>& out) {
  switch (event.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      const WindowHandle window = Target(context, event.key.windowID);
      const int code = VirtualKey(event.key.keysym);
      if (window == 0 || code == 0) return;
      Push(out, event.type == SDL_KEYDOWN ? MessageType::kKeyDown : MessageType::kKeyUp, window,
           static_cast<std::uint32_t>(code));
      return;
    }
    case SDL_TEXTINPUT: {
      const WindowHandle window = Target(context, event.text.windowID);
      if (window == 0) return;
      const char* text = event.text.text;
      const void* end = std::memchr(text, '\0', sizeof(event.text.text));
      const std::size_t length =
          end != nullptr ? static_cast<std::size_t>(static_cast<const char*>(end) - text)
                         : sizeof(event.text.text);
      for (std::size_t i = 0; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        // Bytes of longer UTF-8 sequences and control characters are not typed characters.
        if (byte >= 0x20 && byte <= 0x7E) Push(out, MessageType::kChar, window, byte);
      }
      return;
    }
    case SDL_MOUSEMOTION: {
      const WindowHandle window = Target(context, event.motion.windowID);
      if (window == 0) return;
      const Point p = context.ToPicture(window, {event.motion.x, event.motion.y});
      Push(out, MessageType::kMouseMove, window, 0, PackPoint(p.x, p.y));
      return;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      const WindowHandle window = Target(context, event.button.windowID);
      if (window != 0) TranslateButton(event.button, window, out);
      return;
    }
    case SDL_WINDOWEVENT: {
      const WindowHandle window = context.Resolve(event.window.windowID);
      if (window != 0) TranslateWindowEvent(event.window, window, out);
      return;
    }
    case SDL_QUIT: {
      // The desktop session ending or an interrupt: the game closes as if its window had been.
      const WindowHandle window = context.MainWindow();
      if (window != 0) Push(out, MessageType::kClose, window);
      return;
    }
    default:
      return;
  }
}

}  // namespace engine::platform::sdl
