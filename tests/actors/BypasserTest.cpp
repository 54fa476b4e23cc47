// Passers-by: the walk with and without the street's pace, the street edges, the pictures each
// type loads, the meter and the price tag on screen, the hobo's lesson, and the clamps.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/Engine.h"
#include "engine/graphics/ImageFile.h"
#include "engine/support/Path.h"
#include "game/actors/Bypasser.h"
#include "tests/common/GlobalPlatform.h"
#include "tests/common/TempDir.h"

namespace {

using engine::graphics::DRAW_MASKED;
using engine::graphics::DRAW_PLAIN;
using engine::graphics::Image;
using game::actors::Bypasser;
using game::actors::kHobo;
using game::actors::kNormal;
using game::actors::kThief;
using game::actors::PaySchedule;

constexpr int kX = 300;  // where the drawing tests put a passer-by on screen
constexpr int kY = 300;

Image LoadPicture(const std::string& name, std::uint8_t use) {
  Image image;
  engine::graphics::ImageFile().Load(name, image, use);
  return image;
}

bool SamePicture(const Image& a, const Image& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height() || a.Use() != b.Use()) return false;
  const auto count = static_cast<std::size_t>(a.Width() * a.Height());
  return count > 0 && std::equal(a.Pixels16(), a.Pixels16() + count, b.Pixels16());
}

class BypasserTest : public ::testing::Test {
 protected:
  BypasserTest() { engine::support::SetDataFolder(CURBSIDE_DATA_DIR); }
  ~BypasserTest() override { engine::support::SetDataFolder(""); }

  static std::unique_ptr<Bypasser> Make(int type, int x, int state, float speed, int value = 0,
                                        int kind = 1) {
    auto b = std::make_unique<Bypasser>();
    if (type == kNormal) {
      b->InitNormal(x, 300, speed, 300, state, std::make_unique<PaySchedule>(), 2, 1, value, kind);
    } else if (type == kThief) {
      b->InitThief(x, 300, speed, state);
    } else {
      b->InitHobo(x, 300, speed, state, value);
    }
    return b;
  }

  void StartScreen() {
    ASSERT_TRUE(Vorel.Initialize(1, 800, 600));
    ASSERT_TRUE(Vorel.ViewLock());
  }
  static std::uint16_t Pixel(int x, int y) {
    return Vorel.GetBackBuffer()[y * Vorel.GetStride() + x];
  }
  static std::vector<std::uint16_t> Screen() {
    std::vector<std::uint16_t> screen;
    for (int y = 0; y < 600; ++y)
      for (int x = 0; x < 800; ++x)
        screen.push_back(Pixel(x, y));
    return screen;
  }
  static std::vector<std::uint16_t> Drawn(const Bypasser& b) {
    Vorel.ClearView();
    b.Draw(kX, kY);
    return Screen();
  }
  // The passer-by's current frame alone, with the price tag tag over it when there is one.
  static std::vector<std::uint16_t> Expected(const Bypasser& b, const Image* tag) {
    Vorel.ClearView();
    Vorel.DrawMasked(kX, kY, b.Frames()[static_cast<std::size_t>(b.cur_img)]);
    if (tag != nullptr) Vorel.DrawMasked(kX + 25, kY - 40, *tag);
    return Screen();
  }

  tests::TempDir dir_;
  tests::GlobalPlatform platform_;
};

TEST_F(BypasserTest, OnlyNormalPassersByAreHurriedByThePace) {
  struct Case {
    int type;
    int state;
    float perUpdate;
  };
  const Case cases[] = {
      {kNormal, 0, 0.0f}, {kNormal, 1, -1.8f}, {kNormal, 2, 1.8f}, {kNormal, 3, -1.8f},
      {kNormal, 4, 1.8f}, {kThief, 0, -1.3f},  {kThief, 1, 1.3f},  {kThief, 2, -1.3f},
      {kThief, 3, 1.3f},  {kHobo, 0, -1.3f},   {kHobo, 1, 1.3f},   {kHobo, 2, 0.0f},
  };
  for (const Case& c : cases) {
    auto b = Make(c.type, 1000, c.state, 1.3f, c.type == kHobo ? 2000 : 50);
    b->Update(0.5f);
    EXPECT_FLOAT_EQ(b->X(), 1000.0f + c.perUpdate) << "type " << c.type << " state " << c.state;
    for (int i = 1; i < 10; ++i)
      b->Update(0.5f);
    EXPECT_NEAR(b->X(), 1000.0f + 10.0f * c.perUpdate, 1e-3)
        << "type " << c.type << " state " << c.state;
    EXPECT_EQ(b->ticks, 10);
  }
}

