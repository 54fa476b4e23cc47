// Battle2.cpp -- the two-player mode's set-up: its records, pictures, sounds and the one long
// stage of 200 passers-by.
#include "game/battle2/Battle2.h"

#include "engine/graphics/ImageFile.h"
#include "game/battle2/Battle2Pictures.h"
#include "game/street/PictureTable.h"

namespace game::battle2 {

using engine::graphics::DRAW_MASKED;
using engine::graphics::DRAW_PLAIN;
using street::PictureFile;
using namespace pictures;

namespace {

// Some are loaded and never drawn in this mode.
constexpr PictureFile kPictures[] = {
    {kCashItem, "Images\\item-cash.tif", DRAW_MASKED},
    {kAgain, "Images\\inter-again.tif", DRAW_MASKED},
    {kStartPicture, "Images\\intro-Bstart.tif", DRAW_PLAIN},
    {kStreet, "Images\\backgrounds\\battle2-bg.tif", DRAW_PLAIN},
    {kTopBar, "Images\\inter-bottom.tif", DRAW_PLAIN},
    {kBottomBar, "Images\\inter-bottom.tif", DRAW_PLAIN},
    {kPortrait, "Images\\Player\\player-portrait.tif", DRAW_PLAIN},
    {kPause, "Images\\inter-pause.tif", DRAW_MASKED},
    {kDanceOwned, "Images\\inter-dance.tif", DRAW_MASKED},
    {kGameOver, "Images\\inter-gameover.tif", DRAW_MASKED},
    {kPlayer1Wins, "Images\\inter-player1win.tif", DRAW_MASKED},
    {kPlayer2Wins, "Images\\inter-player2win.tif", DRAW_MASKED},
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

void Battle2::Start(std::uint32_t seed) {
  view1_ = std::make_unique<actors::View>();
  player1_ = std::make_unique<actors::Player>();
  performance1_ = std::make_unique<actors::Performance>();
  dance1_ = std::make_unique<actors::Dance>();
  view2_ = std::make_unique<actors::View>();
  player2_ = std::make_unique<actors::Player>();
  performance2_ = std::make_unique<actors::Performance>();
  dance2_ = std::make_unique<actors::Dance>();
  street_ = std::make_unique<actors::StreetList>();
  NewClock(200, -1, seed, street::kStarting);

  engine::graphics::ImageFile loader;
  loader.Load(street::kLoadingFile, images_[kLoading], DRAW_MASKED);
  // Shown at once, before the frame's own drawing: the stage takes a moment to load.
  ShowLoading(images_[kLoading], 250, 175);
  street::LoadPictures(kTable, images_);
  LoadSounds();
}

// The whole stage at once, from wherever the generator stands: it is not seeded here.
void Battle2::SetUpStage(const char* /*stageName*/, bool firstTime) {
  player1_->Init(700, 70, street::kWorldWidth, 1, firstTime, true);
  player2_->Init(1500, 72, street::kWorldWidth, 2, firstTime, true);
  NewStreet({performance1_.get(), performance2_.get()}, {dance1_.get(), dance2_.get()});
  SpawnBypassers(0, 200, street::SpawnLayout{105, 16, 12});
}

}  // namespace game::battle2
