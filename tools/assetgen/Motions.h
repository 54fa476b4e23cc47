// Motions.h -- the poses shared by everybody on the street: standing, walking and running
// cycles that each person then adjusts.
#pragma once

#include "tools/assetgen/Figure.h"

namespace tools::assetgen::people {

// Side view, facing left, standing at ease.
Pose StandSide();
// Front view, arms at the sides.
Pose StandFront();
// Four-phase walk: 0 near foot forward, 1 passing, 2 far foot forward, 3 passing. stride
// scales the legs' swing, swing the arms'.
Pose Walk(int phase, float stride = 1.0f, float swing = 1.0f);
// Four-phase sprint: long airborne strides, high knees, pumping arms, leaning in.
Pose Run(int phase);

}  // namespace tools::assetgen::people
