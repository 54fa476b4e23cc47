// StreetMode.cpp -- the rules and drawing both street modes share.
#include "game/battle/StreetMode.h"

#include <algorithm>
#include <cmath>

#include "engine/core/Engine.h"
#include "game/actors/Random.h"

namespace game::battle {

using actors::Bypasser;
using actors::Dance;
using actors::Performance;
using actors::Player;
using actors::Rng;

namespace {

// The searches take the performer's centre truncated to an integer.
std::int32_t Centre(const Player& player) {
  return static_cast<std::int32_t>(player.CentreX());
}

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

std::int32_t StreetMode::SoundIndexOf(const engine::sound::SoundX& sound) const {
  for (std::size_t i = 0; i < sounds_.size(); ++i) {
    if (&sounds_[i] == &sound) return static_cast<std::int32_t>(i);
  }
  return -1;
}

void StreetMode::BeginFrame() {
  spawned_.clear();
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
      normal->InitNormal(fromLeft ? -100 : kWorldWidth, y, speed, a1 + a2 + a3, fromLeft ? 2 : 1,
                         std::move(schedule), favourite, tolerated, interest, kind);
      record(*normal, release);
      street_->Add(std::move(normal), release);
    }
    if (i % layout.thiefEvery == 0) {
      const bool fromLeft = Rng.Below(2) == 0;
      const float speed = DrawSpeed();
      const std::int32_t y = layout.yBase + Rng.Below(40);
      auto thief = std::make_unique<Bypasser>();
      thief->InitThief(fromLeft ? -100 : kWorldWidth, y, speed, fromLeft ? 1 : 0);
      record(*thief, release);
      street_->Add(std::move(thief), release);
    }
    if (i % layout.hoboEvery == 0) {
      const bool fromLeft = Rng.Below(2) == 0;
      const std::int32_t price = Rng.Below(5) * 500 + 1000;
      const float speed = DrawSpeed();
      const std::int32_t y = layout.yBase + Rng.Below(40);
      auto hobo = std::make_unique<Bypasser>();
      hobo->InitHobo(fromLeft ? -100 : kWorldWidth, y, speed, fromLeft ? 1 : 0, price);
      record(*hobo, release);
      street_->Add(std::move(hobo), release);
    }
  }
  return count;
}

