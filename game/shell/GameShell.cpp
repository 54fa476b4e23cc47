// GameShell.cpp -- title, rules pages and the choice of mode.
#include "game/shell/GameShell.h"

#include <string>

#include "engine/core/Engine.h"
#include "engine/graphics/ImageFile.h"
#include "game/actors/PlayerControls.h"

namespace game::shell {

using engine::graphics::DRAW_MASKED;
using engine::graphics::DRAW_PLAIN;

GameShell Game;

namespace {

constexpr Button kOnePlayer{535, 225, 210, 60};
constexpr Button kTwoPlayers{430, 315, 215, 60};
constexpr Button kRules{520, 410, 240, 55};
constexpr Button kNext{755, 560, 25, 25};
constexpr Button kPrevious{725, 560, 25, 25};
constexpr std::int32_t kClickDelay = 15;

// The buttons of the title and of a rules page, the one a pad chooses first first.
constexpr std::array<Button, 3> kTitleButtons{kOnePlayer, kTwoPlayers, kRules};
constexpr std::array<Button, 2> kRulesButtons{kNext, kPrevious};

constexpr const char* kTitleFile = "Images\\backgrounds\\intro-bg.tif";
constexpr const char* kRulesFile = "Images\\backgrounds\\rules-bg.tif";
constexpr const char* kPreviousFile = "Images\\inter-prev.tif";
constexpr const char* kNextFile = "Images\\inter-next.tif";

// Rules page n, 1 to 10.
std::string RulesPageFile(int n) {
  return "Images\\rules\\rules" + std::to_string(n) + ".tif";
}

// A white frame around a button, a little way out from its own gold border.
void DrawHighlight(const Button& b) {
  constexpr int kGap = 2, kWide = 3, kWhite = 255;
  const int innerLeft = b.left - kGap, innerTop = b.top - kGap;
  const int innerRight = b.left + b.width + kGap - 1, innerBottom = b.top + b.height + kGap - 1;
  const int left = innerLeft - kWide, top = innerTop - kWide;
  const int right = innerRight + kWide, bottom = innerBottom + kWide;
  Vorel.DrawRect(left, top, right, innerTop - 1, kWhite, kWhite, kWhite);
  Vorel.DrawRect(left, innerBottom + 1, right, bottom, kWhite, kWhite, kWhite);
  Vorel.DrawRect(left, innerTop, innerLeft - 1, innerBottom, kWhite, kWhite, kWhite);
  Vorel.DrawRect(innerRight + 1, innerTop, right, innerBottom, kWhite, kWhite, kWhite);
}

}  // namespace

void GameShell::Init() {
  page_ = 0;
  frameCount_ = 0;
  mode_ = 0;
  clickDelay_ = 0;
  LoadImages();
}

void GameShell::LoadImages() {
  engine::graphics::ImageFile loader;
  loader.Load(kTitleFile, titleBackground_, DRAW_PLAIN);
  loader.Load(kRulesFile, rulesBackground_, DRAW_PLAIN);
  loader.Load(kPreviousFile, previousButton_, DRAW_PLAIN);
  loader.Load(kNextFile, nextButton_, DRAW_PLAIN);
  for (int n = 1; n <= 10; ++n)
    loader.Load(RulesPageFile(n), rulesPages_[static_cast<std::size_t>(n - 1)], DRAW_MASKED);
}

std::vector<std::string> GameShell::PictureFiles() {
  std::vector<std::string> names = {kTitleFile, kRulesFile, kPreviousFile, kNextFile};
  for (int n = 1; n <= 10; ++n)
    names.push_back(RulesPageFile(n));
  return names;
}

bool GameShell::HitButton(std::int32_t x, std::int32_t y, std::int32_t left, std::int32_t top,
                          std::int32_t width, std::int32_t height) {
  return left < x && x < left + width && top < y && y < top + height;
}

void GameShell::Run(const actors::FrameInput& input) {
  ++frameCount_;
  --clickDelay_;
  // The buttons answer to a held left button, not only to a fresh press.
  const bool pressed = (input.mouseButton & 1) != 0;
  const std::int32_t x = input.mouseX, y = input.mouseY;
  auto hit = [&](const Button& b) {
    return pressed && HitButton(x, y, b.left, b.top, b.width, b.height);
  };
  if (mode_ == 0 && page_ == 0) {
    if (hit(kOnePlayer)) {
      mode_ = 1;
      battle_.Start(static_cast<std::uint32_t>(frameCount_));
    } else if (hit(kTwoPlayers)) {
      mode_ = 2;
      battle2_.Start(static_cast<std::uint32_t>(frameCount_));
    } else if (hit(kRules)) {
      page_ = 1;
      clickDelay_ = kClickDelay;
    }
  } else if (mode_ == 0) {
    if (clickDelay_ < 0 && hit(kNext)) {
      page_ = page_ == 10 ? 0 : page_ + 1;
      clickDelay_ = kClickDelay;
    } else if (clickDelay_ < 0 && hit(kPrevious)) {
      page_ = page_ - 1;
      clickDelay_ = kClickDelay;
    }
  }
  if (mode_ == 1) battle_.Run(input);
  if (mode_ == 2) battle2_.Run(input);
}

std::span<const Button> GameShell::PageButtons() const {
  if (mode_ != 0) return {};
  if (page_ == 0) return kTitleButtons;
  if (page_ >= 1 && page_ <= 10) return kRulesButtons;
  return {};
}

engine::platform::PadControls GameShell::PadControls() const {
  engine::platform::PadControls controls;
  if (mode_ == 1) {
    controls.players = {actors::PadLayout(0)};
  } else if (mode_ == 2) {
    controls.players = {actors::PadLayout(1), actors::PadLayout(2)};
  }
  for (const Button& b : PageButtons())
    controls.menu.push_back({b.left, b.top, b.left + b.width, b.top + b.height});
  return controls;
}

void GameShell::Draw() {
  if (mode_ == 1) {
    battle_.Draw();
  } else if (mode_ == 2) {
    battle2_.Draw();
  } else if (mode_ == 0 && page_ == 0) {
    Vorel.DrawPlain(0, 0, titleBackground_);
  } else if (mode_ == 0 && page_ >= 1 && page_ <= 10) {
    Vorel.DrawPlain(0, 0, rulesBackground_);
    Vorel.DrawMasked(100, 100, rulesPages_[static_cast<std::size_t>(page_ - 1)]);
    Vorel.DrawPlain(725, 560, previousButton_);
    Vorel.DrawPlain(755, 560, nextButton_);
  }
  // Only while a pad chooses between the buttons does the chosen one show.
  const std::span<const Button> buttons = PageButtons();
  const int chosen = Vorel.PadSelection();
  if (chosen >= 0 && static_cast<std::size_t>(chosen) < buttons.size())
    DrawHighlight(buttons[static_cast<std::size_t>(chosen)]);
}

}  // namespace game::shell
