// Battle2.h -- the two-player street game: two performers on one street, each in a view of its
// own, pushing each other, rewarded for pleasing all four kinds, until the richer one wins.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "engine/graphics/Image.h"
#include "game/battle/StreetMode.h"

namespace game::battle2 {

class Battle2 : public battle::StreetMode {
 public:
  Battle2() = default;

  // Called once by the game shell when the two-player button is clicked.
  void Start(std::int32_t seed);
  void Run(std::int8_t key);
  // Draws one frame; a game whose clock has run out ends here, after its last frame of play.
  void Draw();

  // Queries for the trace and tests.
  std::uint8_t Paused() const { return paused_; }
  std::int32_t Light() const { return light_; }
  std::int32_t Frame() const { return frame_; }
  std::int32_t Clock() const { return clock_; }
  std::uint32_t State() const { return state_; }
  std::int32_t DayTimer() const { return dayTimer_; }
  std::int32_t Seed() const { return seed_; }
  const actors::Player* GetPlayer(int number) const {
    return number == 1 ? player1_.get() : player2_.get();
  }
  const actors::View* GetView(int number) const {
    return number == 1 ? view1_.get() : view2_.get();
  }
  const std::array<engine::graphics::Image, 42>& Images() const { return images_; }

 private:
  void LoadImages();
  void SetUpStage(const char* stageName, bool firstTime);
  void Play(std::int8_t key);
  void PlayerStep(std::int8_t key, actors::Player& player, actors::Performance& performance,
                  actors::Dance& dance);
  void Push(std::int8_t key, actors::Player& pusher);
  void Reckoning();
  void NewGame();
  void StartViews();
  void DrawView(const actors::View& view, const actors::Player& followed, bool items);
  void DrawStreet(const actors::View& view);
  void DrawHud(const actors::Player& player, const actors::View& view);

  std::uint8_t paused_ = 0;
  std::int32_t light_ = 0;
  std::int32_t frame_ = 0;
  std::int32_t clock_ = 0;
  std::uint32_t state_ = 0;
  std::int32_t dayTimer_ = 0;
  std::int32_t seed_ = 0;
  std::array<engine::graphics::Image, 42> images_;
  std::unique_ptr<actors::View> view1_, view2_;
  std::unique_ptr<actors::Player> player1_, player2_;
  std::unique_ptr<actors::Performance> performance1_, performance2_;
  std::unique_ptr<actors::Dance> dance1_, dance2_;
};

}  // namespace game::battle2
