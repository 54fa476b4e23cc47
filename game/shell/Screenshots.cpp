// Screenshots.cpp -- back buffer captures written with the engine's TIFF writer.
#include "game/shell/Screenshots.h"

#include <unistd.h>

#include <filesystem>

#include "engine/core/Engine.h"
#include "engine/graphics/ImageFile.h"
#include "engine/graphics/Screenshot.h"

namespace game::shell {

std::string Screenshots::Unwritable() const {
  for (const Shot& shot : shots_) {
    const std::filesystem::path parent = std::filesystem::path(shot.file).parent_path();
    const std::string folder = parent.empty() ? "." : parent.string();
    std::error_code error;
    if (std::filesystem::is_directory(shot.file, error) ||
        !std::filesystem::is_directory(folder, error) || access(folder.c_str(), W_OK) != 0) {
      return shot.file;
    }
  }
  return "";
}

void Screenshots::FrameDrawn(long frame) {
  for (std::size_t i = 0; i < shots_.size(); ++i) {
    if (shots_[i].frame != frame) continue;
    engine::graphics::Image picture =
        engine::graphics::CaptureRgb(Vorel.GetBackBuffer(), Vorel.GetStride(), Vorel.DrawingWidth(),
                                     Vorel.GetHeight(), engine::graphics::ScreenFormat);
    engine::graphics::ImageFile file;
    states_[i] = file.SaveTiff(shots_[i].file, picture) ? State::kSaved : State::kFailed;
  }
}

std::vector<std::string> Screenshots::Problems() const {
  std::vector<std::string> problems;
  for (std::size_t i = 0; i < shots_.size(); ++i) {
    const std::string name = "'" + shots_[i].file + "'";
    if (states_[i] == State::kWaiting) {
      problems.push_back("frame " + std::to_string(shots_[i].frame) +
                         " was not drawn; no screenshot " + name);
    } else if (states_[i] == State::kFailed) {
      problems.push_back("screenshot " + name + " could not be written completely");
    }
  }
  return problems;
}

}  // namespace game::shell
