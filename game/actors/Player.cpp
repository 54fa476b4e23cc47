// Player.cpp -- the performer: its start of a game, its state machine driven by the held
// actions and the typed character, its drawing, and its cash, level and kind flags.
#include "game/actors/Player.h"

#include <array>
#include <limits>
#include <utility>

#include "engine/graphics/ImageFile.h"
#include "game/actors/PlayerControls.h"
#include "game/actors/States.h"

namespace game::actors {

using namespace player;

namespace {

constexpr float kWalkStep = 5.0f;
constexpr std::int32_t kWidth = 100;  // the performer's width on the street
constexpr std::int32_t kStartCash = 3000;
constexpr std::int32_t kTopLevel = 5;

// The last walk pictures: a move key held while following counts only while they show.
constexpr std::int32_t kLastWalkLeftImg = 6;
constexpr std::int32_t kLastWalkRightImg = 10;

// Frame groups in loading order. The stand pictures are loaded a second time for the dance-ready
// state, and the three dance moves share one pair of picture sets, each copy in its own slots.
constexpr std::array<FrameGroup, 26> kFrameGroups = {{
    {"Images\\Player\\player-stand%03d.tif", 3, 0},
    {"Images\\Player\\player-moveleft%03d.tif", 4, 3},
    {"Images\\Player\\player-moveright%03d.tif", 4, 7},
    {"Images\\Player\\player-fallleft%03d.tif", 12, 11},
    {"Images\\Player\\player-fallright%03d.tif", 12, 23},
    {"Images\\Player\\player-begleft%03d.tif", 4, 35},
    {"Images\\Player\\player-begright%03d.tif", 4, 39},
    {"Images\\Player\\player-begleftloop%03d.tif", 4, 43},
    {"Images\\Player\\player-begrightloop%03d.tif", 4, 47},
    {"Images\\Player\\player-singleft%03d.tif", 4, 51},
    {"Images\\Player\\player-singright%03d.tif", 4, 55},
    {"Images\\Player\\player-singleftloop%03d.tif", 4, 59},
    {"Images\\Player\\player-singrightloop%03d.tif", 4, 63},
    {"Images\\Player\\player-rabbitleft%03d.tif", 4, 67},
    {"Images\\Player\\player-rabbitright%03d.tif", 4, 71},
    {"Images\\Player\\player-rabbitleftloop%03d.tif", 4, 75},
    {"Images\\Player\\player-rabbitrightloop%03d.tif", 4, 79},
    {"Images\\Player\\player-stand%03d.tif", 3, 83},
    {"Images\\Player\\player-danceone%03d.tif", 3, 86},
    {"Images\\Player\\player-danceoneloop%03d.tif", 3, 89},
    {"Images\\Player\\player-danceone%03d.tif", 3, 92},
    {"Images\\Player\\player-danceoneloop%03d.tif", 3, 95},
    {"Images\\Player\\player-danceone%03d.tif", 3, 98},
    {"Images\\Player\\player-danceoneloop%03d.tif", 3, 101},
    {"Images\\Player\\player-pushleft%03d.tif", 4, 104},
    {"Images\\Player\\player-pushright%03d.tif", 4, 108},
}};

// The states in which "stop performing" applies: following, the lead-ins and the performances.
bool IsFollowingOrPerforming(std::int32_t s) {
  switch (s) {
    case kFollowLeft:
    case kFollowRight:
    case kBeginBeggingLeft:
    case kBeginBeggingRight:
    case kBegLeft:
    case kBegRight:
    case kBeginSingingLeft:
    case kBeginSingingRight:
    case kSingLeft:
    case kSingRight:
    case kBeginRabbitLeft:
    case kBeginRabbitRight:
    case kRabbitLeft:
    case kRabbitRight:
      return true;
    default:
      return false;
  }
}

// The move that keeps a performance or a dance move going.
Binding MoveFor(std::int32_t s) {
  switch (s) {
    case kSingLeft:
    case kSingRight:
    case kMove2:
      return Binding::kMove2;
    case kRabbitLeft:
    case kRabbitRight:
    case kMove3:
      return Binding::kMove3;
    default:
      return Binding::kMove1;
  }
}

}  // namespace

void Player::Init(std::int32_t x, std::int32_t y, std::int32_t worldWidth,
                  std::int32_t playerNumber, bool loadImages, bool showNumber) {
  x_ = static_cast<float>(x);
  y_ = static_cast<float>(y);
  worldWidth_ = worldWidth;
  cash_ = kStartCash;
  level_ = 0;
  ticks = 0;
  kindFlags_.fill(false);
  knowsDance_ = false;
  playerNumber_ = playerNumber;
  SetState(kStand);
  if (loadImages) {
    {
      engine::graphics::ImageFile imgext;
      imgext.Load("Images\\inter-number1.tif", numbers_[0], engine::graphics::DRAW_MASKED);
      imgext.Load("Images\\inter-number2.tif", numbers_[1], engine::graphics::DRAW_MASKED);
    }
    LoadFrames(kFrameGroups, frames_, engine::graphics::DRAW_MASKED);
  }
  showNumber_ = showNumber;
}

bool Player::FollowLeft(float distance) {
  x_ -= distance;
  if (x_ < 0.0f) {
    x_ = 0.0f;
    SetState(kStopPerforming);
    return true;
  }
  return false;
}

bool Player::FollowRight(float distance) {
  x_ += distance;
  if (x_ + static_cast<float>(kWidth) > static_cast<float>(worldWidth_)) {
    x_ = static_cast<float>(worldWidth_ - kWidth);
    SetState(kStopPerforming);
    return true;
  }
  return false;
}

void Player::OfferAtLastPicture(const FrameInput& input, std::int32_t lastImg, bool frozen) {
  if (cur_img == lastImg) {
    constexpr std::array<std::pair<Binding, std::int32_t>, 3> kOffers = {
        {{Binding::kMove1, kOfferBegging},
         {Binding::kMove2, kOfferSinging},
         {Binding::kMove3, kOfferRabbit}}};
    for (const auto& [move, offer] : kOffers) {
      if (!frozen && Held(input, playerNumber_, move)) {
        savedState_ = state;
        SetState(offer);
        return;
      }
    }
  }
  Animate(state);
}

void Player::Update(const FrameInput& input, bool frozen) {
  ++ticks;
  const auto held = [&](Binding b) { return !frozen && Held(input, playerNumber_, b); };

  switch (state) {
    case kStand:
      if (held(Binding::kLeft)) {
        SetState(kWalkLeft);
      } else if (held(Binding::kRight)) {
        SetState(kWalkRight);
      } else {
        Animate(kStand);
      }
      break;
    case kWalkLeft:
      x_ -= kWalkStep;
      if (x_ < 0.0f) x_ = 0.0f;
      if (held(Binding::kLeft)) {
        Animate(kWalkLeft);
      } else if (held(Binding::kRight)) {
        SetState(kWalkRight);
      } else {
        SetState(kStand);
      }
      break;
    case kWalkRight:
      x_ += kWalkStep;
      if (x_ + static_cast<float>(kWidth) > static_cast<float>(worldWidth_))
        x_ = static_cast<float>(worldWidth_ - kWidth);
      if (held(Binding::kLeft)) {
        SetState(kWalkLeft);
      } else if (held(Binding::kRight)) {
        Animate(kWalkRight);
      } else {
        SetState(kStand);
      }
      break;
    case kFallLeft:
    case kFallRight:
    case kBeginMove1:
    case kBeginMove2:
    case kBeginMove3:
    case kPushRight:
    case kPushLeft:
      Animate(state);
      break;
    case kAskToPerform:
    case kOfferBegging:
    case kOfferSinging:
    case kOfferRabbit:
    case kAskToDance:
      // A request the street's rules did not take up: back to what it was, picture unchanged.
      state = savedState_;
      break;
    case kFollowLeft:
      if (!FollowLeft(followSpeed_)) OfferAtLastPicture(input, kLastWalkLeftImg, frozen);
      break;
    case kFollowRight:
      if (!FollowRight(followSpeed_)) OfferAtLastPicture(input, kLastWalkRightImg, frozen);
      break;
    case kStopPerforming:
    case kStopDancing:
      SetState(kStand);
      break;
    case kBeginBeggingLeft:
    case kBeginSingingLeft:
    case kBeginRabbitLeft:
      if (!FollowLeft(followSpeed_)) Animate(state);
      break;
    case kBeginBeggingRight:
    case kBeginSingingRight:
    case kBeginRabbitRight:
      if (!FollowRight(followSpeed_)) Animate(state);
      break;
    case kBegLeft:
    case kSingLeft:
    case kRabbitLeft:
    case kBegRight:
    case kSingRight:
    case kRabbitRight: {
      const bool left = state == kBegLeft || state == kSingLeft || state == kRabbitLeft;
      if (left ? FollowLeft(followSpeed_) : FollowRight(followSpeed_)) break;
      if (held(MoveFor(state))) {
        Animate(state);
      } else {
        SetState(savedState_);
      }
      break;
    }
    case kDanceReady:
      if (held(Binding::kMove1)) {
        SetState(kBeginMove1);
      } else if (held(Binding::kMove2)) {
        SetState(kBeginMove2);
      } else if (held(Binding::kMove3)) {
        SetState(kBeginMove3);
      } else {
        Animate(kDanceReady);
      }
      break;
    case kMove1:
    case kMove2:
    case kMove3:
      if (held(MoveFor(state))) {
        Animate(state);
      } else {
        SetState(kDanceReady);
      }
      break;
    default:
      break;
  }

  if (Typed(playerNumber_, Binding::kFollow, input.typed)) {
    if (StandsOrWalks(state)) {
      savedState_ = state;
      SetState(kAskToPerform);
    } else if (IsFollowingOrPerforming(state)) {
      SetState(kStopPerforming);
    }
  } else if (Typed(playerNumber_, Binding::kDance, input.typed)) {
    if (knowsDance_ && StandsOrWalks(state)) {
      savedState_ = state;
      SetState(kAskToDance);
    } else if (Dances(state)) {
      SetState(kStopDancing);
    }
  }
}

void Player::Draw(int x, int y) const {
  if (cur_img >= 0 && static_cast<std::size_t>(cur_img) < frames_.size())
    DrawMaskedAt(x, y, frames_[static_cast<std::size_t>(cur_img)]);
  // Only players 1 and 2 have a number picture; any other number draws none.
  if (showNumber_ && (playerNumber_ == 1 || playerNumber_ == 2))
    DrawMaskedAt(x + 40, y - 20, numbers_[static_cast<std::size_t>(playerNumber_ - 1)]);
}

bool Player::KindFlag(std::int32_t kind) const {
  if (kind < 1 || kind > 4) return false;
  return kindFlags_[static_cast<std::size_t>(kind - 1)];
}

bool Player::AllKindFlags() const {
  for (const bool flag : kindFlags_)
    if (!flag) return false;
  return true;
}

// Worked out in 64 bits so that no amount can overflow the 32-bit cash.
void Player::TakeCash(std::int32_t amount) {
  const std::int64_t result = static_cast<std::int64_t>(cash_) - amount;
  if (result < 0) {
    cash_ = 0;
  } else if (result > std::numeric_limits<std::int32_t>::max()) {
    cash_ = std::numeric_limits<std::int32_t>::max();
  } else {
    cash_ = static_cast<std::int32_t>(result);
  }
}

void Player::LevelUp() {
  ++level_;
  if (level_ > kTopLevel) level_ = kTopLevel;
}

void Player::SetKindFlag(std::int32_t kind, bool value) {
  if (kind < 1 || kind > 4) return;
  kindFlags_[static_cast<std::size_t>(kind - 1)] = value;
}

void Player::SetAllKindFlags(bool value) {
  kindFlags_.fill(value);
}

}  // namespace game::actors
