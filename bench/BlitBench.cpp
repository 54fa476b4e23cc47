// BlitBench.cpp -- the limit (memcpy of the back buffer, a row-by-row sprite copy) and our four
// image operations against SDL_BlitSurface on the same back buffer.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <set>
#include <string>

#include "bench/Blits.h"
#include "bench/Ratios.h"

namespace bench {

namespace {

using engine::graphics::DRAW_ADD;
using engine::graphics::DRAW_ALPHA;
using engine::graphics::DRAW_MASKED;
using engine::graphics::DRAW_PLAIN;

constexpr int kSpriteSide = 100;  // the actor frames' size, for the row-by-row limit

// The back buffer's size, copied whole: the fastest a full frame can be drawn.
void MemcpyBackBuffer(benchmark::State& state) {
  const std::size_t words = static_cast<std::size_t>(Stage::kWidth) * Stage::kHeight;
  std::vector<std::uint16_t> from(words, 0x1234), to(words, 0);
  // The buffers must escape, or a compiler that sees them never read again drops the copy.
  benchmark::DoNotOptimize(from.data());
  benchmark::DoNotOptimize(to.data());
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), words * 2);
    benchmark::ClobberMemory();
  }
}

// A sprite-sized rectangle copied row by row between buffers of the back buffer's pitch.
void RowCopySprite(benchmark::State& state) {
  const std::size_t words = static_cast<std::size_t>(Stage::kWidth) * Stage::kHeight;
  std::vector<std::uint16_t> from(words, 0x1234), to(words, 0);
  benchmark::DoNotOptimize(from.data());
  benchmark::DoNotOptimize(to.data());
  for (auto _ : state) {
    for (int y = 0; y < kSpriteSide; ++y) {
      const std::size_t at = static_cast<std::size_t>(y + 101) * Stage::kWidth + 101;
      std::memcpy(&to[at], &from[at], kSpriteSide * 2);
    }
    benchmark::ClobberMemory();
  }
}

// A benchmark's name; two with one name would share one median, so a repeated name stops the
// program.
std::string Key(const std::string& a, const std::string& set, const char* position) {
  static std::set<std::string> used;
  std::string key = a + "/" + set + "/" + position;
  if (!used.insert(key).second) {
    std::fprintf(stderr, "curbside_bench: two benchmarks are named %s\n", key.c_str());
    std::exit(1);
  }
  return key;
}

}  // namespace

std::vector<Position> PositionsFor(const SpriteSet& set) {
  if (set.name == "full") return {{"frame", 0, 0}};
  const int w = set.pictures.front().Width();
  return {{"aligned", 64, 64}, {"odd", 101, 77}, {"clip", -w / 2, 64}};
}

const std::vector<Operation>& Operations() {
  static const std::vector<Operation> operations = {
      {"drawplain",
       DRAW_PLAIN,
       {"full", "actor", "sq64solid", "sq256solid"},
       {{"sdl_copy", "sdl_copy", SdlForm::kCopy, true, 0.0, false}}},
      {"drawmasked",
       DRAW_MASKED,
       {"actor", "sq64solid", "sq64disc", "sq256solid", "sq256disc"},
       {{"sdl_key", "sdl_key", SdlForm::kKey, true, 5.0, false},
        {"sdl_rle", "sdl_rle_key", SdlForm::kKeyRle, true, 1.0, true}}},
      {"drawalpha",
       DRAW_ALPHA,
       {"actor", "sq64solid", "sq64disc", "sq64glass", "sq256solid", "sq256disc", "sq256glass"},
       {{"sdl_blend", "sdl_blend", SdlForm::kAlpha, false, 5.0, false},
        {"sdl_rle", "sdl_rle_blend", SdlForm::kAlphaRle, false, 1.0, false}}},
      {"drawadd",
       DRAW_ADD,
       {"actor", "sq64solid", "sq64disc", "sq64glass", "sq256solid", "sq256disc", "sq256glass"},
       {{"sdl_add", "sdl_add", SdlForm::kAdd, true, 20.0, false}}},
  };
  return operations;
}

