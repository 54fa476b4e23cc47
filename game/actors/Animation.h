// Animation.h -- what every actor on the street shares: its state, the picture shown, the
// update counter, the animation rows that step pictures, and the loading of frame files.
#pragma once

#include <cstdint>
#include <span>

#include "engine/graphics/Image.h"

namespace game::actors {

// One state's slice of an actor's frame array.
struct AnimRow {
  std::int32_t first_img = 0;
  std::int32_t num_img = 0;
  std::int32_t img_time = 10;
  std::int32_t nextState = 0;
};

// The hobo's teaching row returns to the state saved when the lesson began.
inline constexpr std::int32_t kSavedState = -1;

enum class ActorType : std::uint8_t { kNormal, kThief, kHobo, kPlayer };

// The row of (type, state), or null when that state has none.
const AnimRow* RowFor(ActorType type, std::int32_t state);

class Actor {
 public:
  virtual ~Actor() = default;

  // Starts state s at its first picture; a state without a row keeps the picture.
  void SetState(std::int32_t s);
  // The frame step, once per update: the next picture every img_time updates, and at the end
  // of the slice the row's next state (or the slice again when it loops).
  void Animate(std::int32_t s);

  std::int32_t state = 0;
  std::int32_t cur_img = 0;
  std::int32_t ticks = 0;

 protected:
  virtual ActorType AnimationType() const = 0;
  // The state a row leads to; the hobo resolves kSavedState.
  virtual std::int32_t NextState(const AnimRow& row) const { return row.nextState; }
  // Called by SetState after the state changed.
  virtual void OnStateSet(std::int32_t /*s*/) {}
};

// A group of numbered frame files: pattern holds one "%03d" for the number 0 .. count - 1.
struct FrameGroup {
  const char* pattern;
  std::int32_t count;
  std::int32_t firstSlot;
};

// Loads every group, in order, through one ImageFile into frames; slots outside the array are
// skipped. Names longer than the loader's 99 characters cannot occur with the game's patterns.
void LoadFrames(std::span<const FrameGroup> groups, std::span<engine::graphics::Image> frames,
                std::uint8_t use);

// Thin drawing helpers: the engine's plain and masked draw at (x, y).
int DrawPlainAt(int x, int y, const engine::graphics::Image& image);
int DrawMaskedAt(int x, int y, const engine::graphics::Image& image);

}  // namespace game::actors
