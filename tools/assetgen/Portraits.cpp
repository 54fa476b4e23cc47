// Portraits.cpp -- the status display's faces: the performer's large portrait and the small one
// of each passer-by kind, head and shoulders over a night-blue card in a gold frame. They are
// painted by the same rig as the street frames, so each face matches its walking figure.
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

}  // namespace

Canvas PerformerPortrait() {
  Canvas card = Doubled(Bust(PerformerLook(), 50, 1.25f, 40));
  GoldFrame(card);
  card.AvoidPureBlack();
  return card;
}

Canvas KindPortrait(int kind) {
  Canvas card = Bust(NormalLook(kind), 25, 0.95f, 19);
  card.FrameRect(0, 0, 25, 25, 1, palette::Darker(palette::kGold, 0.2f));
  card.AvoidPureBlack();
  return card;
}

}  // namespace tools::assetgen::people
