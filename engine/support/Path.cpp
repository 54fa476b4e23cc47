// Path.cpp -- file-name mapping and the asset data folder.
#include "engine/support/Path.h"

#include <algorithm>
#include <array>
#include <utility>

namespace engine::support {

namespace {

// A function-local static, so the folder is usable from any static constructor.
std::string& Folder() {
  static std::string folder;
  return folder;
}

bool IsAssetName(std::string_view mapped) {
  constexpr std::array<std::string_view, 2> kAssetFolders = {"Images/", "Sounds/"};
  return std::any_of(kAssetFolders.begin(), kAssetFolders.end(),
                     [mapped](std::string_view prefix) { return mapped.starts_with(prefix); });
}

}  // namespace

void SetDataFolder(std::string folder) {
  Folder() = std::move(folder);
}

const std::string& DataFolder() {
  return Folder();
}

std::string ResolvePath(std::string_view name) {
  std::string mapped(name);
  std::replace(mapped.begin(), mapped.end(), '\\', '/');
  const std::string& folder = Folder();
  if (folder.empty() || !IsAssetName(mapped)) return mapped;
  std::string joined = folder;
  if (joined.back() != '/') joined += '/';
  return joined + mapped;
}

}  // namespace engine::support
