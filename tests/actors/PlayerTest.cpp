// The performer: its start of a game, walking and its clamps, following and the timing window
// at the last walk picture, performing and dancing while a key is held, frozen updates, the
// typed characters, drawing with the player's number, frame loading, and the cash and level
// clamps.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "engine/core/Engine.h"
#include "engine/graphics/ImageFile.h"
#include "engine/support/Path.h"
#include "game/actors/Player.h"
#include "tests/common/GlobalPlatform.h"
#include "tests/common/TempDir.h"

namespace {

using game::actors::FrameInput;
using game::actors::Player;

constexpr std::uint32_t kLeft = 37, kRight = 39, kMove1 = 49, kMove2 = 50, kMove3 = 51;

// A single-player performer at x 1000 on the 2300-unit street, with no key held.
class PlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    p.Init(1000, 300, 2300, 0, false, false);
  }
  void ReleaseAll() { held = {}; }
  void Hold(std::uint32_t key) { held.keys[key] = 1; }
  // The frame's input: the keys held so far, and key typed.
  FrameInput In(std::int32_t key) const {
    FrameInput input = held;
    input.typed = static_cast<std::int8_t>(key);
    return input;
  }
  // Puts the performer in state s showing picture img, as the street's rules would.
  void Enter(std::int32_t s, std::int32_t img, std::int32_t saved = 0, float speed = 2.0f) {
    p.SetState(s);
    p.cur_img = img;
    p.SetSavedState(saved);
    p.SetFollowSpeed(speed);
  }

  Player p;
  FrameInput held;
};

TEST_F(PlayerTest, InitStartsAGameAfresh) {
  p.AddCash(500);
  p.LevelUp();
  p.SetAllKindFlags(true);
  p.SetKnowsDance(true);
  Enter(14, 44);
  p.Update(In(0), false);
  p.Init(120, 280, 2300, 2, false, true);
  EXPECT_EQ(p.X(), 120.0f);
  EXPECT_EQ(p.Y(), 280.0f);
  EXPECT_EQ(p.WorldWidth(), 2300);
  EXPECT_EQ(p.Cash(), 3000);
  EXPECT_EQ(p.Level(), 0);
  EXPECT_EQ(p.ticks, 0);
  for (int k = 1; k <= 4; ++k)
    EXPECT_FALSE(p.KindFlag(k)) << k;
  EXPECT_FALSE(p.KnowsDance());
  EXPECT_EQ(p.PlayerNumber(), 2);
  EXPECT_EQ(p.state, 0);
  EXPECT_EQ(p.cur_img, 0);
  EXPECT_TRUE(p.ShowNumber());
  EXPECT_EQ(p.CentreX(), 170.0f);
  EXPECT_FALSE(p.Frames()[0].HasPixels());
}

TEST_F(PlayerTest, WalkingClampsAtBothEndsAndGoesOn) {
  p.Init(3, 300, 2300, 0, false, false);
  Hold(kLeft);
  p.Update(In(0), false);  // starts walking without moving
  EXPECT_EQ(p.state, 1);
  EXPECT_EQ(p.X(), 3.0f);
  for (int i = 0; i < 2; ++i) {
    p.Update(In(0), false);
    EXPECT_EQ(p.X(), 0.0f);
    EXPECT_EQ(p.state, 1);
  }
  ReleaseAll();
  p.Init(2193, 300, 2300, 0, false, false);
  Hold(kRight);
  std::vector<float> xs;
  for (int i = 0; i < 4; ++i) {
    p.Update(In(0), false);
    xs.push_back(p.X());
  }
  EXPECT_EQ(xs, (std::vector<float>{2193.0f, 2198.0f, 2200.0f, 2200.0f}));
  EXPECT_EQ(p.state, 2);
}

TEST_F(PlayerTest, WalkTransitions) {
  struct Case {
    std::int32_t from;
    std::vector<std::uint32_t> keys;
    std::int32_t to;
    float x;
  };
  const Case cases[] = {
      {0, {kLeft, kRight}, 1, 1000.0f},
      {1, {kLeft, kRight}, 1, 995.0f},
      {2, {kLeft, kRight}, 1, 1005.0f},
      {0, {kRight}, 2, 1000.0f},
      {1, {kRight}, 2, 995.0f},
      {2, {kRight}, 2, 1005.0f},
      {1, {}, 0, 995.0f},
      {2, {}, 0, 1005.0f},
      {0, {}, 0, 1000.0f},
  };
  for (const Case& c : cases) {
    ReleaseAll();
    p.Init(1000, 300, 2300, 0, false, false);
    p.SetState(c.from);
    for (std::uint32_t key : c.keys)
      Hold(key);
    p.Update(In(0), false);
    EXPECT_EQ(p.state, c.to) << "from " << c.from << " with " << c.keys.size() << " keys";
    EXPECT_EQ(p.X(), c.x) << "from " << c.from;
  }
}

