// Screenshots.h -- the --shot option: saves the back buffer after the named frames are drawn.
#pragma once

#include <string>
#include <vector>

#include "game/shell/CommandLine.h"

namespace game::shell {

class Screenshots {
 public:
  explicit Screenshots(std::vector<Shot> shots) : shots_(std::move(shots)) {}

  // A file that cannot be written, or "" when every shot can be saved.
  std::string Unwritable() const;
  // Called while frame's drawing is still locked: saves the shots of that frame.
  void FrameDrawn(long frame);
  // One line for each shot that was not saved: its frame never drew (it never ran, or its
  // back buffer could not be locked), or the file could not be written.
  std::vector<std::string> Problems() const;

 private:
  enum class State { kWaiting, kSaved, kFailed };

  std::vector<Shot> shots_;
  std::vector<State> states_ = std::vector<State>(shots_.size(), State::kWaiting);
};

}  // namespace game::shell
