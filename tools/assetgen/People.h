// People.h -- the painters of the street's people: each person's animations as strips of
// frames, and the portraits, gathered into the catalogue by AddPeople.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "tools/assetgen/Canvas.h"
#include "tools/assetgen/Figure.h"

namespace tools::assetgen::people {

// One animation: the file-name stem after the person's prefix (such as "moveleft"), how many
// frames it has, and how to paint frame i.
struct Strip {
  std::string stem;
  int count = 0;
  std::function<Canvas(int)> paint;
};

std::vector<Strip> PerformerStrips();
std::vector<Strip> NormalStrips(int kind);  // kind 1 to 4
std::vector<Strip> ThiefStrips();
std::vector<Strip> HoboStrips();

// How each person looks, without the props they carry: for the portraits.
Look PerformerLook();
Look NormalLook(int kind);

Canvas PerformerPortrait();  // 100 x 100, opaque
// A kind's badge: a disc in the kind's colour carrying its face, 25 x 25, transparent outside
// the disc; and the same on the square ground the status display draws it with, opaque.
Canvas KindBadge(int kind);
Canvas KindPortrait(int kind);

}  // namespace tools::assetgen::people
