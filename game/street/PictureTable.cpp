// PictureTable.cpp -- loading a street mode's picture table.
#include "game/street/PictureTable.h"

#include <cstdio>

#include "engine/graphics/ImageFile.h"

namespace game::street {

void LoadPictures(const PictureTable& table, std::span<engine::graphics::Image> images) {
  engine::graphics::ImageFile loader;
  for (const PictureFile& p : table.first)
    loader.Load(p.name, images[p.index], p.use);
  images[table.longTurned].Create(50, 50, 0x11);
  images[table.shortTurned].Create(50, 50, 0x11);
  for (const PictureFile& p : table.later)
    loader.Load(p.name, images[p.index], p.use);
  for (int digit = 0; digit <= 9; ++digit) {
    char name[100];
    std::snprintf(name, sizeof name, "Images\\Numbers\\cash-%d.tif", digit);
    loader.Load(name, images[table.digit0 + static_cast<std::size_t>(digit)],
                engine::graphics::DRAW_PLAIN);
  }
}

}  // namespace game::street
