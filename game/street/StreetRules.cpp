// StreetRules.cpp -- the rules both street modes share: sounds and favourites, the count-down,
// the reactions to a performer's state, cash items, thefts and lessons.
#include <algorithm>
#include <cmath>

#include "engine/core/Engine.h"
#include "engine/graphics/ImageFile.h"
#include "game/actors/PlayerControls.h"
#include "game/actors/Random.h"
#include "game/actors/States.h"
#include "game/street/StreetMode.h"

namespace game::street {

using actors::Bypasser;
using actors::Dance;
using actors::Performance;
using actors::Player;
using actors::Rng;
using namespace actors::player;

namespace {

// The searches take the performer's centre truncated to an integer.
std::int32_t Centre(const Player& player) {
  return static_cast<std::int32_t>(player.CentreX());
}

}  // namespace

void StreetMode::RunState(const actors::FrameInput& input, std::int32_t scheme) {
  switch (state_) {
    case kStarting:
      frame_ = 0;
      state_ = kCountDown;
      OpenStreet(true);
      PlaySound(kThumpSound);
      break;
    case kCountDown:  // typed keys are ignored
      FreezePerformers();
      CountDown(seed_);
      break;
    case kPlaying:
      Play(input);
      break;
    case kGameOver:
      if (actors::Typed(scheme, actors::Binding::kPause, input.typed)) {
        NewGame();
        PlaySound(kThumpSound);
      }
      break;
    default:
      break;
  }
}

void StreetMode::NewClock(std::int32_t clock, std::int32_t dayTimer, std::uint32_t seed,
                          ModeState state) {
  light_ = 2;
  clock_ = clock;
  dayTimer_ = dayTimer;
  item1_ = -1;
  item2_ = -1;
  paused_ = 0;
  pace_ = 0.0f;
  seed_ = seed;
  frame_ = 0;
  state_ = state;
}

std::int32_t StreetMode::SoundIndexOf(const engine::sound::SoundX& sound) const {
  for (std::size_t i = 0; i < sounds_.size(); ++i) {
    if (&sounds_[i] == &sound) return static_cast<std::int32_t>(i);
  }
  return -1;
}

void StreetMode::LoadAssets(const ModePictures& pictures,
                            std::span<engine::graphics::Image> images) {
  engine::graphics::ImageFile loader;
  engine::graphics::Image& loading = images[pictures.at.loading];
  loader.Load(kLoadingFile, loading, engine::graphics::DRAW_MASKED);
  // On the screen while the rest loads, before the frame's own drawing.
  ShowLoading(loading, 250, 175);
  LoadPictures(pictures, images);
  LoadSounds();
}

void StreetMode::LoadSounds() {
  for (std::size_t i = 0; i < sounds_.size(); ++i)
    sounds_[i].Load(kSoundFiles[i]);
}

void StreetMode::PlaySound(std::int32_t index) {
  Vorel.StartSound(sounds_[static_cast<std::size_t>(index)], 0);
}

void StreetMode::PlayMusic() {
  Vorel.StartSoundVolumePan(sounds_[kMusic], 0, 0.5f, 0.0f);
}

void StreetMode::NewInterests(std::uint32_t s) {
  Rng.Seed(s);
  for (std::int32_t& favoured : interest_)
    favoured = Rng.Below(3);
}

void StreetMode::CountDown(std::uint32_t interestSeed) {
  if (frame_ % 300 == 0) {
    frame_ = 0;
    NewInterests(interestSeed);
    state_ = kPlaying;
    PlayMusic();
  } else if (frame_ % 100 == 0) {
    PlaySound(kThumpSound);
    light_ = std::max(light_ - 1, 0);
  }
}

bool StreetMode::React(Player& player, Performance& performance, Dance& dance) {
  switch (player.state) {
    case kAskToPerform:
      if (Bypasser* near = street_->NearestAvailable(Centre(player))) {
        performance.Begin(&player, near, pace_);
      }
      return false;
    case kStopPerforming:
      performance.End();
      player.SetState(kStand);
      return false;
    case kOfferBegging:
      performance.Judge(0, interest_, sounds_[kWrongSound]);
      return false;
    case kOfferSinging:
      performance.Judge(1, interest_, sounds_[kWrongSound]);
      return false;
    case kOfferRabbit:
      performance.Judge(2, interest_, sounds_[kWrongSound]);
      return false;
    case kBegLeft:
    case kBegRight:
    case kSingLeft:
    case kSingRight:
    case kRabbitLeft:
    case kRabbitRight:
      performance.Step(sounds_[kCashSound]);
      return true;
    case kAskToDance: {
      const std::vector<Bypasser*> audience = street_->AvailableWithin(Centre(player), 200);
      if (!audience.empty()) {
        player.SetState(kDanceReady);
        dance.Begin(&player, audience, 1000, sounds_[kGongSound]);
      }
      return false;
    }
    case kDanceReady:
    case kBeginMove1:
    case kBeginMove2:
    case kBeginMove3:
      dance.Step(0, sounds_[kCashSound]);
      return false;
    case kMove1:
      dance.Step(1, sounds_[kCashSound]);
      return false;
    case kMove2:
      dance.Step(2, sounds_[kCashSound]);
      return false;
    case kMove3:
      dance.Step(3, sounds_[kCashSound]);
      return false;
    case kStopDancing:
      dance.Cancel();
      player.SetState(kStand);
      return false;
    default:
      return false;
  }
}

void StreetMode::DropItems() {
  if (Rng.Below(6) == 0 && item1_ < 0) item1_ = 200 + Rng.Below(2100);
  // The second draw is taken whether or not the first slot was filled.
  if (Rng.Below(8) == 0 && item2_ < 0) item2_ = 200 + Rng.Below(2100);
}

void StreetMode::PickUpItems(Player& player, bool strict) {
  const double centre = static_cast<double>(player.X()) + 50.0;
  auto near = [&](std::int32_t item) {
    const double distance = std::abs(static_cast<double>(item) - centre);
    return strict ? distance < 5.0 : distance <= 5.0;
  };
  if (near(item1_)) {
    item1_ = -1;
    player.AddCash(20 + Rng.Below(30));
    PlaySound(kCashSound);
  }
  if (near(item2_)) {
    item2_ = -1;
    player.AddCash(10 + Rng.Below(40));
    PlaySound(kCashSound);
  }
}

void StreetMode::Rob(Player& player, bool pushStatesExposed, std::int32_t divisor) {
  switch (player.state) {
    case kStand:
    case kFollowLeft:
    case kFollowRight:
    case kBegLeft:
    case kBegRight:
    case kSingLeft:
    case kSingRight:
    case kRabbitLeft:
    case kRabbitRight:
      break;
    case kPushRight:
    case kPushLeft:
      if (pushStatesExposed) break;
      return;
    default:
      return;
  }
  Bypasser* thief = street_->NearestThief(Centre(player));
  if (thief == nullptr || player.Cash() <= 0) return;
  const std::int32_t cash = player.Cash();
  player.TakeCash(cash < 1000 ? 100 : cash / std::max(divisor, 1));
  PlaySound(kStealSound);
  if (thief->state == actors::thief::kWalkRight) {
    thief->SetState(actors::thief::kRunRight);
  } else if (thief->state == actors::thief::kWalkLeft) {
    thief->SetState(actors::thief::kRunLeft);
  }
  thief->SetSpeed(6.0f);
  thief->SetHasStolen(true);
}

void StreetMode::BuyDance(Player& player) {
  Bypasser* hobo = street_->NearestHobo(Centre(player));
  if (hobo == nullptr || player.KnowsDance() || player.Cash() < hobo->Price()) return;
  hobo->SetSavedState(hobo->state);
  hobo->SetState(actors::hobo::kTeach);
  // A teaching hobo sells nothing until it walks on, or a second sale would make it teach for
  // ever; walking again offers lessons once more.
  hobo->SetSelling(false);
  player.TakeCash(hobo->Price());
  player.SetKnowsDance(true);
  PlaySound(kSpinSound);
}

void StreetMode::EndPerformanceOnDayEnd(Player& player, Performance& performance) {
  switch (player.state) {
    case kAskToPerform:
    case kFollowLeft:
    case kFollowRight:
    case kStopPerforming:
    case kOfferBegging:
    case kBegLeft:
    case kBegRight:
    case kOfferSinging:
    case kSingLeft:
    case kSingRight:
    case kOfferRabbit:
    case kRabbitLeft:
    case kRabbitRight:
      performance.End();
      player.SetState(kStand);
      break;
    default:
      break;
  }
}

}  // namespace game::street
