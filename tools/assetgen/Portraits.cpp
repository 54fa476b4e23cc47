// Portraits.cpp -- the status display's faces: the performer's large portrait, head and
// shoulders over a night-blue card in a gold frame, and each passer-by kind's badge, a disc in
// the kind's colour carrying its face. They are painted by the same rig as the street frames,
// so each face matches its walking figure.
#include "tools/assetgen/Motions.h"
#include "tools/assetgen/People.h"

namespace tools::assetgen::people {

namespace {

// Head and shoulders of a person, facing out, on a card of size x size; the figure is painted
// at the given scale with its neck at neckY.
Canvas Bust(Look look, int size, float scale, float neckY) {
  look.build.scale = scale;
  look.behind = look.inFront = nullptr;
  Pose pose = StandFront();
  pose.nearArm = {6, 4};
  pose.farArm = {6, 4};
  const float hipY = neckY + look.build.torso * scale;
  Canvas figure(size, size);
  const Skeleton k = Solve(look, pose, {size / 2.0f, hipY}, false);
  PaintFigure(figure, look, pose, k);
  figure.Outline(kInk);

  Canvas card(size, size, kInk);
  card.GradientRect(1, 1, size - 2, size - 2, palette::Lighter(palette::kNightBlue, 0.15f),
                    palette::Darker(palette::kNightBlue, 0.3f));
  card.Draw(figure, 0, 0);
  card.FrameRect(0, 0, size, size, 1, kInk);
  card.HardenAlpha();
  return card;
}

// Every pixel doubled: the large portrait keeps the chunky pixels of the street.
Canvas Doubled(const Canvas& small) {
  Canvas big(small.Width() * 2, small.Height() * 2);
  for (int y = 0; y < big.Height(); ++y) {
    for (int x = 0; x < big.Width(); ++x)
      big.Set(x, y, small.Get(x / 2, y / 2));
  }
  return big;
}

void GoldFrame(Canvas& card) {
  const int w = card.Width(), h = card.Height();
  card.FrameRect(0, 0, w, h, 1, kInk);
  card.FrameRect(1, 1, w - 2, h - 2, 2, palette::Darker(palette::kGold, 0.2f));
  card.FrameRect(1, 1, w - 2, 1, 1, palette::kGold);
  card.FrameRect(3, 3, w - 6, h - 6, 1, kInk);
}

// Each kind's colour, from what that kind wears on the street.
Rgba KindColour(int kind) {
  switch (kind) {
    case 1:
      return {70, 104, 176, 255};  // the businessman's blue suit
    case 2:
      return {176, 66, 146, 255};  // the woman's purple dress
    case 3:
      return palette::kGreen;  // the student's hoodie
    default:
      return palette::kStone;  // the old man's coat
  }
}

// The square round a badge's disc. The game draws the badges opaque over the scrolling street,
// below the top bar beside the performer's portrait in a one-player game and in the row of the
// cash tiles in each half of a two-player one, so no one colour lies behind them everywhere.
// They take the night blue of the portrait's card and of those tiles.
constexpr Rgba kBadgeGround = palette::kNightBlue;

}  // namespace

Canvas PerformerPortrait() {
  Canvas card = Doubled(Bust(PerformerLook(), 50, 1.25f, 40));
  GoldFrame(card);
  card.AvoidPureBlack();
  return card;
}

Canvas KindBadge(int kind) {
  constexpr int kSize = 25;
  constexpr float kCentre = kSize / 2.0f, kField = kCentre - 2;
  const Rgba field = KindColour(kind);
  Canvas badge(kSize, kSize);
  badge.FillCircle(kCentre, kCentre, kCentre, kInk);
  badge.FillCircle(kCentre, kCentre, kCentre - 1, palette::Lighter(field, 0.55f));
  badge.FillCircle(kCentre, kCentre, kField, field);
  badge.FillEllipse(kCentre, kCentre - 4, kField - 3, 5, palette::Lighter(field, 0.15f));

  // The head alone, without the body, its centre just below the middle of the disc; whatever
  // reaches past the coloured field is cut off.
  Look look = NormalLook(kind);
  look.build.scale = 0.75f;
  const Pose pose = StandFront();
  const float headAboveHip = -Solve(look, pose, {kCentre, 0}, false).head.origin.y;
  const Skeleton k = Solve(look, pose, {kCentre, kCentre + 1 + headAboveHip}, false);
  Canvas face(kSize, kSize);
  PaintHead(face, look, pose, k);
  face.Outline(kInk);
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const float dx = x + 0.5f - kCentre, dy = y + 0.5f - kCentre;
      if (dx * dx + dy * dy > kField * kField) face.Set(x, y, {0, 0, 0, 0});
    }
  }
  badge.Draw(face, 0, 0);
  badge.HardenAlpha();
  badge.AvoidPureBlack();
  return badge;
}

Canvas KindPortrait(int kind) {
  Canvas card(25, 25, kBadgeGround);
  card.Draw(KindBadge(kind), 0, 0);
  return card;
}

}  // namespace tools::assetgen::people
