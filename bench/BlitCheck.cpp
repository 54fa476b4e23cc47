// BlitCheck.cpp -- before anything is timed, every operation is compared bit for bit with the
// scalar reference and, where SDL computes the same thing, with SDL: a fast wrong kernel stops
// the run.
#include <cstdio>

#include "bench/Blits.h"
#include "bench/ScalarDraw.h"

namespace bench {

namespace {

bool Same(const char* what, const std::string& where, const std::vector<std::uint16_t>& expected,
          const std::vector<std::uint16_t>& actual, int stride) {
  for (std::size_t i = 0; i < expected.size(); ++i) {
    if (expected[i] != actual[i]) {
      std::fprintf(stderr, "MISMATCH %s %s at (%zu, %zu): expected %04x, got %04x\n", what,
                   where.c_str(), i % static_cast<std::size_t>(stride),
                   i / static_cast<std::size_t>(stride), expected[i], actual[i]);
      return false;
    }
  }
  return true;
}

}  // namespace

bool CheckBlits(Stage& stage, const Sprites& sprites) {
  bool ok = true;
  for (const Operation& op : Operations()) {
    for (const std::string& setName : op.sets) {
      const SpriteSet& set = sprites.Get(setName);
      for (const Position& p : PositionsFor(set)) {
        const std::string where = std::string(op.name) + " " + set.name + " " + p.name;
        stage.FillPattern();
        const std::vector<std::uint16_t> before = stage.Snapshot();

        DrawOurs(stage, op.use, set, p);
        const std::vector<std::uint16_t> ours = stage.Snapshot();

        std::vector<std::uint16_t> reference = before;
        for (const Picture& picture : set.pictures) {
          ScalarDraw(op.use, picture.ForUse(op.use), p.x, p.y, reference.data(), stage.Stride(),
                     Stage::kWidth, Stage::kHeight);
        }
        ok = Same("reference", where, reference, ours, stage.Stride()) && ok;

        for (const Comparison& c : op.comparisons) {
          if (!c.exact) continue;
          stage.Restore(before);
          DrawSdl(stage, c.form, set, p);
          ok = Same(c.name, where, ours, stage.Snapshot(), stage.Stride()) && ok;
        }
      }
    }
  }
  stage.FillPattern();
  return ok;
}

}  // namespace bench
