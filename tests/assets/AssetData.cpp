// AssetData.cpp -- where the generated set is, and its manifest.
#include "tests/assets/AssetData.h"

#include <fstream>
#include <sstream>

namespace tests::assets {

std::filesystem::path BuildDataFolder() {
  return CURBSIDE_DATA_DIR;
}

std::filesystem::path Generator() {
  return CURBSIDE_ASSETGEN;
}

std::vector<ManifestEntry> ReadManifest(const std::filesystem::path& folder) {
  std::vector<ManifestEntry> entries;
  std::ifstream in(folder / "manifest.txt");
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream fields(line);
    ManifestEntry entry;
    std::string rest;
    if (!(fields >> entry.kind >> entry.name >> entry.first >> entry.second) || (fields >> rest)) {
      entry = {"?", line, 0, 0};
    }
    entries.push_back(entry);
  }
  return entries;
}

std::vector<ManifestEntry> EntriesOf(const std::vector<ManifestEntry>& manifest,
                                     const std::string& kind) {
  std::vector<ManifestEntry> entries;
  for (const ManifestEntry& entry : manifest) {
    if (entry.kind == kind) entries.push_back(entry);
  }
  return entries;
}

}  // namespace tests::assets
