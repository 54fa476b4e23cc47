// Blits.h -- what the blit checks and benchmarks share: the sprite sets, where they are drawn,
// and which SDL blit each of our operations is measured against.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "bench/Sprites.h"
#include "bench/Stage.h"
#include "engine/graphics/DrawTable.h"

namespace bench {

struct Position {
  const char* name;
  int x, y;  // for a square of side w; "clip" puts half of it off the left edge
};

// aligned: a 128-byte boundary of the back buffer; odd: neither pixel nor row aligned; clip: half
// of the picture off the left edge.
std::vector<Position> PositionsFor(const SpriteSet& set);

struct Comparison {
  const char* name;   // "sdl_key", ...: the ratio's name
  const char* timed;  // the benchmark's name, unique among all of them
  SdlForm form;
  bool exact;      // SDL computes the same pixels, so its result is checked against ours
  double goal;     // the lowest ratio that meets the goal, 0 for none
  bool actorOnly;  // the goal holds for the game's actor frames only
};

struct Operation {
  const char* name;  // "drawmasked", ...
  std::uint8_t use;
  std::vector<std::string> sets;
  std::vector<Comparison> comparisons;
};

// Every operation with its sprite sets and SDL comparisons.
const std::vector<Operation>& Operations();
// Our operation for a use, taken from the engine's draw table.
engine::graphics::ImageOp OpFor(const engine::core::Engine& engine, std::uint8_t use);

// All sprite sets, built once; found by name.
class Sprites {
 public:
  Sprites();
  const SpriteSet& Get(const std::string& name) const;

 private:
  std::vector<SpriteSet> sets_;
};

// Draws every picture of set at p with our operation, or with SDL in the given form.
void DrawOurs(Stage& stage, std::uint8_t use, const SpriteSet& set, const Position& p);
void DrawSdl(Stage& stage, SdlForm form, const SpriteSet& set, const Position& p);

// Checks every operation, set and position against the scalar reference, and against SDL where
// it computes the same; prints each mismatch. True when all agree.
bool CheckBlits(Stage& stage, const Sprites& sprites);

// Registers the blits and the memcpy limits, with their ratios.
void RegisterBlitBenchmarks(Stage& stage, const Sprites& sprites);

}  // namespace bench
