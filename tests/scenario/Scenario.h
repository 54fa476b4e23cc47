// Scenario.h -- runs the real curbside executable headless with an input script and reads back
// what it did: exit code, output, the --trace lines and screenshots.
//
// Usage:
//
//   using namespace tests::scenario;
//   class Battle : public Scenario {};
//
//   TEST_F(Battle, Something) {
//     const Outcome run = Play("5 mouse-move 640 255\n5 mouse-down left\n", 400, "--shot 9:a.tif");
//     ASSERT_EQ(run.code, 0) << run.err;
//     const Json& frame = run.trace[6];  // frame 6, counted from 1 as the script counts
//     EXPECT_EQ(frame["mode"].Int(), 1);
//     EXPECT_EQ(frame["game"]["players"][0]["cash"].Int(), 3000);
//     EXPECT_EQ(frame["game"]["pace"].Float(), 0.0f);
//     if (frame["game"].Has("spawned")) {
//       for (const Json& b : frame["game"]["spawned"].Items()) ...
//     }
//     const Image shot = Shot("a.tif");  // the screen as frame 9 left it
//     EXPECT_EQ(ShotPixel(shot, 10, 20), AsShown(Picture("Images/inter-pause.tif"), 0, 0));
//     EXPECT_EQ(RegionMismatches(shot, 375, 100, Picture("Images/traffic-red.tif"), true), 0);
//   }
//
// Every run happens in the fixture's own empty folder. Asking a Json for a key, index or number it
// does not hold throws std::runtime_error naming what was missing, so a test never reads garbage;
// use Has() and Size() to look before reading.
#pragma once

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "engine/graphics/Image.h"
#include "tests/common/TempDir.h"
#include "tests/scenario/Json.h"

namespace tests::scenario {

// The lines of a --trace file. A frame is parsed when first asked for and then kept, so the
// references handed out stay valid as long as the Trace (copies share the parsed frames).
class Trace {
 public:
  Trace() = default;
  explicit Trace(std::string_view text);

  // Frames written (the last frame's number, as frames are written from 1 without gaps).
  int Frames() const { return static_cast<int>(lines_->size()); }
  // Frame n, counted from 1 as the program and the script count them; throws when missing.
  const Json& operator[](int frame) const;
  // The first frame from `from` on for which pred(frame json) holds, or 0 when none does.
  template <typename Pred>
  int Find(Pred pred, int from = 1) const {
    for (int f = std::max(from, 1); f <= Frames(); ++f)
      if (pred((*this)[f])) return f;
    return 0;
  }

 private:
  struct Line {
    std::string text;  // dropped once parsed
    std::unique_ptr<Json> parsed;
  };
  std::shared_ptr<std::vector<Line>> lines_ = std::make_shared<std::vector<Line>>();
};

struct Outcome {
  int code = -1;  // exit code; -1 when the program did not exit normally
  std::string out, err;
  Trace trace;
};

// 8-bit red, green, blue.
using Rgb = std::array<int, 3>;

// A pixel of a screenshot.
Rgb ShotPixel(const engine::graphics::Image& shot, int x, int y);
// How a pixel of a loaded picture looks on the 16-bit screen: each channel reduced to 5-6-5 and
// expanded again by bit replication, as screenshots store it. A masked picture keeps its opaque
// black visible as the darkest blue, (0, 0, 8).
Rgb AsShown(const engine::graphics::Image& picture, int x, int y, bool masked = false);
// True when the picture's pixel is transparent for a masked draw.
bool IsClear(const engine::graphics::Image& picture, int x, int y);
// Pixels of picture drawn at (left, top) that the screenshot does not show as AsShown would;
// masked skips the picture's transparent pixels. Parts off the 800 x 600 screen are skipped.
int RegionMismatches(const engine::graphics::Image& shot, int left, int top,
                     const engine::graphics::Image& picture, bool masked);

class Scenario : public testing::Test {
 protected:
  using Image = engine::graphics::Image;

  // Runs curbside --headless with script (the text of a script file) and --trace, ending after
  // `frames` frames (0: no --frames, the script must end the program with Escape); options are
  // added to the command line as they are (e.g. "--shot 120:a.tif").
  Outcome Play(const std::string& script, long frames, const std::string& options = "");
  // A screenshot the last Play saved in the folder; throws when it cannot be read.
  engine::graphics::Image Shot(const std::string& file) const;
  // A picture of the game's data folder, e.g. "Images/rules/rules3.tif"; throws when missing.
  static engine::graphics::Image Picture(const std::string& name);

  tests::TempDir dir;
};

}  // namespace tests::scenario
