// Animation.cpp -- the animation rows of every actor type, the frame step, and frame loading.
#include "game/actors/Animation.h"

#include <array>
#include <cstdio>

#include "engine/core/Engine.h"
#include "engine/graphics/ImageFile.h"

namespace game::actors {

namespace {

// A row per state; states without a row have num_img 0.
struct RowTable {
  const AnimRow* rows;
  std::int32_t count;
};

constexpr AnimRow kNone{0, 0, 10, 0};

constexpr std::array<AnimRow, 5> kNormalRows = {{
    {0, 3, 10, 0},   // stands and watches
    {3, 4, 10, 1},   // walks left
    {7, 4, 10, 2},   // walks right
    {11, 4, 10, 1},  // pays while walking left
    {15, 4, 10, 2},  // pays while walking right
}};

constexpr std::array<AnimRow, 4> kThiefRows = {{
    {0, 4, 10, 0},   // walks left
    {4, 4, 10, 1},   // walks right
    {8, 4, 10, 2},   // runs left
    {12, 4, 10, 3},  // runs right
}};

constexpr std::array<AnimRow, 3> kHoboRows = {{
    {0, 4, 10, 0},            // walks left
    {4, 4, 10, 1},            // walks right
    {8, 6, 10, kSavedState},  // teaches
}};

constexpr std::array<AnimRow, 37> kPlayerRows = {{
    {0, 3, 10, 0},     // 0 stands
    {3, 4, 10, 1},     // 1 walks left
    {7, 4, 10, 2},     // 2 walks right
    kNone,             // 3
    kNone,             // 4
    {11, 12, 10, 0},   // 5 falls, facing left
    {23, 12, 10, 0},   // 6 falls, facing right
    kNone,             // 7 asks to perform
    {3, 4, 10, 8},     // 8 follows left
    {7, 4, 10, 9},     // 9 follows right
    kNone,             // 10 stops performing
    kNone,             // 11 offers begging
    {35, 4, 10, 14},   // 12 begins begging, left
    {39, 4, 10, 15},   // 13 begins begging, right
    {43, 4, 10, 14},   // 14 begs, left
    {47, 4, 10, 15},   // 15 begs, right
    kNone,             // 16 offers singing
    {51, 4, 10, 19},   // 17 begins singing, left
    {55, 4, 10, 20},   // 18 begins singing, right
    {59, 4, 10, 19},   // 19 sings, left
    {63, 4, 10, 20},   // 20 sings, right
    kNone,             // 21 offers the rabbit trick
    {67, 4, 10, 24},   // 22 begins the rabbit trick, left
    {71, 4, 10, 25},   // 23 begins the rabbit trick, right
    {75, 4, 10, 24},   // 24 does the rabbit trick, left
    {79, 4, 10, 25},   // 25 does the rabbit trick, right
    kNone,             // 26 asks to dance
    {83, 3, 10, 27},   // 27 dance ready
    {86, 3, 10, 29},   // 28 begins dance move 1
    {89, 3, 10, 29},   // 29 dance move 1
    {92, 3, 10, 31},   // 30 begins dance move 2
    {95, 3, 10, 31},   // 31 dance move 2
    {98, 3, 10, 33},   // 32 begins dance move 3
    {101, 3, 10, 33},  // 33 dance move 3
    kNone,             // 34 stops dancing
    {108, 4, 10, 0},   // 35 pushes to the right
    {104, 4, 10, 0},   // 36 pushes to the left
}};

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
