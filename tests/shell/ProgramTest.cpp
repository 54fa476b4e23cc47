// The curbside executable run headless: exit codes, the debug log and the reports.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "engine/graphics/ImageFile.h"
#include "engine/graphics/Screenshot.h"
#include "tests/common/TempDir.h"

namespace {

struct Result {
  int code = -1;
  std::string out, err;
};

class Program : public testing::Test {
 protected:
  // Runs curbside with args in the test's folder, after env (variable settings for the shell).
  Result Run(const std::string& args, const std::string& env = "") {
    const std::string command =
        env + " '" + CURBSIDE_EXE + "' " + args + " >stdout.txt 2>stderr.txt";
    const int status = std::system(command.c_str());
    Result result;
    result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = dir.Read("stdout.txt");
    result.err = dir.Read("stderr.txt");
    return result;
  }
  std::string Log() const { return dir.Read("debug.txt"); }

  tests::TempDir dir;
};

TEST_F(Program, HeadlessRunStartsLogsAndEnds) {
  const Result r = Run("--headless --frames 10");
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const std::string log = Log();
  EXPECT_EQ(log.rfind("WindowsDX: Initialization started.\n  ", 0), 0u) << log;
  EXPECT_NE(log.find("WinDX:: Back Buffer is a valid flip (back) buffer.\n  "), std::string::npos);
  EXPECT_NE(log.find("WindowsDX: Initialization finished OK.\n  "), std::string::npos);
}

// Started in a folder nobody can write (root included), the game runs on without a log, as the
// log's own failure line on standard output says.
TEST_F(Program, UnwritableFolderRunsWithoutALog) {
  const std::string out = (dir.Path() / "stdout.txt").string();
  const std::string err = (dir.Path() / "stderr.txt").string();
  const std::string command = std::string("cd /proc && '") + CURBSIDE_EXE +
                              "' --headless --frames 10 >'" + out + "' 2>'" + err + "'";
  const int status = std::system(command.c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  // Once when the log is made at start, once when start-up opens it afresh.
  EXPECT_EQ(dir.Read("stdout.txt"),
            "DEBUGGER ERROR: Unable to open debug log file.\n"
            "DEBUGGER ERROR: Unable to open debug log file.\n");
  EXPECT_EQ(dir.Read("stderr.txt"), "");
}

TEST_F(Program, DeepDesktopFailsWithTheDepthReport) {
  const Result r = Run("--headless --desktop 1024x768x32 --frames 10");
  EXPECT_EQ(r.code, 255);
  EXPECT_EQ(r.err,
            "Vorel\nUnable to start Vorel.\n\nError: BPP_FAILED (Screen depth not supported)\n\n"
            "Vorel supports 16-bit screen depths ONLY!\n\nPlease adjust your screen depth to "
            "16-bit as follows:\n- Right click on desktop\n- Select Properties\n- Goto Settings "
            "Tab\n- Select High Color (16-bit)\n\n");
  EXPECT_NE(Log().find("Vorel Error: BPP_FAILED (Screen depth not supported)\n"),
            std::string::npos);
}

TEST_F(Program, WindowLargerThanTheDesktopFails) {
  const Result r = Run("--headless --windowed --desktop 640x480x16");
  EXPECT_EQ(r.code, 255);
  EXPECT_NE(r.err.find("Error: REQSIZE_FAILED (Requested size too large)"), std::string::npos);
  EXPECT_NE(Log().find("Vorel Error: REQSIZE_FAILED (Requested size too large)\n"),
            std::string::npos);
}

TEST_F(Program, EscapeEndsTheGameAfterItsFrame) {
  dir.Write("escape.txt", "5 key-down 27\n10 char z\n");
  const Result r = Run("--headless --script escape.txt --record record.txt --frames 1000");
  EXPECT_EQ(r.code, 0) << r.err;
  EXPECT_EQ(dir.Read("record.txt"), "5 key-down 27\n") << "frame 10 never ran";
}

TEST_F(Program, ShotsSaveTheDrawnFramesForOtherTools) {
  const Result r = Run("--headless --frames 3 --shot 2:two.tif --shot 3:three.tif --shot 9:x.tif");
  EXPECT_EQ(r.code, 0);
  EXPECT_NE(r.err.find("frame 9 was not drawn; no screenshot 'x.tif'"), std::string::npos);
  ASSERT_EQ(std::system("convert two.tif -quiet -format '%w %h' info: >info.txt"), 0);
  EXPECT_EQ(dir.Read("info.txt"), "800 600");
  EXPECT_EQ(dir.Read("three.tif").size(), 204u + 800 * 600 * 3);

  // The title screen as the back buffer held it: each pixel of the picture reduced to 5-6-5
  // and expanded again by bit replication.
  using namespace engine::graphics;
  ScreenFormat = PixelFormat::FromMasks(0xF800, 0x07E0, 0x001F);
  Image shot, title;
  ImageFile files;
  ASSERT_TRUE(files.LoadTiff("two.tif", shot));
  ASSERT_TRUE(
      files.LoadTiff(std::string(CURBSIDE_DATA_DIR) + "/Images/backgrounds/intro-bg.tif", title));
  ASSERT_EQ(shot.Width(), 800);
  int mismatches = 0;
  for (int i = 0; i < 800 * 600; ++i) {
    const std::uint8_t* t = title.PixelBytes() + 3 * i;
    const std::uint8_t* s = shot.PixelBytes() + 3 * i;
    const int bits[3] = {5, 6, 5};
    for (int c = 0; c < 3; ++c) {
      const std::uint32_t reduced = (t[c] << bits[c]) >> 8;
      mismatches += ExpandChannel(reduced, bits[c]) != s[c];
    }
  }
  EXPECT_EQ(mismatches, 0);
}

// Nothing but a game run makes a log.
TEST_F(Program, HelpVersionAndBadOptions) {
  std::filesystem::remove(dir.Path() / "debug.txt");
  const Result help = Run("--help");
  EXPECT_EQ(help.code, 0);
  EXPECT_EQ(help.err, "");
  for (const char* part : {"Usage: curbside [options]", "--headless",
                           "Single player:", "Two players:", "Escape quits"}) {
    EXPECT_NE(help.out.find(part), std::string::npos) << part;
  }
  const Result version = Run("--version");
  EXPECT_EQ(version.code, 0);
  EXPECT_EQ(version.out, "curbside " CURBSIDE_VERSION "\n");
  const Result bad = Run("--bogus");
  EXPECT_EQ(bad.code, 2);
  EXPECT_EQ(bad.err, "curbside: unknown option '--bogus'; try --help\n");
  const Result refused = Run("--headless --script none.txt");
  EXPECT_EQ(refused.code, 2);
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "debug.txt"));
}