TEST_F(PlayerTest, FrozenIgnoresHeldKeysButNotTypedOnes) {
  Hold(kLeft);
  Hold(kMove1);
  p.SetState(1);
  p.Update(In(0), true);
  EXPECT_EQ(p.state, 0);  // moved once more, then stands
  EXPECT_EQ(p.X(), 995.0f);
  Enter(14, 44, 8);
  p.Update(In(0), true);
  EXPECT_EQ(p.state, 8);
  EXPECT_EQ(p.cur_img, 3);
  Enter(8, 6, 0);
  p.Update(In(0), true);  // the timing window is closed too
  EXPECT_EQ(p.state, 8);
  p.SetState(0);
  p.Update(In('q'), true);
  EXPECT_EQ(p.state, 7);
  EXPECT_EQ(p.SavedState(), 0);
}

TEST_F(PlayerTest, ReachingAnEndWhileFollowingOrPerformingStops) {
  for (std::int32_t s : {8, 12, 14, 17, 19, 22, 24}) {
    p.Init(3, 300, 2300, 0, false, false);
    Enter(s, 0, 8, 1.5f);  // picture 0 is outside every window
    p.Update(In(0), false);
    ASSERT_EQ(p.X(), 1.5f) << s;
    p.SetState(s);
    p.SetFollowSpeed(2.0f);
    p.Update(In(0), false);
    EXPECT_EQ(p.X(), 0.0f) << s;
    EXPECT_EQ(p.state, 10) << s;
    p.Update(In(0), false);
    EXPECT_EQ(p.state, 0) << s;
  }
  for (std::int32_t s : {9, 13, 15, 18, 20, 23, 25}) {
    p.Init(2198, 300, 2300, 0, false, false);
    Enter(s, 0, 9, 1.5f);
    p.Update(In(0), false);
    ASSERT_EQ(p.X(), 2199.5f) << s;
    p.SetState(s);
    p.Update(In(0), false);
    EXPECT_EQ(p.X(), 2200.0f) << s;
    EXPECT_EQ(p.state, 10) << s;
  }
}

TEST_F(PlayerTest, MoveKeysCountOnlyAtTheLastWalkPicture) {
  struct Case {
    std::int32_t state;
    std::int32_t img;
    std::vector<std::uint32_t> keys;
    std::int32_t to;
  };
  const Case cases[] = {
      {8, 5, {kMove1}, 8},   {8, 6, {kMove1}, 11},         {8, 6, {kMove2}, 16},
      {8, 6, {kMove3}, 21},  {8, 6, {kMove3, kMove2}, 16}, {8, 6, {kMove1, kMove3}, 11},
      {8, 6, {}, 8},         {8, 10, {kMove1}, 8},         {9, 6, {kMove1}, 9},
      {9, 10, {kMove1}, 11}, {9, 10, {kMove2}, 16},        {9, 10, {kMove3}, 21},
      {9, 9, {kMove3}, 9},
  };
  for (const Case& c : cases) {
    ReleaseAll();
    p.Init(1000, 300, 2300, 0, false, false);
    Enter(c.state, c.img, 0, 2.5f);
    for (std::uint32_t key : c.keys)
      Hold(key);
    p.Update(In(0), false);
    EXPECT_EQ(p.state, c.to) << c.state << " at " << c.img;
    EXPECT_EQ(p.SavedState(), c.to == c.state ? 0 : c.state) << c.state << " at " << c.img;
    EXPECT_EQ(p.cur_img, c.img) << "the offer keeps the picture";
    EXPECT_EQ(p.X(), c.state == 8 ? 997.5f : 1002.5f);
  }
}

