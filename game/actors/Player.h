// Player.h -- the street performer under a player's control: walks, follows a passer-by,
// begs, sings, pulls a rabbit from the hat, dances, pushes and falls, and holds the cash.
#pragma once

#include <array>
#include <cstdint>

#include "engine/graphics/Image.h"
#include "game/actors/Animation.h"
#include "game/actors/FrameInput.h"

namespace game::actors {

class Player final : public Actor {
 public:
  Player() = default;

  // Starts a game: cash 3000, level 0, standing; loads the pictures when asked (only for a
  // mode's first game).
  void Init(std::int32_t x, std::int32_t y, std::int32_t worldWidth, std::int32_t playerNumber,
            bool loadImages, bool showNumber);
  // One frame: the held bindings of input (ignored while frozen) move the state machine, then
  // its typed character asks to perform or dance, or stops.
  void Update(const FrameInput& input, bool frozen);
  // The picture at screen position (x, y), and the player's number over its head.
  void Draw(int x, int y) const;

  // Queries.
  float X() const { return x_; }
  float Y() const { return y_; }
  std::int32_t WorldWidth() const { return worldWidth_; }
  std::int32_t Cash() const { return cash_; }
  std::int32_t Level() const { return level_; }
  std::int32_t SavedState() const { return savedState_; }
  std::int32_t PlayerNumber() const { return playerNumber_; }
  bool KnowsDance() const { return knowsDance_; }
  float FollowSpeed() const { return followSpeed_; }
  bool KindFlag(std::int32_t kind) const;  // kind 1..4
  bool AllKindFlags() const;
  float CentreX() const { return x_ + 50.0f; }
  bool ShowNumber() const { return showNumber_; }

  // Changes.
  void AddCash(std::int32_t amount) { cash_ += amount; }
  void TakeCash(std::int32_t amount);
  void LevelUp();
  void SetKindFlag(std::int32_t kind, bool value);
  void SetAllKindFlags(bool value);
  void SetKnowsDance(bool value) { knowsDance_ = value; }
  void SetFollowSpeed(float v) { followSpeed_ = v; }
  void SetSavedState(std::int32_t s) { savedState_ = s; }

  const std::array<engine::graphics::Image, 150>& Frames() const { return frames_; }

 protected:
  ActorType AnimationType() const override { return ActorType::kPlayer; }

 private:
  // Following and performing moves: by distance, stopping the performance (state 10) at either
  // end of the street. True when it stopped there.
  bool FollowLeft(float distance);
  bool FollowRight(float distance);
  // While following: a move held at the walk's last picture (lastImg) offers its performance;
  // otherwise the walk goes on.
  void OfferAtLastPicture(const FrameInput& input, std::int32_t lastImg, bool frozen);

  float x_ = 0.0f;
  float y_ = 0.0f;
  std::int32_t worldWidth_ = 0;
  std::int32_t cash_ = 0;
  std::int32_t level_ = 0;
  std::array<bool, 4> kindFlags_{};
  std::int32_t savedState_ = 0;
  std::int32_t playerNumber_ = 0;
  bool knowsDance_ = false;
  float followSpeed_ = 0.0f;
  std::array<engine::graphics::Image, 150> frames_;
  std::array<engine::graphics::Image, 2> numbers_;
  bool showNumber_ = false;
};

}  // namespace game::actors
