// Performer.h -- what the performer's animations share: the hat, the gloves, the stepping
// legs and the frame builder; and the painters of the three performances.
#pragma once

#include <functional>

#include "tools/assetgen/Figure.h"

namespace tools::assetgen::people::performer {

inline constexpr Rgba kHatColour{56, 50, 74, 255};

// Props painted after the body, given its skeleton; overlays painted on the finished, perhaps
// mirrored, picture (told whether it is).
using Props = std::function<void(Canvas&, const Skeleton&)>;
using Overlay = std::function<void(Canvas&, bool)>;

// One masked frame of the performer in a pose; right-facing frames are the left-facing
// pose mirrored.
Canvas Frame(const Pose& pose, bool mirrored, const Props& props = {}, const Overlay& overlay = {});
// The legs of a slow walk: the performer keeps step with the passer-by while performing.
void Stepping(Pose& p, int i);
// The performer's own hat, upright, held by the brim in a hand.
void HatInHand(Canvas& c, PointF hand, float tilt, float s);
// Repaints a glove over a prop, so the hand holds it rather than hides behind it; the far
// hand's glove is in shade, as its arm is.
void Glove(Canvas& c, PointF at, float s, bool far = false);
// Where the upturned hat's brim is when the near hand holds it out in front.
PointF HatBrim(const Skeleton& k);

// The performances, each a lead-in and a loop of four frames.
Canvas BegStart(int i, bool mirrored);
Canvas BegLoop(int i, bool mirrored);
Canvas SingStart(int i, bool mirrored);
Canvas SingLoop(int i, bool mirrored);
Canvas RabbitStart(int i, bool mirrored);
Canvas RabbitLoop(int i, bool mirrored);

}  // namespace tools::assetgen::people::performer
