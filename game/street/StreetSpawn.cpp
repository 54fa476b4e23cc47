// StreetSpawn.cpp -- the street's population: a new street for each game, and the passers-by
// created in batches, with their draws from the generator in a fixed order, recorded for the
// trace.
#include <memory>

#include "game/actors/Random.h"
#include "game/actors/States.h"
#include "game/street/StreetMode.h"

namespace game::street {

using actors::Bypasser;
using actors::Dance;
using actors::Performance;
using actors::Rng;

namespace {

// speed := r(11) / 10 + 1, in single precision.
float DrawSpeed() {
  const std::int32_t tenths = Rng.Below(11);
  return static_cast<float>(tenths) / 10.0f + 1.0f;
}

}  // namespace

std::int32_t StreetMode::IdOf(const Bypasser* bypasser) const {
  const auto it = ids_.find(bypasser);
  return it == ids_.end() ? -1 : it->second;
}

void StreetMode::BeginFrame() {
  spawned_.clear();
}

void StreetMode::NewStreet(std::vector<Performance*> performances, std::vector<Dance*> dances) {
  // The old street's passers-by are released by the street list's Init below.
  for (Performance* performance : performances)
    *performance = Performance{};
  for (Dance* dance : dances)
    *dance = Dance{};
  if (!street_) street_ = std::make_unique<actors::StreetList>();
  street_->Init(kWorldWidth);
  ids_.clear();
  nextId_ = 0;
}

std::int32_t StreetMode::SpawnBypassers(std::int32_t releaseBase, std::int32_t count,
                                        const SpawnLayout& layout) {
  auto record = [&](const Bypasser& b, std::int32_t release) {
    SpawnRecord r;
    r.id = nextId_;
    ids_[&b] = nextId_++;
    r.type = b.Type();
    r.kind = b.Kind();
    r.x = b.X();
    r.y = b.Y();
    r.speed = b.Speed();
    r.state = b.state;
    r.cash = b.Cash();
    r.favourite = b.Favourite();
    r.tolerated = b.Tolerated();
    r.interest = b.Interest();
    r.price = b.Price();
    r.release = release;
    if (const actors::PaySchedule* schedule = b.Schedule()) {
      for (const actors::PayStep& step : schedule->Steps()) {
        r.schedule.emplace_back(step.amount, step.threshold);
      }
    }
    spawned_.push_back(std::move(r));
  };

  for (std::int32_t i = 0; i < count; ++i) {
    const std::int32_t release = releaseBase + i * 100;
    {
      // Every draw in its own statement: the order of draws decides the street.
      const std::int32_t a1 = 75 + Rng.Below(50);
      const std::int32_t a2 = 100 + Rng.Below(75);
      const std::int32_t a3 = 150 + Rng.Below(200);
      const std::int32_t t1 = 100 + Rng.Below(50);
      const std::int32_t d2 = 200 + Rng.Below(50);
      const std::int32_t d3 = 300 + Rng.Below(150);
      const bool fromLeft = Rng.Below(2) == 0;
      auto schedule = std::make_unique<actors::PaySchedule>();
      schedule->Add(a1, t1);
      schedule->Add(a2, t1 + d2);
      schedule->Add(a3, t1 + d2 + d3);
      const std::int32_t kind = 1 + Rng.Below(4);
      const std::int32_t interest = Rng.Below(50) + 25;
      const std::int32_t tolerated = Rng.Below(4);
      const std::int32_t favourite = 1 + Rng.Below(3);
      const float speed = DrawSpeed();
      const std::int32_t y = layout.yBase + Rng.Below(40);
      auto normal = std::make_unique<Bypasser>();
      normal->InitNormal(fromLeft ? -100 : kWorldWidth, y, speed, a1 + a2 + a3,
                         fromLeft ? actors::normal::kWalkRight : actors::normal::kWalkLeft,
                         std::move(schedule), favourite, tolerated, interest, kind);
      record(*normal, release);
      street_->Add(std::move(normal), release);
    }
    if (i % layout.thiefEvery == 0) {
      const bool fromLeft = Rng.Below(2) == 0;
      const float speed = DrawSpeed();
      const std::int32_t y = layout.yBase + Rng.Below(40);
      auto thief = std::make_unique<Bypasser>();
      thief->InitThief(fromLeft ? -100 : kWorldWidth, y, speed,
                       fromLeft ? actors::thief::kWalkRight : actors::thief::kWalkLeft);
      record(*thief, release);
      street_->Add(std::move(thief), release);
    }
    if (i % layout.hoboEvery == 0) {
      const bool fromLeft = Rng.Below(2) == 0;
      const std::int32_t price = Rng.Below(5) * 500 + 1000;
      const float speed = DrawSpeed();
      const std::int32_t y = layout.yBase + Rng.Below(40);
      auto hobo = std::make_unique<Bypasser>();
      hobo->InitHobo(fromLeft ? -100 : kWorldWidth, y, speed,
                     fromLeft ? actors::hobo::kWalkRight : actors::hobo::kWalkLeft, price);
      record(*hobo, release);
      street_->Add(std::move(hobo), release);
    }
  }
  return count;
}

}  // namespace game::street
