// Battle.cpp -- the single-player mode's set-up: its records, pictures, sounds and stage.
#include "game/battle/Battle.h"

#include <cstdio>

#include "engine/core/Engine.h"
#include "engine/graphics/ImageFile.h"
#include "game/battle/BattlePictures.h"

namespace game::battle {

using engine::graphics::DRAW_MASKED;
using engine::graphics::DRAW_PLAIN;

using namespace pictures;

namespace {

struct PictureFile {
  std::size_t index;
  const char* name;
  std::uint8_t use;
};

// In loading order.
constexpr PictureFile kPictures[] = {
    {0, "Images\\item-cash.tif", DRAW_MASKED},
    {8, "Images\\inter-again.tif", DRAW_PLAIN},
    {10, "Images\\inter-lose.tif", DRAW_MASKED},
    {38, "Images\\backgrounds\\battle-bg.tif", DRAW_PLAIN},
    {11, "Images\\inter-bottom.tif", DRAW_PLAIN},
    {12, "Images\\inter-bottom.tif", DRAW_PLAIN},
    {13, "Images\\Player\\player-portrait.tif", DRAW_PLAIN},
    {14, "Images\\inter-pause.tif", DRAW_MASKED},
    {15, "Images\\inter-dance.tif", DRAW_MASKED},
    {16, "Images\\inter-gameover.tif", DRAW_MASKED},
    {28, "Images\\inter-clock.tif", DRAW_MASKED},
    {29, "Images\\inter-clocklonghand.tif", DRAW_MASKED},
    {30, "Images\\inter-clockshorthand.tif", DRAW_MASKED},
};

constexpr PictureFile kLaterPictures[] = {
    {39, "Images\\inter-ability.tif", DRAW_MASKED},
    {5, "Images\\traffic-green.tif", DRAW_MASKED},
    {6, "Images\\traffic-yellow.tif", DRAW_MASKED},
    {7, "Images\\traffic-red.tif", DRAW_MASKED},
    {1, "Images\\Bypasser\\Normal1\\normal1-portrait.tif", DRAW_PLAIN},
    {2, "Images\\Bypasser\\Normal2\\normal2-portrait.tif", DRAW_PLAIN},
    {3, "Images\\Bypasser\\Normal3\\normal3-portrait.tif", DRAW_PLAIN},
    {4, "Images\\Bypasser\\Normal4\\normal4-portrait.tif", DRAW_PLAIN},
    {17, "Images\\Numbers\\cash-symbol.tif", DRAW_PLAIN},
};

}  // namespace

void Battle::Start(std::uint32_t seed) {
  view_ = std::make_unique<actors::View>();
  player_ = std::make_unique<actors::Player>();
  street_ = std::make_unique<actors::StreetList>();
  performance_ = std::make_unique<actors::Performance>();
  dance_ = std::make_unique<actors::Dance>();
  light_ = 2;
  clock_ = 300;
  dayTimer_ = 5000;

  engine::graphics::ImageFile loader;
  loader.Load("Images\\inter-loading.tif", images_[kLoading], DRAW_MASKED);
  // Shown at once, before the frame's own drawing: the rest takes a moment to load.
  if (Vorel.ViewLock()) {
    Vorel.DrawMasked(250, 175, images_[kLoading]);
    Vorel.ViewUnlock();
    Vorel.ViewUpdate();
  }

  LoadImages();
  LoadSounds();
  item1_ = -1;
  item2_ = -1;
  paused_ = 0;
  state_ = 0;
  pace_ = 0.0f;
  seed_ = seed;
}

void Battle::LoadImages() {
  engine::graphics::ImageFile loader;
  for (const PictureFile& p : kPictures)
    loader.Load(p.name, images_[p.index], p.use);
  images_[kLongTurned].Create(50, 50, 0x11);
  images_[kShortTurned].Create(50, 50, 0x11);
  for (const PictureFile& p : kLaterPictures)
    loader.Load(p.name, images_[p.index], p.use);
  for (int digit = 0; digit <= 9; ++digit) {
    char name[100];
    std::snprintf(name, sizeof name, "Images\\Numbers\\cash-%d.tif", digit);
    loader.Load(name, images_[kDigit0 + static_cast<std::size_t>(digit)], DRAW_PLAIN);
  }
}

// The stage is fixed; its name is kept for the call but no file is read.
void Battle::SetUpStage(const char* /*stageName*/, bool firstTime) {
  player_->Init(550, 245, kWorldWidth, 0, firstTime, false);
  NewStreet({performance_.get()}, {dance_.get()});
  SpawnBypassers(0, dayTimer_ / 100, SpawnLayout{280, 20, 12});
}

}  // namespace game::battle
