// Scenery.cpp -- registers the backdrops: the title screen, the rules pages and the street in
// its single-player and split-screen heights.
#include <string>

#include "tools/assetgen/Catalogue.h"
#include "tools/assetgen/Scenery.h"

namespace tools::assetgen {

void AddScenery(Catalogue& catalogue) {
  using namespace scenery;
  catalogue.Picture("Images\\backgrounds\\intro-bg.tif", PaintTitle);
  catalogue.Picture("Images\\backgrounds\\rules-bg.tif", PaintRulesBackground);
  for (int n = 1; n <= 10; ++n) {
    catalogue.Picture("Images\\rules\\rules" + std::to_string(n) + ".tif",
                      [n] { return PaintRulesPage(n); });
  }
  catalogue.Picture("Images\\backgrounds\\battle-bg.tif",
                    [] { return PaintStreet(SingleStreet()); });
  catalogue.Picture("Images\\backgrounds\\battle2-bg.tif",
                    [] { return PaintStreet(SplitStreet()); });
}

}  // namespace tools::assetgen
