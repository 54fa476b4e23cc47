// Performance.cpp -- the performer beside one Normal passer-by: following it, the judged offer,
// the instalments of its schedule, and its part in a dance's audience.
#include "game/actors/Performance.h"

#include "engine/core/Engine.h"
#include "game/actors/Bypasser.h"
#include "game/actors/PaySchedule.h"
#include "game/actors/Player.h"
#include "game/actors/States.h"

namespace game::actors {

namespace {

using normal::kWalkLeft;
using normal::kWalkRight;

// The lead-in state of each performance, by the side the passer-by walks to.
constexpr std::int32_t kLeadIn[3][2] = {{player::kBeginBeggingLeft, player::kBeginBeggingRight},
                                        {player::kBeginSingingLeft, player::kBeginSingingRight},
                                        {player::kBeginRabbitLeft, player::kBeginRabbitRight}};

void PlayOnce(engine::sound::SoundX& sound) {
  Vorel.StartSound(sound, 0);
}

}  // namespace

void Performance::Clear() {
  player_ = nullptr;
  bypasser_ = nullptr;
  schedule_ = nullptr;
}

void Performance::Begin(Player* player, Bypasser* bypasser, float pace) {
  // The records of an earlier performance are not touched: after a new street they may be gone.
  Clear();
  if (player == nullptr || bypasser == nullptr) return;
  player_ = player;
  bypasser_ = bypasser;
  bypasser->SetEngaged(true);
  // The performer keeps step with a passer-by hurried by the street's pace.
  player->SetFollowSpeed(bypasser->Speed() + pace);
  if (bypasser->state == kWalkLeft) {
    direction_ = kWalkLeft;
    player->SetState(player::kFollowLeft);
  } else if (bypasser->state == kWalkRight) {
    direction_ = kWalkRight;
    player->SetState(player::kFollowRight);
  }
  schedule_ = bypasser->Schedule();
  // A passer-by resumes where its last performance stopped.
  if (schedule_ != nullptr) schedule_->SetProgress(static_cast<float>(bypasser->Progress()));
}

void Performance::Judge(std::int32_t choice, const std::array<std::int32_t, 4>& interest,
                        engine::sound::SoundX& wrongSound) {
  if (!IsActive()) return;
  const std::int32_t kind = bypasser_->Kind();
  // A kind outside the table wants nothing, so every offer is wrong.
  const std::int32_t currInterest =
      kind >= 1 && kind <= 4 ? interest[static_cast<std::size_t>(kind - 1)] : -1;
  if (choice == currInterest && choice >= 0 && choice <= 2) {
    player_->SetState(kLeadIn[choice][direction_ == kWalkRight ? 1 : 0]);
    return;
  }
  PlayOnce(wrongSound);
  player_->SetState(direction_ == kWalkLeft ? player::kFallLeft : player::kFallRight);
  player_->TakeCash(20);
  End();
}

void Performance::Step(engine::sound::SoundX& cashSound) {
  if (!IsActive()) return;
  // Computed in double, handed over as a float: 1.0 at level 0, 2.25 at level 5.
  schedule_->AddProgress(static_cast<float>(player_->Level() * 0.25 + 1.0));
  // At most one instalment per update, however far the progress has run.
  if (!schedule_->IsDue()) return;
  const std::int32_t kind = bypasser_->Kind();
  if (!player_->KindFlag(kind)) player_->SetKindFlag(kind, true);
  const std::int32_t amount = schedule_->PopAmount();
  bypasser_->TakeCash(amount);
  if (direction_ == kWalkLeft) {
    bypasser_->SetState(normal::kPayLeft);
    PlayOnce(cashSound);
  } else if (direction_ == kWalkRight) {
    bypasser_->SetState(normal::kPayRight);
    PlayOnce(cashSound);
  }
  player_->AddCash(amount);
  if (!schedule_->HasSteps()) {
    player_->SetState(player::kStand);
    End();
  }
}

void Performance::End() {
  if (!IsActive()) return;
  bypasser_->SetEngaged(false);
  // Truncated toward zero; the next performance for this passer-by resumes from here.
  bypasser_->SetProgress(static_cast<std::int32_t>(schedule_->Progress()));
  Clear();
}

void Performance::Join(Player* player, Bypasser* bypasser, std::int32_t favourite,
                       std::int32_t tolerated) {
  Clear();
  if (player == nullptr || bypasser == nullptr) return;
  player_ = player;
  bypasser_ = bypasser;
  favourite_ = favourite;
  tolerated_ = tolerated;
  savedState_ = bypasser->state;
  bypasser->SetEngaged(true);
  bypasser->SetWatching(true);
  bypasser->SetState(normal::kWatch);
  schedule_ = bypasser->Schedule();
}

void Performance::Watch(std::int32_t move) {
  if (!IsActive()) return;
  if (move == favourite_) {
    bypasser_->AddInterest(0.15f);
  } else if (move != tolerated_) {
    bypasser_->SubInterest(0.1f);
    if (bypasser_->Interest() == 0.0f) Leave();
  }
}

void Performance::Pay(engine::sound::SoundX& cashSound) {
  if (!IsActive()) return;
  // Everything it carries, whatever its schedule has already paid; the schedule stays as it is.
  const std::int32_t amount = bypasser_->Cash();
  bypasser_->TakeCash(amount);
  bypasser_->SetEngaged(false);
  bypasser_->SetWatching(false);
  if (savedState_ == kWalkLeft) {
    bypasser_->SetState(normal::kPayLeft);
    PlayOnce(cashSound);
  } else if (savedState_ == kWalkRight) {
    bypasser_->SetState(normal::kPayRight);
    PlayOnce(cashSound);
  }
  player_->AddCash(amount);
  Clear();
}

void Performance::Leave() {
  if (!IsActive()) return;
  bypasser_->SetEngaged(false);
  bypasser_->SetWatching(false);
  // It walks on the way it came.
  bypasser_->SetState(savedState_);
  Clear();
}

}  // namespace game::actors
