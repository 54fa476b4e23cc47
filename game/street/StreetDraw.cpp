// StreetDraw.cpp -- the drawing both street modes share: the loading picture, the view that
// follows a performer, the actors and cash items through a view, and the status display's cash
// and clock.
#include <algorithm>
#include <utility>

#include "engine/core/Engine.h"
#include "game/street/StreetMode.h"

namespace game::street {

using actors::Bypasser;
using actors::Player;

void StreetMode::ShowLoading(const engine::graphics::Image& picture, std::int32_t x,
                             std::int32_t y) {
  if (Vorel.ViewLock()) {
    Vorel.DrawMasked(x, y, picture);
    Vorel.ViewUnlock();
    Vorel.ViewUpdate();
  }
}

void StreetMode::FollowPlayer(actors::View& view, const Player& player) {
  const float c = player.CentreX();
  const std::int32_t w = view.Width();
  const std::int32_t l = player.WorldWidth();
  if (c <= static_cast<float>(w / 2)) {
    view.SetScrollX(0.0f);
  } else if (c >= static_cast<float>((l - w) + w / 2)) {
    view.SetScrollX(static_cast<float>(l - w));
  } else {
    view.SetScrollX(c - static_cast<float>(w / 2));
  }
}

namespace {

// The screen position of a street point, truncated to whole pixels.
std::pair<int, int> OnScreen(const actors::View& view, float x, float y) {
  return {static_cast<int>(x - view.ScrollX() + view.ScreenX()),
          static_cast<int>(y - view.ScrollY() + view.ScreenY())};
}

}  // namespace

void StreetMode::DrawPlayer(const Player& player, const actors::View& view) {
  if (!view.IsVisible(player.X(), player.Y(), 100, 100)) return;
  const auto [x, y] = OnScreen(view, player.X(), player.Y());
  player.Draw(x, y);
}

void StreetMode::DrawBypassers(const actors::View& view) const {
  for (const Bypasser* bypasser : street_->Active()) {
    if (!view.IsVisible(bypasser->X(), bypasser->Y(), 100, 100)) continue;
    const auto [x, y] = OnScreen(view, bypasser->X(), bypasser->Y());
    bypasser->Draw(x, y);
  }
}

void StreetMode::DrawCash(std::int32_t cash, std::int32_t sx, std::int32_t sy,
                          std::span<const engine::graphics::Image, 10> digits) {
  std::int32_t v = std::max(cash, 0);
  for (std::int32_t n = 10; n >= 1; --n) {
    Vorel.DrawPlain(sx + 25 * n, sy, digits[static_cast<std::size_t>(v % 10)]);
    v /= 10;
  }
}

void StreetMode::DrawClock(const engine::graphics::Image& face,
                           const engine::graphics::Image& longHand,
                           const engine::graphics::Image& shortHand,
                           engine::graphics::Image& longTurned,
                           engine::graphics::Image& shortTurned, float longAngle, float shortAngle,
                           std::int32_t x, std::int32_t y) {
  longHand.Rotate(&longTurned, longAngle, 1.0f);
  shortHand.Rotate(&shortTurned, shortAngle, 1.0f);
  Vorel.DrawMasked(x, y, face);
  Vorel.DrawMasked(x, y, longTurned);
  Vorel.DrawMasked(x, y, shortTurned);
}

void StreetMode::DrawItems(const actors::View& view, float dy,
                           const engine::graphics::Image& item) const {
  for (std::int32_t at : {item1_, item2_}) {
    if (at < 0) continue;
    Vorel.DrawMasked(static_cast<int>(static_cast<float>(at) - view.ScrollX()),
                     static_cast<int>(view.ScreenY() + dy - view.ScrollY()), item);
  }
}

}  // namespace game::street
