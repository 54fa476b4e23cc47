// The street list: release by time, depth order, dropping at the street's ends, the searches
// around the performer, and dropped passers-by kept alive until the next street.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "engine/support/Path.h"
#include "game/actors/Bypasser.h"
#include "game/actors/StreetList.h"
#include "tests/common/GlobalPlatform.h"
#include "tests/common/TempDir.h"

namespace {

using game::actors::Bypasser;
using game::actors::PaySchedule;
using game::actors::StreetList;

// Passers-by load their pictures, so every test runs with the data folder set.
class StreetListTest : public ::testing::Test {
 protected:
  void SetUp() override {
    engine::support::SetDataFolder(CURBSIDE_DATA_DIR);
    street.Init(2300);
  }
  void TearDown() override { engine::support::SetDataFolder(""); }

  // Adds b at time and returns it, still reachable through the list.
  Bypasser* Put(std::unique_ptr<Bypasser> b, std::int32_t time = 1) {
    Bypasser* raw = b.get();
    street.Add(std::move(b), time);
    return raw;
  }

  std::vector<Bypasser*> Active() const { return {street.Active().begin(), street.Active().end()}; }

  tests::TempDir dir;
  tests::GlobalPlatform platform;
  StreetList street;
};

// A Normal passer-by; state 2 walks right, 1 walks left.
std::unique_ptr<Bypasser> Normal(std::int32_t x, std::int32_t y = 300, float speed = 0.0f,
                                 std::int32_t state = 2, std::int32_t cash = 300) {
  auto b = std::make_unique<Bypasser>();
  b->InitNormal(x, y, speed, cash, state, std::make_unique<PaySchedule>(), 1, 0, 50, 1);
  return b;
}

// A thief or hobo; state 1 walks right, 0 walks left.
std::unique_ptr<Bypasser> Thief(std::int32_t x, std::int32_t y = 300, float speed = 0.0f,
                                std::int32_t state = 1) {
  auto b = std::make_unique<Bypasser>();
  b->InitThief(x, y, speed, state);
  return b;
}

std::unique_ptr<Bypasser> Hobo(std::int32_t x, std::int32_t y = 300, float speed = 0.0f,
                               std::int32_t state = 1) {
  auto b = std::make_unique<Bypasser>();
  b->InitHobo(x, y, speed, state, 1000);
  return b;
}

TEST_F(StreetListTest, ReleasesWhenTheClockReachesTheTime) {
  for (std::int32_t time : {100, 0, 1, 50})
    Put(Normal(1000), time);
  const std::vector<std::pair<int, std::size_t>> activeAfter = {
      {1, 2}, {49, 2}, {50, 3}, {99, 3}, {100, 4}};
  int clock = 0;
  for (const auto& [advances, count] : activeAfter) {
    while (clock < advances) {
      street.Advance(0.0f);
      ++clock;
    }
    EXPECT_EQ(street.Clock(), clock);
    EXPECT_EQ(street.Active().size(), count) << "after " << advances;
    EXPECT_EQ(street.PendingCount(), static_cast<std::int32_t>(4 - count));
  }
}

TEST_F(StreetListTest, EqualTimesReleaseNewestFirst) {
  Bypasser* first = Put(Normal(1000, 300), 5);
  Bypasser* second = Put(Normal(1000, 300), 5);
  for (int i = 0; i < 4; ++i)
    street.Advance(0.0f);
  EXPECT_TRUE(street.Active().empty());
  street.Advance(0.0f);
  // The second is released first; the first, released after it at the same depth, goes in
  // front of it.
  EXPECT_EQ(Active(), (std::vector<Bypasser*>{first, second}));
}

TEST_F(StreetListTest, ActiveListIsOrderedByDepthLatestReleasedFirst) {
  Bypasser* a = Put(Normal(1000, 300), 1);
  Bypasser* b = Put(Normal(1000, 290), 2);
  Bypasser* c = Put(Normal(1000, 300), 3);
  Bypasser* d = Put(Normal(1000, 319), 3);
  for (int i = 0; i < 3; ++i)
    street.Advance(0.0f);
  EXPECT_EQ(Active(), (std::vector<Bypasser*>{b, c, a, d}));
}

TEST_F(StreetListTest, UpdatesOnlyReleasedPassersByWithThePace) {
  Bypasser* normal = Put(Normal(1000, 300, 1.0f), 1);
  Bypasser* thief = Put(Thief(1000, 300, 1.0f), 1);
  Bypasser* later = Put(Normal(1000, 300, 1.0f), 3);
  street.Advance(0.5f);
  street.Advance(0.5f);
  EXPECT_FLOAT_EQ(normal->X(), 1003.0f);
  EXPECT_FLOAT_EQ(thief->X(), 1002.0f);
  EXPECT_EQ(normal->ticks, 2);
  EXPECT_EQ(later->ticks, 0);
  EXPECT_FLOAT_EQ(later->X(), 1000.0f);
}

// One Advance moves the passer-by to `at`; the next keeps or drops it by that position.
struct DropCase {
  const char* name;
  std::function<std::unique_ptr<Bypasser>()> make;
  std::int32_t rightLimit;
  float at;
  bool stays;
};

TEST_F(StreetListTest, DropsByTruncatedEdgesAtTheEnds) {
  const DropCase cases[] = {
      {"left, right edge -0.5", [] { return Normal(-100, 300, 0.5f, 1); }, 2300, -100.5f, true},
      {"left, right edge -1", [] { return Normal(-100, 300, 1.0f, 1); }, 2300, -101.0f, false},
      {"right, x 2300.9", [] { return Thief(2300, 300, 0.9f, 1); }, 2300, 2300.9f, true},
      {"right, x 2301", [] { return Thief(2300, 300, 1.0f, 1); }, 2300, 2301.0f, false},
      {"right, own limit", [] { return Hobo(1000, 300, 1.0f, 1); }, 1000, 1001.0f, false},
  };
  for (const DropCase& c : cases) {
    street.Init(c.rightLimit);
    Bypasser* b = Put(c.make(), 0);
    street.Advance(0.0f);
    ASSERT_EQ(street.Active().size(), 1u) << c.name << ": entering at the edge stays";
    EXPECT_FLOAT_EQ(b->X(), c.at) << c.name;
    street.Advance(0.0f);
    EXPECT_EQ(street.Active().size(), c.stays ? 1u : 0u) << c.name;
  }
}

TEST_F(StreetListTest, DroppedPasserByStaysValidUntilInit) {
  Bypasser* gone = Put(Normal(-100, 300, 1.0f, 1), 0);
  Bypasser* walking = Put(Normal(1000, 300, 1.0f, 2), 0);
  Put(Normal(1000), 6);  // still pending at Init
  for (int i = 0; i < 5; ++i)
    street.Advance(0.0f);
  EXPECT_EQ(Active(), (std::vector<Bypasser*>{walking}));
  // Not updated after its drop, and its pictures are still there for a performance that
  // holds it.
  EXPECT_FLOAT_EQ(gone->X(), -101.0f);
  EXPECT_EQ(gone->ticks, 1);
  EXPECT_TRUE(gone->Frames()[static_cast<std::size_t>(gone->cur_img)].HasPixels());

  street.Init(2300);
  EXPECT_TRUE(street.Active().empty());
  EXPECT_EQ(street.PendingCount(), 0);
  EXPECT_EQ(street.Clock(), 0);
  for (int i = 0; i < 6; ++i)
    street.Advance(0.0f);
  EXPECT_TRUE(street.Active().empty());
}

// Each search with a passer-by that qualifies, walking right at speed (x is the left edge).
struct Search {
  const char* name;
  std::function<std::unique_ptr<Bypasser>(std::int32_t x, std::int32_t y, float speed)> make;
  Bypasser* (StreetList::*find)(std::int32_t) const;
  std::int32_t limit;
};

const Search kSearches[] = {
    {"available", [](auto x, auto y, auto v) { return Normal(x, y, v, 2); },
     &StreetList::NearestAvailable, 50},
    {"thief", [](auto x, auto y, auto v) { return Thief(x, y, v, 1); }, &StreetList::NearestThief,
     10},
    {"hobo", [](auto x, auto y, auto v) { return Hobo(x, y, v, 1); }, &StreetList::NearestHobo, 50},
};

constexpr std::int32_t kC = 1000;

TEST_F(StreetListTest, SearchFindsExactlyAtItsLimit) {
  for (const Search& s : kSearches) {
    street.Init(2300);
    Bypasser* at = Put(s.make(kC - s.limit - 50, 300, 0.0f));
    street.Advance(0.0f);
    EXPECT_EQ((street.*s.find)(kC), at) << s.name;

    street.Init(2300);
    Bypasser* beyond = Put(s.make(kC + s.limit - 50, 300, 0.1f));
    street.Advance(0.0f);
    EXPECT_GT(beyond->CentreX(), static_cast<float>(kC + s.limit)) << s.name;
    EXPECT_EQ((street.*s.find)(kC), nullptr) << s.name << " just beyond the limit";
  }
}

TEST_F(StreetListTest, SearchPrefersTheNearerThenTheLaterOnTies) {
  for (const Search& s : kSearches) {
    const std::int32_t near = s.limit / 5;  // 10 or 2
    street.Init(2300);
    Bypasser* nearer = Put(s.make(kC + near - 50, 290, 0.0f));
    Put(s.make(kC + 2 * near - 50, 300, 0.0f));
    street.Advance(0.0f);
    EXPECT_EQ((street.*s.find)(kC), nearer) << s.name;

    street.Init(2300);
    Put(s.make(kC + near - 50, 290, 0.0f));
    Bypasser* later = Put(s.make(kC - near - 50, 300, 0.0f));
    street.Advance(0.0f);
    EXPECT_EQ((street.*s.find)(kC), later) << s.name;
  }
}

// A distraction at distance 0 that must be passed over for a qualifying one 30 away.
struct PassOver {
  const char* name;
  std::function<std::unique_ptr<Bypasser>()> make;
};

void ExpectPassedOver(StreetList& street, const PassOver& p, std::unique_ptr<Bypasser> wanted,
                      Bypasser* (StreetList::*find)(std::int32_t) const) {
  street.Init(2300);
  Bypasser* w = wanted.get();
  street.Add(std::move(wanted), 1);
  street.Add(p.make(), 1);
  street.Advance(0.0f);
  ASSERT_EQ(street.Active().size(), 2u) << p.name;
  EXPECT_EQ((street.*find)(kC), w) << p.name;
}

TEST_F(StreetListTest, NearestAvailablePassesOverThoseWhoCannotWatch) {
  const PassOver cases[] = {
      {"paying left", [] { return Normal(kC - 50, 310, 0.0f, 3); }},
      {"paying right", [] { return Normal(kC - 50, 310, 0.0f, 4); }},
      {"watching", [] { return Normal(kC - 50, 310, 0.0f, 0); }},
      {"engaged",
       [] {
         auto b = Normal(kC - 50, 310);
         b->SetEngaged(true);
         return b;
       }},
      {"cashless", [] { return Normal(kC - 50, 310, 0.0f, 2, 0); }},
      {"thief", [] { return Thief(kC - 50, 310); }},
      {"hobo", [] { return Hobo(kC - 50, 310); }},
  };
  for (const PassOver& p : cases)
    ExpectPassedOver(street, p, Normal(kC - 20, 290), &StreetList::NearestAvailable);
}

TEST_F(StreetListTest, NearestThiefAndHoboPassOverTheSpentAndTheOthers) {
  const PassOver notThieves[] = {
      {"has stolen",
       [] {
         auto b = Thief(kC - 50, 310);
         b->SetHasStolen(true);
         return b;
       }},
      {"normal", [] { return Normal(kC - 50, 310); }},
      {"hobo", [] { return Hobo(kC - 50, 310); }},
  };
  for (const PassOver& p : notThieves)
    ExpectPassedOver(street, p, Thief(kC - 45, 290), &StreetList::NearestThief);

  const PassOver notHobos[] = {
      {"not selling",
       [] {
         auto b = Hobo(kC - 50, 310);
         b->SetSelling(false);
         return b;
       }},
      {"normal", [] { return Normal(kC - 50, 310); }},
      {"thief", [] { return Thief(kC - 50, 310); }},
  };
  for (const PassOver& p : notHobos)
    ExpectPassedOver(street, p, Hobo(kC - 20, 290), &StreetList::NearestHobo);
}

TEST_F(StreetListTest, AvailableWithinListsEveryoneInRangeInWalkingOrder) {
  Put(Normal(kC + 151, 280));          // 201 away
  Put(Normal(kC - 50, 285, 0.0f, 0));  // watching already
  street.Advance(0.0f);
  EXPECT_TRUE(street.AvailableWithin(kC, 200).empty());

  Bypasser* c = Put(Normal(kC + 150, 319), 2);  // exactly 200 away
  Bypasser* a = Put(Normal(kC - 250, 290), 2);  // 200 on the other side
  Bypasser* b = Put(Normal(kC, 300), 2);
  street.Advance(0.0f);
  EXPECT_EQ(street.AvailableWithin(kC, 200), (std::vector<Bypasser*>{a, b, c}));
  EXPECT_EQ(street.Active().size(), 5u);
}

}  // namespace
