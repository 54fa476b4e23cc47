// DataCheck.cpp -- the start files of the game and the line for a folder without them.
#include "game/shell/DataCheck.h"

#include <filesystem>

#include "engine/support/Path.h"
#include "game/shell/GameShell.h"
#include "game/street/StreetMode.h"

namespace game::shell {

namespace fs = std::filesystem;

std::vector<std::string> StartFiles() {
  std::vector<std::string> files = GameShell::PictureFiles();
  files.insert(files.end(), street::kSoundFiles.begin(), street::kSoundFiles.end());
  return files;
}

std::vector<std::string> MissingStartFiles() {
  std::vector<std::string> missing;
  for (const std::string& name : StartFiles()) {
    std::error_code error;
    if (!fs::is_regular_file(engine::support::ResolvePath(name), error)) missing.push_back(name);
  }
  return missing;
}

std::string MissingDataLine(const std::vector<std::string>& missing) {
  std::error_code error;
  const std::string& data = engine::support::DataFolder();
  fs::path folder = fs::absolute(data.empty() ? fs::path(".") : fs::path(data), error);
  std::string shown = folder.lexically_normal().string();
  if (shown.size() > 1 && shown.back() == '/') shown.pop_back();
  std::string line = "no game data in '" + shown + "': ";
  std::string first = missing.empty() ? std::string() : missing.front();
  for (char& c : first) {
    if (c == '\\') c = '/';
  }
  line += first;
  if (missing.size() > 1) {
    line += " and " + std::to_string(missing.size() - 1) + " more files are missing";
  } else {
    line += " is missing";
  }
  return line + " (building the game writes its data into build/data; assetgen DIR writes it " +
         "into DIR)";
}

}  // namespace game::shell