TEST_F(BypasserTest, EntersAtTheStreetEdgesAndStepsInside) {
  auto right = Make(kNormal, -100, 2, 1.0f, 50);
  auto left = Make(kNormal, 2300, 1, 1.0f, 50);
  EXPECT_EQ(right->RightEdge(), 0.0f);
  EXPECT_EQ(right->CentreX(), -50.0f);
  EXPECT_EQ(left->X(), 2300.0f);
  right->Update(0.0f);
  left->Update(0.0f);
  EXPECT_EQ(right->RightEdge(), 1.0f);
  EXPECT_EQ(left->X(), 2299.0f);
}

TEST_F(BypasserTest, InitialisersStartTheStateOfTheirOwnType) {
  struct Case {
    int type;
    int state;
    int firstImg;
  };
  // Thief state 1 and hobo state 2 start where a Normal passer-by's rows would not.
  const Case cases[] = {{kNormal, 2, 7}, {kNormal, 4, 15}, {kThief, 1, 4},
                        {kThief, 3, 12}, {kHobo, 1, 4},    {kHobo, 2, 8}};
  for (const Case& c : cases) {
    auto b = Make(c.type, 500, c.state, 1.5f, c.type == kHobo ? 1500 : 60, 3);
    EXPECT_EQ(b->Type(), c.type);
    EXPECT_EQ(b->state, c.state);
    EXPECT_EQ(b->cur_img, c.firstImg) << "type " << c.type << " state " << c.state;
    EXPECT_EQ(b->ticks, 0);
    EXPECT_EQ(b->Selling(), c.type == kHobo);
  }
  // The passer-by takes over the schedule it is given.
  auto schedule = std::make_unique<PaySchedule>();
  PaySchedule* held = schedule.get();
  Bypasser normal;
  normal.InitNormal(-100, 290, 1.7f, 349, 2, std::move(schedule), 3, 0, 74, 4);
  EXPECT_EQ(normal.Schedule(), held);
}

TEST_F(BypasserTest, EachTypeLoadsItsPicturesIntoTheirSlots) {
  struct Case {
    int type;
    int kind;
    int slot;
    const char* file;  // null: the slot stays empty
  };
  const Case cases[] = {
      {kNormal, 1, 0, "Normal1\\normal1-watch000"},
      {kNormal, 1, 2, "Normal1\\normal1-watch002"},
      {kNormal, 2, 3, "Normal2\\normal2-moveleft000"},
      {kNormal, 2, 6, "Normal2\\normal2-moveleft003"},
      {kNormal, 3, 7, "Normal3\\normal3-moveright000"},
      {kNormal, 3, 11, "Normal3\\normal3-payleft000"},
      {kNormal, 4, 15, "Normal4\\normal4-payright000"},
      {kNormal, 4, 18, "Normal4\\normal4-payright003"},
      {kNormal, 4, 19, nullptr},
      {kThief, 0, 0, "Thief\\thief-moveleft000"},
      {kThief, 0, 4, "Thief\\thief-moveright000"},
      {kThief, 0, 8, "Thief\\thief-runleft000"},
      {kThief, 0, 15, "Thief\\thief-runright003"},
      {kThief, 0, 16, nullptr},
      {kHobo, 0, 3, "Hobo\\hobo-moveleft003"},
      {kHobo, 0, 4, "Hobo\\hobo-moveright000"},
      {kHobo, 0, 8, "Hobo\\hobo-teach000"},
      {kHobo, 0, 13, "Hobo\\hobo-teach005"},
      {kHobo, 0, 14, nullptr},
  };
  for (const Case& c : cases) {
    auto b = Make(c.type, 0, 0, 1.0f, c.type == kHobo ? 1000 : 50, c.kind);
    const Image& frame = b->Frames()[static_cast<std::size_t>(c.slot)];
    if (c.file == nullptr) {
      EXPECT_FALSE(frame.HasPixels()) << "type " << c.type << " slot " << c.slot;
      continue;
    }
    const Image expected =
        LoadPicture(std::string("Images\\Bypasser\\") + c.file + ".tif", DRAW_MASKED);
    EXPECT_TRUE(SamePicture(frame, expected)) << c.file << " in slot " << c.slot;
  }
  EXPECT_TRUE(platform_.Notices().empty()) << "every picture file was found";
}

