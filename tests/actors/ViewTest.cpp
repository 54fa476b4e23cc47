// The view: its set-up and the overlap test that decides whether a box is drawn.
#include <gtest/gtest.h>

#include "game/actors/View.h"

namespace {

using game::actors::View;

TEST(View, InitPlacesTheViewAndResetsTheScroll) {
  View v;
  v.SetScrollX(700.0f);
  v.Init(0, 50, 800, 600);
  EXPECT_EQ(v.ScrollX(), 0.0f);
  EXPECT_EQ(v.ScrollY(), 0.0f);
  EXPECT_EQ(v.ScreenX(), 0.0f);
  EXPECT_EQ(v.ScreenY(), 50.0f);
  EXPECT_EQ(v.Width(), 800);
  EXPECT_EQ(v.Height(), 600);
}

TEST(View, IsVisibleCountsTouchingEdges) {
  View v;
  v.Init(0, 50, 800, 300);  // shows street x 1500 .. 2300 and y 0 .. 300
  v.SetScrollX(1500.0f);
  struct Case {
    float x, y;
    int w, h;
    bool visible;
  };
  const Case cases[] = {
      {1450.0f, 150.0f, 100, 100, true},    // reaches 1550
      {1399.0f, 150.0f, 100, 100, false},   // reaches 1499
      {1400.0f, 150.0f, 100, 100, true},    // touches the left edge
      {2300.0f, 150.0f, 100, 100, true},    // touches the right edge
      {2300.5f, 150.0f, 100, 100, false},   // beside the view, inside it vertically
      {1399.0f, 150.0f, 101, 100, true},    // the box's own width counts
      {1800.0f, -100.0f, 100, 100, true},   // touches the top
      {1800.0f, -100.5f, 100, 100, false},  // above it
      {1800.0f, 300.0f, 100, 100, true},    // touches the bottom
      {1800.0f, 301.0f, 100, 100, false},   // below the view's height, not its width
      {1000.0f, -200.0f, 100, 100, false},  // off on both axes
  };
  for (const Case& c : cases)
    EXPECT_EQ(v.IsVisible(c.x, c.y, c.w, c.h), c.visible) << c.x << ", " << c.y;
}

}  // namespace
