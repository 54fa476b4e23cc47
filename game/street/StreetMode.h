// StreetMode.h -- what the single-player and the two-player street share: the mode's clock
// fields, the seven sounds, the street list, the favourites of the day, cash items, the
// reactions to a performer's state, thefts, buying a lesson, spawning passers-by, the
// count-down, and the drawing of actors and the status display's common pieces. Each mode
// keeps only its own differences.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <unordered_map>
#include <utility>
#include <vector>

#include "engine/graphics/Image.h"
#include "engine/sound/SoundX.h"
#include "game/actors/Bypasser.h"
#include "game/actors/Dance.h"
#include "game/actors/FrameInput.h"
#include "game/actors/Performance.h"
#include "game/actors/Player.h"
#include "game/actors/StreetList.h"
#include "game/actors/View.h"
#include "game/street/PictureTable.h"

namespace game::street {

// Indexes of the mode's sound table.
enum SoundIndex : std::int32_t {
  kMusic = 0,
  kCashSound = 1,
  kWrongSound = 2,
  kGongSound = 3,
  kSpinSound = 4,
  kStealSound = 5,
  kThumpSound = 6,
};

// The sound files, in the order of the table.
inline constexpr std::array<const char*, 7> kSoundFiles = {
    "Sounds\\bgsound.wav", "Sounds\\cash.wav",  "Sounds\\wrong.wav", "Sounds\\gong.wav",
    "Sounds\\spin.wav",    "Sounds\\steal.wav", "Sounds\\thump.wav",
};

inline constexpr std::int32_t kWorldWidth = 2300;

// The mode's own state; the trace prints the number.
enum ModeState : std::uint32_t {
  kStarting = 0,  // the first Run sets the stage up
  kCountDown = 1,
  kPlaying = 2,
  kGameOver = 3,
};

// A passer-by as it was created, for the trace.
struct SpawnRecord {
  std::int32_t id = 0;
  std::int32_t type = 0;
  std::int32_t kind = 0;
  float x = 0.0f, y = 0.0f, speed = 0.0f;
  std::int32_t state = 0;
  std::int32_t cash = 0;
  std::int32_t favourite = 0;
  std::int32_t tolerated = 0;
  float interest = 0.0f;
  std::int32_t price = 0;
  std::int32_t release = 0;
  std::vector<std::pair<std::int32_t, std::int32_t>> schedule;  // (amount, threshold)
};

// How a street numbers its batches of passers-by.
struct SpawnLayout {
  std::int32_t yBase = 280;      // y is yBase + r(40)
  std::int32_t hoboEvery = 20;   // a hobo at every index divisible by this
  std::int32_t thiefEvery = 12;  // a thief at every index divisible by this
};

class StreetMode {
 public:
  // The mode's clock, for the trace and tests.
  std::uint8_t Paused() const { return paused_; }
  std::int32_t Light() const { return light_; }
  std::int32_t Frame() const { return frame_; }
  std::int32_t Clock() const { return clock_; }
  std::uint32_t State() const { return state_; }
  std::int32_t DayTimer() const { return dayTimer_; }
  std::uint32_t Seed() const { return seed_; }

  // What the trace reads after a frame.
  const std::vector<SpawnRecord>& SpawnedThisFrame() const { return spawned_; }
  // The index of one of the mode's sounds in its table, or -1.
  std::int32_t SoundIndexOf(const engine::sound::SoundX& sound) const;
  // The trace's number for a passer-by of this game; -1 for one it never saw.
  std::int32_t IdOf(const actors::Bypasser* bypasser) const;
  const actors::StreetList* Street() const { return street_.get(); }
  const std::array<std::int32_t, 4>& Interest() const { return interest_; }
  std::int32_t Item1() const { return item1_; }
  std::int32_t Item2() const { return item2_; }
  float Pace() const { return pace_; }

 protected:
  StreetMode() = default;
  ~StreetMode() = default;

  // The mode's own parts of a frame, which RunState calls.
  // Sets the views and the stage up for a game and points the views at the performers; a new
  // game after the first shows the loading picture while its street loads.
  virtual void OpenStreet(bool firstGame) = 0;
  // The performers' frozen updates of a count-down frame.
  virtual void FreezePerformers() = 0;
  virtual void Play(const actors::FrameInput& input) = 0;
  // A new game from the game-over screen: its clock and its street (the first thump of the
  // count-down follows).
  virtual void NewGame() = 0;

