// Battle2.h -- the two-player street game: two performers on one street, each in a view of its
// own, pushing each other, rewarded for pleasing all four kinds, until the richer one wins.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "engine/graphics/Image.h"
#include "game/street/StreetMode.h"

namespace game::battle2 {

class Battle2 : public street::StreetMode {
 public:
  Battle2() = default;

  // Called once by the game shell when the two-player button is clicked.
  void Start(std::uint32_t seed);
  // One frame of rules with what both players hold and typed in it.
  void Run(const actors::FrameInput& input);
  // Draws one frame; a game whose clock has run out ends here, after its last frame of play.
  void Draw();

  // Queries for the trace and tests.
  const actors::Player* GetPlayer(int number) const {
    return number == 1 ? player1_.get() : player2_.get();
  }
  const actors::View* GetView(int number) const {
    return number == 1 ? view1_.get() : view2_.get();
  }
  const std::array<engine::graphics::Image, 42>& Images() const { return images_; }

 private:
  void OpenStreet(bool firstGame) override;
  void FreezePerformers() override;
  void Play(const actors::FrameInput& input) override;
  void NewGame() override;
  void SetUpStage(const char* stageName, bool firstTime);
  void PlayerStep(const actors::FrameInput& input, actors::Player& player,
                  actors::Performance& performance, actors::Dance& dance);
  void Push(std::int8_t key, actors::Player& pusher);
  void Reckoning();
  void StartViews();
  void DrawView(const actors::View& view, const actors::Player& followed, bool items);
  void DrawStreet(const actors::View& view);
  void DrawHud(const actors::Player& player, const actors::View& view);

  std::array<engine::graphics::Image, 42> images_;
  std::unique_ptr<actors::View> view1_, view2_;
  std::unique_ptr<actors::Player> player1_, player2_;
  std::unique_ptr<actors::Performance> performance1_, performance2_;
  std::unique_ptr<actors::Dance> dance1_, dance2_;
};

}  // namespace game::battle2
