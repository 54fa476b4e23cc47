// View.h -- the camera over the street: its scroll position, where it sits on the screen and
// its size.
#pragma once

#include <cstdint>

namespace game::actors {

class View {
 public:
  void Init(std::int32_t screenX, std::int32_t screenY, std::int32_t width, std::int32_t height);

  float ScrollX() const { return scrollX_; }
  float ScrollY() const { return scrollY_; }
  float ScreenX() const { return screenX_; }
  float ScreenY() const { return screenY_; }
  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  void SetScrollX(float x) { scrollX_ = x; }

  // Whether a box overlaps the view; touching edges count.
  bool IsVisible(float x, float y, std::int32_t w, std::int32_t h) const;

 private:
  float scrollX_ = 0.0f;
  float scrollY_ = 0.0f;
  float screenX_ = 0.0f;
  float screenY_ = 0.0f;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
};

}  // namespace game::actors
