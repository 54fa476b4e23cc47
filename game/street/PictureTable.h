// PictureTable.h -- a street mode's pictures: which file goes to which slot of the mode's table,
// for which drawing operation, and the order they are loaded in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/graphics/Image.h"

namespace game::street {

// Shown while a street is set up; each mode loads it first, on its own.
inline constexpr const char* kLoadingFile = "Images\\inter-loading.tif";

struct PictureFile {
  std::size_t index;
  const char* name;
  std::uint8_t use;
};

struct PictureTable {
  std::span<const PictureFile> first;  // loaded first, in this order
  // Then these two are made empty, 50 x 50, for the clock's turned hands...
  std::size_t longTurned, shortTurned;
  std::span<const PictureFile> later;  // ...then these are loaded...
  std::size_t digit0;  // ...and last the ten digits, "Images\Numbers\cash-N.tif", plain
};

// Loads and makes a mode's pictures into images in the table's order.
void LoadPictures(const PictureTable& table, std::span<engine::graphics::Image> images);

}  // namespace game::street
