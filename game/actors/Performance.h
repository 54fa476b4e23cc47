// Performance.h -- ties the performer to one Normal passer-by: as a one-to-one performance
// (follow, judge the offer, pay by the schedule) or as one member of a dance's audience.
#pragma once

#include <array>
#include <cstdint>

#include "engine/sound/SoundX.h"

namespace game::actors {

class Bypasser;
class PaySchedule;
class Player;

class Performance {
 public:
  bool IsActive() const { return player_ && bypasser_ && schedule_; }

  // One-to-one performance.
  void Begin(Player* player, Bypasser* bypasser, float pace);
  // choice 0 begging, 1 singing, 2 rabbit trick; interest[k - 1] is what kind k wants today.
  void Judge(std::int32_t choice, const std::array<std::int32_t, 4>& interest,
             engine::sound::SoundX& wrongSound);
  void Step(engine::sound::SoundX& cashSound);
  void End();

  // Audience member of a dance.
  void Join(Player* player, Bypasser* bypasser, std::int32_t favourite, std::int32_t tolerated);
  // move 0 (none), 1, 2 or 3.
  void Watch(std::int32_t move);
  void Pay(engine::sound::SoundX& cashSound);
  void Leave();

  Player* GetPlayer() const { return player_; }
  Bypasser* GetBypasser() const { return bypasser_; }
  PaySchedule* GetSchedule() const { return schedule_; }
  std::int32_t Direction() const { return direction_; }
  std::int32_t Favourite() const { return favourite_; }
  std::int32_t Tolerated() const { return tolerated_; }
  std::int32_t SavedState() const { return savedState_; }

 private:
  void Clear();

  Player* player_ = nullptr;
  Bypasser* bypasser_ = nullptr;
  PaySchedule* schedule_ = nullptr;
  std::int32_t direction_ = 0;
  std::int32_t favourite_ = 0;
  std::int32_t tolerated_ = 0;
  std::int32_t savedState_ = 0;
};

}  // namespace game::actors
