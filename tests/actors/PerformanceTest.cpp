// The one-to-one performance (following, the judged offer, instalments by level, progress kept
// between performances) and the audience member's interest, payment and leaving.
#include <array>
#include <vector>

#include "game/actors/Performance.h"
#include "tests/actors/AudienceFixture.h"

namespace {

using game::actors::Bypasser;
using game::actors::Performance;

// Kinds 1 to 4 want begging, singing, the rabbit trick and begging.
constexpr std::array<std::int32_t, 4> kInterest = {0, 1, 2, 0};

class PerformanceTest : public tests::AudienceFixture {
 protected:
  // Begins beside the passer-by and makes the offer it wants, as the street does.
  void Start(Bypasser& bypasser) {
    performance.Begin(&player, &bypasser, 0.5f);
    performance.Judge(kInterest[static_cast<std::size_t>(bypasser.Kind() - 1)], kInterest,
                      wrongSound);
  }
  // Steps until the performer is paid; the number of the paying step, or 0 after limit steps.
  int StepsToPayment(int limit) {
    const std::int32_t before = player.Cash();
    for (int n = 1; n <= limit; ++n) {
      performance.Step(cashSound);
      if (player.Cash() != before) return n;
    }
    return 0;
  }

  Performance performance;
};

TEST_F(PerformanceTest, BeginFollowsThePasserByOnItsSide) {
  struct Case {
    std::int32_t walking, direction, performerState;
  };
  for (const Case c : {Case{1, 1, 8}, Case{2, 2, 9}}) {
    auto bypasser = MakeNormal({.state = c.walking, .speed = 1.3f});
    bypasser->SetProgress(42);
    performance.Begin(&player, bypasser.get(), 0.5f);
    EXPECT_TRUE(performance.IsActive());
    EXPECT_EQ(performance.Direction(), c.direction);
    EXPECT_EQ(player.state, c.performerState);
    EXPECT_FLOAT_EQ(player.FollowSpeed(), 1.8f);
    EXPECT_TRUE(bypasser->Engaged());
    EXPECT_FALSE(bypasser->IsAvailable());
    EXPECT_EQ(bypasser->Schedule()->Progress(), 42.0f);
    performance.End();
  }
}

TEST_F(PerformanceTest, NewBeginDoesNotReachTheEarlierPasserBy) {
  auto gone = MakeNormal({});
  auto earlier = MakeNormal({});
  auto next = MakeNormal({.state = 2});
  performance.Begin(&player, gone.get(), 0.0f);
  gone.reset();  // its street was set up again
  Start(*earlier);
  for (int i = 0; i < 5; ++i)
    performance.Step(cashSound);
  Start(*next);
  EXPECT_EQ(performance.GetBypasser(), next.get());
  EXPECT_EQ(performance.Direction(), 2);
  EXPECT_TRUE(next->Engaged());
  EXPECT_TRUE(earlier->Engaged());
  EXPECT_EQ(earlier->Progress(), 0);
}

TEST_F(PerformanceTest, RightOfferLeadsIntoThatPerformance) {
  struct Case {
    std::int32_t kind, walking, leadIn;
  };
  const Case cases[] = {{1, 1, 12}, {1, 2, 13}, {2, 1, 17}, {2, 2, 18}, {3, 1, 22}, {3, 2, 23}};
  for (const Case& c : cases) {
    auto bypasser = MakeNormal({.state = c.walking, .kind = c.kind});
    Start(*bypasser);
    EXPECT_EQ(player.state, c.leadIn) << "kind " << c.kind << " walking " << c.walking;
    EXPECT_TRUE(performance.IsActive());
    EXPECT_EQ(player.Cash(), 3000);
    EXPECT_FALSE(Played(wrongSound));
    performance.End();
  }
}

TEST_F(PerformanceTest, WrongOfferCostsTwentyAndEndsKeepingProgress) {
  struct Case {
    std::int32_t walking, fall;
  };
  for (const Case c : {Case{1, 5}, Case{2, 6}}) {
    player.Init(1000, 280, 2300, 0, false, false);
    player.TakeCash(2985);
    auto bypasser = MakeNormal({.state = c.walking, .kind = 2});  // wants singing
    Start(*bypasser);
    for (int i = 0; i < 30; ++i)
      performance.Step(cashSound);
    performance.Judge(2, kInterest, wrongSound);
    EXPECT_TRUE(Played(wrongSound));
    EXPECT_FALSE(Played(cashSound));
    EXPECT_EQ(player.state, c.fall);
    EXPECT_EQ(player.Cash(), 0);
    EXPECT_FALSE(performance.IsActive());
    EXPECT_FALSE(bypasser->Engaged());
    EXPECT_EQ(bypasser->state, c.walking);
    EXPECT_EQ(bypasser->Progress(), 30);
    EXPECT_EQ(bypasser->Cash(), 450);
  }
}

TEST_F(PerformanceTest, FirstInstalmentComesAtTheThresholdForEachLevel) {
  struct Case {
    int level, payingStep;
  };
  // 1.0, 1.5 and 2.25 progress per step against a threshold of 100.
  for (const Case c : {Case{0, 100}, Case{2, 67}, Case{5, 45}}) {
    player.Init(1000, 280, 2300, 0, false, false);
    for (int i = 0; i < c.level; ++i)
      player.LevelUp();
    auto bypasser = MakeNormal({.state = 2});
    Start(*bypasser);
    EXPECT_EQ(StepsToPayment(200), c.payingStep) << "level " << c.level;
    EXPECT_EQ(player.Cash(), 3100);
    EXPECT_EQ(bypasser->Cash(), 350);
    EXPECT_EQ(bypasser->state, 4);
    EXPECT_TRUE(Played(cashSound));
    EXPECT_TRUE(performance.IsActive());
    performance.End();
  }
}

TEST_F(PerformanceTest, EndedPerformanceResumesFromTheTruncatedProgress) {
  struct Case {
    int steps;
    std::int32_t kept;
    int stepsToThreshold;
  };
  // Level 1 adds 1.25 per step; the first threshold is 120. 83 steps make 103.75.
  for (const Case c : {Case{80, 100, 16}, Case{83, 103, 14}}) {
    player.Init(1000, 280, 2300, 0, false, false);
    player.LevelUp();
    auto bypasser = MakeNormal({.steps = {{100, 120}, {150, 340}}});
    Start(*bypasser);
    for (int i = 0; i < c.steps; ++i)
      performance.Step(cashSound);
    performance.End();
    EXPECT_EQ(player.Cash(), 3000);
    EXPECT_EQ(bypasser->Progress(), c.kept) << c.steps << " steps";
    EXPECT_FALSE(bypasser->Engaged());
    EXPECT_TRUE(bypasser->IsAvailable());

    Start(*bypasser);
    EXPECT_EQ(bypasser->Schedule()->Progress(), static_cast<float>(c.kept));
    EXPECT_EQ(StepsToPayment(100), c.stepsToThreshold) << c.steps << " steps";
    performance.End();
  }
}

TEST_F(PerformanceTest, EveryInstalmentAtItsThresholdThenThePerformerStands) {
  auto bypasser = MakeNormal({.state = 1, .kind = 3});
  Start(*bypasser);
  std::vector<int> paidAt;
  for (int n = 1; n <= 700 && performance.IsActive(); ++n) {
    player.SetState(24);  // doing the rabbit trick
    const std::int32_t before = player.Cash();
    performance.Step(cashSound);
    if (player.Cash() != before) {
      paidAt.push_back(n);
      EXPECT_EQ(bypasser->state, 3);
      EXPECT_TRUE(Played(cashSound));
      bypasser->SetState(1);  // its payment pictures have run
    }
  }
  EXPECT_EQ(paidAt, (std::vector<int>{100, 320, 650}));
  EXPECT_EQ(player.Cash(), 3450);
  EXPECT_EQ(player.state, 0);
  EXPECT_FALSE(performance.IsActive());
  EXPECT_EQ(bypasser->Cash(), 0);
  EXPECT_EQ(bypasser->Progress(), 650);
  EXPECT_FALSE(bypasser->Engaged());
  EXPECT_FALSE(bypasser->IsAvailable());
}

TEST_F(PerformanceTest, OneInstalmentPerUpdateEvenWhenTwoAreDue) {
  // Equal thresholds: the one added later is paid first.
  auto bypasser = MakeNormal({.steps = {{30, 100}, {40, 100}}});
  Start(*bypasser);
  EXPECT_EQ(StepsToPayment(200), 100);
  EXPECT_EQ(player.Cash(), 3040);
  EXPECT_TRUE(performance.IsActive());
  EXPECT_EQ(StepsToPayment(1), 1);
  EXPECT_EQ(player.Cash(), 3070);
  EXPECT_FALSE(performance.IsActive());
  EXPECT_EQ(bypasser->Progress(), 101);
}

TEST_F(PerformanceTest, PaymentSetsThePayingKindsFlagAndKeepsTheOthers) {
  player.SetKindFlag(1, true);
  for (std::int32_t kind : {3, 1}) {
    auto bypasser = MakeNormal({.kind = kind});
    Start(*bypasser);
    ASSERT_EQ(StepsToPayment(100), 100);
    performance.End();
  }
  EXPECT_TRUE(player.KindFlag(1));
  EXPECT_FALSE(player.KindFlag(2));
  EXPECT_TRUE(player.KindFlag(3));
  EXPECT_FALSE(player.KindFlag(4));
}

TEST_F(PerformanceTest, InactiveRecordDoesNothing) {
  auto bypasser = MakeNormal({.state = 2});
  Performance idle;
  idle.Judge(0, kInterest, wrongSound);
  idle.Step(cashSound);
  idle.End();
  idle.Watch(2);
  idle.Pay(cashSound);
  idle.Leave();
  EXPECT_FALSE(Played(wrongSound));
  EXPECT_FALSE(Played(cashSound));

  // Once ended, the passer-by and its schedule are out of reach.
  Start(*bypasser);
  performance.Step(cashSound);
  performance.End();
  performance.Step(cashSound);
  performance.Judge(1, kInterest, wrongSound);
  performance.End();
  EXPECT_EQ(bypasser->Schedule()->Progress(), 1.0f);
  EXPECT_EQ(bypasser->Progress(), 1);
  EXPECT_EQ(player.Cash(), 3000);
  EXPECT_EQ(player.state, 13);
  EXPECT_FALSE(Played(wrongSound));
}

TEST_F(PerformanceTest, WatchMovesInterestByTheMoveShown) {
  struct Case {
    std::int32_t tolerated;
    float from;
    std::int32_t move;
    float to;
    bool stays;
  };
  // Favourite 2 throughout; a favourite that is also tolerated still raises interest.
  const Case cases[] = {
      {3, 74.0f, 2, 74.15f, true}, {3, 74.0f, 3, 74.0f, true},   {3, 74.0f, 0, 73.9f, true},
      {3, 74.0f, 1, 73.9f, true},  {3, 100.0f, 2, 100.0f, true}, {3, 0.05f, 0, 0.0f, false},
      {2, 74.0f, 2, 74.15f, true},
  };
  for (const Case& c : cases) {
    auto bypasser =
        MakeNormal({.state = 1, .favourite = 2, .tolerated = c.tolerated, .interest = 0});
    bypasser->AddInterest(c.from);
    Performance member;
    member.Join(&player, bypasser.get(), 2, c.tolerated);
    member.Watch(c.move);
    EXPECT_EQ(bypasser->Interest(), c.to) << c.from << " move " << c.move;
    EXPECT_EQ(member.IsActive(), c.stays) << c.from << " move " << c.move;
    EXPECT_EQ(bypasser->state, c.stays ? 0 : 1);
    EXPECT_EQ(bypasser->Watching(), c.stays);
    EXPECT_EQ(bypasser->Engaged(), c.stays);
  }
}

TEST_F(PerformanceTest, PayGivesEverythingAndWalksOnPaying) {
  struct Case {
    std::int32_t walking, paying;
  };
  for (const Case c : {Case{1, 3}, Case{2, 4}}) {
    player.Init(1000, 280, 2300, 0, false, false);
    auto bypasser = MakeNormal({.state = c.walking, .kind = 4});
    // One instalment paid in an earlier performance.
    Start(*bypasser);
    ASSERT_EQ(StepsToPayment(100), 100);
    performance.End();
    Played(cashSound);
    bypasser->SetState(c.walking);

    Performance member;
    member.Join(&player, bypasser.get(), 1, 0);
    member.Pay(cashSound);
    EXPECT_EQ(bypasser->state, c.paying);
    EXPECT_TRUE(Played(cashSound));
    EXPECT_EQ(player.Cash(), 3450);
    EXPECT_EQ(bypasser->Cash(), 0);
    EXPECT_FALSE(bypasser->Engaged());
    EXPECT_FALSE(bypasser->Watching());
    EXPECT_FALSE(member.IsActive());
    // A dance payment leaves the schedule as it was.
    EXPECT_EQ(bypasser->Schedule()->Steps().size(), 2u);
    EXPECT_EQ(bypasser->Schedule()->Progress(), 100.0f);
  }
}

}  // namespace
