// Battle.cpp -- the single-player mode's set-up: its records, pictures, sounds and stage.
#include "game/battle/Battle.h"

#include "engine/graphics/ImageFile.h"
#include "game/battle/BattlePictures.h"
#include "game/street/PictureTable.h"

namespace game::battle {

using engine::graphics::DRAW_MASKED;
using engine::graphics::DRAW_PLAIN;
using street::PictureFile;

using namespace pictures;

namespace {

constexpr PictureFile kPictures[] = {
    {kCashItem, "Images\\item-cash.tif", DRAW_MASKED},
    {kAgain, "Images\\inter-again.tif", DRAW_PLAIN},
    {kLose, "Images\\inter-lose.tif", DRAW_MASKED},
    {kStreet, "Images\\backgrounds\\battle-bg.tif", DRAW_PLAIN},
    {kTopBar, "Images\\inter-bottom.tif", DRAW_PLAIN},
    {kBottomBar, "Images\\inter-bottom.tif", DRAW_PLAIN},
    {kPortrait, "Images\\Player\\player-portrait.tif", DRAW_PLAIN},
    {kPause, "Images\\inter-pause.tif", DRAW_MASKED},
    {kDanceOwned, "Images\\inter-dance.tif", DRAW_MASKED},
    {kGameOver, "Images\\inter-gameover.tif", DRAW_MASKED},
    {kClockFace, "Images\\inter-clock.tif", DRAW_MASKED},
    {kLongHand, "Images\\inter-clocklonghand.tif", DRAW_MASKED},
    {kShortHand, "Images\\inter-clockshorthand.tif", DRAW_MASKED},
};

constexpr PictureFile kLaterPictures[] = {
    {kAbility, "Images\\inter-ability.tif", DRAW_MASKED},
    {kTrafficGreen, "Images\\traffic-green.tif", DRAW_MASKED},
    {kTrafficGreen + 1, "Images\\traffic-yellow.tif", DRAW_MASKED},
    {kTrafficGreen + 2, "Images\\traffic-red.tif", DRAW_MASKED},
    {kKindPortrait1, "Images\\Bypasser\\Normal1\\normal1-portrait.tif", DRAW_PLAIN},
    {kKindPortrait1 + 1, "Images\\Bypasser\\Normal2\\normal2-portrait.tif", DRAW_PLAIN},
    {kKindPortrait1 + 2, "Images\\Bypasser\\Normal3\\normal3-portrait.tif", DRAW_PLAIN},
    {kKindPortrait1 + 3, "Images\\Bypasser\\Normal4\\normal4-portrait.tif", DRAW_PLAIN},
    {kCashSymbol, "Images\\Numbers\\cash-symbol.tif", DRAW_PLAIN},
};

constexpr street::PictureTable kTable{kPictures, kLongTurned, kShortTurned, kLaterPictures,
                                      kDigit0};

}  // namespace

void Battle::Start(std::uint32_t seed) {
  view_ = std::make_unique<actors::View>();
  player_ = std::make_unique<actors::Player>();
  street_ = std::make_unique<actors::StreetList>();
  performance_ = std::make_unique<actors::Performance>();
  dance_ = std::make_unique<actors::Dance>();
  NewClock(300, 5000, seed, street::kStarting);

  engine::graphics::ImageFile loader;
  loader.Load(street::kLoadingFile, images_[kLoading], DRAW_MASKED);
  // Shown at once, before the frame's own drawing: the rest takes a moment to load.
  ShowLoading(images_[kLoading], 250, 175);
  street::LoadPictures(kTable, images_);
  LoadSounds();
}

// The stage is fixed; its name is kept for the call but no file is read.
void Battle::SetUpStage(const char* /*stageName*/, bool firstTime) {
  player_->Init(550, 245, street::kWorldWidth, 0, firstTime, false);
  NewStreet({performance_.get()}, {dance_.get()});
  SpawnBypassers(0, dayTimer_ / 100, street::SpawnLayout{280, 20, 12});
}

}  // namespace game::battle
