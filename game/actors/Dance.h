// Dance.h -- a performer who owns a lesson dances for every passer-by within reach; those who
// stay to the end pay everything they carry.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/sound/SoundX.h"
#include "game/actors/Performance.h"

namespace game::actors {

class Bypasser;
class Player;

class Dance {
 public:
  // candidates in walking-queue order; frames 1000 in the game.
  void Begin(Player* player, const std::vector<Bypasser*>& candidates, std::int32_t frames,
             engine::sound::SoundX& gongSound);
  // move 0 for the dance-ready and lead-in states, else 1..3.
  void Step(std::int32_t move, engine::sound::SoundX& cashSound);
  void Cancel();

  const std::vector<Performance>& Audience() const { return audience_; }
  Player* GetPlayer() const { return player_; }
  std::int32_t FramesLeft() const { return framesLeft_; }

 private:
  void Finish(engine::sound::SoundX& cashSound);

  std::vector<Performance> audience_;  // in the order the members were gathered
  Player* player_ = nullptr;
  std::int32_t framesLeft_ = 0;
};

}  // namespace game::actors
