// Trace.cpp -- JSON lines of the shell and the running street mode.
#include "game/shell/Trace.h"

#include <charconv>
#include <type_traits>

#include "game/battle/Battle.h"
#include "game/battle2/Battle2.h"
#include "game/shell/GameShell.h"

namespace game::shell {

namespace {

using game::actors::Bypasser;
using game::actors::Player;

// A JSON object written key by key, in the order given.
class Json {
 public:
  Json& Key(const char* key) {
    text_ += first_ ? "" : ", ";
    first_ = false;
    text_ += '"';
    text_ += key;
    text_ += "\": ";
    return *this;
  }
  Json& Int(long long v) {
    text_ += std::to_string(v);
    return *this;
  }
  Json& Float(float v) {
    text_ += FormatFloat(v);
    return *this;
  }
  Json& Raw(const std::string& raw) {
    text_ += raw;
    return *this;
  }
  // Integers print as integers, floats in their shortest exact form.
  template <typename T>
  Json& Field(const char* key, T v) {
    if constexpr (std::is_floating_point_v<T>) {
      return Key(key).Float(static_cast<float>(v));
    } else {
      return Key(key).Int(static_cast<long long>(v));
    }
  }
  std::string Close() const { return "{" + text_ + "}"; }

 private:
  std::string text_;
  bool first_ = true;
};

template <typename Items, typename Format>
std::string Array(const Items& items, Format format) {
  std::string text = "[";
  bool first = true;
  for (const auto& item : items) {
    if (!first) text += ", ";
    first = false;
    text += format(item);
  }
  return text + "]";
}

std::string PlayerJson(const Player& p) {
  Json j;
  j.Field("x", p.X()).Field("y", p.Y()).Field("state", p.state).Field("img", p.cur_img);
  j.Field("cash", p.Cash()).Field("level", p.Level());
  j.Key("kinds").Raw(Array(std::array<int, 4>{1, 2, 3, 4},
                           [&](int k) { return std::to_string(p.KindFlag(k) ? 1 : 0); }));
  j.Field("dance", p.KnowsDance() ? 1 : 0).Field("saved", p.SavedState());
  j.Field("follow", p.FollowSpeed());
  return j.Close();
}

std::string ActiveJson(const street::StreetMode& mode, const Bypasser& b) {
  Json j;
  j.Field("id", mode.IdOf(&b)).Field("type", b.Type()).Field("kind", b.Kind());
  j.Field("x", b.X()).Field("y", b.Y()).Field("state", b.state).Field("img", b.cur_img);
  j.Field("cash", b.Cash()).Field("speed", b.Speed()).Field("interest", b.Interest());
  j.Field("engaged", b.Engaged() ? 1 : 0).Field("watching", b.Watching() ? 1 : 0);
  j.Field("progress", b.Progress());
  return j.Close();
}

std::string SpawnedJson(const street::SpawnRecord& r) {
  Json j;
  j.Field("id", r.id).Field("type", r.type).Field("kind", r.kind).Field("x", r.x);
  j.Field("y", r.y).Field("speed", r.speed).Field("state", r.state).Field("cash", r.cash);
  j.Field("favourite", r.favourite).Field("tolerated", r.tolerated);
  j.Field("interest", r.interest).Field("price", r.price).Field("release", r.release);
  j.Key("schedule").Raw(Array(r.schedule, [](const std::pair<std::int32_t, std::int32_t>& s) {
    // Appended piece by piece: g++ 12 warns falsely (-Wrestrict) on "[" + std::string.
    std::string pair(1, '[');
    pair += std::to_string(s.first);
    pair += ", ";
    pair += std::to_string(s.second);
    pair += ']';
    return pair;
  }));
  return j.Close();
}

// The fields both street modes share, after the mode's own scalar fields.
void StreetFields(Json& j, const street::StreetMode& mode,
                  const std::vector<const Player*>& players, const std::vector<int>& sounds) {
  j.Key("interest").Raw(Array(mode.Interest(), [](std::int32_t v) { return std::to_string(v); }));
  j.Field("item1", mode.Item1()).Field("item2", mode.Item2());
  j.Key("players").Raw(Array(players, [](const Player* p) { return PlayerJson(*p); }));
  const actors::StreetList& street = *mode.Street();
  Json s;
  s.Field("clock", street.Clock()).Field("pending", street.PendingCount());
  s.Key("active").Raw(
      Array(street.Active(), [&](const Bypasser* b) { return ActiveJson(mode, *b); }));
  j.Key("street").Raw(s.Close());
  j.Key("sounds").Raw(Array(sounds, [](int v) { return std::to_string(v); }));
  if (!mode.SpawnedThisFrame().empty()) {
    j.Key("spawned").Raw(Array(mode.SpawnedThisFrame(), SpawnedJson));
  }
}

// seed is what the trace prints for the mode's seed: the two-player trace has always printed
// it as a signed number, which its count wraps into after 2^31 frames.
std::string ModeJson(const street::StreetMode& m, long long seed,
                     const std::vector<const Player*>& players, const std::vector<int>& sounds) {
  Json j;
  j.Field("state", static_cast<long long>(m.State())).Field("frame", m.Frame());
  j.Field("clock", m.Clock()).Field("dayTimer", m.DayTimer()).Field("light", m.Light());
  j.Field("paused", static_cast<long long>(m.Paused())).Field("pace", m.Pace());
  j.Field("seed", seed);
  StreetFields(j, m, players, sounds);
  return j.Close();
}

}  // namespace

std::string FormatFloat(float value) {
  char text[32];
  const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
  return ec == std::errc() ? std::string(text, end) : std::string("0");
}

void Trace::SoundStarted(const engine::sound::SoundX& sound) {
  const street::StreetMode* mode = nullptr;
  if (shell_.Mode() == 1) mode = &shell_.GetBattle();
  if (shell_.Mode() == 2) mode = &shell_.GetBattle2();
  if (mode == nullptr) return;
  const int index = mode->SoundIndexOf(sound);
  if (index >= 0) sounds_.push_back(index);
}

void Trace::FrameEnded(long frame, int status) {
  Json j;
  j.Field("f", frame).Field("mode", shell_.Mode()).Field("page", shell_.Page());
  j.Field("status", status);
  if (shell_.Mode() == 1 && shell_.GetBattle().GetPlayer() != nullptr) {
    const battle::Battle& b = shell_.GetBattle();
    j.Key("game").Raw(ModeJson(b, b.Seed(), {b.GetPlayer()}, sounds_));
  } else if (shell_.Mode() == 2 && shell_.GetBattle2().GetPlayer(1) != nullptr) {
    const battle2::Battle2& b = shell_.GetBattle2();
    j.Key("game").Raw(ModeJson(b, static_cast<std::int32_t>(b.Seed()),
                               {b.GetPlayer(1), b.GetPlayer(2)}, sounds_));
  }
  sounds_.clear();
  const std::string line = j.Close() + "\n";
  std::fwrite(line.data(), 1, line.size(), out_);
}

}  // namespace game::shell
