// Bypasser.cpp -- the passers-by's initialisers and picture loading, their walk along the
// street, the hobo's lesson state, and the clamped changes of cash and interest.
#include "game/actors/Bypasser.h"

#include <string>
#include <utility>

#include "game/actors/States.h"

namespace game::actors {

namespace {

using engine::graphics::DRAW_MASKED;
using engine::graphics::DRAW_PLAIN;
using engine::graphics::Image;

constexpr FrameGroup kMeterPictures[] = {
    {"Images\\Bypasser\\normal-performmeter.tif", 1, 0},
    {"Images\\Bypasser\\normal-performtick.tif", 1, 1},
};

constexpr FrameGroup kThiefFrames[] = {
    {"Images\\Bypasser\\Thief\\thief-moveleft%03d.tif", 4, 0},
    {"Images\\Bypasser\\Thief\\thief-moveright%03d.tif", 4, 4},
    {"Images\\Bypasser\\Thief\\thief-runleft%03d.tif", 4, 8},
    {"Images\\Bypasser\\Thief\\thief-runright%03d.tif", 4, 12},
};

// The teaching pictures come first, into the slots after the walks.
constexpr FrameGroup kHoboFrames[] = {
    {"Images\\Bypasser\\Hobo\\hobo-teach%03d.tif", 6, 8},
    {"Images\\Bypasser\\Hobo\\hobo-moveleft%03d.tif", 4, 0},
    {"Images\\Bypasser\\Hobo\\hobo-moveright%03d.tif", 4, 4},
};

// Price tags 1000, 1500, 2000, 2500, 3000.
constexpr FrameGroup kPriceTags[] = {
    {"Images\\Bypasser\\Hobo\\hobo-price1000.tif", 1, 0},
    {"Images\\Bypasser\\Hobo\\hobo-price1500.tif", 1, 1},
    {"Images\\Bypasser\\Hobo\\hobo-price2000.tif", 1, 2},
    {"Images\\Bypasser\\Hobo\\hobo-price2500.tif", 1, 3},
    {"Images\\Bypasser\\Hobo\\hobo-price3000.tif", 1, 4},
};

// The kind's digit names both the folder and the file prefix; other kinds have no pictures.
void LoadNormalFrames(std::int32_t kind, std::span<Image> frames) {
  if (kind < 1 || kind > 4) return;
  const std::string k = std::to_string(kind);
  const std::string prefix = "Images\\Bypasser\\Normal" + k + "\\normal" + k + "-";
  const std::string watch = prefix + "watch%03d.tif";
  const std::string moveLeft = prefix + "moveleft%03d.tif";
  const std::string moveRight = prefix + "moveright%03d.tif";
  const std::string payLeft = prefix + "payleft%03d.tif";
  const std::string payRight = prefix + "payright%03d.tif";
  const FrameGroup groups[] = {
      {watch.c_str(), 3, 0},    {moveLeft.c_str(), 4, 3},  {moveRight.c_str(), 4, 7},
      {payLeft.c_str(), 4, 11}, {payRight.c_str(), 4, 15},
  };
  LoadFrames(groups, frames, DRAW_MASKED);
}

// -1 for a state that walks left, 1 right, 0 standing.
int Direction(std::int32_t type, std::int32_t state) {
  switch (type) {
    case kNormal:
      if (state == normal::kWalkLeft || state == normal::kPayLeft) return -1;
      if (state == normal::kWalkRight || state == normal::kPayRight) return 1;
      return 0;
    case kThief:
      if (state == thief::kWalkLeft || state == thief::kRunLeft) return -1;
      if (state == thief::kWalkRight || state == thief::kRunRight) return 1;
      return 0;
    case kHobo:
      if (state == hobo::kWalkLeft) return -1;
      if (state == hobo::kWalkRight) return 1;
      return 0;
    default:
      return 0;
  }
}

}  // namespace

void Bypasser::InitNormal(std::int32_t x, std::int32_t y, float speed, std::int32_t cash,
                          std::int32_t state, std::unique_ptr<PaySchedule> schedule,
                          std::int32_t favourite, std::int32_t tolerated, std::int32_t interest,
                          std::int32_t kind) {
  type_ = kNormal;
  width_ = 100;
  height_ = 100;
  x_ = static_cast<float>(x);
  y_ = static_cast<float>(y);
  speed_ = speed;
  cash_ = cash;
  SetState(state);
  schedule_ = std::move(schedule);
  favourite_ = favourite;
  tolerated_ = tolerated;
  interest_ = static_cast<float>(interest);
  kind_ = kind;
  ticks = 0;
  progress_ = 0;
  engaged_ = false;
  watching_ = false;
  LoadFrames(kMeterPictures, meter_, DRAW_PLAIN);
  LoadNormalFrames(kind_, frames_);
}

void Bypasser::InitThief(std::int32_t x, std::int32_t y, float speed, std::int32_t state) {
  type_ = kThief;
  width_ = 100;
  height_ = 100;
  x_ = static_cast<float>(x);
  y_ = static_cast<float>(y);
  speed_ = speed;
  SetState(state);
  hasStolen_ = false;
  ticks = 0;
  LoadFrames(kThiefFrames, frames_, DRAW_MASKED);
}

void Bypasser::InitHobo(std::int32_t x, std::int32_t y, float speed, std::int32_t state,
                        std::int32_t price) {
  type_ = kHobo;
  width_ = 100;
  height_ = 100;
  x_ = static_cast<float>(x);
  y_ = static_cast<float>(y);
  speed_ = speed;
  SetState(state);
  selling_ = true;
  price_ = price;
  ticks = 0;
  LoadFrames(kHoboFrames, frames_, DRAW_MASKED);
  LoadFrames(kPriceTags, priceTags_, DRAW_MASKED);
}

void Bypasser::Update(float pace) {
  ++ticks;
  if (const int direction = Direction(type_, state); direction != 0) {
    // Only Normal passers-by are hurried by the street's pace; the sum is kept in single
    // precision before it moves the position.
    const float distance = type_ == kNormal ? pace + speed_ : speed_;
    x_ = direction < 0 ? x_ - distance : x_ + distance;
  }
  Animate(state);
}

bool Bypasser::IsAvailable() const {
  return type_ == kNormal && (state == normal::kWalkLeft || state == normal::kWalkRight) &&
         !engaged_ && cash_ > 0;
}

void Bypasser::TakeCash(std::int32_t amount) {
  // Worked out in 64 bits so that no amount can overflow the subtraction.
  const std::int64_t rest = static_cast<std::int64_t>(cash_) - amount;
  cash_ = rest < 0 ? 0 : static_cast<std::int32_t>(rest > INT32_MAX ? INT32_MAX : rest);
}

void Bypasser::AddInterest(float d) {
  interest_ += d;
  if (interest_ > 100.0f) interest_ = 100.0f;
}

void Bypasser::SubInterest(float d) {
  interest_ -= d;
  if (interest_ < 0.0f) interest_ = 0.0f;
}

ActorType Bypasser::AnimationType() const {
  switch (type_) {
    case kThief:
      return ActorType::kThief;
    case kHobo:
      return ActorType::kHobo;
    default:
      return ActorType::kNormal;
  }
}

std::int32_t Bypasser::NextState(const AnimRow& row) const {
  return row.nextState == kSavedState ? savedState_ : row.nextState;
}

void Bypasser::OnStateSet(std::int32_t s) {
  // A hobo walking again offers its lesson again.
  if (type_ == kHobo && (s == hobo::kWalkLeft || s == hobo::kWalkRight)) selling_ = true;
}

}  // namespace game::actors
