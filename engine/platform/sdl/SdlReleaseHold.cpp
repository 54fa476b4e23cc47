// SdlReleaseHold.cpp -- holding back the releases of presses no frame has seen.
#include "engine/platform/sdl/SdlReleaseHold.h"

#include <algorithm>

namespace engine::platform::sdl {

namespace {

constexpr int kMouse = 256;

enum class Edge { kNone, kPress, kRelease };

struct Input {
  Edge edge = Edge::kNone;
  int channel = 0;
};

Input Classify(const Message& m) {
  switch (m.type) {
    case MessageType::kKeyDown:
      return {Edge::kPress, static_cast<int>(m.wParam & 0xFFu)};
    case MessageType::kKeyUp:
      return {Edge::kRelease, static_cast<int>(m.wParam & 0xFFu)};
    case MessageType::kLeftDown:
    case MessageType::kRightDown:
    case MessageType::kMiddleDown:
      return {Edge::kPress, kMouse};
    case MessageType::kLeftUp:
    case MessageType::kRightUp:
    case MessageType::kMiddleUp:
      return {Edge::kRelease, kMouse};
    default:
      return {};
  }
}

}  // namespace

bool ReleaseHold::Admit(const Message& message) {
  const Input input = Classify(message);
  if (input.edge == Edge::kNone) return true;
  const auto c = static_cast<std::size_t>(input.channel);
  if (kept_[c] || (input.edge == Edge::kRelease && unseen_[c])) {
    held_.push_back(message);
    kept_[c] = true;
    return false;
  }
  if (input.edge == Edge::kPress) unseen_[c] = true;
  return true;
}

void ReleaseHold::FrameRan(std::deque<Message>& out) {
  unseen_.reset();
  kept_.reset();
  out.insert(out.begin(), held_.begin(), held_.end());
  held_.clear();
}

void ReleaseHold::Forget(WindowHandle window) {
  std::erase_if(held_, [window](const Message& m) { return m.window == window; });
  kept_.reset();
  for (const Message& m : held_)
    kept_[static_cast<std::size_t>(Classify(m).channel)] = true;
}

void ReleaseHold::Clear() {
  unseen_.reset();
  kept_.reset();
  held_.clear();
}

}  // namespace engine::platform::sdl
