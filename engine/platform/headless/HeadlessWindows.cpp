// HeadlessWindows.cpp -- in-memory windows, message queue and notices.
#include "engine/platform/headless/HeadlessWindows.h"

#include <cstdio>

namespace engine::platform::headless {

HeadlessWindows::HeadlessWindows(const DesktopConfig& config, Faults& faults)
    : config_(config), faults_(faults) {}

bool HeadlessWindows::RegisterClass(const WindowClass& windowClass) {
  if (faults_.Next(Op::kRegisterClass) || windowClass.name.empty()) return false;
  className_ = windowClass.name;
  return true;
}

WindowHandle HeadlessWindows::CreateWindow(const WindowParams& params) {
  if (faults_.Next(Op::kCreateWindow)) return 0;
  if (params.className != className_ || params.outerWidth <= 0 || params.outerHeight <= 0) {
    return 0;
  }
  const WindowHandle handle = nextHandle_++;
  windows_[handle] = Window{params, false};
  return handle;
}

void HeadlessWindows::DestroyWindow(WindowHandle window) {
  windows_.erase(window);
  if (foreground_ == window) foreground_ = 0;
  if (shown_ == window) shown_ = 0;
}

HeadlessWindows::Window* HeadlessWindows::Find(WindowHandle window) {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

const WindowParams* HeadlessWindows::Params(WindowHandle window) const {
  auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second.params;
}

// The frame widths around the client area: none for a popup window.
HeadlessWindows::Insets HeadlessWindows::Frame(const Window& w) const {
  if (w.params.style == WindowStyle::kPopup) return {};
  return {config_.frameLeft, config_.frameTop, config_.frameRight, config_.frameBottom};
}

Rect HeadlessWindows::GetClientRect(WindowHandle window) {
  const Window* w = Find(window);
  if (w == nullptr) return {};
  const Insets frame = Frame(*w);
  const int cw = w->params.outerWidth - frame.left - frame.right;
  const int ch = w->params.outerHeight - frame.top - frame.bottom;
  return {0, 0, cw > 0 ? cw : 0, ch > 0 ? ch : 0};
}

Point HeadlessWindows::ClientToScreen(WindowHandle window, Point client) {
  const Window* w = Find(window);
  if (w == nullptr) return client;
  const Insets frame = Frame(*w);
  return {w->params.x + frame.left + client.x, w->params.y + frame.top + client.y};
}

void HeadlessWindows::ShowWindow(WindowHandle window, int /*showCommand*/) {
  Window* w = Find(window);
  if (w == nullptr || w->visible) return;
  w->visible = true;
  shown_ = window;
  const Point origin = ClientToScreen(window, {0, 0});
  Post({MessageType::kMove, window, 0, PackPoint(origin.x, origin.y)});
  SetForeground(window);
}

bool HeadlessWindows::UpdateWindow(WindowHandle window) {
  if (faults_.Next(Op::kUpdateWindow)) return false;
  const Window* w = Find(window);
  return w != nullptr && w->visible;
}

void HeadlessWindows::SetForeground(WindowHandle window) {
  if (window == foreground_) return;
  if (foreground_ != 0) {
    Post({MessageType::kKillFocus, foreground_, 0, 0});
    Post({MessageType::kActivateApp, foreground_, 0, 0});
  }
  foreground_ = window;
  if (window != 0) {
    Post({MessageType::kActivateApp, window, 1, 0});
    Post({MessageType::kSetFocus, window, 0, 0});
  }
}

void HeadlessWindows::MoveWindow(WindowHandle window, int x, int y) {
  Window* w = Find(window);
  if (w == nullptr) return;
  w->params.x = x;
  w->params.y = y;
  const Point origin = ClientToScreen(window, {0, 0});
  Post({MessageType::kMove, window, 0, PackPoint(origin.x, origin.y)});
}

bool HeadlessWindows::PeekMessage(Message& message) {
  if (queue_.empty()) return false;
  message = queue_.front();
  queue_.pop_front();
  return true;
}

void HeadlessWindows::MessageBox(WindowHandle owner, std::string_view text,
                                 std::string_view caption) {
  notices_.push_back(Notice{owner, std::string(caption), std::string(text)});
  if (config_.echoNotices) {
    std::fprintf(stderr, "%.*s\n%.*s\n\n", static_cast<int>(caption.size()), caption.data(),
                 static_cast<int>(text.size()), text.data());
    std::fflush(stderr);
  }
}

}  // namespace engine::platform::headless