TEST_F(PlayerTest, HeldMoveIsOfferedTheUpdateAfterTheLastPictureAppears) {
  Hold(kMove1);
  Enter(8, 3, 0, 1.0f);
  int updates = 0;
  while (p.state == 8 && updates < 100) {
    p.Update(In(0), false);
    ++updates;
  }
  EXPECT_EQ(updates, 31);  // pictures 4, 5, 6 at ticks 10, 20, 30
  EXPECT_EQ(p.state, 11);
  EXPECT_EQ(p.SavedState(), 8);
  ReleaseAll();
  p.Update(In(0), false);  // the rules did not take the offer up
  EXPECT_EQ(p.state, 8);
  EXPECT_EQ(p.cur_img, 6);
}

TEST_F(PlayerTest, RequestStatesReturnWithoutTouchingThePicture) {
  for (std::int32_t s : {7, 11, 16, 21, 26}) {
    Enter(s, 9, 2);
    Hold(kLeft);  // no held key is read in a request state
    p.Update(In(0), false);
    ReleaseAll();
    EXPECT_EQ(p.state, 2) << s;
    EXPECT_EQ(p.cur_img, 9) << s;
  }
}

TEST_F(PlayerTest, PerformancesAndDanceMovesLastWhileTheirKeyIsHeld) {
  struct Case {
    std::int32_t state;
    std::uint32_t key;    // the key that keeps it going
    std::uint32_t other;  // a key that does not
    std::int32_t released;
    std::int32_t releasedImg;
  };
  const Case cases[] = {
      {14, kMove1, kMove2, 8, 3},   {15, kMove1, kMove3, 9, 7},   {19, kMove2, kMove1, 8, 3},
      {20, kMove2, kMove3, 9, 7},   {24, kMove3, kMove1, 8, 3},   {25, kMove3, kMove2, 9, 7},
      {29, kMove1, kMove2, 27, 83}, {31, kMove2, kMove3, 27, 83}, {33, kMove3, kMove1, 27, 83},
  };
  for (const Case& c : cases) {
    ReleaseAll();
    p.Init(1000, 300, 2300, 0, false, false);
    p.SetState(c.state);
    p.SetSavedState(c.released);
    Hold(c.key);
    for (int i = 0; i < 25; ++i)
      p.Update(In(0), false);
    EXPECT_EQ(p.state, c.state) << c.state;
    ReleaseAll();
    Hold(c.other);
    p.Update(In(0), false);
    EXPECT_EQ(p.state, c.released) << c.state;
    EXPECT_EQ(p.cur_img, c.releasedImg) << c.state;
  }
}

TEST_F(PlayerTest, DanceReadyStartsTheFirstHeldMove) {
  struct Case {
    std::vector<std::uint32_t> keys;
    std::int32_t to;
    std::int32_t img;
  };
  const Case cases[] = {{{kMove1}, 28, 86},
                        {{kMove2}, 30, 92},
                        {{kMove3}, 32, 98},
                        {{kMove3, kMove2}, 30, 92},
                        {{kLeft}, 27, 83}};
  for (const Case& c : cases) {
    ReleaseAll();
    p.SetState(27);
    for (std::uint32_t key : c.keys)
      Hold(key);
    p.Update(In(0), false);
    EXPECT_EQ(p.state, c.to);
    EXPECT_EQ(p.cur_img, c.img);
  }
}

// Each player's characters, exactly as typed, and the dance only when it has been bought.
TEST_F(PlayerTest, TypedCharacters) {
  constexpr std::int32_t kKept = 99;  // savedState before the update
  struct Case {
    std::int32_t playerNumber;
    std::int32_t state;
    std::uint32_t hold;  // keeps a performance or dance move going; 0 for none
    bool knowsDance;
    char key;
    std::int32_t to;
    std::int32_t saved;
  };
  const Case cases[] = {
      {0, 0, 0, false, 'q', 7, 0},         {1, 0, 0, false, 'q', 7, 0},
      {2, 0, 0, false, '4', 7, 0},         {0, 2, kRight, false, 'q', 7, 2},
      {2, 22, 0, false, '4', 10, kKept},   {1, 29, kMove1, false, 'r', 34, kKept},
      {2, 33, 105, false, '5', 34, kKept}, {0, 0, 0, false, 'r', 0, kKept},
      {0, 0, 0, true, 'r', 26, 0},         {2, 0, 0, true, '5', 26, 0},
      {0, 0, 0, true, 'Q', 0, kKept},      {0, 0, 0, true, 'R', 0, kKept},
      {2, 0, 0, true, 'q', 0, kKept},      {0, 0, 0, true, '4', 0, kKept},
      {3, 0, 0, true, 'q', 0, kKept},      {1, 0, 0, true, '5', 0, kKept},
      {2, 0, 0, true, 'r', 0, kKept},      {-1, 0, 0, true, '4', 0, kKept},
  };
  for (const Case& c : cases) {
    ReleaseAll();
    p.Init(1000, 300, 2300, c.playerNumber, false, false);
    p.SetKnowsDance(c.knowsDance);
    Enter(c.state, 0, kKept, 1.0f);
    if (c.hold != 0) Hold(c.hold);
    p.Update(In(static_cast<std::int8_t>(c.key)), false);
    EXPECT_EQ(p.state, c.to) << "player " << c.playerNumber << " state " << c.state << " " << c.key;
    EXPECT_EQ(p.SavedState(), c.saved) << "state " << c.state << " " << c.key;
  }
}

