// Battle.h -- the single-player street game: one performer, working days of 5000 frames, the
// clock, a count-down, and the game-over screen from which a new game starts.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "engine/graphics/Image.h"
#include "game/battle/StreetMode.h"

namespace game::battle {

class Battle : public StreetMode {
 public:
  Battle() = default;

  // Called once by the game shell when the single-player button is clicked.
  void Start(std::uint32_t seed);
  // One frame of rules with the character typed in it (0 for none).
  void Run(std::int8_t key);
  // One frame of drawing into the locked back buffer.
  void Draw();

  // Queries for the trace and tests.
  std::uint8_t Paused() const { return paused_; }
  std::int32_t Light() const { return light_; }
  std::int32_t Frame() const { return frame_; }
  std::int32_t Clock() const { return clock_; }
  std::uint32_t State() const { return state_; }
  std::int32_t DayTimer() const { return dayTimer_; }
  std::uint32_t Seed() const { return seed_; }
  const actors::Player* GetPlayer() const { return player_.get(); }
  const actors::View* GetView() const { return view_.get(); }
  const actors::Performance* GetPerformance() const { return performance_.get(); }
  const actors::Dance* GetDance() const { return dance_.get(); }
  const std::array<engine::graphics::Image, 40>& Images() const { return images_; }

 private:
  void LoadImages();
  void SetUpStage(const char* stageName, bool firstTime);
  void NewInterests(std::uint32_t s) { StreetMode::NewInterests(s); }
  void Play(std::int8_t key);
  void EndOfDay();
  void NewGame();
  void DrawHud();
  void DrawStreet();

  std::uint8_t paused_ = 0;
  std::int32_t light_ = 0;
  std::int32_t frame_ = 0;
  std::int32_t clock_ = 0;
  std::uint32_t state_ = 0;
  std::int32_t dayTimer_ = 0;
  std::uint32_t seed_ = 0;
  std::array<engine::graphics::Image, 40> images_;
  std::unique_ptr<actors::View> view_;
  std::unique_ptr<actors::Player> player_;
  std::unique_ptr<actors::Performance> performance_;
  std::unique_ptr<actors::Dance> dance_;
};

}  // namespace game::battle
