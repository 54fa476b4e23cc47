// MainLoop.cpp -- the process entry, the message loop and the window procedure.
#include "engine/core/Engine.h"

#include "engine/platform/VirtualKey.h"

namespace engine::core {

using platform::Message;
using platform::MessageType;

int Engine::Entry(const std::function<void()>& initialize, const std::function<void()>& run,
                  int showCommandValue) {
  showCommand_ = showCommandValue;
  initialize();
  if (status_ != INIT_OK) {
    ReportError();
    return -1;
  }
  // One message per pass; a frame runs only when no message waits.
  Message message;
  for (;;) {
    if (PeekMessage(message)) {
      if (message.type == MessageType::kQuit) break;
      TranslateMessage(message);
      WindowProc(message);
    } else {
      run();
      if (platform_ != nullptr) platform_->Windows().FrameRan();
    }
  }
  CleanUp();
  return static_cast<std::int32_t>(message.wParam);
}

void Engine::Quit() {
  quitPosted_ = true;
  quitCode_ = 0;
}

// The engine's own posted messages come first, then a pending quit, then the platform's queue.
bool Engine::PeekMessage(Message& message) {
  if (!posted_.empty()) {
    message = posted_.front();
    posted_.pop_front();
    return true;
  }
  if (quitPosted_) {
    quitPosted_ = false;
    message = Message{MessageType::kQuit, 0, static_cast<std::uint32_t>(quitCode_), 0};
    return true;
  }
  return platform_ != nullptr && platform_->Windows().PeekMessage(message);
}

// Key presses that the platform sends no text for still type their control character, as a
// typed character of their own that follows the key-down message.
void Engine::TranslateMessage(const Message& message) {
  if (message.type != MessageType::kKeyDown) return;
  switch (message.wParam) {
    case platform::vk::kBackspace:
    case platform::vk::kTab:
    case platform::vk::kEnter:
    case platform::vk::kEscape:
      posted_.push_back(Message{MessageType::kChar, message.window, message.wParam, 0});
      break;
    default:
      break;
  }
}

void Engine::DestroyMainWindow() {
  if (platform_ != nullptr && window_ != 0) platform_->Windows().DestroyWindow(window_);
  WindowProc(Message{MessageType::kDestroy, window_, 0, 0});
}

void Engine::WindowProc(const Message& message) {
  switch (message.type) {
    case MessageType::kDestroy:
      Quit();
      break;
    case MessageType::kMove:
      // The client area may lie partly left of or above the desktop.
      viewOriginX_ = static_cast<std::int16_t>(platform::LowWord(message.lParam));
      viewOriginY_ = static_cast<std::int16_t>(platform::HighWord(message.lParam));
      break;
    case MessageType::kSetFocus:
      if (status_ == INIT_OK) {
        active_ = 1;
        ViewUpdate();
      }
      break;
    case MessageType::kKillFocus:
      active_ = 0;
      break;
    case MessageType::kActivateApp:
      active_ = static_cast<std::int32_t>(message.wParam);
      break;
    case MessageType::kClose:
      DestroyMainWindow();
      break;
    case MessageType::kKeyDown:
      SetKeyDown(static_cast<std::uint8_t>(message.wParam & 0xFFu));
      break;
    case MessageType::kKeyUp:
      SetKeyUp(static_cast<std::uint8_t>(message.wParam & 0xFFu));
      break;
    case MessageType::kChar:
      PushKey(static_cast<std::uint8_t>(message.wParam & 0xFFu));
      break;
    case MessageType::kMouseMove:
      MouseMove(platform::LowWord(message.lParam), platform::HighWord(message.lParam));
      break;
    case MessageType::kLeftDown:
      MouseDown(1);
      break;
    case MessageType::kRightDown:
      MouseDown(2);
      break;
    case MessageType::kMiddleDown:
      MouseDown(16);
      break;
    case MessageType::kLeftUp:
    case MessageType::kRightUp:
    case MessageType::kMiddleUp:
      MouseUp();
      break;
    case MessageType::kQuit:
      break;
  }
}

}  // namespace engine::core