  // After the mode's own start of a frame: what the frame does in the mode's state. scheme's
  // pause character starts a new game from the game-over screen.
  void RunState(const actors::FrameInput& input, std::int32_t scheme);
  // The clock of a new game: light red, no cash items, not paused, pace 0.
  void NewClock(std::int32_t clock, std::int32_t dayTimer, std::uint32_t seed, ModeState state);
  // Called at the start of every Run: the frame's list of new passers-by starts empty.
  void BeginFrame();
  // Called by the mode's Start: the loading picture, shown at once, then the mode's other
  // pictures and the sounds.
  void LoadAssets(const ModePictures& pictures, std::span<engine::graphics::Image> images);
  void LoadSounds();
  // StartSound from its start.
  void PlaySound(std::int32_t index);
  // The background music: from its start at volume 0.5, pan 0.
  void PlayMusic();
  // Seeds the generator with s, then draws the favourite performance of each kind.
  void NewInterests(std::uint32_t s);
  // One frame of the count-down, after the performers' frozen updates: a thump and the next
  // light every 100 frames, and after 300 the day's favourites drawn from interestSeed, the
  // music, and play.
  void CountDown(std::uint32_t interestSeed);

  // A new street for a new game: every record that could still point into the old street is
  // cleared first, then the street list is emptied and the trace's numbering starts again.
  void NewStreet(std::vector<actors::Performance*> performances,
                 std::vector<actors::Dance*> dances);
  // Creates count Normal passers-by with their thieves and hobos, released every 100 frames
  // from releaseBase; returns count.
  std::int32_t SpawnBypassers(std::int32_t releaseBase, std::int32_t count,
                              const SpawnLayout& layout);

  // The reaction to a performer's state after its update; true when a performance step ran.
  bool React(actors::Player& player, actors::Performance& performance, actors::Dance& dance);
  // Every 100 frames of play: maybe a new cash item in each free slot (r(6), then r(8) drawn
  // in every case).
  void DropItems();
  // A performer standing on a cash item picks it up; strict: at exactly 5 units it does not.
  void PickUpItems(actors::Player& player, bool strict);
  // A thief within reach robs a performer in one of the exposed states. divisor is what the
  // cash is divided by from 1000 on.
  void Rob(actors::Player& player, bool pushStatesExposed, std::int32_t divisor);
  // Buys a lesson from the nearest selling hobo when the performer can pay for it.
  void BuyDance(actors::Player& player);
  // Ends a one-to-one performance whose performer is in one of its states, standing it.
  static void EndPerformanceOnDayEnd(actors::Player& player, actors::Performance& performance);

  // Drawing shared by both modes.
  // The loading picture at (x, y), presented at once: no frame is being drawn while a street
  // is set up.
  static void ShowLoading(const engine::graphics::Image& picture, std::int32_t x, std::int32_t y);
  static void FollowPlayer(actors::View& view, const actors::Player& player);
  static void DrawPlayer(const actors::Player& player, const actors::View& view);
  void DrawBypassers(const actors::View& view) const;
  // The cash items on the street, their tops at the view's screen y + dy.
  void DrawItems(const actors::View& view, float dy, const engine::graphics::Image& item) const;
  // The cash as ten digits with leading zeros after the symbol; digits[d] shows digit d.
  static void DrawCash(std::int32_t cash, std::int32_t sx, std::int32_t sy,
                       std::span<const engine::graphics::Image, 10> digits);
  // The clock face with both hands turned by their angles, all masked at (x, y).
  static void DrawClock(const engine::graphics::Image& face,
                        const engine::graphics::Image& longHand,
                        const engine::graphics::Image& shortHand,
                        engine::graphics::Image& longTurned, engine::graphics::Image& shortTurned,
                        float longAngle, float shortAngle, std::int32_t x, std::int32_t y);

  std::uint8_t paused_ = 0;
  std::int32_t light_ = 0;  // count-down light: 2 red, 1 yellow, 0 green
  std::int32_t frame_ = 0;  // frames counted in the current state
  std::int32_t clock_ = 0;  // game clock in units of 100 frames of play
  std::uint32_t state_ = kStarting;
  std::int32_t dayTimer_ = 0;
  std::uint32_t seed_ = 0;
  std::array<engine::sound::SoundX, 7> sounds_;
  std::unique_ptr<actors::StreetList> street_;
  std::array<std::int32_t, 4> interest_{};
  std::int32_t item1_ = -1;
  std::int32_t item2_ = -1;
  float pace_ = 0.0f;

 private:
  std::vector<SpawnRecord> spawned_;
  std::unordered_map<const actors::Bypasser*, std::int32_t> ids_;
  std::int32_t nextId_ = 0;
};

}  // namespace game::street
