// BattleDraw.cpp -- one frame of the single-player picture: the street scrolled to the
// performer, cash items, actors, the status display and the overlays.
#include "engine/core/Engine.h"
#include "game/battle/Battle.h"
#include "game/battle/BattlePictures.h"

namespace game::battle {

using namespace pictures;

void Battle::DrawStreet() {
  Vorel.DrawPlain(static_cast<int>(view_->ScreenX() - view_->ScrollX()),
                  static_cast<int>(view_->ScreenY() - view_->ScrollY()), images_[kAt.street]);
}

void Battle::Draw() {
  switch (state_) {
    case street::kCountDown:  // no passers-by, no cash items
      DrawStreet();
      DrawPlayer(*player_, *view_);
      DrawHud();
      Vorel.DrawMasked(375, 100, images_[kAt.trafficGreen + static_cast<std::size_t>(light_)]);
      break;
    case street::kPlaying:
      FollowPlayer(*view_, *player_);
      DrawStreet();
      DrawItems(*view_, 295.0f, images_[kAt.cashItem]);
      DrawPlayer(*player_, *view_);
      DrawBypassers(*view_);
      DrawHud();
      break;
    case street::kGameOver:  // no cash items
      FollowPlayer(*view_, *player_);
      DrawStreet();
      DrawPlayer(*player_, *view_);
      DrawBypassers(*view_);
      DrawHud();
      Vorel.DrawMasked(200, 100, images_[kAt.gameOver]);
      Vorel.DrawPlain(200, 300, images_[kAt.again]);
      if (player_->Level() < 5) Vorel.DrawMasked(250, 200, images_[kLose]);
      break;
    default:  // the first Run always leaves kStarting before the first drawing
      break;
  }
}

void Battle::DrawHud() {
  const auto sx = static_cast<std::int32_t>(view_->ScreenX());
  const auto sy = static_cast<std::int32_t>(view_->ScreenY());
  Vorel.DrawPlain(0, 0, images_[kAt.topBar]);
  Vorel.DrawPlain(0, 550, images_[kAt.bottomBar]);
  Vorel.DrawPlain(700, 50, images_[kAt.portrait]);
  for (std::int32_t kind = 1; kind <= 4; ++kind) {
    if (player_->KindFlag(kind)) {
      Vorel.DrawPlain(675, 51 + 26 * (kind - 1),
                      images_[kAt.kindBadge1 + static_cast<std::size_t>(kind - 1)]);
    }
  }
  Vorel.DrawPlain(sx, sy, images_[kAt.cashSymbol]);
  DrawCash(player_->Cash(), sx, sy,
           std::span<const engine::graphics::Image, 10>(&images_[kAt.digit0], 10));
  if (player_->KnowsDance()) Vorel.DrawMasked(sx + 40, sy + 20, images_[kAt.danceOwned]);
  for (std::int32_t i = 0; i < player_->Level(); ++i) {
    Vorel.DrawMasked(700 + 20 * i, sy + 100, images_[kAt.ability]);
  }
  if (state_ == street::kPlaying || state_ == street::kGameOver) {
    DrawClock(images_[kAt.clockFace], images_[kAt.longHand], images_[kAt.shortHand],
              images_[kAt.longTurned], images_[kAt.shortTurned],
              static_cast<float>(dayTimer_ / 20 - 360), static_cast<float>(dayTimer_ / 120 - 360),
              375, sy);
  }
  if (paused_ != 0) Vorel.DrawMasked(sx + 300, sy + 50, images_[kAt.pause]);
}

}  // namespace game::battle
