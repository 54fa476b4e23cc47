// The title screen and the rules pages driven through the real executable: which clicks start
// the game or turn a page, in which frame, and what the screen then shows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/scenario/Scenario.h"

namespace {

using engine::graphics::Image;
using tests::scenario::AsShown;
using tests::scenario::Json;
using tests::scenario::Outcome;
using tests::scenario::RegionMismatches;
using tests::scenario::ShotPixel;
using tests::scenario::Trace;

struct Rect {
  int left, top, width, height;
};

constexpr Rect kOnePlayer{535, 225, 210, 60};
constexpr Rect kTwoPlayers{430, 315, 215, 60};
constexpr Rect kRules{520, 410, 240, 55};
constexpr Rect kNext{755, 560, 25, 25};
constexpr Rect kPrevious{725, 560, 25, 25};
constexpr int kThumpSound = 6;

std::string At(int frame, const std::string& event) {
  return std::to_string(frame) + " " + event + "\n";
}
std::string MoveTo(int frame, int x, int y) {
  return At(frame, "mouse-move " + std::to_string(x) + " " + std::to_string(y));
}
std::string MoveInto(int frame, const Rect& r) {
  return MoveTo(frame, r.left + r.width / 2, r.top + r.height / 2);
}
std::string Press(int frame) {
  return At(frame, "mouse-down left");
}
std::string Release(int frame) {
  return At(frame, "mouse-up left");
}
// Moves onto the button and presses in the same frame, releasing in the next.
std::string Click(int frame, const Rect& r) {
  return MoveInto(frame, r) + Press(frame) + Release(frame + 1);
}

std::vector<int> Column(const Trace& trace, const char* key) {
  std::vector<int> values;
  for (int f = 1; f <= trace.Frames(); ++f)
    values.push_back(static_cast<int>(trace[f][key].Int()));
  return values;
}

class Shell : public tests::scenario::Scenario {
 protected:
  // The pages frames 1..frames showed; mode must stay 0 throughout.
  std::vector<int> PagesOf(const Outcome& run, int frames) {
    EXPECT_EQ(run.code, 0) << run.err;
    EXPECT_EQ(run.trace.Frames(), frames);
    EXPECT_EQ(Column(run.trace, "mode"), std::vector<int>(static_cast<std::size_t>(frames), 0));
    return Column(run.trace, "page");
  }
  // A rules page as drawn: the page's picture, both buttons and the background around them.
  void ExpectRulesPage(const std::string& shotFile, int page) {
    SCOPED_TRACE("rules page " + std::to_string(page));
    const Image shot = Shot(shotFile);
    const Image picture = Picture("Images/rules/rules" + std::to_string(page) + ".tif");
    const Image background = Picture("Images/backgrounds/rules-bg.tif");
    EXPECT_EQ(RegionMismatches(shot, 100, 100, picture, true), 0);
    EXPECT_EQ(RegionMismatches(shot, 725, 560, Picture("Images/inter-prev.tif"), false), 0);
    EXPECT_EQ(RegionMismatches(shot, 755, 560, Picture("Images/inter-next.tif"), false), 0);
    const std::pair<int, int> around[] = {{0, 0}, {99, 99}, {799, 0}, {5, 595}, {720, 590}};
    for (const auto& [x, y] : around)
      EXPECT_EQ(ShotPixel(shot, x, y), AsShown(background, x, y)) << x << ", " << y;
  }
};

TEST_F(Shell, OnePlayerClickStartsTheGameInItsFrameWithTheFrameCountAsSeed) {
  for (const int click : {1, 37}) {
    SCOPED_TRACE("click in frame " + std::to_string(click));
    const Outcome run = Play(Click(click, kOnePlayer), click + 2,
                             "--shot " + std::to_string(click) + ":click.tif" +
                                 (click > 1 ? " --shot 1:title.tif" : ""));
    ASSERT_EQ(run.code, 0) << run.err;
    ASSERT_EQ(run.trace.Frames(), click + 2);
    for (int f = 1; f < click; ++f) {
      EXPECT_EQ(run.trace[f]["mode"].Int(), 0);
      EXPECT_FALSE(run.trace[f].Has("game"));
    }
    const Json& frame = run.trace[click];
    EXPECT_EQ(frame["mode"].Int(), 1);
    const Json& game = frame["game"];
    EXPECT_EQ(game["seed"].Int(), click);
    // Battle's first Run already set up the stage in this frame: count-down begun, thump heard,
    // the street's first passers-by created.
    EXPECT_EQ(game["state"].Int(), 1);
    EXPECT_EQ(game["frame"].Int(), 0);
    EXPECT_EQ(game["sounds"].Ints(), std::vector<long long>{kThumpSound});
    EXPECT_TRUE(game.Has("spawned"));
    EXPECT_EQ(run.trace[click + 1]["game"]["seed"].Int(), click);
    EXPECT_EQ(run.trace[click + 1]["game"]["frame"].Int(), 1);

    // ... and its first Draw too: the red count-down light over the street.
    EXPECT_EQ(
        RegionMismatches(Shot("click.tif"), 375, 100, Picture("Images/traffic-red.tif"), true), 0);
    if (click > 1) {
      EXPECT_EQ(RegionMismatches(Shot("title.tif"), 0, 0,
                                 Picture("Images/backgrounds/intro-bg.tif"), false),
                0);
    }
  }
}

// Each run holds the button down and slides over the four edge points of the rectangle, then
// steps just inside one edge: only that last frame may hit.
TEST_F(Shell, AButtonsEdgesAreNotPartOfIt) {
  struct Case {
    const char* name;
    std::string setup;  // reaches the screen with the button; the slide starts in frame 30
    Rect button;
    const char* key;
    int before, after;  // the key's value while sliding and once the button is hit
  };
  const std::string toRules = Click(2, kRules);
  const Case cases[] = {
      {"one player", "", kOnePlayer, "mode", 0, 1},
      {"rules", "", kRules, "page", 0, 1},
      {"next", toRules, kNext, "page", 1, 2},
      {"previous", toRules, kPrevious, "page", 1, 0},
  };
  for (const Case& c : cases) {
    const Rect& r = c.button;
    const int midX = r.left + r.width / 2, midY = r.top + r.height / 2;
    const int right = r.left + r.width, bottom = r.top + r.height;
    const std::pair<int, int> edges[] = {
        {r.left, midY}, {right, midY}, {midX, r.top}, {midX, bottom}};
    const std::pair<int, int> inside[] = {
        {r.left + 1, midY}, {right - 1, midY}, {midX, r.top + 1}, {midX, bottom - 1}};
    for (int side = 0; side < 4; ++side) {
      SCOPED_TRACE(std::string(c.name) + ", edge " + std::to_string(side));
      std::string script = c.setup + Press(30);
      for (int e = 0; e < 4; ++e)
        script += MoveTo(30 + e, edges[e].first, edges[e].second);
      script += MoveTo(34, inside[side].first, inside[side].second);
      const Outcome run = Play(script, 34);
      ASSERT_EQ(run.code, 0) << run.err;
      ASSERT_EQ(run.trace.Frames(), 34);
      for (int f = 30; f < 34; ++f)
        EXPECT_EQ(run.trace[f][c.key].Int(), c.before) << "frame " << f;
      EXPECT_EQ(run.trace[34][c.key].Int(), c.after);
    }
  }
}

TEST_F(Shell, TitleButtonsAnswerToAHeldButton) {
  const Outcome run = Play(Press(2) + MoveTo(3, 100, 100) + MoveInto(10, kOnePlayer), 12);
  ASSERT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.trace[9]["mode"].Int(), 0);
  EXPECT_EQ(run.trace[10]["mode"].Int(), 1);
  EXPECT_EQ(run.trace[10]["game"]["seed"].Int(), 10);
}

