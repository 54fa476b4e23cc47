// Battle2Rules.cpp -- one frame of the two-player rules: the count-down, each performer's
// step, the reckoning of a day, pushes, pause and a new game.
#include <cmath>

#include "engine/core/Engine.h"
#include "game/actors/PlayerControls.h"
#include "game/actors/States.h"
#include "game/battle2/Battle2.h"
#include "game/battle2/Battle2Pictures.h"

namespace game::battle2 {

using actors::Binding;
using actors::Player;
using actors::Typed;
using actors::player::StandsOrWalks;
using namespace pictures;

void Battle2::StartViews() {
  view1_->Init(0, 0, 800, 600);
  view2_->Init(0, 300, 800, 600);
}

void Battle2::Run(const actors::FrameInput& input) {
  BeginFrame();
  // Counted with wrap-around however long a session runs.
  ++seed_;
  if (paused_ == 0 && state_ != street::kGameOver) ++frame_;
  RunState(input, 1);
}

void Battle2::OpenStreet(bool firstGame) {
  StartViews();
  if (!firstGame) ShowLoading(images_[kAt.loading], 250, 175);
  SetUpStage("STAGE1.IN", firstGame);
  FollowPlayer(*view1_, *player1_);
  FollowPlayer(*view2_, *player2_);
}

void Battle2::FreezePerformers() {
  player1_->Update(actors::FrameInput{}, true);
  player2_->Update(actors::FrameInput{}, true);
}

void Battle2::Play(const actors::FrameInput& input) {
  if (paused_ == 0) {
    --dayTimer_;
    if (frame_ % 100 == 0) {
      --clock_;
      DropItems();
    }
    if (frame_ % 750 == 0) PlayMusic();
    PlayerStep(input, *player1_, *performance1_, *dance1_);
    PlayerStep(input, *player2_, *performance2_, *dance2_);
    if (dayTimer_ == 0) Reckoning();
    street_->Advance(pace_);
  }
  if (Typed(1, Binding::kPause, input.typed)) paused_ = static_cast<std::uint8_t>(1 - paused_);
}

void Battle2::PlayerStep(const actors::FrameInput& input, Player& player,
                         actors::Performance& performance, actors::Dance& dance) {
  player.Update(input, false);
  // The first performer paid by all four kinds starts a reckoning 1000 frames away; one that
  // is pending is not restarted.
  if (React(player, performance, dance) && dayTimer_ < 0 && player.AllKindFlags()) {
    dayTimer_ = 1000;
  }
  if (dayTimer_ == 0) EndPerformanceOnDayEnd(player, performance);
  Rob(player, true, 10);
  const std::int32_t scheme = player.PlayerNumber();
  if (Typed(scheme, Binding::kBuyLesson, input.typed) && StandsOrWalks(player.state)) {
    BuyDance(player);
  }
  PickUpItems(player, true);
  if (!StandsOrWalks(player.state)) return;
  Push(input.typed, player);
}

void Battle2::Push(std::int8_t key, Player& pusher) {
  // Only the two players push; a scheme of any other number has no push key.
  if (!Typed(pusher.PlayerNumber(), Binding::kPush, key)) return;
  const bool first = pusher.PlayerNumber() == 1;
  Player& victim = first ? *player2_ : *player1_;
  if (std::fabs(pusher.CentreX() - victim.CentreX()) >= 50.0f || !StandsOrWalks(victim.state)) {
    return;
  }
  PlaySound(street::kWrongSound);
  // With equal centres player 1 pushes to the right and player 2 to the left.
  const bool pushesRight =
      first ? pusher.CentreX() <= victim.CentreX() : pusher.CentreX() < victim.CentreX();
  pusher.SetState(pushesRight ? actors::player::kPushRight : actors::player::kPushLeft);
  victim.SetState(pushesRight ? actors::player::kFallRight : actors::player::kFallLeft);
  victim.TakeCash(20);
}

void Battle2::Reckoning() {
  NewInterests(seed_);
  PlaySound(street::kSpinSound);
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
  NewClock(
      200, -1,
      static_cast<std::uint32_t>(player1_->Cash()) + static_cast<std::uint32_t>(player2_->Cash()),
      street::kCountDown);
  OpenStreet(false);
}

}  // namespace game::battle2
