// PictureTable.cpp -- loading a street mode's pictures.
#include "game/street/PictureTable.h"

#include <cstdio>

#include "engine/graphics/ImageFile.h"

namespace game::street {

using engine::graphics::DRAW_MASKED;
using engine::graphics::DRAW_PLAIN;

void LoadPictures(const ModePictures& mode, std::span<engine::graphics::Image> images) {
  const PictureSlots& at = mode.at;
  const PictureFile first[] = {
      {at.cashItem, "Images\\item-cash.tif", DRAW_MASKED},
      {at.again, "Images\\inter-again.tif", mode.againUse},
      mode.afterAgain,
      {at.street, mode.streetFile, DRAW_PLAIN},
      {at.topBar, "Images\\inter-bottom.tif", DRAW_PLAIN},
      {at.bottomBar, "Images\\inter-bottom.tif", DRAW_PLAIN},
      {at.portrait, "Images\\Player\\player-portrait.tif", DRAW_PLAIN},
      {at.pause, "Images\\inter-pause.tif", DRAW_MASKED},
      {at.danceOwned, "Images\\inter-dance.tif", DRAW_MASKED},
      {at.gameOver, "Images\\inter-gameover.tif", DRAW_MASKED},
  };
  const PictureFile clock[] = {
      {at.clockFace, "Images\\inter-clock.tif", DRAW_MASKED},
      {at.longHand, "Images\\inter-clocklonghand.tif", DRAW_MASKED},
      {at.shortHand, "Images\\inter-clockshorthand.tif", DRAW_MASKED},
  };
  const PictureFile later[] = {
      {at.ability, "Images\\inter-ability.tif", DRAW_MASKED},
      {at.trafficGreen, "Images\\traffic-green.tif", DRAW_MASKED},
      {at.trafficGreen + 1, "Images\\traffic-yellow.tif", DRAW_MASKED},
      {at.trafficGreen + 2, "Images\\traffic-red.tif", DRAW_MASKED},
      {at.kindBadge1, "Images\\Bypasser\\Normal1\\normal1-portrait.tif", DRAW_PLAIN},
      {at.kindBadge1 + 1, "Images\\Bypasser\\Normal2\\normal2-portrait.tif", DRAW_PLAIN},
      {at.kindBadge1 + 2, "Images\\Bypasser\\Normal3\\normal3-portrait.tif", DRAW_PLAIN},
      {at.kindBadge1 + 3, "Images\\Bypasser\\Normal4\\normal4-portrait.tif", DRAW_PLAIN},
      {at.cashSymbol, "Images\\Numbers\\cash-symbol.tif", DRAW_PLAIN},
  };
  engine::graphics::ImageFile loader;
  const auto load = [&](std::span<const PictureFile> files) {
    for (const PictureFile& p : files)
      loader.Load(p.name, images[p.index], p.use);
  };
  load(first);
  load(mode.afterGameOver);
  load(clock);
  images[at.longTurned].Create(50, 50, 0x11);
  images[at.shortTurned].Create(50, 50, 0x11);
  load(later);
  for (int digit = 0; digit <= 9; ++digit) {
    char name[100];
    std::snprintf(name, sizeof name, "Images\\Numbers\\cash-%d.tif", digit);
    loader.Load(name, images[at.digit0 + static_cast<std::size_t>(digit)], DRAW_PLAIN);
  }
}

}  // namespace game::street