// Every state that lasts an update with its key held, asked to perform and to dance.
TEST_F(PlayerTest, RequestsStartOrStopOnlyInTheirStates) {
  const std::set<std::int32_t> stopsPerforming = {8,  9,  12, 13, 14, 15, 17,
                                                  18, 19, 20, 22, 23, 24, 25};
  const std::map<std::int32_t, std::uint32_t> holds = {
      {1, kLeft},   {2, kRight},  {14, kMove1}, {15, kMove1}, {29, kMove1}, {19, kMove2},
      {20, kMove2}, {31, kMove2}, {24, kMove3}, {25, kMove3}, {33, kMove3}};
  const std::set<std::int32_t> leaveInTheirUpdate = {7, 10, 11, 16, 21, 26, 34};
  for (std::int32_t s = 0; s <= 36; ++s) {
    if (leaveInTheirUpdate.count(s) != 0) continue;
    for (char key : {'q', 'r'}) {
      ReleaseAll();
      p.Init(1000, 300, 2300, 0, false, false);
      p.SetKnowsDance(true);
      Enter(s, 0, 99, 1.0f);
      if (auto hold = holds.find(s); hold != holds.end()) Hold(hold->second);
      p.Update(In(static_cast<std::int8_t>(key)), false);
      std::int32_t expected = s;
      if (s <= 2) {
        expected = key == 'q' ? 7 : 26;
      } else if (key == 'q' && stopsPerforming.count(s) != 0) {
        expected = 10;
      } else if (key == 'r' && s >= 27 && s <= 33) {
        expected = 34;
      }
      EXPECT_EQ(p.state, expected) << "state " << s << " " << key;
    }
  }
}

TEST_F(PlayerTest, CashLevelAndKindFlags) {
  p.TakeCash(2985);
  p.TakeCash(20);
  EXPECT_EQ(p.Cash(), 0);
  p.AddCash(150);
  p.TakeCash(-2147483647 - 1);  // no wrap to a negative sum
  EXPECT_GT(p.Cash(), 0);
  for (int i = 0; i < 7; ++i)
    p.LevelUp();
  EXPECT_EQ(p.Level(), 5);
  p.SetKindFlag(2, true);
  for (std::int32_t k : {0, 5, -1})
    p.SetKindFlag(k, true);
  EXPECT_EQ((std::vector<bool>{p.KindFlag(1), p.KindFlag(2), p.KindFlag(3), p.KindFlag(4)}),
            (std::vector<bool>{false, true, false, false}));
  EXPECT_FALSE(p.KindFlag(0));
  EXPECT_FALSE(p.KindFlag(5));
  EXPECT_FALSE(p.AllKindFlags());
  for (std::int32_t k : {1, 3, 4})
    p.SetKindFlag(k, true);
  EXPECT_TRUE(p.AllKindFlags());
  p.SetAllKindFlags(false);
  EXPECT_FALSE(p.KindFlag(2));
}

