// Player.cpp -- the performer: its start of a game, its state machine driven by the held
// actions and the typed character, its drawing, and its cash, level and kind flags.
#include "game/actors/Player.h"

#include <array>
#include <limits>
#include <utility>

#include "engine/graphics/ImageFile.h"
#include "game/actors/PlayerControls.h"

namespace game::actors {

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
    case 8:
    case 9:
    case 12:
    case 13:
    case 14:
    case 15:
    case 17:
    case 18:
    case 19:
    case 20:
    case 22:
    case 23:
    case 24:
    case 25:
      return true;
    default:
      return false;
  }
}

// The move that keeps a performance or a dance move going.
Action MoveFor(std::int32_t s) {
  switch (s) {
    case 19:
    case 20:
    case 31:
      return Action::kMove2;
    case 24:
    case 25:
    case 33:
      return Action::kMove3;
    default:
      return Action::kMove1;
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
  SetState(0);
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
    SetState(10);
    return true;
  }
  return false;
}

bool Player::FollowRight(float distance) {
  x_ += distance;
  if (x_ + static_cast<float>(kWidth) > static_cast<float>(worldWidth_)) {
    x_ = static_cast<float>(worldWidth_ - kWidth);
    SetState(10);
    return true;
  }
  return false;
}

void Player::OfferAtLastPicture(std::int32_t lastImg, bool frozen) {
  if (cur_img == lastImg) {
    constexpr std::array<std::pair<Action, std::int32_t>, 3> kOffers = {
        {{Action::kMove1, 11}, {Action::kMove2, 16}, {Action::kMove3, 21}}};
    for (const auto& [move, offer] : kOffers) {
      if (!frozen && ActionDown(playerNumber_, move)) {
        savedState_ = state;
        SetState(offer);
        return;
      }
    }
  }
  Animate(state);
}

void Player::Update(std::int8_t key, bool frozen) {
  ++ticks;
  const auto held = [&](Action a) { return !frozen && ActionDown(playerNumber_, a); };

  switch (state) {
    case 0:
      if (held(Action::kLeft)) {
        SetState(1);
      } else if (held(Action::kRight)) {
        SetState(2);
      } else {
        Animate(0);
      }
      break;
    case 1:
      x_ -= kWalkStep;
      if (x_ < 0.0f) x_ = 0.0f;
      if (held(Action::kLeft)) {
        Animate(1);
      } else if (held(Action::kRight)) {
        SetState(2);
      } else {
        SetState(0);
      }
      break;
    case 2:
      x_ += kWalkStep;
      if (x_ + static_cast<float>(kWidth) > static_cast<float>(worldWidth_))
        x_ = static_cast<float>(worldWidth_ - kWidth);
      if (held(Action::kLeft)) {
        SetState(1);
      } else if (held(Action::kRight)) {
        Animate(2);
      } else {
        SetState(0);
      }
      break;
    case 5:
    case 6:
    case 28:
    case 30:
    case 32:
    case 35:
    case 36:
      Animate(state);
      break;
    case 7:
    case 11:
    case 16:
    case 21:
    case 26:
      // A request the street's rules did not take up: back to what it was, picture unchanged.
      state = savedState_;
      break;
    case 8:
      if (!FollowLeft(followSpeed_)) OfferAtLastPicture(kLastWalkLeftImg, frozen);
      break;
    case 9:
      if (!FollowRight(followSpeed_)) OfferAtLastPicture(kLastWalkRightImg, frozen);
      break;
    case 10:
    case 34:
      SetState(0);
      break;
    case 12:
    case 17:
    case 22:
      if (!FollowLeft(followSpeed_)) Animate(state);
      break;
    case 13:
    case 18:
    case 23:
      if (!FollowRight(followSpeed_)) Animate(state);
      break;
    case 14:
    case 19:
    case 24:
    case 15:
    case 20:
    case 25: {
      const bool left = state == 14 || state == 19 || state == 24;
      if (left ? FollowLeft(followSpeed_) : FollowRight(followSpeed_)) break;
      if (held(MoveFor(state))) {
        Animate(state);
      } else {
        SetState(savedState_);
      }
      break;
    }
    case 27:
      if (held(Action::kMove1)) {
        SetState(28);
      } else if (held(Action::kMove2)) {
        SetState(30);
      } else if (held(Action::kMove3)) {
        SetState(32);
      } else {
        Animate(27);
      }
      break;
    case 29:
    case 31:
    case 33:
      if (held(MoveFor(state))) {
        Animate(state);
      } else {
        SetState(27);
      }
      break;
    default:
      break;
  }

  switch (TypedRequest(playerNumber_, key)) {
    case Request::kPerform:
      if (state >= 0 && state <= 2) {
        savedState_ = state;
        SetState(7);
      } else if (IsFollowingOrPerforming(state)) {
        SetState(10);
      }
      break;
    case Request::kDance:
      if (knowsDance_ && state >= 0 && state <= 2) {
        savedState_ = state;
        SetState(26);
      } else if (state >= 27 && state <= 33) {
        SetState(34);
      }
      break;
    case Request::kNone:
      break;
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
