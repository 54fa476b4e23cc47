// PathTest.cpp -- file-name mapping: backslashes, and asset names found in the data folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/support/File.h"
#include "engine/support/Path.h"
#include "tests/common/TempDir.h"

namespace engine::support {
namespace {

class PathTest : public testing::Test {
 protected:
  void TearDown() override { SetDataFolder(""); }
};

struct PathCase {
  const char* folder;
  const char* name;
  const char* resolved;
};

TEST_F(PathTest, ResolvesNames) {
  const PathCase cases[] = {
      {"", "Images\\intro-bg.tif", "Images/intro-bg.tif"},
      {"", "Sounds\\cash.wav", "Sounds/cash.wav"},
      {"", "a\\b\\c.txt", "a/b/c.txt"},
      {"", "debug.txt", "debug.txt"},
      {"/data", "Images\\intro-bg.tif", "/data/Images/intro-bg.tif"},
      {"/data", "Sounds\\cash.wav", "/data/Sounds/cash.wav"},
      {"/data", "Images/already.tif", "/data/Images/already.tif"},
      {"/data/", "Images\\x.tif", "/data/Images/x.tif"},
      {"rel", "Sounds\\x.wav", "rel/Sounds/x.wav"},
      // Everything else stays relative to the working folder.
      {"/data", "debug.txt", "debug.txt"},
      {"/data", "shots\\frame.tif", "shots/frame.tif"},
      {"/data", "Images", "Images"},
      {"/data", "ImagesX\\a.tif", "ImagesX/a.tif"},
      {"/data", "images\\a.tif", "images/a.tif"},
      {"/data", "x\\Images\\a.tif", "x/Images/a.tif"},
      {"/data", "/abs/Images/a.tif", "/abs/Images/a.tif"},
      {"/data", "", ""},
  };
  for (const PathCase& c : cases) {
    SetDataFolder(c.folder);
    EXPECT_EQ(DataFolder(), c.folder);
    EXPECT_EQ(ResolvePath(c.name), c.resolved) << c.folder << " + " << c.name;
  }
}

TEST_F(PathTest, OpenAndExistsLookInTheDataFolder) {
  tests::TempDir dir;
  std::filesystem::create_directories("data/Images");
  std::filesystem::create_directories("Images");
  dir.Write("data/Images/pic.tif", "from data");
  dir.Write("Images/local.tif", "from work");
  dir.Write("notes.txt", "notes");

  EXPECT_EQ(File::Exists("Images\\pic.tif"), FILE_NOTEXIST);
  EXPECT_EQ(File::Exists("Images\\local.tif"), FILE_EXIST);

  SetDataFolder((dir.Path() / "data").string());
  EXPECT_EQ(File::Exists("Images\\pic.tif"), FILE_EXIST);
  EXPECT_EQ(File::Exists("Images\\local.tif"), FILE_NOTEXIST);
  EXPECT_EQ(File::Exists("notes.txt"), FILE_EXIST);

  File file("Images\\pic.tif", FILE_READ | RANDOM);
  File::Line line{};
  ASSERT_EQ(file.ReadLine(line), FILE_SUCCESS);
  EXPECT_STREQ(line.data(), "from data");
  // The record keeps the name as the caller wrote it.
  EXPECT_EQ(file.Name(), "Images\\pic.tif");

  // Files the program writes stay in the working folder.
  {
    File out("shot.tif", FILE_WRITE | FILE_AUTOCREATE | RANDOM);
    EXPECT_EQ(out.WriteString("x"), FILE_SUCCESS);
  }
  EXPECT_EQ(dir.Read("shot.tif"), "x");
}

}  // namespace
}  // namespace engine::support
