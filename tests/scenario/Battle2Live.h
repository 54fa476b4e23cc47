// Battle2Live.h -- the real game run inside the test process on a quiet headless platform, and
// a bot that plays a performer of the two-player street through its own controls: it walks to
// a passer-by of a kind that has not paid it yet, asks to perform, offers the performance that
// kind favours today and stops as soon as that kind has paid.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

#include "engine/core/Engine.h"
#include "engine/graphics/Screenshot.h"
#include "engine/support/Path.h"
#include "game/actors/Random.h"
#include "game/shell/Callbacks.h"
#include "game/shell/GameShell.h"
#include "tests/common/GlobalPlatform.h"
#include "tests/common/TempDir.h"

namespace tests::scenario::battle2 {

using engine::platform::Message;
using engine::platform::MessageType;
using game::actors::Bypasser;
using game::actors::Player;

// What a frame left behind, for the checks after the game.
struct Snapshot {
  int frame = 0;  // frames of play
  std::uint32_t state = 0;
  int dayTimer = 0;
  int seed = 0;
  float pace = 0;
  std::array<std::int32_t, 4> interest{};
  struct Performer {
    int state = 0, cash = 0, level = 0;
    bool allKinds = false;
    int kinds = 0;  // flags set
  };
  std::array<Performer, 2> players;
  std::vector<int> sounds;
};

// The game, driven frame by frame. Input posted before a frame is what that frame's run() sees.
class LiveGame {
 public:
  LiveGame() {
    engine::support::SetDataFolder(CURBSIDE_DATA_DIR);
    // The generator as at start-up, whatever earlier tests in this process drew.
    game::actors::Rng.Seed(1);
  }

  const game::battle2::Battle2& Mode() const { return game::shell::Game.GetBattle2(); }
  const Player& Performer(int n) const { return *Mode().GetPlayer(n); }
  // Test-side changes to a performer that play could not make in reasonable time.
  Player& Change(int n) const { return const_cast<Player&>(Performer(n)); }

  void Post(MessageType type, std::uint32_t wParam = 0, std::uint32_t lParam = 0) {
    Vorel.WindowProc(Message{type, Vorel.GetWindow(), wParam, lParam});
  }
  void Hold(int key, bool down) { Post(down ? MessageType::kKeyDown : MessageType::kKeyUp, key); }
  void Type(char c) { Post(MessageType::kChar, static_cast<std::uint8_t>(c)); }
  void ClickTwoPlayers() {
    Post(MessageType::kMouseMove, 0, engine::platform::PackPoint(500, 340));
    Post(MessageType::kLeftDown);
  }

  // Runs frames until `after` returns true; `before` posts the input of each frame. Frame 1 is
  // the first run() after start-up. Sounds started by the mode are kept per frame.
  void Run(const std::function<void(int)>& before, const std::function<bool(int)>& after) {
    Vorel.SetSoundStartedHook([this](const engine::sound::SoundX& s) {
      if (game::shell::Game.Mode() == 2) sounds_.push_back(Mode().SoundIndexOf(s));
    });
    Vorel.SetDrawnHook([this] {
      if (!capture_) return;
      capture_ = false;
      screen_ = engine::graphics::CaptureRgb(Vorel.GetBackBuffer(), Vorel.GetStride(),
                                             Vorel.DrawingWidth(), Vorel.GetHeight(),
                                             engine::graphics::ScreenFormat);
    });
    int frame = 0;
    const int code = Vorel.Entry(game::shell::initialize, [&] {
      ++frame;
      before(frame);
      sounds_.clear();
      game::shell::run();
      if (after(frame)) Vorel.Quit();
    });
    Vorel.SetSoundStartedHook(nullptr);
    Vorel.SetDrawnHook(nullptr);
    EXPECT_EQ(code, 0);
  }

  // The frame just run, as the checks need it.
  Snapshot Take() const {
    Snapshot s;
    const auto& m = Mode();
    s.frame = m.Frame();
    s.state = m.State();
    s.dayTimer = m.DayTimer();
    s.seed = m.Seed();
    s.pace = m.Pace();
    s.interest = m.Interest();
    for (int n : {1, 2}) {
      const Player& p = Performer(n);
      auto& r = s.players[static_cast<std::size_t>(n - 1)];
      r.state = p.state;
      r.cash = p.Cash();
      r.level = p.Level();
      r.allKinds = p.AllKindFlags();
      for (int k = 1; k <= 4; ++k)
        r.kinds += p.KindFlag(k);
    }
    s.sounds = sounds_;
    return s;
  }

