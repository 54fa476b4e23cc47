// Scripted input reaches the frame it names, after the backend's own messages; recording
// writes what the game received, with the frame that sees it.
#include <gtest/gtest.h>

#include <cstdio>

#include "game/shell/ScriptedWindows.h"
#include "tests/common/HeadlessEngine.h"

namespace {

using game::shell::ParseScript;
using game::shell::ScriptedPlatform;

struct ScriptRun {
  std::vector<std::string> keysPerFrame;  // characters typed, as seen by each frame
  std::string record;
};

// Runs `frames` frames with the script; each frame takes every typed character.
ScriptRun RunScript(const std::string& script, int frames,
                    const std::function<void(tests::HeadlessEngine&, int)>& before = {}) {
  tests::HeadlessEngine h;
  std::FILE* record = std::tmpfile();
  ScriptedPlatform scripted(h.Platform(), ParseScript(script).events, record);
  auto& e = h.Engine();
  e.AttachPlatform(&scripted);
  ScriptRun run;
  int n = 0;
  e.Entry([&] { e.Initialize(1, 800, 600); },
          [&] {
            ++n;
            if (before) before(h, n);
            std::string typed;
            while (int c = e.GetKey())
              typed.insert(typed.begin(), static_cast<char>(c));
            if (e.KeyDown(65)) typed += "[A]";
            run.keysPerFrame.push_back(typed);
            if (n == frames) e.Quit();
          });
  e.AttachPlatform(&h.Platform());
  std::rewind(record);
  char buffer[256];
  while (std::fgets(buffer, sizeof buffer, record))
    run.record += buffer;
  std::fclose(record);
  return run;
}

TEST(ScriptedWindows, EventsReachTheFrameTheyName) {
  const ScriptRun run = RunScript("1 char a\n3 char b\n3 char c\n4 key-down 65\n5 key-up 65\n", 5);
  EXPECT_EQ(run.keysPerFrame, (std::vector<std::string>{"a", "", "bc", "[A]", ""}));
}

TEST(ScriptedWindows, RecordGivesEachInputTheFrameThatSeesIt) {
  const ScriptRun run = RunScript("2 char x\n2 mouse-move 5 6\n3 key-down 27\n", 3);
  EXPECT_EQ(run.record, "2 char x\n2 mouse-move 5 6\n3 key-down 27\n");
}

TEST(ScriptedWindows, BackendInputIsRecordedToo) {
  const ScriptRun run = RunScript("", 3, [](tests::HeadlessEngine& h, int n) {
    if (n == 1) h.Windows().Post({engine::platform::MessageType::kChar, 0, 'z', 0});
  });
  EXPECT_EQ(run.record, "2 char z\n");
  EXPECT_EQ(run.keysPerFrame, (std::vector<std::string>{"", "z", ""}));
}

TEST(ScriptedWindows, ReplayingARecordGivesTheSameFrames) {
  const std::string script = "1 char h\n2 mouse-move 1 2\n2 mouse-down left\n4 char i\n";
  const ScriptRun first = RunScript(script, 5);
  const ScriptRun replay = RunScript(first.record, 5);
  EXPECT_EQ(replay.keysPerFrame, first.keysPerFrame);
  EXPECT_EQ(replay.record, first.record);
}

}  // namespace