TEST_F(BypasserTest, AKindWithoutPicturesDrawsNothingAndReportsNothing) {
  StartScreen();
  for (int kind : {0, 5}) {
    auto b = Make(kNormal, 0, 1, 1.0f, 50, kind);
    for (const Image& frame : b->Frames())
      EXPECT_FALSE(frame.HasPixels());
    const auto blank = Drawn(*b);
    EXPECT_TRUE(std::all_of(blank.begin(), blank.end(), [](std::uint16_t p) { return p == 0; }));
  }
  EXPECT_NE(Vorel.GetStatus(), engine::core::IMAGEUSE_FAILED);
  EXPECT_TRUE(platform_.Notices().empty());
}

TEST_F(BypasserTest, MeterShowsOneTickPerTwoPointsOfInterestRoundedUp) {
  StartScreen();
  const Image tick = LoadPicture("Images\\Bypasser\\normal-performtick.tif", DRAW_PLAIN);
  const Image meter = LoadPicture("Images\\Bypasser\\normal-performmeter.tif", DRAW_PLAIN);
  struct Case {
    int initial;
    float add;  // through AddInterest when positive, SubInterest when negative
    int ticks;
  };
  const Case cases[] = {{0, 0.0f, 0},    {0, 0.1f, 1},    {2, 0.0f, 1},
                        {3, 0.0f, 2},    {50, 0.0f, 25},  {100, -0.1f, 50},
                        {100, 0.0f, 50}, {100, 5.0f, 50}, {0, -5.0f, 0}};
  for (const Case& c : cases) {
    auto b = Make(kNormal, 0, 0, 1.0f, c.initial);
    if (c.add > 0.0f) b->AddInterest(c.add);
    if (c.add < 0.0f) b->SubInterest(-c.add);
    b->SetWatching(true);
    Drawn(*b);
    EXPECT_EQ(Pixel(kX + 25, kY), meter.Pixels16()[0]) << "the meter is drawn";
    int drawn = 0;
    while (Pixel(kX + 25 + drawn, kY + 1) == tick.Pixels16()[0])
      ++drawn;
    EXPECT_EQ(drawn, c.ticks) << "interest " << b->Interest();
    for (int i = drawn; i < 60; ++i)
      EXPECT_NE(Pixel(kX + 25 + i, kY + 1), tick.Pixels16()[0]) << "a stray tick at " << i;
  }
  auto notWatching = Make(kNormal, 0, 0, 1.0f, 100);
  EXPECT_EQ(Drawn(*notWatching), Expected(*notWatching, nullptr));
  // Only a Normal passer-by has a meter, whatever its flag says.
  auto hobo = Make(kHobo, 0, 2, 1.0f, 1000);
  hobo->SetWatching(true);
  EXPECT_EQ(Drawn(*hobo), Expected(*hobo, nullptr));
  EXPECT_TRUE(platform_.Notices().empty());
}

