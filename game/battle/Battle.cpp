// Battle.cpp -- the single-player mode's set-up: its records, pictures, sounds and stage.
#include "game/battle/Battle.h"

#include "game/battle/BattlePictures.h"

namespace game::battle {

using engine::graphics::DRAW_MASKED;
using engine::graphics::DRAW_PLAIN;

using namespace pictures;

namespace {

constexpr street::ModePictures kPictures{
    kAt,        "Images\\backgrounds\\battle-bg.tif",
    DRAW_PLAIN, {kLose, "Images\\inter-lose.tif", DRAW_MASKED},
    {},
};

}  // namespace

void Battle::Start(std::uint32_t seed) {
  view_ = std::make_unique<actors::View>();
  player_ = std::make_unique<actors::Player>();
  street_ = std::make_unique<actors::StreetList>();
  performance_ = std::make_unique<actors::Performance>();
  dance_ = std::make_unique<actors::Dance>();
  NewClock(300, 5000, seed, street::kStarting);
  LoadAssets(kPictures, images_);
}

// The stage is fixed; its name is kept for the call but no file is read.
void Battle::SetUpStage(const char* /*stageName*/, bool firstTime) {
  player_->Init(550, 245, street::kWorldWidth, 0, firstTime, false);
  NewStreet({performance_.get()}, {dance_.get()});
  SpawnBypassers(0, dayTimer_ / 100, street::SpawnLayout{280, 20, 12});
}

}  // namespace game::battle
