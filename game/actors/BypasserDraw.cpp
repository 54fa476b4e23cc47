// BypasserDraw.cpp -- a passer-by on screen: its picture, the performance meter over a dance
// watcher, and the price tag over a hobo that sells lessons.
#include "game/actors/Bypasser.h"

#include "game/actors/States.h"

namespace game::actors {

void Bypasser::Draw(int x, int y) const {
  // A frame that was never loaded (a kind without pictures) is empty and draws nothing, like
  // a frame whose file was missing; handing it to the engine would be refused as misused.
  if (cur_img >= 0 && static_cast<std::size_t>(cur_img) < frames_.size()) {
    const engine::graphics::Image& frame = frames_[static_cast<std::size_t>(cur_img)];
    if (frame.HasPixels()) DrawMaskedAt(x, y, frame);
  }

  if (type_ == kNormal && watching_) {
    DrawPlainAt(x + 25, y, meter_[0]);
    // As many ticks as the smallest whole number not below interest / 2, one unit apart.
    const float half = interest_ / 2.0f;
    for (std::int32_t i = 0; static_cast<float>(i) < half; ++i)
      DrawPlainAt(x + 25 + i, y + 1, meter_[1]);
  }

  if (type_ == kHobo && selling_ && price_ >= 1000 && price_ <= 3000 && state != hobo::kTeach)
    DrawMaskedAt(x + 25, y - 40, priceTags_[static_cast<std::size_t>(price_ / 500 - 2)]);
}

}  // namespace game::actors
