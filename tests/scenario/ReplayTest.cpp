// Recorded games replay exactly: a headless game recorded with --record and replayed with
// --script gives the same trace, byte for byte, and the same screenshots, in both street modes;
// the same script run twice gives the same trace.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/scenario/Scenario.h"

namespace {

constexpr long kFrames = 1400;
constexpr int kEarlyShot = 320;  // the street's first frames after its count-down

// A game with input of every kind: the rules pages there and back, the mode's button, then
// held keys, typed characters, mouse moves and buttons, and a pause, in frame order as the
// recorder writes them.
std::string GameScript(int mode) {
  std::string s;
  auto at = [&](long frame, const std::string& event) {
    s += std::to_string(frame) + " " + event + "\n";
  };
  auto click = [&](long frame, int x, int y) {
    at(frame, "mouse-move " + std::to_string(x) + " " + std::to_string(y));
    at(frame, "mouse-down left");
    at(frame + 2, "mouse-up left");
  };
  click(5, 640, 437);   // RULES
  click(30, 767, 572);  // next page
  click(60, 737, 572);  // previous page
  click(90, 737, 572);  // previous again: the title
  click(120, mode == 1 ? 640 : 537, mode == 1 ? 255 : 345);

  std::uint32_t state = 20240601u + static_cast<std::uint32_t>(mode);
  auto pick = [&](std::uint32_t n) {
    state = state * 1664525u + 1013904223u;
    return (state >> 8) % n;
  };
  const int keys[] = {37, 39, 49, 50, 51, 78, 77, 103, 104, 105, 32};
  const char typed[] = "qrbs456+x ";
  bool down[256] = {};
  bool held[3] = {};
  const char* buttons[] = {"left", "right", "middle"};
  bool pausing = false, resuming = false;
  for (long f = 130; f < kFrames - 20; f += 1 + static_cast<long>(pick(9))) {
    const std::uint32_t r = pick(100);
    if (f >= 900 && !pausing) {
      at(f, "char p");  // a pause, ended sixty-odd frames later
      pausing = true;
    } else if (f >= 960 && !resuming) {
      at(f, "char p");
      resuming = true;
    } else if (r < 40) {
      const int k = keys[pick(sizeof keys / sizeof keys[0])];
      at(f, std::string(down[k] ? "key-up " : "key-down ") + std::to_string(k));
      down[k] = !down[k];
    } else if (r < 65) {
      at(f, std::string("char ") + typed[pick(sizeof typed - 1)]);
    } else if (r < 85) {
      at(f, "mouse-move " + std::to_string(pick(800)) + " " + std::to_string(pick(600)));
    } else {
      const std::uint32_t b = pick(3);
      at(f, std::string(held[b] ? "mouse-up " : "mouse-down ") + buttons[b]);
      held[b] = !held[b];
    }
  }
  return s;
}

std::string ShotOptions(const std::string& suffix) {
  return "--shot " + std::to_string(kEarlyShot) + ":early" + suffix + ".tif --shot " +
         std::to_string(kFrames) + ":end" + suffix + ".tif";
}

class Replay : public tests::scenario::Scenario, public testing::WithParamInterface<int> {};

TEST_P(Replay, ARecordedGameReplaysExactly) {
  const int mode = GetParam();
  const std::string script = GameScript(mode);
  const auto first = Play(script, kFrames, "--record record.txt " + ShotOptions("1"));
  ASSERT_EQ(first.code, 0) << first.err;
  const std::string trace = dir.Read("trace.jsonl");
  const std::string record = dir.Read("record.txt");
  // The game really was played in the mode, unpaused and paused.
  ASSERT_EQ(first.trace.Frames(), kFrames);
  EXPECT_EQ(first.trace[kFrames]["mode"].Int(), mode);
  EXPECT_TRUE(first.trace.Find([](const auto& f) { return f["game"]["state"].Int() == 2; }, 130));
  EXPECT_TRUE(first.trace.Find([](const auto& f) { return f["game"]["paused"].Int() == 1; }, 900));
  // Headless, the game receives exactly the script's events, and the recording says so.
  EXPECT_EQ(record, script);

  const auto again = Play(record, kFrames, "--record record2.txt " + ShotOptions("2"));
  ASSERT_EQ(again.code, 0) << again.err;
  EXPECT_TRUE(dir.Read("trace.jsonl") == trace) << "the replay's trace differs";
  EXPECT_TRUE(dir.Read("record2.txt") == record) << "recording the replay gives another script";
  EXPECT_TRUE(dir.Read("early1.tif") == dir.Read("early2.tif")) << "frame " << kEarlyShot;
  EXPECT_TRUE(dir.Read("end1.tif") == dir.Read("end2.tif")) << "frame " << kFrames;
  EXPECT_FALSE(dir.Read("early1.tif").empty());
}

TEST_P(Replay, TheSameScriptPlaysTheSameGame) {
  const std::string script = GameScript(GetParam());
  ASSERT_EQ(Play(script, kFrames).code, 0);
  const std::string trace = dir.Read("trace.jsonl");
  ASSERT_EQ(Play(script, kFrames).code, 0);
  EXPECT_TRUE(dir.Read("trace.jsonl") == trace);
  EXPECT_NE(trace.find("\"game\""), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Modes, Replay, testing::Values(1, 2),
                         [](const auto& info) { return "Mode" + std::to_string(info.param); });

}  // namespace
