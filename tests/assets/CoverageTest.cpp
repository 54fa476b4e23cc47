// CoverageTest.cpp -- the generated set holds exactly the files the game loads, under exactly
// the names it loads them by, folder and letter case included.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>
#include <string>

#include "tests/assets/AssetData.h"
#include "tests/assets/ExpectedAssets.h"

namespace tests::assets {
namespace {

// Name -> kind, for every name the game loads.
std::map<std::string, std::string> Expected() {
  std::map<std::string, std::string> names;
  for (const ExpectedPicture& picture : ExpectedPictures())
    names[picture.name] = "image";
  for (const std::string& sound : ExpectedSounds())
    names[sound] = "sound";
  return names;
}

class Coverage : public testing::Test {
 protected:
  std::vector<ManifestEntry> manifest = ReadManifest(BuildDataFolder());
};

TEST_F(Coverage, EveryNameTheGameLoadsIsGenerated) {
  ASSERT_FALSE(manifest.empty()) << "no manifest in " << BuildDataFolder();
  std::map<std::string, std::string> listed;
  for (const ManifestEntry& entry : manifest)
    listed[entry.name] = entry.kind;
  for (const auto& [name, kind] : Expected()) {
    const auto found = listed.find(name);
    if (found == listed.end()) {
      ADD_FAILURE() << "missing: " << name;
    } else {
      EXPECT_EQ(found->second, kind) << name;
    }
  }
}

TEST_F(Coverage, NothingIsGeneratedThatTheGameDoesNotLoad) {
  const std::map<std::string, std::string> expected = Expected();
  for (const ManifestEntry& entry : manifest) {
    EXPECT_TRUE(expected.contains(entry.name)) << "not loaded by the game: " << entry.name;
  }
}

TEST_F(Coverage, EachNameIsGeneratedOnce) {
  std::set<std::string> seen;
  for (const ManifestEntry& entry : manifest) {
    EXPECT_TRUE(seen.insert(entry.name).second) << "listed twice: " << entry.name;
  }
}

// The game's names have their folders in backslashes; on disk each is a file at that path,
// found with the exact case (the file system tells case apart).
TEST_F(Coverage, EachNameIsAFileAtItsExactPath) {
  for (const ManifestEntry& entry : manifest) {
    std::string relative = entry.name;
    for (char& c : relative) {
      if (c == '\\') c = '/';
    }
    EXPECT_TRUE(std::filesystem::is_regular_file(BuildDataFolder() / relative)) << entry.name;
  }
}

}  // namespace
}  // namespace tests::assets
