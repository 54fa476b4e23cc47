// Battle2.cpp -- the two-player mode's set-up: its records, pictures, sounds and the one long
// stage of 200 passers-by.
#include "game/battle2/Battle2.h"

#include <cstdio>

#include "engine/core/Engine.h"
#include "engine/graphics/ImageFile.h"
#include "game/battle2/Battle2Pictures.h"

namespace game::battle2 {

using engine::graphics::DRAW_MASKED;
using engine::graphics::DRAW_PLAIN;
using namespace pictures;

namespace {

struct PictureFile {
  std::size_t index;
  const char* name;
  std::uint8_t use;
};

// In loading order; some are loaded and never drawn in this mode.
constexpr PictureFile kPictures[] = {
    {0, "Images\\item-cash.tif", DRAW_MASKED},
    {8, "Images\\inter-again.tif", DRAW_MASKED},
    {10, "Images\\intro-Bstart.tif", DRAW_PLAIN},
    {40, "Images\\backgrounds\\battle2-bg.tif", DRAW_PLAIN},
    {11, "Images\\inter-bottom.tif", DRAW_PLAIN},
    {12, "Images\\inter-bottom.tif", DRAW_PLAIN},
    {13, "Images\\Player\\player-portrait.tif", DRAW_PLAIN},
    {14, "Images\\inter-pause.tif", DRAW_MASKED},
    {15, "Images\\inter-dance.tif", DRAW_MASKED},
    {16, "Images\\inter-gameover.tif", DRAW_MASKED},
    {17, "Images\\inter-player1win.tif", DRAW_MASKED},
    {18, "Images\\inter-player2win.tif", DRAW_MASKED},
    {30, "Images\\inter-clock.tif", DRAW_MASKED},
    {31, "Images\\inter-clocklonghand.tif", DRAW_MASKED},
    {32, "Images\\inter-clockshorthand.tif", DRAW_MASKED},
};

constexpr PictureFile kLaterPictures[] = {
    {41, "Images\\inter-ability.tif", DRAW_MASKED},
    {5, "Images\\traffic-green.tif", DRAW_MASKED},
    {6, "Images\\traffic-yellow.tif", DRAW_MASKED},
    {7, "Images\\traffic-red.tif", DRAW_MASKED},
    {1, "Images\\Bypasser\\Normal1\\normal1-portrait.tif", DRAW_PLAIN},
    {2, "Images\\Bypasser\\Normal2\\normal2-portrait.tif", DRAW_PLAIN},
    {3, "Images\\Bypasser\\Normal3\\normal3-portrait.tif", DRAW_PLAIN},
    {4, "Images\\Bypasser\\Normal4\\normal4-portrait.tif", DRAW_PLAIN},
    {19, "Images\\Numbers\\cash-symbol.tif", DRAW_PLAIN},
};

}  // namespace

void Battle2::Start(std::int32_t seed) {
  view1_ = std::make_unique<actors::View>();
  player1_ = std::make_unique<actors::Player>();
  performance1_ = std::make_unique<actors::Performance>();
  dance1_ = std::make_unique<actors::Dance>();
  view2_ = std::make_unique<actors::View>();
  player2_ = std::make_unique<actors::Player>();
  performance2_ = std::make_unique<actors::Performance>();
  dance2_ = std::make_unique<actors::Dance>();
  street_ = std::make_unique<actors::StreetList>();
  light_ = 2;
  clock_ = 200;
  dayTimer_ = -1;
  item1_ = -1;
  item2_ = -1;

  engine::graphics::ImageFile loader;
  loader.Load("Images\\inter-loading.tif", images_[kLoading], DRAW_MASKED);
  // Shown at once, before the frame's own drawing: the stage takes a moment to load.
  if (Vorel.ViewLock()) {
    Vorel.DrawMasked(250, 175, images_[kLoading]);
    Vorel.ViewUnlock();
    Vorel.ViewUpdate();
  }

  LoadImages();
  LoadSounds();
  paused_ = 0;
  state_ = 0;
  pace_ = 0.0f;
  seed_ = seed;
}

void Battle2::LoadImages() {
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

// The whole stage at once, from wherever the generator stands: it is not seeded here.
void Battle2::SetUpStage(const char* /*stageName*/, bool firstTime) {
  player1_->Init(700, 70, battle::kWorldWidth, 1, firstTime, true);
  player2_->Init(1500, 72, battle::kWorldWidth, 2, firstTime, true);
  NewStreet({performance1_.get(), performance2_.get()}, {dance1_.get(), dance2_.get()});
  SpawnBypassers(0, 200, battle::SpawnLayout{105, 16, 12});
}

}  // namespace game::battle2
