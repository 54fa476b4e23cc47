// StreetList.cpp -- release by time, depth order, dropping those that left the street, and the
// searches around the performer.
#include "game/actors/StreetList.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace game::actors {

namespace {

// |c - centre| worked out in double and kept as a float, as every search compares it.
float DistanceTo(std::int32_t c, const Bypasser& b) {
  const double d = static_cast<double>(static_cast<float>(c)) - static_cast<double>(b.CentreX());
  return static_cast<float>(std::fabs(d));
}

// The nearest passer-by that qualifies within limit; the later of two at equal distance wins.
template <typename Qualifies>
Bypasser* Nearest(const std::list<Bypasser*>& active, std::int32_t c, float limit,
                  Qualifies qualifies) {
  float best = limit;
  Bypasser* result = nullptr;
  for (Bypasser* b : active) {
    const float d = DistanceTo(c, *b);
    if (qualifies(*b) && d <= best) {
      best = d;
      result = b;
    }
  }
  return result;
}

// Whether a passer-by has walked off either end. Positions are truncated toward zero in the
// float domain, which also keeps huge or odd values away from undefined conversions.
bool HasLeft(const Bypasser& b, std::int32_t rightLimit) {
  return std::trunc(b.RightEdge()) < 0.0f ||
         static_cast<double>(std::trunc(b.X())) > static_cast<double>(rightLimit);
}

}  // namespace

void StreetList::Init(std::int32_t rightLimit) {
  active_.clear();
  pending_.clear();
  owned_.clear();
  rightLimit_ = rightLimit;
  clock_ = 0;
}

void StreetList::Add(std::unique_ptr<Bypasser> bypasser, std::int32_t time) {
  if (!bypasser) return;
  Bypasser* b = bypasser.get();
  owned_.push_back(std::move(bypasser));
  const auto at = std::find_if(pending_.begin(), pending_.end(),
                               [time](const Pending& p) { return p.time >= time; });
  pending_.insert(at, Pending{b, time});
}

void StreetList::Advance(float pace) {
  ++clock_;

  // Release: a newcomer goes in front of those at the same depth.
  while (!pending_.empty() && pending_.front().time <= clock_) {
    Bypasser* b = pending_.front().bypasser;
    pending_.pop_front();
    const float yi = std::trunc(b->Y());
    const auto at = std::find_if(active_.begin(), active_.end(),
                                 [yi](const Bypasser* other) { return other->Y() >= yi; });
    active_.insert(at, b);
  }

  // Drop: a dropped passer-by stays owned until the next Init, since a performance may still
  // hold it.
  active_.remove_if([this](const Bypasser* b) { return HasLeft(*b, rightLimit_); });

  for (Bypasser* b : active_)
    b->Update(pace);
}

Bypasser* StreetList::NearestAvailable(std::int32_t c) const {
  return Nearest(active_, c, 50.0f, [](const Bypasser& b) { return b.IsAvailable(); });
}

Bypasser* StreetList::NearestThief(std::int32_t c) const {
  return Nearest(active_, c, 10.0f,
                 [](const Bypasser& b) { return b.Type() == kThief && !b.HasStolen(); });
}

Bypasser* StreetList::NearestHobo(std::int32_t c) const {
  return Nearest(active_, c, 50.0f,
                 [](const Bypasser& b) { return b.Type() == kHobo && b.Selling(); });
}

std::vector<Bypasser*> StreetList::AvailableWithin(std::int32_t c, std::int32_t radius) const {
  std::vector<Bypasser*> within;
  for (Bypasser* b : active_) {
    if (b->IsAvailable() && static_cast<double>(DistanceTo(c, *b)) <= static_cast<double>(radius))
      within.push_back(b);
  }
  return within;
}

}  // namespace game::actors