// Pictures and drawing read the generated data folder through a headless display.
class PlayerPictures : public PlayerTest {
 protected:
  void SetUp() override {
    PlayerTest::SetUp();
    engine::support::SetDataFolder(CURBSIDE_DATA_DIR);
  }
  void TearDown() override {
    engine::support::SetDataFolder("");
    PlayerTest::TearDown();
  }
  static engine::graphics::Image Load(const char* name) {
    engine::graphics::Image image;
    engine::graphics::ImageFile().Load(name, image, engine::graphics::DRAW_MASKED);
    return image;
  }
  static bool SamePixels(const engine::graphics::Image& a, const engine::graphics::Image& b) {
    return a.HasPixels() && a.Width() == b.Width() && a.Height() == b.Height() &&
           std::equal(a.PixelBytes(), a.PixelBytes() + a.PixelBufferSize(), b.PixelBytes(),
                      b.PixelBytes() + b.PixelBufferSize());
  }
  // The back buffer after draw ran on a cleared view.
  static std::vector<std::uint16_t> Shot(const std::function<void()>& draw) {
    Vorel.ClearView();
    draw();
    const std::uint16_t* pixels = Vorel.GetBackBuffer();
    return {pixels, pixels + static_cast<std::size_t>(Vorel.GetStride()) * 600};
  }

  tests::TempDir dir;
  tests::GlobalPlatform platform;
};

TEST_F(PlayerPictures, LoadsEveryFrameIntoItsSlot) {
  p.Init(1000, 300, 2300, 0, true, false);
  EXPECT_TRUE(platform.Notices().empty());
  for (std::size_t i = 0; i < 150; ++i) {
    EXPECT_EQ(p.Frames()[i].HasPixels(), i < 112) << i;
    if (i < 112) {
      EXPECT_EQ(p.Frames()[i].Use(), engine::graphics::DRAW_MASKED) << i;
    }
  }
  struct Slot {
    std::size_t slot;
    const char* file;
  };
  const Slot slots[] = {
      {0, "stand000"},
      {2, "stand002"},
      {3, "moveleft000"},
      {10, "moveright003"},
      {11, "fallleft000"},
      {34, "fallright011"},
      {38, "begleft003"},
      {43, "begleftloop000"},
      {50, "begrightloop003"},
      {51, "singleft000"},
      {66, "singrightloop003"},
      {67, "rabbitleft000"},
      {82, "rabbitrightloop003"},
      {83, "stand000"},
      {85, "stand002"},
      {86, "danceone000"},
      {89, "danceoneloop000"},
      {94, "danceone002"},
      {101, "danceoneloop000"},
      {104, "pushleft000"},
      {111, "pushright003"},
  };
  for (const Slot& s : slots) {
    const std::string name = std::string("Images\\Player\\player-") + s.file + ".tif";
    EXPECT_TRUE(SamePixels(p.Frames()[s.slot], Load(name.c_str()))) << s.slot << " " << s.file;
  }
  EXPECT_NE(p.Frames()[0].PixelBytes(), p.Frames()[83].PixelBytes()) << "each copy its own";

  p.Init(500, 300, 2300, 0, false, false);  // a later game keeps the pictures
  EXPECT_TRUE(p.Frames()[111].HasPixels());
}

TEST_F(PlayerPictures, DrawsTheNumberOverTheHeadOnlyWhenAsked) {
  ASSERT_TRUE(Vorel.Initialize(1, 800, 600));
  ASSERT_TRUE(Vorel.ViewLock());
  const engine::graphics::Image number1 = Load("Images\\inter-number1.tif");
  const engine::graphics::Image number2 = Load("Images\\inter-number2.tif");
  const engine::graphics::Image stand = Load("Images\\Player\\player-stand000.tif");
  const auto frameOnly = Shot([&] { Vorel.DrawMasked(200, 150, stand); });
  const auto withNumber = [&](const engine::graphics::Image& number) {
    return Shot([&] {
      Vorel.DrawMasked(200, 150, stand);
      Vorel.DrawMasked(240, 130, number);
    });
  };
  ASSERT_NE(withNumber(number1), withNumber(number2));
  ASSERT_NE(withNumber(number2), frameOnly);

  struct Case {
    std::int32_t playerNumber;
    bool showNumber;
    const engine::graphics::Image* number;  // null: none drawn
  };
  const Case cases[] = {{2, true, &number2}, {1, true, &number1}, {2, false, nullptr},
                        {0, true, nullptr},  {3, true, nullptr},  {-1, true, nullptr}};
  p.Init(0, 0, 2300, 1, true, true);
  for (const Case& c : cases) {
    p.Init(0, 0, 2300, c.playerNumber, false, c.showNumber);
    const auto drawn = Shot([&] { p.Draw(200, 150); });
    EXPECT_EQ(drawn, c.number ? withNumber(*c.number) : frameOnly)
        << "player " << c.playerNumber << " show " << c.showNumber;
  }
  Vorel.ViewUnlock();
}

}  // namespace
