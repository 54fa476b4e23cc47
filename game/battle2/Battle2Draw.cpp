// Battle2Draw.cpp -- one frame of the split screen: each view follows its performer and shows
// the whole street with both performers, and carries its own performer's status display.
#include "engine/core/Engine.h"
#include "game/battle2/Battle2.h"
#include "game/battle2/Battle2Pictures.h"

namespace game::battle2 {

using namespace pictures;

void Battle2::DrawStreet(const actors::View& view) {
  Vorel.DrawPlain(static_cast<int>(-view.ScrollX()), static_cast<int>(view.ScreenY()),
                  images_[kAt.street]);
}

// One view in play or at game over: followed, street, items when asked, both performers, the
// passers-by and the followed performer's status display.
void Battle2::DrawView(const actors::View& view, const actors::Player& followed, bool items) {
  DrawStreet(view);
  if (items) DrawItems(view, 120.0f, images_[kAt.cashItem]);
  DrawPlayer(*player1_, view);
  DrawPlayer(*player2_, view);
  DrawBypassers(view);
  DrawHud(followed, view);
}

void Battle2::Draw() {
  switch (state_) {
    case street::kCountDown:  // the views stay where they are
      DrawStreet(*view1_);
      DrawPlayer(*player1_, *view1_);
      DrawPlayer(*player2_, *view1_);
      DrawHud(*player1_, *view1_);
      DrawStreet(*view2_);
      DrawPlayer(*player1_, *view2_);
      DrawPlayer(*player2_, *view2_);
      DrawHud(*player2_, *view2_);
      Vorel.DrawMasked(375, 225, images_[kAt.trafficGreen + static_cast<std::size_t>(light_)]);
      break;
    case street::kPlaying:
      FollowPlayer(*view1_, *player1_);
      DrawView(*view1_, *player1_, true);
      FollowPlayer(*view2_, *player2_);
      DrawView(*view2_, *player2_, true);
      // The last frame of play is still drawn as play. The clock only ever counts down, so a
      // frame whose drawing was skipped cannot let it pass 0 unnoticed.
      if (clock_ <= 0) state_ = street::kGameOver;
      break;
    case street::kGameOver:
      FollowPlayer(*view1_, *player1_);
      DrawView(*view1_, *player1_, false);
      FollowPlayer(*view2_, *player2_);
      DrawView(*view2_, *player2_, false);
      Vorel.DrawMasked(200, 120, images_[kAt.gameOver]);
      if (player1_->Cash() >= player2_->Cash()) Vorel.DrawMasked(150, 220, images_[kPlayer1Wins]);
      if (player2_->Cash() >= player1_->Cash()) Vorel.DrawMasked(150, 320, images_[kPlayer2Wins]);
      Vorel.DrawMasked(200, 60, images_[kAt.again]);
      break;
    default:
      break;
  }
}

void Battle2::DrawHud(const actors::Player& player, const actors::View& view) {
  const auto sx = static_cast<std::int32_t>(view.ScreenX());
  const auto sy = static_cast<std::int32_t>(view.ScreenY());
  for (std::int32_t kind = 1; kind <= 4; ++kind) {
    if (player.KindFlag(kind)) {
      Vorel.DrawPlain(501 + 26 * (kind - 1), sy,
                      images_[kAt.kindBadge1 + static_cast<std::size_t>(kind - 1)]);
    }
  }
  Vorel.DrawPlain(0, sy, images_[kAt.cashSymbol]);
  DrawCash(player.Cash(), sx, sy,
           std::span<const engine::graphics::Image, 10>(&images_[kAt.digit0], 10));
  if (player.KnowsDance()) Vorel.DrawMasked(sx + 40, sy + 20, images_[kAt.danceOwned]);
  for (std::int32_t i = 0; i < player.Level(); ++i) {
    Vorel.DrawMasked(700 + 20 * i, sy, images_[kAt.ability]);
  }
  if (state_ == street::kPlaying || state_ == street::kGameOver) {
    const std::int32_t left = 20000 - frame_;
    DrawClock(images_[kAt.clockFace], images_[kAt.longHand], images_[kAt.shortHand],
              images_[kAt.longTurned], images_[kAt.shortTurned],
              static_cast<float>(left / 20 - 360), static_cast<float>(left / 120 - 360), 375, sy);
  }
  if (paused_ != 0) Vorel.DrawMasked(sx + 300, sy + 50, images_[kAt.pause]);
}

}  // namespace game::battle2