// Rules opens page 1 with a delay of 15 frames; the button held on next from then on turns a
// page every 16 frames, and next on page 10 goes back to the title, where nothing lies under
// the held button.
TEST_F(Shell, HeldNextWalksThroughEveryRulesPageAndBackToTheTitle) {
  const int rules = 5;
  auto pageAt = [&](int frame) {  // page n is turned to in frame rules + 16 (n - 1)
    if (frame < rules) return 0;
    const int page = 1 + (frame - rules) / 16;
    return page > 10 ? 0 : page;
  };
  std::string shots;
  for (int page = 1; page <= 10; ++page)
    shots += " --shot " + std::to_string(rules + 16 * (page - 1) + 8) + ":page" +
             std::to_string(page) + ".tif";
  const int frames = rules + 16 * 10 + 40;
  const Outcome run = Play(MoveInto(rules, kRules) + Press(rules) + MoveInto(rules + 1, kNext),
                           frames, shots + " --shot " + std::to_string(frames) + ":title.tif");
  std::vector<int> expected;
  for (int f = 1; f <= frames; ++f)
    expected.push_back(pageAt(f));
  EXPECT_EQ(PagesOf(run, frames), expected);
  for (int page = 1; page <= 10; ++page)
    ExpectRulesPage("page" + std::to_string(page) + ".tif", page);
  EXPECT_EQ(
      RegionMismatches(Shot("title.tif"), 0, 0, Picture("Images/backgrounds/intro-bg.tif"), false),
      0);
}

