// Dance.cpp -- the dance for a crowd: gathering the audience, moving each member's interest with
// the move shown, and the payment of those who stay to the end.
#include "game/actors/Dance.h"

#include "engine/core/Engine.h"
#include "game/actors/Bypasser.h"
#include "game/actors/Player.h"
#include "game/actors/States.h"

namespace game::actors {

void Dance::Begin(Player* player, const std::vector<Bypasser*>& candidates, std::int32_t frames,
                  engine::sound::SoundX& gongSound) {
  // The old audience is dropped untouched: its passers-by may be gone with an earlier street.
  audience_.clear();
  audience_.reserve(candidates.size());
  for (Bypasser* bypasser : candidates) {
    Performance& member = audience_.emplace_back();
    if (bypasser != nullptr)
      member.Join(player, bypasser, bypasser->Favourite(), bypasser->Tolerated());
  }
  player_ = player;
  framesLeft_ = frames;
  Vorel.StartSound(gongSound, 0);
}

void Dance::Step(std::int32_t move, engine::sound::SoundX& cashSound) {
  --framesLeft_;
  if (framesLeft_ <= 0) {
    Finish(cashSound);
    return;
  }
  for (Performance& member : audience_)
    member.Watch(move);
}

void Dance::Finish(engine::sound::SoundX& cashSound) {
  // Members that have left are inactive and pay nothing.
  for (Performance& member : audience_)
    member.Pay(cashSound);
  if (player_ == nullptr) return;
  player_->SetState(player::kStand);
  player_->SetKnowsDance(false);
}

void Dance::Cancel() {
  for (Performance& member : audience_)
    member.Leave();
  if (player_ != nullptr) player_->SetKnowsDance(false);
}

}  // namespace game::actors
