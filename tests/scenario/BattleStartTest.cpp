// The start of a single-player game through the real executable: the click that seeds it, the
// count-down light with its thumps, the music of play, and the first batch of passers-by with
// their release times.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tests/scenario/BattleTestSupport.h"

namespace {

using namespace tests::scenario;
using namespace tests::scenario::battle;

class BattleStart : public Scenario {};

constexpr int kClick = 7;
constexpr int kPlay = kClick + kCountDown;  // the frame in which play begins

TEST_F(BattleStart, CountDownLightThumpsThenMusicEvery750FramesOfPlay) {
  const std::string script = StartGame(kClick) + Type(kClick + 50, 'p') + Type(kClick + 51, 'q') +
                             Hold(kRightKey, kClick + 60, kClick + 90);
  const Outcome run =
      Play(script, kPlay + 1510,
           "--shot " + std::to_string(kClick + 50) + ":red.tif --shot " +
               std::to_string(kClick + 150) + ":yellow.tif --shot " + std::to_string(kClick + 250) +
               ":green.tif --shot " + std::to_string(kPlay) + ":play.tif");
  ASSERT_EQ(run.code, 0) << run.err;
  const Trace& trace = run.trace;

  EXPECT_FALSE(trace[kClick - 1].Has("game"));
  const Json setUp = trace[kClick];
  const Json& start = Game(setUp);
  EXPECT_EQ(trace[kClick]["mode"].Int(), 1);
  EXPECT_EQ(start["seed"].Int(), kClick);
  EXPECT_EQ(start["clock"].Int(), 300);
  EXPECT_EQ(start["dayTimer"].Int(), 4999) << "counted once before the set-up";

  // Red for 100 frames, yellow for 100, green for 100; a thump at each step; keys ignored.
  for (int f = kClick; f < kPlay; ++f) {
    const Json frame = trace[f];
    const int counted = f - kClick;
    SCOPED_TRACE("frame " + std::to_string(f));
    ASSERT_EQ(Game(frame)["state"].Int(), 1);
    EXPECT_EQ(Game(frame)["frame"].Int(), counted);
    EXPECT_EQ(Game(frame)["dayTimer"].Int(), 4999 - counted);
    EXPECT_EQ(Game(frame)["light"].Int(), 2 - std::min(counted / 100, 2));
    EXPECT_EQ(Game(frame)["paused"].Int(), 0);
    EXPECT_EQ(Sounds(frame),
              counted % 100 == 0 ? std::vector<long long>{kThumpSound} : std::vector<long long>{});
    EXPECT_EQ(Performer(frame)["x"].Float(), 550.0f);
    EXPECT_EQ(Performer(frame)["state"].Int(), 0);
  }

  // Play: the music at once and every 750 frames; the clock falls every 100 frames.
  const Json first = trace[kPlay];
  EXPECT_EQ(Game(first)["state"].Int(), 2);
  EXPECT_EQ(Game(first)["frame"].Int(), 0);
  EXPECT_EQ(Game(first)["dayTimer"].Int(), 4699);
  EXPECT_EQ(Sounds(first), std::vector<long long>{kMusic});
  for (int f = kPlay + 1; f <= trace.Frames(); ++f) {
    const Json frame = trace[f];
    const long long played = Game(frame)["frame"].Int();
    ASSERT_EQ(played, f - kPlay);
    EXPECT_EQ(Played(frame, kMusic), played % 750 == 0) << "frame of play " << played;
    EXPECT_EQ(Game(frame)["clock"].Int(), 300 - played / 100) << "frame of play " << played;
  }

  // The light over the street, from red to green.
  const Image red = Picture("Images/traffic-red.tif");
  const Image yellow = Picture("Images/traffic-yellow.tif");
  const Image green = Picture("Images/traffic-green.tif");
  EXPECT_EQ(RegionMismatches(Shot("red.tif"), 375, 100, red, true), 0);
  EXPECT_GT(RegionMismatches(Shot("red.tif"), 375, 100, green, true), 0);
  EXPECT_EQ(RegionMismatches(Shot("yellow.tif"), 375, 100, yellow, true), 0);
  EXPECT_EQ(RegionMismatches(Shot("green.tif"), 375, 100, green, true), 0);
  EXPECT_GT(RegionMismatches(Shot("green.tif"), 375, 100, red, true), 0);

  // The day clock joins the status display when play begins; its hands cover a little of it.
  const Image face = Picture("Images/inter-clock.tif");
  int opaque = 0;
  for (int y = 0; y < face.Height(); ++y) {
    for (int x = 0; x < face.Width(); ++x)
      opaque += !IsClear(face, x, y);
  }
  EXPECT_GT(RegionMismatches(Shot("green.tif"), 375, 50, face, true), opaque / 2);
  EXPECT_LT(RegionMismatches(Shot("play.tif"), 375, 50, face, true), opaque / 4);
}

// Normal passer-by i of a batch comes first, then a thief when 12 divides i, then a hobo when
// 20 divides i; all three share the release time i x 100.
TEST_F(BattleStart, FirstBatchHas49WalkersWithThievesAndHobosReleasedEvery100Frames) {
  const Outcome run = Play(StartGame(kClick), kPlay + 1005);
  ASSERT_EQ(run.code, 0) << run.err;
  const Trace& trace = run.trace;
  const std::vector<Json> batch = Spawned(trace[kClick]);
  ASSERT_EQ(batch.size(), 49u + 5u + 3u);

  std::map<long long, long long> release;  // by id
  std::size_t next = 0;
  for (int i = 0; i < 49; ++i) {
    std::vector<int> types{0};
    if (i % 12 == 0) types.push_back(1);
    if (i % 20 == 0) types.push_back(2);
    for (int type : types) {
      const Json& b = batch[next];
      SCOPED_TRACE("index " + std::to_string(i) + " type " + std::to_string(type));
      EXPECT_EQ(b["id"].Int(), static_cast<long long>(next));
      EXPECT_EQ(b["type"].Int(), type);
      EXPECT_EQ(b["release"].Int(), i * 100);
      release[b["id"].Int()] = b["release"].Int();
      const bool fromLeft = b["x"].Float() == -100.0f;
      EXPECT_TRUE(fromLeft || b["x"].Float() == 2300.0f);
      // Walking right is state 2 for a Normal passer-by, 1 for the others.
      EXPECT_EQ(b["state"].Int(), type == 0 ? (fromLeft ? 2 : 1) : (fromLeft ? 1 : 0));
      EXPECT_GE(b["y"].Float(), 280.0f);
      EXPECT_LE(b["y"].Float(), 319.0f);
      const float tenths = (b["speed"].Float() - 1.0f) * 10.0f;
      EXPECT_NEAR(tenths, std::round(tenths), 1e-3);
      EXPECT_GE(std::round(tenths), 0.0f);
      EXPECT_LE(std::round(tenths), 10.0f);
      if (type == 0) {
        const Json& s = b["schedule"];
        ASSERT_EQ(s.Size(), 3u);
        const long long a1 = s[0][0].Int(), a2 = s[1][0].Int(), a3 = s[2][0].Int();
        const long long t1 = s[0][1].Int(), t2 = s[1][1].Int(), t3 = s[2][1].Int();
        EXPECT_TRUE(a1 >= 75 && a1 < 125 && a2 >= 100 && a2 < 175 && a3 >= 150 && a3 < 350);
        EXPECT_TRUE(t1 >= 100 && t1 < 150 && t2 - t1 >= 200 && t2 - t1 < 250 && t3 - t2 >= 300 &&
                    t3 - t2 < 450);
        EXPECT_EQ(b["cash"].Int(), a1 + a2 + a3);
        EXPECT_TRUE(b["kind"].Int() >= 1 && b["kind"].Int() <= 4);
        EXPECT_TRUE(b["favourite"].Int() >= 1 && b["favourite"].Int() <= 3);
        EXPECT_TRUE(b["tolerated"].Int() >= 0 && b["tolerated"].Int() <= 3);
        EXPECT_TRUE(b["interest"].Float() >= 25.0f && b["interest"].Float() <= 74.0f);
      }
      if (type == 2) {
        const long long price = b["price"].Int();
        EXPECT_TRUE(price >= 1000 && price <= 3000 && price % 500 == 0) << price;
      }
      ++next;
    }
  }

  // Each passer-by steps onto the street in the frame of play that reaches its release time
  // (time 0 in the first); until then it waits.
  std::map<long long, int> firstSeen;
  for (int f = kPlay; f <= trace.Frames(); ++f) {
    const Json frame = trace[f];
    const long long clock = Game(frame)["street"]["clock"].Int();
    ASSERT_EQ(clock, f - kPlay);
    long long waiting = 0;
    for (const auto& [id, time] : release)
      waiting += time > clock || clock == 0;
    EXPECT_EQ(Game(frame)["street"]["pending"].Int(), waiting) << "clock " << clock;
    for (const Json& walker : Game(frame)["street"]["active"].Items())
      firstSeen.emplace(walker["id"].Int(), static_cast<int>(clock));
  }
  for (const auto& [id, time] : release) {
    if (time > 1000) continue;
    ASSERT_TRUE(firstSeen.count(id)) << "passer-by " << id;
    EXPECT_EQ(firstSeen[id], std::max(time, 1LL)) << "passer-by " << id;
  }
}

}  // namespace