// Previous goes back a page, and from page 1 to the title; like next it waits out the delay:
// pressed 15 frames after the rules button, next is refused once and accepted a frame later.
TEST_F(Shell, PreviousTurnsBackToTheTitle) {
  const std::string script = Click(5, kRules) + MoveInto(10, kNext) + Press(20) + Release(38) +
                             MoveInto(40, kPrevious) + Press(60);
  const Outcome run = Play(script, 100);
  std::vector<int> expected;
  for (int f = 1; f <= 100; ++f) {
    const int steps[][2] = {{5, 1}, {21, 2}, {37, 3}, {60, 2}, {76, 1}, {92, 0}};
    int page = 0;
    for (const auto& [from, shown] : steps)
      if (f >= from) page = shown;
    expected.push_back(page);
  }
  EXPECT_EQ(PagesOf(run, 100), expected);
}

TEST_F(Shell, TwoPlayersStartsTheTwoPlayerStreet) {
  const Outcome run =
      Play(MoveInto(5, kTwoPlayers) + Press(5) + Release(30) + Click(40, kOnePlayer), 41);
  ASSERT_EQ(run.code, 0) << run.err;
  ASSERT_EQ(run.trace.Frames(), 41);
  EXPECT_EQ(run.trace[4]["mode"].Int(), 0);
  EXPECT_EQ(run.trace[5]["mode"].Int(), 2);
  // Seeded with the click's frame, then counted up by the frame's own first step.
  EXPECT_EQ(run.trace[5]["game"]["seed"].Int(), 6);
  EXPECT_EQ(run.trace[5]["game"]["players"].Size(), 2u);
  EXPECT_EQ(run.trace[41]["mode"].Int(), 2) << "a mode once chosen stays";
}

TEST_F(Shell, EscapeEndsTheProgramAfterItsFrameOnEveryScreen) {
  struct Case {
    const char* screen;
    std::string script;
    int mode, page;
  };
  const Case cases[] = {
      {"title", "", 0, 0},
      {"rules page", Click(5, kRules) + MoveInto(8, kNext) + Press(30) + Release(31), 0, 2},
      {"game", Click(5, kOnePlayer), 1, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.screen);
    const Outcome run = Play(c.script + At(400, "key-down 27") + At(401, "key-up 27"), 1000);
    ASSERT_EQ(run.code, 0) << run.err;
    ASSERT_EQ(run.trace.Frames(), 400);
    EXPECT_EQ(run.trace[400]["mode"].Int(), c.mode);
    EXPECT_EQ(run.trace[400]["page"].Int(), c.page);
  }
}

// The whole way a player takes: every rules page, back to the title, then a game with walking,
// performing, following, buying, pausing and keys the game does not use, until the first day
// fails, and a new game after it.
TEST_F(Shell, ALongRunThroughEveryScreenEndsCleanly) {
  std::string script = Click(5, kRules);
  for (int page = 1; page <= 10; ++page)
    script += Click(5 + 20 * page, kNext);  // page 10's next, in frame 205, shows the title
  script += Click(230, kOnePlayer);
  const std::string keys = "1q2r3bpxp1 2";
  for (std::size_t i = 0; i < keys.size(); ++i)
    script += At(700 + 211 * static_cast<int>(i), std::string("char ") + keys[i]);
  for (int i = 0; i < 12; ++i) {
    const std::string code = i % 2 == 0 ? "37" : "39";
    script += At(620 + 300 * i, "key-down " + code) + At(710 + 300 * i, "key-up " + code);
  }
  script += At(5700, "char p");
  const int frames = 6500;
  const Outcome run = Play(script, frames);
  EXPECT_EQ(run.code, 0) << run.err;
  EXPECT_EQ(run.err.find("Vorel Error"), std::string::npos) << run.err;
  EXPECT_EQ(run.out.find("Vorel Error"), std::string::npos) << run.out;
  const std::string log = dir.Read("debug.txt");
  EXPECT_NE(log.find("Initialization finished OK"), std::string::npos) << log;
  EXPECT_EQ(log.find("Vorel Error"), std::string::npos) << log;
  ASSERT_EQ(run.trace.Frames(), frames);
  std::vector<int> pages;
  for (int f = 1; f < 230; ++f) {
    const int page = static_cast<int>(run.trace[f]["page"].Int());
    if (pages.empty() || pages.back() != page) pages.push_back(page);
  }
  EXPECT_EQ(pages, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0}));
  EXPECT_EQ(run.trace[230]["game"]["seed"].Int(), 230);
  // The run reached what it was meant to exercise: a game over and a game after it.
  const int over = run.trace.Find([](const Json& f) { return f["game"]["state"].Int() == 3; }, 230);
  EXPECT_GT(over, 0);
  EXPECT_LT(over, 5700);
  EXPECT_EQ(run.trace[frames]["game"]["state"].Int(), 2);
  EXPECT_NE(run.trace[frames]["game"]["seed"].Int(), 230);
  EXPECT_EQ(run.trace[frames]["status"].Int(), run.trace[1]["status"].Int());
}

}  // namespace