engine::graphics::ImageOp OpFor(const engine::core::Engine& engine, std::uint8_t use) {
  switch (use) {
    case DRAW_PLAIN:
      return engine.GetDrawTable().DrawPlain;
    case DRAW_MASKED:
      return engine.GetDrawTable().DrawMasked;
    case DRAW_ALPHA:
      return engine.GetDrawTable().DrawAlpha;
    default:
      return engine.GetDrawTable().DrawAdd;
  }
}

Sprites::Sprites() {
  sets_.push_back(FullFrame());
  sets_.push_back(ActorFrames());
  for (int side : {64, 256}) {
    for (const char* shape : {"solid", "disc", "glass"})
      sets_.push_back(Square(side, shape));
  }
}

const SpriteSet& Sprites::Get(const std::string& name) const {
  for (const SpriteSet& set : sets_) {
    if (set.name == name) return set;
  }
  std::fprintf(stderr, "curbside_bench: no sprite set %s\n", name.c_str());
  std::exit(1);
}

void DrawOurs(Stage& stage, std::uint8_t use, const SpriteSet& set, const Position& p) {
  engine::core::Engine& engine = stage.Engine();
  const engine::graphics::ImageOp op = OpFor(engine, use);
  const engine::graphics::DrawSurface surface = engine.GetDrawSurface();
  for (const Picture& picture : set.pictures)
    op(surface, p.x, p.y, &picture.ForUse(use));
}

void DrawSdl(Stage& stage, SdlForm form, const SpriteSet& set, const Position& p) {
  for (const Picture& picture : set.pictures) {
    // SDL writes the clipped rectangle back into its argument, so each blit gets a fresh one.
    SDL_Rect rect{p.x, p.y, picture.Width(), picture.Height()};
    SDL_BlitSurface(picture.Sdl(form), nullptr, stage.Target(), &rect);
  }
}

void RegisterBlitBenchmarks(Stage& stage, const Sprites& sprites) {
  benchmark::RegisterBenchmark("memcpy_backbuffer", MemcpyBackBuffer);
  benchmark::RegisterBenchmark("rowcopy_sprite", RowCopySprite);
  Stage* s = &stage;

  for (const Operation& op : Operations()) {
    for (const std::string& setName : op.sets) {
      const SpriteSet* set = &sprites.Get(setName);
      for (const Position& p : PositionsFor(*set)) {
        const std::uint8_t use = op.use;
        const std::string ours = Key(op.name, set->name, p.name);
        benchmark::RegisterBenchmark(ours.c_str(), [=](benchmark::State& state) {
          for (auto _ : state) {
            DrawOurs(*s, use, *set, p);
            benchmark::ClobberMemory();
          }
        });
        for (const Comparison& c : op.comparisons) {
          const std::string theirs = Key(c.timed, set->name, p.name);
          const SdlForm form = c.form;
          benchmark::RegisterBenchmark(theirs.c_str(), [=](benchmark::State& state) {
            // SDL builds its blit map and RLE data on the first blit.
            DrawSdl(*s, form, *set, p);
            for (auto _ : state) {
              DrawSdl(*s, form, *set, p);
              benchmark::ClobberMemory();
            }
          });
          const std::string group = std::string(op.name) + "_vs_" + c.name;
          const bool judged = !c.actorOnly || set->name == "actor";
          AddRatio({group + "_" + set->name + "_" + p.name, theirs, ours, 1.0,
                    judged ? c.goal : 0.0, c.actorOnly ? group + "_actor" : group});
        }
        if (op.use == DRAW_PLAIN && set->name == "full") {
          AddRatio({"drawplain_full_vs_memcpy", "memcpy_backbuffer", ours, 1.0, 1.0 / 1.05, ""});
        }
        if (op.use == DRAW_PLAIN && set->name == "actor") {
          AddRatio({std::string("drawplain_actor_") + p.name + "_vs_rowcopy", "rowcopy_sprite",
                    ours, static_cast<double>(set->pictures.size()), 0.0, ""});
        }
      }
    }
  }
}

}  // namespace bench
