// Battle.h -- the single-player street game: one performer, working days of 5000 frames, the
// clock, a count-down, and the game-over screen from which a new game starts.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "engine/graphics/Image.h"
#include "game/street/StreetMode.h"

namespace game::battle {

class Battle : public street::StreetMode {
 public:
  Battle() = default;

  // Called once by the game shell when the single-player button is clicked.
  void Start(std::uint32_t seed);
  // One frame of rules with what the player holds and typed in it.
  void Run(const actors::FrameInput& input);
  // One frame of drawing into the locked back buffer.
  void Draw();

  // Queries for the trace and tests.
  const actors::Player* GetPlayer() const { return player_.get(); }
  const actors::View* GetView() const { return view_.get(); }
  const actors::Performance* GetPerformance() const { return performance_.get(); }
  const actors::Dance* GetDance() const { return dance_.get(); }
  const std::array<engine::graphics::Image, 40>& Images() const { return images_; }

 private:
  void OpenStreet(bool firstGame) override;
  void FreezePerformers() override;
  void Play(const actors::FrameInput& input) override;
  void NewGame() override;
  void SetUpStage(const char* stageName, bool firstTime);
  void EndOfDay();
  void DrawHud();
  void DrawStreet();

  std::array<engine::graphics::Image, 40> images_;
  std::unique_ptr<actors::View> view_;
  std::unique_ptr<actors::Player> player_;
  std::unique_ptr<actors::Performance> performance_;
  std::unique_ptr<actors::Dance> dance_;
};

}  // namespace game::battle
