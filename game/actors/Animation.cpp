// Animation.cpp -- the animation rows of every actor type, the frame step, and frame loading.
#include "game/actors/Animation.h"

#include <array>
#include <cstdio>

#include "engine/core/Engine.h"
#include "engine/graphics/ImageFile.h"
#include "game/actors/States.h"

namespace game::actors {

namespace {

// A row per state; states without a row have num_img 0.
struct RowTable {
  const AnimRow* rows;
  std::int32_t count;
};

struct StateRow {
  std::int32_t state;
  AnimRow row;
};

// The rows laid out by state number; a state that is not listed has no row.
template <std::size_t N, std::size_t M>
constexpr std::array<AnimRow, N> ByState(const StateRow (&rows)[M]) {
  std::array<AnimRow, N> table{};
  for (const StateRow& r : rows) {
    table[static_cast<std::size_t>(r.state)] = r.row;
  }
  return table;
}

namespace n = normal;
namespace t = thief;
namespace h = hobo;
namespace p = player;

constexpr StateRow kNormalList[] = {
    {n::kWatch, {0, 3, 10, n::kWatch}},         {n::kWalkLeft, {3, 4, 10, n::kWalkLeft}},
    {n::kWalkRight, {7, 4, 10, n::kWalkRight}}, {n::kPayLeft, {11, 4, 10, n::kWalkLeft}},
    {n::kPayRight, {15, 4, 10, n::kWalkRight}},
};

constexpr StateRow kThiefList[] = {
    {t::kWalkLeft, {0, 4, 10, t::kWalkLeft}},
    {t::kWalkRight, {4, 4, 10, t::kWalkRight}},
    {t::kRunLeft, {8, 4, 10, t::kRunLeft}},
    {t::kRunRight, {12, 4, 10, t::kRunRight}},
};

constexpr StateRow kHoboList[] = {
    {h::kWalkLeft, {0, 4, 10, h::kWalkLeft}},
    {h::kWalkRight, {4, 4, 10, h::kWalkRight}},
    {h::kTeach, {8, 6, 10, kSavedState}},
};

// The one-update signals (asking, offering, stopping) have no row.
constexpr StateRow kPlayerList[] = {
    {p::kStand, {0, 3, 10, p::kStand}},
    {p::kWalkLeft, {3, 4, 10, p::kWalkLeft}},
    {p::kWalkRight, {7, 4, 10, p::kWalkRight}},
    {p::kFallLeft, {11, 12, 10, p::kStand}},
    {p::kFallRight, {23, 12, 10, p::kStand}},
    {p::kFollowLeft, {3, 4, 10, p::kFollowLeft}},
    {p::kFollowRight, {7, 4, 10, p::kFollowRight}},
    {p::kBeginBeggingLeft, {35, 4, 10, p::kBegLeft}},
    {p::kBeginBeggingRight, {39, 4, 10, p::kBegRight}},
    {p::kBegLeft, {43, 4, 10, p::kBegLeft}},
    {p::kBegRight, {47, 4, 10, p::kBegRight}},
    {p::kBeginSingingLeft, {51, 4, 10, p::kSingLeft}},
    {p::kBeginSingingRight, {55, 4, 10, p::kSingRight}},
    {p::kSingLeft, {59, 4, 10, p::kSingLeft}},
    {p::kSingRight, {63, 4, 10, p::kSingRight}},
    {p::kBeginRabbitLeft, {67, 4, 10, p::kRabbitLeft}},
    {p::kBeginRabbitRight, {71, 4, 10, p::kRabbitRight}},
    {p::kRabbitLeft, {75, 4, 10, p::kRabbitLeft}},
    {p::kRabbitRight, {79, 4, 10, p::kRabbitRight}},
    {p::kDanceReady, {83, 3, 10, p::kDanceReady}},
    {p::kBeginMove1, {86, 3, 10, p::kMove1}},
    {p::kMove1, {89, 3, 10, p::kMove1}},
    {p::kBeginMove2, {92, 3, 10, p::kMove2}},
    {p::kMove2, {95, 3, 10, p::kMove2}},
    {p::kBeginMove3, {98, 3, 10, p::kMove3}},
    {p::kMove3, {101, 3, 10, p::kMove3}},
    {p::kPushRight, {108, 4, 10, p::kStand}},
    {p::kPushLeft, {104, 4, 10, p::kStand}},
};

constexpr auto kNormalRows = ByState<5>(kNormalList);
constexpr auto kThiefRows = ByState<4>(kThiefList);
constexpr auto kHoboRows = ByState<3>(kHoboList);
constexpr auto kPlayerRows = ByState<p::kStateCount>(kPlayerList);

RowTable TableFor(ActorType type) {
  switch (type) {
    case ActorType::kNormal:
      return {kNormalRows.data(), static_cast<std::int32_t>(kNormalRows.size())};
    case ActorType::kThief:
      return {kThiefRows.data(), static_cast<std::int32_t>(kThiefRows.size())};
    case ActorType::kHobo:
      return {kHoboRows.data(), static_cast<std::int32_t>(kHoboRows.size())};
    case ActorType::kPlayer:
      return {kPlayerRows.data(), static_cast<std::int32_t>(kPlayerRows.size())};
  }
  return {nullptr, 0};
}

}  // namespace

const AnimRow* RowFor(ActorType type, std::int32_t state) {
  const RowTable table = TableFor(type);
  if (state < 0 || state >= table.count || table.rows[state].num_img == 0) return nullptr;
  return &table.rows[state];
}

void Actor::SetState(std::int32_t s) {
  if (const AnimRow* row = RowFor(AnimationType(), s)) cur_img = row->first_img;
  state = s;
  OnStateSet(s);
}

void Actor::Animate(std::int32_t s) {
  const AnimRow* row = RowFor(AnimationType(), s);
  if (row == nullptr || ticks % row->img_time != 0) return;
  ++cur_img;
  if (cur_img != row->first_img + row->num_img) return;
  const std::int32_t next = NextState(*row);
  if (state != next) {
    SetState(next);
  } else {
    cur_img = row->first_img;
  }
}

void LoadFrames(std::span<const FrameGroup> groups, std::span<engine::graphics::Image> frames,
                std::uint8_t use) {
  engine::graphics::ImageFile imgext;
  for (const FrameGroup& group : groups) {
    for (std::int32_t i = 0; i < group.count; ++i) {
      const std::int32_t slot = group.firstSlot + i;
      if (slot < 0 || static_cast<std::size_t>(slot) >= frames.size()) continue;
      std::array<char, 100> tiffile{};
      std::snprintf(tiffile.data(), tiffile.size(), group.pattern, static_cast<int>(i));
      imgext.Load(tiffile.data(), frames[static_cast<std::size_t>(slot)], use);
    }
  }
}

int DrawPlainAt(int x, int y, const engine::graphics::Image& image) {
  return Vorel.DrawPlain(x, y, image);
}

int DrawMaskedAt(int x, int y, const engine::graphics::Image& image) {
  return Vorel.DrawMasked(x, y, image);
}

}  // namespace game::actors