// A folder without the game's files is refused in one line, before any notice or log.
TEST_F(Program, DataFolderWithoutTheGamesFilesIsRefusedInOneLine) {
  std::filesystem::remove(dir.Path() / "debug.txt");
  std::filesystem::create_directories(dir.Path() / "empty");
  const std::filesystem::path partial = dir.Path() / "partial";
  std::filesystem::copy(CURBSIDE_DATA_DIR, partial, std::filesystem::copy_options::recursive);
  std::filesystem::remove(partial / "Sounds" / "gong.wav");
  const std::pair<const char*, std::string> cases[] = {
      {"empty", "no game data in '" + (dir.Path() / "empty").string() +
                    "': Images/backgrounds/intro-bg.tif and 20 more files are missing ("},
      {"partial", "no game data in '" + partial.string() + "': Sounds/gong.wav is missing ("},
  };
  for (const auto& [folder, line] : cases) {
    const Result r = Run(std::string("--headless --frames 5 --data ") + folder);
    EXPECT_EQ(r.code, 2) << folder;
    EXPECT_EQ(r.err.rfind("curbside: " + line, 0), 0u) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << r.err;
    EXPECT_NE(r.err.find("assetgen DIR"), std::string::npos);
  }
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "debug.txt"));
}

// Started from the menu, the log goes to the state folder, made when missing.
TEST_F(Program, FromTheMenuTheLogGoesToTheStateFolder) {
  const std::string home = (dir.Path() / "home").string();
  const std::string state = (dir.Path() / "state").string();
  const std::pair<std::string, std::string> cases[] = {
      {"HOME='" + home + "' XDG_STATE_HOME= ", home + "/.local/state/curbside/debug.txt"},
      {"HOME='" + home + "' XDG_STATE_HOME='" + state + "'", state + "/curbside/debug.txt"},
  };
  for (const auto& [env, log] : cases) {
    std::filesystem::remove(dir.Path() / "debug.txt");
    const Result r = Run("--headless --frames 3 --from-menu", env);
    EXPECT_EQ(r.code, 0) << r.err;
    EXPECT_EQ(dir.Read(log).rfind("WindowsDX: Initialization started.\n", 0), 0u) << log;
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "debug.txt"));
  }
}

TEST_F(Program, UnusableFilesAreRefusedBeforeStarting) {
  dir.Write("broken.txt", "1 char a\n2 key-down 300\n");
  const std::pair<const char*, const char*> cases[] = {
      {"--headless --script missing.txt", "cannot read script 'missing.txt'"},
      {"--headless --script broken.txt", "broken.txt: line 2: key code"},
      {"--headless --record no/such/folder/r.txt", "cannot write record"},
      {"--headless --data no-such-folder", "data folder 'no-such-folder' does not exist"},
      {"--headless --shot 5:no/such/folder/x.tif", "cannot write screenshot"},
  };
  for (const auto& [args, why] : cases) {
    const Result r = Run(args);
    EXPECT_EQ(r.code, 2) << args;
    EXPECT_NE(r.err.find(why), std::string::npos) << args << ": " << r.err;
  }
}

}  // namespace
