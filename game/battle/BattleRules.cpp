// BattleRules.cpp -- one frame of the single-player rules: the count-down, play with its days,
// clock, cash items, thefts and lessons, pause, game over and a new game.
#include "engine/core/Engine.h"
#include "game/actors/PlayerControls.h"
#include "game/actors/Random.h"
#include "game/actors/States.h"
#include "game/battle/Battle.h"
#include "game/battle/BattlePictures.h"

namespace game::battle {

using namespace pictures;
using actors::Binding;
using actors::Typed;

void Battle::Run(const actors::FrameInput& input) {
  BeginFrame();
  if (paused_ == 0 && state_ != street::kGameOver) {
    ++frame_;
    --dayTimer_;
  }
  RunState(input, 0);
}

void Battle::OpenStreet(bool firstGame) {
  view_->Init(0, 50, 800, 600);
  actors::Rng.Seed(seed_);
  // Shown at once while a new game's street loads.
  if (!firstGame) ShowLoading(images_[kAt.loading], 250, 350);
  SetUpStage("STAGE1.IN", firstGame);
  FollowPlayer(*view_, *player_);
}

void Battle::FreezePerformers() {
  player_->Update(actors::FrameInput{}, true);
}

// The steps of a frame of play, in their binding order.
void Battle::Play(const actors::FrameInput& input) {
  const std::int8_t key = input.typed;
  if (paused_ == 0) {
    if (frame_ % 100 == 0) {
      --clock_;
      DropItems();
    }
    if (frame_ % 750 == 0) PlayMusic();
    player_->Update(input, false);
    React(*player_, *performance_, *dance_);
    PickUpItems(*player_, false);
    if (dayTimer_ == 0) EndOfDay();
    Rob(*player_, false, 10 - player_->Level());
    if (Typed(0, Binding::kBuyLesson, key) && actors::player::StandsOrWalks(player_->state)) {
      BuyDance(*player_);
    }
    street_->Advance(pace_);
  }
  if (Typed(0, Binding::kPause, key)) paused_ = static_cast<std::uint8_t>(1 - paused_);
  if (clock_ == 0) state_ = street::kGameOver;
}

void Battle::EndOfDay() {
  if (!player_->AllKindFlags() || player_->Cash() <= 3000) {
    state_ = street::kGameOver;
    return;
  }
  PlaySound(street::kSpinSound);
  dayTimer_ = 5000;
  NewInterests(static_cast<std::uint32_t>(player_->Cash()));
  if (player_->Level() <= 5) player_->LevelUp();
  player_->SetAllKindFlags(false);
  pace_ += 0.25f;
  EndPerformanceOnDayEnd(*player_, *performance_);
  SpawnBypassers(frame_, dayTimer_ / 100, street::SpawnLayout{280, 20, 12});
}

void Battle::NewGame() {
  NewClock(300, 5000, static_cast<std::uint32_t>(player_->Cash()), street::kCountDown);
  OpenStreet(false);
}

}  // namespace game::battle
