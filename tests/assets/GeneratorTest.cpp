// GeneratorTest.cpp -- the generator run twice into fresh folders writes the same bytes, and
// exactly the files its manifest lists; its contact sheet is a picture the engine can read.
// The time of each run is printed, not judged.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>

#include "engine/graphics/Image.h"
#include "engine/graphics/ImageFile.h"
#include "tests/assets/AssetData.h"
#include "tests/common/GlobalPlatform.h"
#include "tests/common/TempDir.h"

namespace tests::assets {
namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// Relative path -> contents of every file under a folder.
std::map<std::string, std::string> Contents(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& item : fs::recursive_directory_iterator(folder)) {
    if (item.is_regular_file()) {
      files[fs::relative(item.path(), folder).generic_string()] = Bytes(item.path());
    }
  }
  return files;
}

// Each test runs the generator into a fresh folder of its own. ctest runs every test in a
// process of its own, so runs are not shared between tests.
class Generator : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "curbside-assetgen-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    root = pattern;
  }
  void TearDown() override {
    std::error_code ignored;
    fs::remove_all(root, ignored);
  }

  // Writes the set into root/name and the contact sheet beside it as root/name.tif; returns
  // the generator's exit status.
  int Run(const std::string& name) {
    const auto start = std::chrono::steady_clock::now();
    const std::string command = "\"" + tests::assets::Generator().string() + "\" \"" +
                                (root / name).string() + "\" --contact-sheet \"" +
                                (root / (name + ".tif")).string() + "\"";
    const int status = std::system(command.c_str());
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("assetgen %s took %.2f s\n", name.c_str(), took.count());
    return status;
  }

  fs::path root;
};

TEST_F(Generator, WritesTheSameBytesOnEveryRun) {
  ASSERT_EQ(Run("first"), 0);
  ASSERT_EQ(Run("second"), 0);
  const auto first = Contents(root / "first");
  const auto second = Contents(root / "second");
  ASSERT_FALSE(first.empty());
  for (const auto& [name, bytes] : first) {
    const auto other = second.find(name);
    if (other == second.end()) {
      ADD_FAILURE() << "only in the first run: " << name;
    } else {
      EXPECT_TRUE(other->second == bytes) << "differs between runs: " << name;
    }
  }
  for (const auto& [name, bytes] : second) {
    EXPECT_TRUE(first.contains(name)) << "only in the second run: " << name;
  }
  EXPECT_TRUE(Bytes(root / "first.tif") == Bytes(root / "second.tif")) << "contact sheets differ";
}

// What the manifest lists is what is on disk, with each sound's length as written; and the
// contact sheet is a picture the engine can read.
TEST_F(Generator, WritesExactlyWhatItsManifestListsAndAContactSheet) {
  ASSERT_EQ(Run("set"), 0);
  const fs::path out = root / "set";
  std::set<std::string> listed = {"manifest.txt"};
  for (const ManifestEntry& entry : ReadManifest(out)) {
    std::string relative = entry.name;
    for (char& c : relative) {
      if (c == '\\') c = '/';
    }
    listed.insert(relative);
    if (entry.kind == "sound") {
      // A 44-byte header, then 16-bit samples.
      EXPECT_EQ(fs::file_size(out / relative), 44u + 2u * static_cast<unsigned long>(entry.second))
          << entry.name;
    }
  }
  std::set<std::string> written;
  for (const auto& [name, bytes] : Contents(out))
    written.insert(name);
  EXPECT_EQ(written, listed);

  TempDir dir;
  GlobalPlatform platform;
  engine::graphics::Image sheet;
  engine::graphics::ImageFile loader;
  ASSERT_TRUE(loader.LoadTiff((root / "set.tif").string(), sheet));
  EXPECT_EQ(sheet.Format(), 0x20);
  EXPECT_GT(sheet.Width(), 0);
  EXPECT_GT(sheet.Height(), 0);
  EXPECT_TRUE(platform.Notices().empty());
}

}  // namespace
}  // namespace tests::assets
