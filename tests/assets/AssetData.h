// AssetData.h -- the generated data folders the asset tests read: the build's own, and the
// generator's manifest of what it wrote there.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tests::assets {

// One line of manifest.txt: "image NAME WIDTH HEIGHT" or "sound NAME RATE SAMPLES".
struct ManifestEntry {
  std::string kind;
  std::string name;
  long first = 0, second = 0;
};

// The folder the build generated, which the game reads by default.
std::filesystem::path BuildDataFolder();
// The generator the build made.
std::filesystem::path Generator();

// The manifest of a data folder; empty when there is none. A line that does not parse is
// kept with kind "?" so that a test reports it.
std::vector<ManifestEntry> ReadManifest(const std::filesystem::path& folder);

// The manifest's entries of one kind ("image" or "sound").
std::vector<ManifestEntry> EntriesOf(const std::vector<ManifestEntry>& manifest,
                                     const std::string& kind);

}  // namespace tests::assets
