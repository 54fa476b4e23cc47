// BattleTestSupport.h -- what the single-player scenarios share: script lines that start a game
// and drive the performer, readers of the trace's game records, and the street's searches
// around the performer worked out again from what the trace shows.
#pragma once

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "tests/scenario/Scenario.h"

namespace tests::scenario::battle {

using engine::graphics::Image;

// The mode's sound table.
inline constexpr int kMusic = 0;
inline constexpr int kCashSound = 1;
inline constexpr int kWrongSound = 2;
inline constexpr int kGongSound = 3;
inline constexpr int kSpinSound = 4;
inline constexpr int kStealSound = 5;
inline constexpr int kThumpSound = 6;

// Virtual-key codes the performer reads.
inline constexpr int kLeftKey = 37;
inline constexpr int kRightKey = 39;
// The move key of a performance type (0 begging, 1 singing, 2 the rabbit trick) or of a dance
// move (1 to 3): keys 1, 2 and 3.
inline int PerformanceKey(int type) {
  return '1' + type;
}
inline int DanceKey(int move) {
  return '0' + move;
}

// Frames from the click to the first frame of play: the count-down.
inline constexpr int kCountDown = 300;

inline std::string At(int frame, const std::string& event) {
  return std::to_string(frame) + " " + event + "\n";
}
inline std::string Type(int frame, char c) {
  return At(frame, std::string("char ") + c);
}
// key held from `down` and released in `up`.
inline std::string Hold(int key, int down, int up) {
  return At(down, "key-down " + std::to_string(key)) + At(up, "key-up " + std::to_string(key));
}
// A click on ONE PLAYER: the game starts in that frame with the frame's number as its seed.
inline std::string StartGame(int frame) {
  return At(frame, "mouse-move 640 255") + At(frame, "mouse-down left") +
         At(frame + 1, "mouse-up left");
}

// A day's work in the street of a game started in frame 11, found by watching that street:
// `count` of four performances, each asked for with q when its passer-by is within 40 of the
// standing performer and given with the move that passer-by's kind favours that day, the key
// held until the schedule is paid out. The kinds are all different; the fourth performance is
// still running when the first day ends.
inline constexpr int kWorkingDayClick = 11;
inline std::string Performances(int count) {
  struct Performance {
    int ask, move, done;
  };
  constexpr Performance kDay[] = {
      {671, 0, 1414}, {1720, 2, 2548}, {3612, 1, 4336}, {4353, 0, 5011}};
  std::string script;
  for (int i = 0; i < count; ++i) {
    script +=
        Type(kDay[i].ask, 'q') + Hold(PerformanceKey(kDay[i].move), kDay[i].ask, kDay[i].done);
  }
  return script;
}

inline const Json& Game(const Json& frame) {
  return frame["game"];
}
inline const Json& Performer(const Json& frame) {
  return frame["game"]["players"][0];
}
inline long long CashOf(const Json& frame) {
  return Performer(frame)["cash"].Int();
}
inline float CentreOf(const Json& frame) {
  return Performer(frame)["x"].Float() + 50.0f;
}
inline std::vector<long long> Sounds(const Json& frame) {
  return Game(frame)["sounds"].Ints();
}
inline bool Played(const Json& frame, int sound) {
  const std::vector<long long> sounds = Sounds(frame);
  return std::find(sounds.begin(), sounds.end(), sound) != sounds.end();
}
// The passers-by created in this frame, in creation order (none in most frames).
inline std::vector<Json> Spawned(const Json& frame) {
  if (!frame.Has("game") || !Game(frame).Has("spawned")) return {};
  return Game(frame)["spawned"].Items();
}
// The walking passer-by with this id, if it is on the street.
inline std::optional<Json> Walker(const Json& frame, long long id) {
  for (const Json& walker : Game(frame)["street"]["active"].Items()) {
    if (walker["id"].Int() == id) return walker;
  }
  return std::nullopt;
}
// The creation record of passer-by `id`, looked up in the frames that created passers-by.
inline Json Created(const Trace& trace, long long id) {
  for (int f = 1; f <= trace.Frames(); ++f) {
    for (const Json& record : Spawned(trace[f])) {
      if (record["id"].Int() == id) return record;
    }
  }
  throw std::runtime_error("passer-by " + std::to_string(id) + " was never created");
}

// What a frame of play moves: the game's counters, the performer and every passer-by.
inline std::vector<double> Motion(const Json& frame) {
  const Json& game = Game(frame);
  std::vector<double> values;
  for (const char* key : {"frame", "dayTimer", "clock", "item1", "item2"})
    values.push_back(game[key].Number());
  for (const char* key : {"x", "state", "img", "cash"})
    values.push_back(Performer(frame)[key].Number());
  values.push_back(game["street"]["clock"].Number());
  values.push_back(game["street"]["pending"].Number());
  for (const Json& walker : game["street"]["active"].Items()) {
    for (const char* key : {"id", "x", "state", "img"})
      values.push_back(walker[key].Number());
  }
  return values;
}

// Distance from the performer's centre, truncated as the street's searches take it, to a
// passer-by's centre.
inline float Distance(const Json& frame, const Json& walker) {
  const auto centre = static_cast<double>(static_cast<int>(CentreOf(frame)));
  return static_cast<float>(std::abs(centre - (walker["x"].Float() + 50.0)));
}
// Whether a performance or a dance could take this passer-by.
inline bool IsAvailable(const Json& walker) {
  const long long state = walker["state"].Int();
  return walker["type"].Int() == 0 && (state == 1 || state == 2) && walker["engaged"].Int() == 0 &&
         walker["cash"].Int() > 0;
}

// A hobo offering its lesson (not teaching one).
inline bool IsSellingHobo(const Json& walker) {
  return walker["type"].Int() == 2 && walker["state"].Int() != 2;
}
// A thief that has not stolen yet: it still walks (stealing makes it run, states 2 and 3).
inline bool IsWalkingThief(const Json& walker) {
  return walker["type"].Int() == 1 && walker["state"].Int() <= 1;
}

// A passer-by the street's search finds beyond doubt: one that qualifies within `sure`
// units of the performer's centre while no other candidate is within `doubt`.
template <typename Qualifies>
std::optional<Json> SurelyNearest(const Json& frame, float sure, float doubt, Qualifies qualifies) {
  std::optional<Json> found;
  int candidates = 0;
  for (const Json& walker : Game(frame)["street"]["active"].Items()) {
    if (!qualifies(walker) || Distance(frame, walker) > doubt) continue;
    ++candidates;
    if (Distance(frame, walker) <= sure) found = walker;
  }
  return candidates == 1 ? found : std::nullopt;
}

// The audience a dance would gather now: every available passer-by within `radius`, in
// walking-queue order; empty unless nobody is close to the radius, where rounding could decide.
inline std::vector<Json> SureAudience(const Json& frame, float radius) {
  std::vector<Json> audience;
  for (const Json& walker : Game(frame)["street"]["active"].Items()) {
    if (!IsAvailable(walker)) continue;
    const float d = Distance(frame, walker);
    if (std::abs(d - radius) < 5.0f) return {};
    if (d <= radius) audience.push_back(walker);
  }
  return audience;
}

// A scenario fixture with runs watched once for all tests and the status display's readers.
class BattleScenario : public Scenario {
 protected:
  // The trace of a game started in frame `click` and left alone for `frames` frames; tests
  // plan their input from it. Each such run is made once per test program.
  const Trace& Watch(int click, int frames) {
    static std::map<std::pair<int, int>, Trace> watched;
    const auto key = std::make_pair(click, frames);
    if (!watched.count(key)) {
      const Outcome run = Play(StartGame(click), frames);
      if (run.code != 0) throw std::runtime_error("the watched run failed: " + run.err);
      watched[key] = run.trace;
    }
    return watched[key];
  }

  // The status display's cash: ten digit pictures right of the cash symbol at (0, 50). Returns
  // the pixels that differ from `cash` written with leading zeros.
  static int CashMismatches(const Image& shot, long long cash) {
    int mismatches =
        RegionMismatches(shot, 0, 50, Picture("Images/Numbers/cash-symbol.tif"), false);
    for (int n = 10; n >= 1; --n, cash /= 10) {
      const std::string digit = "Images/Numbers/cash-" + std::to_string(cash % 10) + ".tif";
      mismatches += RegionMismatches(shot, 25 * n, 50, Picture(digit), false);
    }
    return mismatches;
  }
};

}  // namespace tests::scenario::battle
