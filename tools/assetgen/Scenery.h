// Scenery.h -- the painters of the game's backdrops: the street in its two heights, the title
// screen and the rules pages, shared by the files that paint them.
#pragma once

#include "tools/assetgen/Canvas.h"

namespace tools::assetgen::scenery {

// Where the parts of the street sit in one picture. Every height is measured in picture rows;
// the buildings stand on wallBase, the pavement runs from wallBase to kerb, the road below.
struct StreetLayout {
  int width = 2300;
  int height = 500;
  int firstX = 0;  // the street position shown at the picture's left edge
  int wallBase = 290;
  int kerb = 432;
  int shopHeight = 104;   // shop windows and doors
  int fasciaHeight = 24;  // the name board above them
  int storeyHeight = 64;  // each upper floor
  int moonX = 1705;       // street position of the moon, low over the alley
};

// The single-player street: actors' feet land between rows 340 and 420.
StreetLayout SingleStreet();
// The street of each half of the split screen: the same street 175 rows higher, so its
// actors (tops at 70 and 105 to 144) stand on the same part of the pavement.
StreetLayout SplitStreet();

Canvas PaintStreet(const StreetLayout& layout);
Canvas PaintTitle();
Canvas PaintRulesBackground();
// Page n from 1 to 10.
Canvas PaintRulesPage(int n);

}  // namespace tools::assetgen::scenery
