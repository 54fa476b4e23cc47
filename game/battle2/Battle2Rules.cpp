// Battle2Rules.cpp -- one frame of the two-player rules: the count-down, each performer's
// step, the reckoning of a day, pushes, pause and a new game.
#include <algorithm>
#include <cmath>

#include "engine/core/Engine.h"
#include "game/battle2/Battle2.h"
#include "game/battle2/Battle2Pictures.h"

namespace game::battle2 {

using actors::Player;
using battle::kSpinSound;
using battle::kThumpSound;
using battle::kWrongSound;
using namespace pictures;

namespace {

bool StandsOrWalks(const Player& player) {
  return player.state >= 0 && player.state <= 2;
}

}  // namespace

void Battle2::StartViews() {
  view1_->Init(0, 0, 800, 600);
  view2_->Init(0, 300, 800, 600);
}

void Battle2::Run(std::int8_t key) {
  BeginFrame();
  // Counted with wrap-around: a long session must not overflow a signed count.
  seed_ = static_cast<std::int32_t>(static_cast<std::uint32_t>(seed_) + 1u);
  if (paused_ == 0 && state_ != 3) ++frame_;
  switch (state_) {
    case 0:  // starting
      frame_ = 0;
      state_ = 1;
      StartViews();
      SetUpStage("STAGE1.IN", true);
      FollowPlayer(*view1_, *player1_);
      FollowPlayer(*view2_, *player2_);
      PlaySound(kThumpSound);
      break;
    case 1:  // count-down
      player1_->Update(0, true);
      player2_->Update(0, true);
      if (frame_ % 300 == 0) {
        frame_ = 0;
        NewInterests(static_cast<std::uint32_t>(seed_));
        state_ = 2;
        PlayMusic();
      } else if (frame_ % 100 == 0) {
        PlaySound(kThumpSound);
        light_ = std::max(light_ - 1, 0);
      }
      break;
    case 2:
      Play(key);
      break;
    case 3:
      if (key == 'p') NewGame();
      break;
    default:
      break;
  }
}

void Battle2::Play(std::int8_t key) {
  if (paused_ == 0) {
    --dayTimer_;
    if (frame_ % 100 == 0) {
      --clock_;
      DropItems();
    }
    if (frame_ % 750 == 0) PlayMusic();
    PlayerStep(key, *player1_, *performance1_, *dance1_);
    PlayerStep(key, *player2_, *performance2_, *dance2_);
    if (dayTimer_ == 0) Reckoning();
    street_->Advance(pace_);
  }
  if (key == 'p') paused_ = static_cast<std::uint8_t>(1 - paused_);
}

void Battle2::PlayerStep(std::int8_t key, Player& player, actors::Performance& performance,
                         actors::Dance& dance) {
  player.Update(key, false);
  // The first performer paid by all four kinds starts a reckoning 1000 frames away; one that
  // is pending is not restarted.
  if (React(player, performance, dance) && dayTimer_ < 0 && player.AllKindFlags()) {
    dayTimer_ = 1000;
  }
  if (dayTimer_ == 0) EndPerformanceOnDayEnd(player, performance);
  Rob(player, true, 10);
  const bool buys =
      (key == 'b' && player.PlayerNumber() == 1) || (key == '6' && player.PlayerNumber() == 2);
  if (buys && StandsOrWalks(player)) BuyDance(player);
  PickUpItems(player, true);
  if (!StandsOrWalks(player)) return;
  Push(key, player);
}

void Battle2::Push(std::int8_t key, Player& pusher) {
  const bool first = key == 's' && pusher.PlayerNumber() == 1;
  const bool second = key == '+' && pusher.PlayerNumber() == 2;
  if (!first && !second) return;
  Player& victim = first ? *player2_ : *player1_;
  if (std::fabs(pusher.CentreX() - victim.CentreX()) >= 50.0f || !StandsOrWalks(victim)) return;
  PlaySound(kWrongSound);
  // With equal centres player 1 pushes to the right and player 2 to the left.
  const bool pushesRight =
      first ? pusher.CentreX() <= victim.CentreX() : pusher.CentreX() < victim.CentreX();
  pusher.SetState(pushesRight ? 35 : 36);
  victim.SetState(pushesRight ? 6 : 5);
  victim.TakeCash(20);
}

void Battle2::Reckoning() {
  NewInterests(static_cast<std::uint32_t>(seed_));
  PlaySound(kSpinSound);
  for (Player* player : {player1_.get(), player2_.get()}) {
    if (player->AllKindFlags() && player->Level() <= 5) {
      player->LevelUp();
      player->AddCash(1000);
    }
  }
  player1_->SetAllKindFlags(false);
  player2_->SetAllKindFlags(false);
  pace_ += 0.25f;
}

void Battle2::NewGame() {
  light_ = 2;
  clock_ = 200;
  dayTimer_ = -1;
  item1_ = -1;
  item2_ = -1;
  paused_ = 0;
  pace_ = 0.0f;
  seed_ = static_cast<std::int32_t>(static_cast<std::uint32_t>(player1_->Cash()) +
                                    static_cast<std::uint32_t>(player2_->Cash()));
  frame_ = 0;
  state_ = 1;
  StartViews();
  if (Vorel.ViewLock()) {
    Vorel.DrawMasked(250, 175, images_[kLoading]);
    Vorel.ViewUnlock();
    Vorel.ViewUpdate();
  }
  SetUpStage("STAGE1.IN", false);
  FollowPlayer(*view1_, *player1_);
  FollowPlayer(*view2_, *player2_);
  PlaySound(kThumpSound);
}

}  // namespace game::battle2
