// GameShell.h -- the top of the game: the title screen, the ten rules pages, the buttons that
// choose a mode, and from then on every frame handed to the chosen street mode.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/graphics/Image.h"
#include "engine/platform/PadInput.h"
#include "game/actors/FrameInput.h"
#include "game/battle/Battle.h"
#include "game/battle2/Battle2.h"

namespace game::shell {

// A button of the title or the rules pages, its top-left corner and size.
struct Button {
  std::int32_t left, top, width, height;
};

class GameShell {
 public:
  void Init();
  void LoadImages();
  // The pictures LoadImages reads, in its order.
  static std::vector<std::string> PictureFiles();
  // A hit is strictly inside the rectangle: its edges do not count.
  static bool HitButton(std::int32_t x, std::int32_t y, std::int32_t left, std::int32_t top,
                        std::int32_t width, std::int32_t height);
  // One frame of the menu, or of the chosen mode, with the frame's input.
  void Run(const actors::FrameInput& input);
  void Draw();
  // What the gamepads do after this frame: choose between the page's buttons, or play the
  // chosen mode with a pad per player.
  engine::platform::PadControls PadControls() const;

  std::int32_t Page() const { return page_; }
  std::int32_t FrameCount() const { return frameCount_; }
  std::int32_t Mode() const { return mode_; }
  std::int32_t ClickDelay() const { return clickDelay_; }
  const battle::Battle& GetBattle() const { return battle_; }
  const battle2::Battle2& GetBattle2() const { return battle2_; }

 private:
  // The buttons shown on the page, none once a mode plays.
  std::span<const Button> PageButtons() const;

  std::int32_t page_ = 0;
  std::int32_t frameCount_ = 0;
  std::int32_t mode_ = 0;
  std::int32_t clickDelay_ = 0;
  engine::graphics::Image titleBackground_;
  engine::graphics::Image rulesBackground_;
  std::array<engine::graphics::Image, 10> rulesPages_;
  engine::graphics::Image previousButton_;
  engine::graphics::Image nextButton_;
  battle::Battle battle_;
  battle2::Battle2 battle2_;
};

// The program-wide game object.
extern GameShell Game;

}  // namespace game::shell