bool StreetMode::React(Player& player, Performance& performance, Dance& dance) {
  switch (player.state) {
    case 7:
      if (Bypasser* near = street_->NearestAvailable(Centre(player))) {
        performance.Begin(&player, near, pace_);
      }
      return false;
    case 10:
      performance.End();
      player.SetState(0);
      return false;
    case 11:
      performance.Judge(0, interest_, sounds_[kWrongSound]);
      return false;
    case 16:
      performance.Judge(1, interest_, sounds_[kWrongSound]);
      return false;
    case 21:
      performance.Judge(2, interest_, sounds_[kWrongSound]);
      return false;
    case 14:
    case 15:
    case 19:
    case 20:
    case 24:
    case 25:
      performance.Step(sounds_[kCashSound]);
      return true;
    case 26: {
      const std::vector<Bypasser*> audience = street_->AvailableWithin(Centre(player), 200);
      if (!audience.empty()) {
        player.SetState(27);
        dance.Begin(&player, audience, 1000, sounds_[kGongSound]);
      }
      return false;
    }
    case 27:
    case 28:
    case 30:
    case 32:
      dance.Step(0, sounds_[kCashSound]);
      return false;
    case 29:
      dance.Step(1, sounds_[kCashSound]);
      return false;
    case 31:
      dance.Step(2, sounds_[kCashSound]);
      return false;
    case 33:
      dance.Step(3, sounds_[kCashSound]);
      return false;
    case 34:
      dance.Cancel();
      player.SetState(0);
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
    case 0:
    case 8:
    case 9:
    case 14:
    case 15:
    case 19:
    case 20:
    case 24:
    case 25:
      break;
    case 35:
    case 36:
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
  if (thief->state == 1) {
    thief->SetState(3);
  } else if (thief->state == 0) {
    thief->SetState(2);
  }
  thief->SetSpeed(6.0f);
  thief->SetHasStolen(true);
}

void StreetMode::BuyDance(Player& player) {
  Bypasser* hobo = street_->NearestHobo(Centre(player));
  if (hobo == nullptr || player.KnowsDance() || player.Cash() < hobo->Price()) return;
  hobo->SetSavedState(hobo->state);
  hobo->SetState(2);
  // A teaching hobo sells nothing until it walks on, or a second sale would make it teach for
  // ever; walking again offers lessons once more.
  hobo->SetSelling(false);
  player.TakeCash(hobo->Price());
  player.SetKnowsDance(true);
  PlaySound(kSpinSound);
}

void StreetMode::EndPerformanceOnDayEnd(Player& player, Performance& performance) {
  switch (player.state) {
    case 7:
    case 8:
    case 9:
    case 10:
    case 11:
    case 14:
    case 15:
    case 16:
    case 19:
    case 20:
    case 21:
    case 24:
    case 25:
      performance.End();
      player.SetState(0);
      break;
    default:
      break;
  }
}

void StreetMode::FollowPlayer(actors::View& view, const Player& player) {
  const float c = player.CentreX();
  const std::int32_t w = view.Width();
  const std::int32_t l = player.WorldWidth();
  if (c <= static_cast<float>(w / 2)) {
    view.SetScrollX(0.0f);
  } else if (c >= static_cast<float>((l - w) + w / 2)) {
    view.SetScrollX(static_cast<float>(l - w));
  } else {
    view.SetScrollX(c - static_cast<float>(w / 2));
  }
}

namespace {

// The screen position of a street point, truncated to whole pixels.
std::pair<int, int> OnScreen(const actors::View& view, float x, float y) {
  return {static_cast<int>(x - view.ScrollX() + view.ScreenX()),
          static_cast<int>(y - view.ScrollY() + view.ScreenY())};
}

}  // namespace

void StreetMode::DrawPlayer(const Player& player, const actors::View& view) {
  if (!view.IsVisible(player.X(), player.Y(), 100, 100)) return;
  const auto [x, y] = OnScreen(view, player.X(), player.Y());
  player.Draw(x, y);
}

void StreetMode::DrawBypassers(const actors::View& view) const {
  for (const Bypasser* bypasser : street_->Active()) {
    if (!view.IsVisible(bypasser->X(), bypasser->Y(), 100, 100)) continue;
    const auto [x, y] = OnScreen(view, bypasser->X(), bypasser->Y());
    bypasser->Draw(x, y);
  }
}

void StreetMode::DrawCash(std::int32_t cash, std::int32_t sx, std::int32_t sy,
                          std::span<const engine::graphics::Image, 10> digits) {
  std::int32_t v = std::max(cash, 0);
  for (std::int32_t n = 10; n >= 1; --n) {
    Vorel.DrawPlain(sx + 25 * n, sy, digits[static_cast<std::size_t>(v % 10)]);
    v /= 10;
  }
}

void StreetMode::DrawClock(const engine::graphics::Image& face,
                           const engine::graphics::Image& longHand,
                           const engine::graphics::Image& shortHand,
                           engine::graphics::Image& longTurned,
                           engine::graphics::Image& shortTurned, float longAngle, float shortAngle,
                           std::int32_t x, std::int32_t y) {
  longHand.Rotate(&longTurned, longAngle, 1.0f);
  shortHand.Rotate(&shortTurned, shortAngle, 1.0f);
  Vorel.DrawMasked(x, y, face);
  Vorel.DrawMasked(x, y, longTurned);
  Vorel.DrawMasked(x, y, shortTurned);
}

}  // namespace game::battle
