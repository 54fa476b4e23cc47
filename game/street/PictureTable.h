// PictureTable.h -- a street mode's pictures: the files both modes load, the slot each mode
// keeps each one in, the pictures of a mode's own, and the order they are all loaded in.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/graphics/Image.h"

namespace game::street {

// Shown while a street is set up; each mode loads it first.
inline constexpr const char* kLoadingFile = "Images\\inter-loading.tif";

struct PictureFile {
  std::size_t index;
  const char* name;
  std::uint8_t use;
};

// Where a mode's table keeps each picture both modes have.
struct PictureSlots {
  std::size_t cashItem, kindBadge1, trafficGreen, again, loading, topBar, bottomBar, portrait,
      pause, danceOwned, gameOver, cashSymbol, digit0, clockFace, longHand, shortHand, longTurned,
      shortTurned, street, ability;
};

// Both modes lay their tables out alike. The two-player table keeps two pictures of its own
// after the game-over title (its winners, slots 17 and 18), which moves every later slot on by
// extra.
constexpr PictureSlots StreetSlots(std::size_t extra) {
  return {0,          1,          5,          8,          9,          11,         12,
          13,         14,         15,         16,         17 + extra, 18 + extra, 28 + extra,
          29 + extra, 30 + extra, 31 + extra, 32 + extra, 38 + extra, 39 + extra};
}

struct ModePictures {
  PictureSlots at;
  const char* streetFile;
  std::uint8_t againUse;   // the invitation to play again is drawn plain in one mode
  PictureFile afterAgain;  // the mode's own picture, loaded after the invitation
  std::span<const PictureFile> afterGameOver;  // and its own after the game-over title
};

// Loads the mode's pictures into images, all but the loading picture, in this order: the cash
// item, the invitation, the mode's own, the street, the two bars, the portrait, pause, dance,
// game over, the mode's own, the clock; then the clock's two turned hands are made empty, 50 x
// 50; then the day's icon, the three lights, the four kinds' badges, the cash symbol and the ten
// digits.
void LoadPictures(const ModePictures& mode, std::span<engine::graphics::Image> images);

}  // namespace game::street
