// View.cpp -- the camera's set-up and its overlap test.
#include "game/actors/View.h"

namespace game::actors {

void View::Init(std::int32_t screenX, std::int32_t screenY, std::int32_t width,
                std::int32_t height) {
  scrollX_ = 0.0f;
  scrollY_ = 0.0f;
  screenX_ = static_cast<float>(screenX);
  screenY_ = static_cast<float>(screenY);
  width_ = width;
  height_ = height;
}

bool View::IsVisible(float x, float y, std::int32_t w, std::int32_t h) const {
  // Touching edges count as overlapping, so a box ending exactly at the edge is drawn.
  return x + static_cast<float>(w) >= scrollX_ && x <= scrollX_ + static_cast<float>(width_) &&
         y + static_cast<float>(h) >= scrollY_ && y <= scrollY_ + static_cast<float>(height_);
}

}  // namespace game::actors
