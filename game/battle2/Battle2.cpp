// Battle2.cpp -- the two-player mode's set-up: its records, pictures, sounds and the one long
// stage of 200 passers-by.
#include "game/battle2/Battle2.h"

#include "game/battle2/Battle2Pictures.h"

namespace game::battle2 {

using engine::graphics::DRAW_MASKED;
using engine::graphics::DRAW_PLAIN;
using namespace pictures;

namespace {

constexpr street::PictureFile kWinners[] = {
    {kPlayer1Wins, "Images\\inter-player1win.tif", DRAW_MASKED},
    {kPlayer2Wins, "Images\\inter-player2win.tif", DRAW_MASKED},
};

// The bars, the portrait and the start picture are loaded and never drawn in this mode.
constexpr street::ModePictures kPictures{
    kAt,         "Images\\backgrounds\\battle2-bg.tif",
    DRAW_MASKED, {kStartPicture, "Images\\intro-Bstart.tif", DRAW_PLAIN},
    kWinners,
};

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
  LoadAssets(kPictures, images_);
}

// The whole stage at once, from wherever the generator stands: it is not seeded here.
void Battle2::SetUpStage(const char* /*stageName*/, bool firstTime) {
  player1_->Init(700, 70, street::kWorldWidth, 1, firstTime, true);
  player2_->Init(1500, 72, street::kWorldWidth, 2, firstTime, true);
  NewStreet({performance1_.get(), performance2_.get()}, {dance1_.get(), dance2_.get()});
  SpawnBypassers(0, 200, street::SpawnLayout{105, 16, 12});
}

}  // namespace game::battle2
