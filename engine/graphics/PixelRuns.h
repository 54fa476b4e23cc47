// PixelRuns.h -- which pixels of each row a drawing operation must visit, as runs: the pixels
// that cannot change the destination are left out, and a run whose every pixel replaces the
// destination outright is marked as a plain copy. Worked out once per picture, it lets the
// masked, alpha and additive operations skip transparent areas and copy opaque ones, giving
// exactly the pixels their rules give.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

namespace engine::graphics {

struct PixelRun {
  std::uint16_t begin = 0;  // columns [begin, end)
  std::uint16_t end = 0;
  bool copy = false;  // every pixel is copied as it is
};

struct RowRuns {
  std::uint8_t use = 0;              // the operation the runs were found for
  std::vector<std::uint32_t> first;  // row y's runs are runs[first[y]] .. runs[first[y + 1] - 1]
  std::vector<PixelRun> runs;
  bool copiesOnly = false;    // every run is a copy run: no pixel goes through the rule
  std::uint16_t longest = 0;  // the longest run's length in pixels
};

// Finds the runs of a width x height picture of 16-bit words for use DRAW_MASKED (a word of 0
// is left out, the others copied), DRAW_ALPHA (an alpha of 255 is left out, of 0 copied; alpha
// must hold a byte per pixel) or DRAW_ADD (a word of 0 is left out). Null for any other use, or
// a width beyond 16-bit columns.
std::unique_ptr<RowRuns> FindRuns(std::uint8_t use, const std::uint16_t* pixels,
                                  const std::uint8_t* alpha, std::int32_t width,
                                  std::int32_t height);

}  // namespace engine::graphics
