// Motions.cpp -- the shared standing, walking and running poses.
#include "tools/assetgen/Motions.h"

namespace tools::assetgen::people {

Pose StandSide() {
  Pose p;
  p.nearArm = {-4, 6};
  p.farArm = {4, 12};
  p.nearLeg = {2, 0};
  p.farLeg = {-3, -2};
  return p;
}

Pose StandFront() {
  Pose p;
  p.front = true;
  p.nearArm = {8, 4};
  p.farArm = {8, 4};
  p.nearLeg = {3, 1};
  p.farLeg = {3, 1};
  return p;
}

Pose Walk(int phase, float stride, float swing) {
  Pose p;
  const Limb contactFront{24 * stride, 10 * stride}, contactBack{-20 * stride, -36 * stride};
  const Limb support{2, -2}, passing{12 * stride, -40 * stride};
  const Limb armForward{22 * swing, 45 * swing}, armBack{-22 * swing, -8 * swing};
  const Limb armDown{2, 12};
  switch (phase % 4) {
    case 0:
      p.nearLeg = contactFront;
      p.farLeg = contactBack;
      p.nearArm = armBack;
      p.farArm = armForward;
      break;
    case 1:
      p.nearLeg = support;
      p.farLeg = passing;
      p.nearArm = armDown;
      p.farArm = armDown;
      break;
    case 2:
      p.nearLeg = contactBack;
      p.farLeg = contactFront;
      p.nearArm = armForward;
      p.farArm = armBack;
      break;
    default:
      p.nearLeg = passing;
      p.farLeg = support;
      p.nearArm = armDown;
      p.farArm = armDown;
      break;
  }
  return p;
}

Pose Run(int phase) {
  Pose p;
  p.lean = 18;
  p.nod = -8;
  const Limb reach{58, 22}, push{-28, -78}, plant{14, -14}, knee{68, -10};
  const Limb pumpForward{55, 140}, pumpBack{-50, 20};
  switch (phase % 4) {
    case 0:
      p.nearLeg = reach;
      p.farLeg = push;
      p.nearArm = pumpBack;
      p.farArm = pumpForward;
      p.lift = 4;
      break;
    case 1:
      p.nearLeg = plant;
      p.farLeg = knee;
      p.nearArm = {-15, 60};
      p.farArm = {10, 90};
      break;
    case 2:
      p.nearLeg = push;
      p.farLeg = reach;
      p.nearArm = pumpForward;
      p.farArm = pumpBack;
      p.lift = 4;
      break;
    default:
      p.nearLeg = knee;
      p.farLeg = plant;
      p.nearArm = {10, 90};
      p.farArm = {-15, 60};
      break;
  }
  return p;
}

}  // namespace tools::assetgen::people
