// StreetList.h -- the passers-by of one street: those waiting for their release time, and those
// walking it in depth order, with the searches the street's rules make around the performer.
#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <vector>

#include "game/actors/Bypasser.h"

namespace game::actors {

class StreetList {
 public:
  // A new street: both lists empty, clock 0. Passers-by of the previous street are released
  // only now, so nothing that still refers to one can reach freed memory.
  void Init(std::int32_t rightLimit);
  // Puts a new passer-by on the pending list, released at clock time.
  void Add(std::unique_ptr<Bypasser> bypasser, std::int32_t time);
  // One frame: count, release, drop those that left, update the rest.
  void Advance(float pace);

  // The walking queue, in drawing order.
  const std::list<Bypasser*>& Active() const { return active_; }
  std::int32_t PendingCount() const { return static_cast<std::int32_t>(pending_.size()); }
  std::int32_t Clock() const { return clock_; }
  std::int32_t RightLimit() const { return rightLimit_; }

  // c is the performer's centre, truncated by the caller. Ties go to the later passer-by.
  Bypasser* NearestAvailable(std::int32_t c) const;
  Bypasser* NearestThief(std::int32_t c) const;
  Bypasser* NearestHobo(std::int32_t c) const;
  // Every available passer-by within radius, in walking-queue order.
  std::vector<Bypasser*> AvailableWithin(std::int32_t c, std::int32_t radius) const;

 private:
  struct Pending {
    Bypasser* bypasser;
    std::int32_t time;
  };

  std::vector<std::unique_ptr<Bypasser>> owned_;  // every passer-by since Init
  std::list<Bypasser*> active_;
  std::list<Pending> pending_;
  std::int32_t rightLimit_ = 0;
  std::int32_t clock_ = 0;
};

}  // namespace game::actors
