// People.cpp -- AddPeople: every frame and portrait of the performer and the passers-by, under
// the names the game loads them by.
#include <cstdio>
#include <string>

#include "tools/assetgen/Catalogue.h"
#include "tools/assetgen/People.h"

namespace tools::assetgen {

namespace {

// Frames are numbered with three digits from 000.
using people::Strip;

void AddStrips(Catalogue& catalogue, const std::string& prefix, const std::vector<Strip>& strips) {
  for (const Strip& strip : strips) {
    for (int i = 0; i < strip.count; ++i) {
      char number[16];
      std::snprintf(number, sizeof number, "%03d", i);
      catalogue.Picture(prefix + strip.stem + number + ".tif",
                        [paint = strip.paint, i] { return paint(i); });
    }
  }
}

}  // namespace

void AddPeople(Catalogue& catalogue) {
  using namespace people;
  AddStrips(catalogue, "Images\\Player\\player-", PerformerStrips());
  catalogue.Picture("Images\\Player\\player-portrait.tif", PerformerPortrait);
  for (int kind = 1; kind <= 4; ++kind) {
    const std::string k = std::to_string(kind);
    const std::string folder = "Images\\Bypasser\\Normal" + k + "\\normal" + k + "-";
    AddStrips(catalogue, folder, NormalStrips(kind));
    catalogue.Picture(folder + "portrait.tif", [kind] { return KindPortrait(kind); });
  }
  AddStrips(catalogue, "Images\\Bypasser\\Thief\\thief-", ThiefStrips());
  AddStrips(catalogue, "Images\\Bypasser\\Hobo\\hobo-", HoboStrips());
}

}  // namespace tools::assetgen