  // The next drawn frame's screen is kept for TakeScreen().
  void CaptureNextFrame() { capture_ = true; }
  engine::graphics::Image TakeScreen() { return std::move(screen_); }

 private:
  tests::TempDir dir_;  // debug.txt goes here
  tests::GlobalPlatform platform_;
  std::vector<int> sounds_;
  bool capture_ = false;
  engine::graphics::Image screen_;
};

// Plays one performer through its controls. Each frame: Decide() after the previous frame,
// then the game reads what it holds and types.
class Bot {
 public:
  Bot(LiveGame& game, int number) : game_(game), number_(number) {}

  // Stops working (and stands) while false.
  bool working = true;
  const Bot* other = nullptr;

  // Whether the bot wants to type in the next frame; Typed() gives the character.
  bool WantsToType() const { return typed_.has_value(); }
  char Typed() const { return *typed_; }

  // Works out the held controls and the wanted character for the next frame, and posts the
  // held ones.
  void Decide() {
    const Player& me = game_.Performer(number_);
    typed_.reset();
    bool left = false, right = false;
    int move = 0;
    const int s = me.state;
    // A request answered by following: the passer-by asked for is the one performed for.
    if ((s == 8 || s == 9) && asked_ != nullptr) {
      if (asked_->Engaged()) target_ = asked_;
      asked_ = nullptr;
    }
    if (s == 8 || s == 9 || (s >= 12 && s <= 15) || (s >= 17 && s <= 20) || (s >= 22 && s <= 25)) {
      // Performing for the target: the favoured move until its kind has paid, then stop.
      if (target_ != nullptr && !me.KindFlag(target_->Kind()) && working) {
        move = game_.Mode().Interest()[static_cast<std::size_t>(target_->Kind() - 1)] + 1;
      } else {
        typed_ = PerformKey();
      }
    } else if (s <= 2) {
      target_ = nullptr;
      if (const Bypasser* goal = working ? Goal(me) : nullptr) {
        // Where this frame's walk leaves the centre, then the street's own search from there.
        const float step = s == 1 ? -5.0f : s == 2 ? 5.0f : 0.0f;
        const float centre = me.CentreX() + step;
        const auto* street = game_.Mode().Street();
        if (street->NearestAvailable(static_cast<std::int32_t>(centre)) == goal &&
            std::fabs(goal->CentreX() - centre) <= 40.0f) {
          typed_ = PerformKey();
          asked_ = goal;
        } else {
          left = goal->CentreX() < me.CentreX();
          right = !left;
        }
      }
    }
    Post(left, right, move);
  }

 private:
  char PerformKey() const { return number_ == 1 ? 'q' : '4'; }

  // The nearest available Normal passer-by of a kind that has not paid yet, not wanted by the
  // other bot.
  const Bypasser* Goal(const Player& me) const {
    const Bypasser* best = nullptr;
    for (const Bypasser* b : game_.Mode().Street()->Active()) {
      if (!b->IsAvailable() || me.KindFlag(b->Kind())) continue;
      if (other != nullptr && (b == other->asked_ || b == other->target_)) continue;
      // Only the street between the ends, where the performer can stand beside it.
      if (b->CentreX() < 60.0f || b->CentreX() > 2240.0f) continue;
      if (best == nullptr ||
          std::fabs(b->CentreX() - me.CentreX()) < std::fabs(best->CentreX() - me.CentreX()))
        best = b;
    }
    return best;
  }

  void Post(bool left, bool right, int move) {
    if (number_ == 1) {
      game_.Hold(78, left);
      game_.Hold(77, right);
      for (int m = 1; m <= 3; ++m)
        game_.Hold('0' + m, move == m);
      return;
    }
    // Player 2's walk is the mouse: one button at a time.
    if (left) {
      game_.Post(MessageType::kLeftDown);
    } else if (right) {
      game_.Post(MessageType::kRightDown);
    } else {
      game_.Post(MessageType::kLeftUp);
    }
    for (int m = 1; m <= 3; ++m)
      game_.Hold(102 + m, move == m);
  }

  LiveGame& game_;
  int number_;
  std::optional<char> typed_;
  const Bypasser* asked_ = nullptr;
  const Bypasser* target_ = nullptr;
};

}  // namespace tests::scenario::battle2
