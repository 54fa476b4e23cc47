// Clock.cpp -- the day clock (face and two hands turned by the game about the picture's
// centre) and the three pictures of the count-down traffic light.
#include <cmath>

#include "tools/assetgen/InterfaceKit.h"
#include "tools/assetgen/InterfacePictures.h"
#include "tools/assetgen/Palette.h"

namespace tools::assetgen::ui {

using namespace palette;

namespace {

// The pivot: the centre of a 50 x 50 picture lies between pixels 24 and 25.
constexpr float kCentre = 25.0f;

// An upright hand from a short tail below the pivot up to its tip.
Canvas Hand(float tipY, float width, Rgba c) {
  Canvas hand(50, 50);
  hand.Line(kCentre, kCentre + 4.0f, kCentre, tipY, width, c);
  return hand;
}

}  // namespace

Canvas ClockFace() {
  Canvas face(50, 50);
  face.FillCircle(kCentre, kCentre, 25.0f, kInk);
  face.FillCircle(kCentre, kCentre, 24.0f, Darker(kGold, 0.3f));
  face.FillCircle(kCentre - 0.5f, kCentre - 0.5f, 23.0f, kGold);
  face.FillCircle(kCentre, kCentre, 21.0f, Darker(kGold, 0.45f));
  face.FillCircle(kCentre, kCentre, 20.0f, kCream);
  // Hour marks; the quarters longer, and twelve, where every day ends, in red.
  for (int hour = 0; hour < 12; ++hour) {
    const float angle = hour * 0.52359878f;
    const float sx = std::sin(angle), sy = -std::cos(angle);
    const float inner = hour % 3 == 0 ? 14.5f : 16.5f;
    const Rgba c = hour == 0 ? kRed : kInk;
    face.Line(kCentre + sx * inner, kCentre + sy * inner, kCentre + sx * 17.5f,
              kCentre + sy * 17.5f, hour % 3 == 0 ? 2.4f : 1.6f, c);
  }
  FinishMasked(face);
  return face;
}

Canvas LongHand() {
  Canvas hand = Hand(8.0f, 2.0f, kInk);
  FinishMasked(hand);
  return hand;
}

// The short hand carries the hub, since the game draws it last.
Canvas ShortHand() {
  Canvas hand = Hand(14.0f, 4.0f, Darker(kBrickDark, 0.2f));
  hand.FillCircle(kCentre, kCentre, 3.5f, kInk);
  hand.FillCircle(kCentre, kCentre, 2.5f, kGold);
  FinishMasked(hand);
  return hand;
}

Canvas TrafficLight(Lamp lit) {
  Canvas light(50, 100);
  // A backboard with a reflective gold border, the housing on it, and a hood over each lamp.
  RoundedRect(light, 2, 2, 46, 96, 6, kInk);
  RoundedRect(light, 3, 3, 44, 94, 5, kGold);
  RoundedRect(light, 5, 5, 40, 90, 4, kInk);
  RoundedRect(light, 9, 4, 32, 92, 6, kInk);
  RoundedRect(light, 10, 5, 30, 90, 5, Darker(kTeal, 0.62f));
  light.FillRect(11, 6, 1, 88, Darker(kTeal, 0.35f));

  struct Bulb {
    Lamp lamp;
    Rgba colour;
    float y;
  };
  const Bulb bulbs[] = {{Lamp::kRed, Rgba{232, 58, 48}, 20.0f},
                        {Lamp::kYellow, kGold, 50.0f},
                        {Lamp::kGreen, Rgba{84, 196, 96}, 80.0f}};
  for (const Bulb& bulb : bulbs) {
    const float cx = kCentre, cy = bulb.y;
    if (bulb.lamp == lit) {
      // A halo over the housing, then the lamp itself, brightest towards its upper left.
      light.FillCircle(cx, cy, 13.5f, Mix(Darker(kTeal, 0.62f), bulb.colour, 0.45f));
      light.FillCircle(cx, cy, 11.0f, kInk);
      light.FillCircle(cx, cy, 10.0f, bulb.colour);
      light.FillCircle(cx - 1.0f, cy - 1.0f, 7.5f, Lighter(bulb.colour, 0.3f));
      light.FillCircle(cx - 2.0f, cy - 2.0f, 4.5f, Lighter(bulb.colour, 0.6f));
      light.FillCircle(cx - 3.5f, cy - 3.5f, 1.8f, kCream);
    } else {
      light.FillCircle(cx, cy, 11.0f, kInk);
      light.FillCircle(cx, cy, 10.0f, Darker(bulb.colour, 0.72f));
      light.FillCircle(cx - 3.0f, cy - 3.0f, 1.5f, Darker(bulb.colour, 0.5f));
    }
    // The hood: a dark brim over the top of the lamp.
    for (int i = 0; i < 3; ++i) {
      const float r = 12.0f - i * 0.5f;
      for (int x = 0; x < 50; ++x) {
        const float dx = x + 0.5f - cx;
        if (dx * dx > r * r) continue;
        const int y = static_cast<int>(cy - std::sqrt(r * r - dx * dx));
        light.Set(x, y + i, kInk);
      }
    }
  }
  FinishMasked(light);
  return light;
}

}  // namespace tools::assetgen::ui