TEST_F(BypasserTest, PriceTagFollowsThePriceAndOnlyWhileSelling) {
  StartScreen();
  std::vector<Image> tags;
  for (const char* price : {"1000", "1500", "2000", "2500", "3000"})
    tags.push_back(LoadPicture(std::string("Images\\Bypasser\\Hobo\\hobo-price") + price + ".tif",
                               DRAW_MASKED));
  struct Case {
    int price;
    int tag;  // -1: none
  };
  const Case cases[] = {{1000, 0}, {1499, 0}, {1500, 1},  {2000, 2}, {2500, 3},
                        {3000, 4}, {999, -1}, {3001, -1}, {0, -1}};
  for (const Case& c : cases) {
    auto hobo = Make(kHobo, 0, 1, 1.0f, c.price);
    const Image* tag = c.tag < 0 ? nullptr : &tags[static_cast<std::size_t>(c.tag)];
    const auto drawn = Drawn(*hobo);
    EXPECT_EQ(drawn, Expected(*hobo, tag)) << "price " << c.price;
    if (c.tag >= 0) {
      const Image& other = tags[static_cast<std::size_t>((c.tag + 1) % 5)];
      EXPECT_NE(drawn, Expected(*hobo, &other)) << "the tags tell prices apart";
    }
  }
  auto teaching = Make(kHobo, 0, 2, 1.0f, 2500);
  EXPECT_TRUE(teaching->Selling());
  EXPECT_EQ(Drawn(*teaching), Expected(*teaching, nullptr));
  auto notSelling = Make(kHobo, 0, 0, 1.0f, 2500);
  notSelling->SetSelling(false);
  EXPECT_EQ(Drawn(*notSelling), Expected(*notSelling, nullptr));
}

// A lesson as the street sells it: the walk is saved, the hobo teaches and stops selling, and
// walking again it sells once more.
TEST_F(BypasserTest, HoboTeachesStandingThenWalksOnSellingAgain) {
  struct Case {
    int walk;
    int ticks;
    int updates;
    float step;
  };
  const Case cases[] = {{0, 0, 60, -1.0f}, {1, 0, 60, 1.0f}, {0, 5, 55, -1.0f}};
  for (const Case& c : cases) {
    auto hobo = Make(kHobo, 1000, c.walk, 1.0f, 2000);
    hobo->ticks = c.ticks;
    hobo->SetSavedState(hobo->state);
    hobo->SetState(2);
    hobo->SetSelling(false);
    EXPECT_EQ(hobo->cur_img, 8);
    int updates = 0;
    while (hobo->state == 2 && updates < 200) {
      hobo->Update(0.5f);
      ++updates;
      if (hobo->state == 2) {
        EXPECT_FALSE(hobo->Selling()) << "no second lesson while teaching";
      }
    }
    EXPECT_EQ(updates, c.updates);
    EXPECT_EQ(hobo->X(), 1000.0f) << "it stands while teaching";
    EXPECT_EQ(hobo->state, c.walk);
    EXPECT_EQ(hobo->cur_img, c.walk == 0 ? 0 : 4);
    EXPECT_TRUE(hobo->Selling());
    hobo->Update(0.5f);
    EXPECT_EQ(hobo->X(), 1000.0f + c.step);
  }
  // Walking states make only a hobo sell.
  auto thief = Make(kThief, 0, 2, 1.0f);
  thief->SetState(1);
  auto normal = Make(kNormal, 0, 0, 1.0f, 50);
  normal->SetState(1);
  EXPECT_FALSE(thief->Selling());
  EXPECT_FALSE(normal->Selling());
}

TEST_F(BypasserTest, CashAndInterestClampAndAvailability) {
  auto b = Make(kNormal, 0, 2, 1.0f, 80);
  b->TakeCash(180);
  EXPECT_EQ(b->Cash(), 120);
  EXPECT_TRUE(b->IsAvailable());
  b->TakeCash(150);
  EXPECT_EQ(b->Cash(), 0);
  EXPECT_FALSE(b->HasCash());
  EXPECT_FALSE(b->IsAvailable());

  b->AddInterest(30.0f);
  EXPECT_EQ(b->Interest(), 100.0f);
  b->SubInterest(99.75f);
  EXPECT_EQ(b->Interest(), 0.25f);
  b->SubInterest(0.3f);
  EXPECT_EQ(b->Interest(), 0.0f);

  struct Case {
    int state;
    bool engaged;
    bool available;
  };
  const Case cases[] = {{1, false, true},  {2, false, true},  {0, false, false},
                        {3, false, false}, {4, false, false}, {1, true, false}};
  for (const Case& c : cases) {
    auto walker = Make(kNormal, 0, c.state, 1.0f, 50);
    walker->SetEngaged(c.engaged);
    EXPECT_EQ(walker->IsAvailable(), c.available)
        << "state " << c.state << " engaged " << c.engaged;
  }
}

}  // namespace
