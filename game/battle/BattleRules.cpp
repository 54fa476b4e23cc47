// BattleRules.cpp -- one frame of the single-player rules: the count-down, play with its days,
// clock, cash items, thefts and lessons, pause, game over and a new game.
#include <algorithm>

#include "engine/core/Engine.h"
#include "game/actors/Random.h"
#include "game/battle/Battle.h"
#include "game/battle/BattlePictures.h"

namespace game::battle {

using namespace pictures;

namespace {

constexpr std::int8_t kPauseKey = 'p';
constexpr std::int8_t kBuyKey = 'b';

}  // namespace

void Battle::Run(std::int8_t key) {
  BeginFrame();
  if (paused_ == 0 && state_ != 3) {
    ++frame_;
    --dayTimer_;
  }
  switch (state_) {
    case 0:  // starting
      frame_ = 0;
      state_ = 1;
      view_->Init(0, 50, 800, 600);
      actors::Rng.Seed(seed_);
      SetUpStage("STAGE1.IN", true);
      FollowPlayer(*view_, *player_);
      PlaySound(kThumpSound);
      break;
    case 1:  // count-down; typed keys are ignored
      player_->Update(0, true);
      if (frame_ % 300 == 0) {
        frame_ = 0;
        NewInterests(seed_);
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
    case 3:  // game over
      if (key == kPauseKey) NewGame();
      break;
    default:
      break;
  }
}

// The steps of a frame of play, in their binding order.
void Battle::Play(std::int8_t key) {
  if (paused_ == 0) {
    if (frame_ % 100 == 0) {
      --clock_;
      DropItems();
    }
    if (frame_ % 750 == 0) PlayMusic();
    player_->Update(key, false);
    React(*player_, *performance_, *dance_);
    PickUpItems(*player_, false);
    if (dayTimer_ == 0) EndOfDay();
    Rob(*player_, false, 10 - player_->Level());
    if (key == kBuyKey && player_->state >= 0 && player_->state <= 2) BuyDance(*player_);
    street_->Advance(pace_);
  }
  if (key == kPauseKey) paused_ = static_cast<std::uint8_t>(1 - paused_);
  if (clock_ == 0) state_ = 3;
}

void Battle::EndOfDay() {
  if (!player_->AllKindFlags() || player_->Cash() <= 3000) {
    state_ = 3;
    return;
  }
  PlaySound(kSpinSound);
  dayTimer_ = 5000;
  NewInterests(static_cast<std::uint32_t>(player_->Cash()));
  if (player_->Level() <= 5) player_->LevelUp();
  player_->SetAllKindFlags(false);
  pace_ += 0.25f;
  EndPerformanceOnDayEnd(*player_, *performance_);
  SpawnBypassers(frame_, dayTimer_ / 100, SpawnLayout{280, 20, 12});
}

void Battle::NewGame() {
  light_ = 2;
  clock_ = 300;
  dayTimer_ = 5000;
  item1_ = -1;
  item2_ = -1;
  paused_ = 0;
  pace_ = 0.0f;
  seed_ = static_cast<std::uint32_t>(player_->Cash());
  frame_ = 0;
  state_ = 1;
  view_->Init(0, 50, 800, 600);
  actors::Rng.Seed(seed_);
  // Shown at once while the new street loads.
  if (Vorel.ViewLock()) {
    Vorel.DrawMasked(250, 350, images_[kLoading]);
    Vorel.ViewUnlock();
    Vorel.ViewUpdate();
  }
  SetUpStage("STAGE1.IN", false);
  FollowPlayer(*view_, *player_);
  PlaySound(kThumpSound);
}

}  // namespace game::battle
