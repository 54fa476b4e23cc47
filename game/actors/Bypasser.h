// Bypasser.h -- a person walking the street: a Normal passer-by who pays for performances, a
// thief, or a hobo who sells dance lessons.
#pragma once

#include <array>
#include <cstdint>
#include <memory>

#include "engine/graphics/Image.h"
#include "game/actors/Animation.h"
#include "game/actors/PaySchedule.h"

namespace game::actors {

inline constexpr std::int32_t kNormal = 0;
inline constexpr std::int32_t kThief = 1;
inline constexpr std::int32_t kHobo = 2;

class Bypasser final : public Actor {
 public:
  Bypasser() = default;

  // Each initialiser is called once, right after construction, and loads the pictures.
  void InitNormal(std::int32_t x, std::int32_t y, float speed, std::int32_t cash,
                  std::int32_t state, std::unique_ptr<PaySchedule> schedule, std::int32_t favourite,
                  std::int32_t tolerated, std::int32_t interest, std::int32_t kind);
  void InitThief(std::int32_t x, std::int32_t y, float speed, std::int32_t state);
  void InitHobo(std::int32_t x, std::int32_t y, float speed, std::int32_t state,
                std::int32_t price);

  // One frame: count, move (a Normal passer-by hurried by the street's pace), animate.
  void Update(float pace);
  // At screen position (x, y): the picture, and the meter or the price tag over it.
  void Draw(int x, int y) const;

  // Queries.
  std::int32_t Type() const { return type_; }
  float X() const { return x_; }
  float Y() const { return y_; }
  float Speed() const { return speed_; }
  std::int32_t Cash() const { return cash_; }
  std::int32_t SavedState() const { return savedState_; }
  std::int32_t Favourite() const { return favourite_; }
  std::int32_t Tolerated() const { return tolerated_; }
  float Interest() const { return interest_; }
  PaySchedule* Schedule() const { return schedule_.get(); }
  std::int32_t Progress() const { return progress_; }
  bool Engaged() const { return engaged_; }
  bool Watching() const { return watching_; }
  bool HasStolen() const { return hasStolen_; }
  bool Selling() const { return selling_; }
  std::int32_t Price() const { return price_; }
  std::int32_t Kind() const { return kind_; }
  float RightEdge() const { return x_ + static_cast<float>(width_); }
  float CentreX() const { return x_ + static_cast<float>(width_ / 2); }
  bool HasCash() const { return cash_ > 0; }
  bool IsAvailable() const;

  // Changes.
  void SetSpeed(float v) { speed_ = v; }
  void SetHasStolen(bool b) { hasStolen_ = b; }
  void SetSavedState(std::int32_t s) { savedState_ = s; }
  void SetEngaged(bool b) { engaged_ = b; }
  void SetWatching(bool b) { watching_ = b; }
  void SetProgress(std::int32_t n) { progress_ = n; }
  // A hobo that teaches offers no lesson until it walks again.
  void SetSelling(bool b) { selling_ = b; }
  void TakeCash(std::int32_t amount);
  void AddInterest(float d);
  void SubInterest(float d);

  const std::array<engine::graphics::Image, 100>& Frames() const { return frames_; }

 protected:
  ActorType AnimationType() const override;
  std::int32_t NextState(const AnimRow& row) const override;
  void OnStateSet(std::int32_t s) override;

 private:
  std::int32_t type_ = kNormal;
  std::int32_t width_ = 100;
  std::int32_t height_ = 100;
  float x_ = 0.0f;
  float y_ = 0.0f;
  float speed_ = 0.0f;
  std::int32_t cash_ = 0;
  std::int32_t savedState_ = 0;
  std::int32_t favourite_ = 0;
  std::int32_t tolerated_ = 0;
  float interest_ = 0.0f;
  std::unique_ptr<PaySchedule> schedule_;
  std::array<engine::graphics::Image, 100> frames_;
  std::array<engine::graphics::Image, 2> meter_;
  std::array<engine::graphics::Image, 5> priceTags_;
  std::int32_t progress_ = 0;
  bool engaged_ = false;
  bool watching_ = false;
  bool hasStolen_ = false;
  bool selling_ = false;
  std::int32_t price_ = 0;
  std::int32_t kind_ = 0;
};

}  // namespace game::actors
