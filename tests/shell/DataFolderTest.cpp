// DataFolderTest.cpp -- where the game looks for Images/ and Sounds/ when --data is not given.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "game/shell/Program.h"
#include "tests/common/TempDir.h"

namespace {

namespace fs = std::filesystem;
using game::shell::FindDataFolder;

struct Case {
  std::string name;
  std::vector<std::string> folders;  // made inside the test's folder
  std::vector<std::string> files;
  std::string working, buildData, program;
  std::string expected;  // relative to the test's folder; "" for the working folder
};

TEST(DataFolder, WorkingFolderThenBuildThenInstalledProgramsShare) {
  const Case cases[] = {
      {"working folder with both",
       {"w/Images", "w/Sounds", "build/data"},
       {},
       "w",
       "build/data",
       "prefix/bin/curbside",
       ""},
      {"working folder with sounds only",
       {"w/Sounds", "build/data"},
       {},
       "w",
       "build/data",
       "",
       ""},
      {"a file called Images is not a folder",
       {"w", "build/data"},
       {"w/Images"},
       "w",
       "build/data",
       "",
       "build/data"},
      {"the build's data",
       {"w", "build/data", "prefix/share/curbside"},
       {},
       "w",
       "build/data",
       "prefix/bin/curbside",
       "build/data"},
      {"installed beside the program",
       {"w", "prefix/bin", "prefix/share/curbside"},
       {},
       "w",
       "build/gone",
       "prefix/bin/curbside",
       "prefix/share/curbside"},
      {"no build folder compiled in",
       {"w", "prefix/share/curbside"},
       {},
       "w",
       "",
       "prefix/bin/curbside",
       "prefix/share/curbside"},
      {"nothing anywhere", {"w"}, {}, "w", "build/gone", "prefix/bin/curbside", ""},
      {"program's own place unknown",
       {"w", "prefix/share/curbside"},
       {},
       "w",
       "build/gone",
       "",
       ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    tests::TempDir dir;
    for (const std::string& folder : c.folders)
      fs::create_directories(dir.Path() / folder);
    for (const std::string& file : c.files)
      dir.Write(file, "");
    const auto inside = [&](const std::string& name) {
      return name.empty() ? std::string() : (dir.Path() / name).string();
    };
    const std::string found = FindDataFolder(inside(c.working), inside(c.buildData),
                                             fs::path(inside(c.program)), "../share/curbside");
    EXPECT_EQ(found, inside(c.expected));
  }
}

// The Debian package: the program in usr/games, its data in usr/share/games/curbside, and no
// build data folder compiled in.
TEST(DataFolder, PackagedProgramFindsTheGamesDataFolder) {
  tests::TempDir dir;
  fs::create_directories(dir.Path() / "w");
  fs::create_directories(dir.Path() / "usr/share/curbside");
  const fs::path program = dir.Path() / "usr/games/curbside";
  const auto find = [&] {
    return FindDataFolder(dir.Path() / "w", "", program, "../share/games/curbside");
  };
  EXPECT_EQ(find(), "") << "share/curbside is not the package's data folder";
  fs::create_directories(dir.Path() / "usr/share/games/curbside");
  EXPECT_EQ(find(), (dir.Path() / "usr/share/games/curbside").string());
}

TEST(DataFolder, MenuLogFolderIgnoresARelativeStateHome) {
  EXPECT_EQ(game::shell::MenuLogFolder("/s", "/h"), "/s/curbside");
  EXPECT_EQ(game::shell::MenuLogFolder("rel", "/h"), "/h/.local/state/curbside");
  EXPECT_EQ(game::shell::MenuLogFolder(nullptr, ""), "");
}

}  // namespace
