// PixelRuns.cpp -- classifying each row's pixels eight at a time into bit sets, then cutting the
// sets into runs.
#include "engine/graphics/PixelRuns.h"

#include <algorithm>
#include <bit>

#include "engine/graphics/Image.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace engine::graphics {

namespace {

// Runs closer than this are joined, gap included, into one run that applies the rule: the rule
// leaves the gap's pixels as they are, and one longer run costs less than two short ones.
constexpr std::int32_t kJoinGap = 8;
// A copy run is kept apart from rule pixels around it only when at least this long.
constexpr std::int32_t kMinCopy = 16;

using Bits = std::vector<std::uint64_t>;

// The first position from `from` (below `end`) whose bit equals `value`, or end.
std::int32_t Next(const Bits& bits, std::int32_t from, std::int32_t end, bool value) {
  while (from < end) {
    const std::size_t word = static_cast<std::size_t>(from) >> 6;
    std::uint64_t w = value ? bits[word] : ~bits[word];
    w &= ~std::uint64_t{0} << (from & 63);
    if (w != 0) {
      const std::int32_t at = static_cast<std::int32_t>(word * 64) + std::countr_zero(w);
      return at < end ? at : end;
    }
    from = static_cast<std::int32_t>((word + 1) * 64);
  }
  return end;
}

// Fills active (pixels the operation must visit) and copy (pixels it copies as they are) for
// one row of n pixels.
void Classify(std::uint8_t use, const std::uint16_t* p, const std::uint8_t* a, std::int32_t n,
              Bits& active, Bits& copy) {
  std::fill(active.begin(), active.end(), 0);
  std::fill(copy.begin(), copy.end(), 0);
  auto set = [](Bits& bits, std::int32_t i, std::uint64_t eight) {
    bits[static_cast<std::size_t>(i) >> 6] |= eight << (i & 63);
  };
  std::int32_t i = 0;
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  const __m128i full = _mm_set1_epi8(static_cast<char>(0xFF));
  // Eight pixels at a time, starting at multiples of 8 so that each lands in one word.
  for (; i + 8 <= n; i += 8) {
    __m128i act, cpy;
    if (use == DRAW_ALPHA) {
      const __m128i t = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(a + i));
      act = _mm_xor_si128(_mm_cmpeq_epi8(t, full), full);
      cpy = _mm_cmpeq_epi8(t, zero);
    } else {
      const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
      const __m128i idle = _mm_cmpeq_epi16(s, zero);
      act = _mm_packs_epi16(_mm_xor_si128(idle, full), zero);
      cpy = use == DRAW_MASKED ? act : zero;
    }
    set(active, i, static_cast<unsigned>(_mm_movemask_epi8(act)) & 0xFFu);
    set(copy, i, static_cast<unsigned>(_mm_movemask_epi8(cpy)) & 0xFFu);
  }
#endif
  for (; i < n; ++i) {
    const bool act = use == DRAW_ALPHA ? a[i] != 255 : p[i] != 0;
    const bool cpy = use == DRAW_ALPHA ? a[i] == 0 : use == DRAW_MASKED && p[i] != 0;
    set(active, i, act ? 1u : 0u);
    set(copy, i, cpy ? 1u : 0u);
  }
}

void Add(std::vector<PixelRun>& runs, std::int32_t begin, std::int32_t end, bool copy) {
  runs.push_back({static_cast<std::uint16_t>(begin), static_cast<std::uint16_t>(end), copy});
}

// Cuts [begin, end), a stretch the rule can draw whole, into copy runs of at least kMinCopy
// pixels and rule runs between them.
void Cut(const Bits& copy, std::int32_t begin, std::int32_t end, std::vector<PixelRun>& runs) {
  std::int32_t rule = begin;  // start of the pending rule run
  std::int32_t at = begin;
  while (at < end) {
    const std::int32_t c = Next(copy, at, end, true);
    if (c == end) break;
    const std::int32_t ce = Next(copy, c, end, false);
    if (ce - c >= kMinCopy) {
      if (c > rule) Add(runs, rule, c, false);
      Add(runs, c, ce, true);
      rule = ce;
    }
    at = ce;
  }
  if (rule < end) Add(runs, rule, end, false);
}

}  // namespace

std::unique_ptr<RowRuns> FindRuns(std::uint8_t use, const std::uint16_t* pixels,
                                  const std::uint8_t* alpha, std::int32_t width,
                                  std::int32_t height) {
  if ((use != DRAW_MASKED && use != DRAW_ALPHA && use != DRAW_ADD) || pixels == nullptr ||
      (use == DRAW_ALPHA && alpha == nullptr) || width <= 0 || height <= 0 || width > 0xFFFF) {
    return nullptr;
  }
  auto out = std::make_unique<RowRuns>();
  out->use = use;
  out->first.reserve(static_cast<std::size_t>(height) + 1);
  const std::size_t words = (static_cast<std::size_t>(width) + 63) / 64;
  Bits active(words), copy(words);
  for (std::int32_t y = 0; y < height; ++y) {
    out->first.push_back(static_cast<std::uint32_t>(out->runs.size()));
    const std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
    Classify(use, pixels + at, alpha != nullptr ? alpha + at : nullptr, width, active, copy);
    // Stretches of active pixels, joined across short gaps; a stretch wholly of copy pixels is
    // one copy run, any other is cut around its long copy runs.
    std::int32_t x = Next(active, 0, width, true);
    while (x < width) {
      std::int32_t end = Next(active, x, width, false);
      bool joined = false;
      for (;;) {
        const std::int32_t next = Next(active, end, width, true);
        if (next == width || next - end >= kJoinGap) break;
        end = Next(active, next, width, false);
        joined = true;
      }
      if (!joined && Next(copy, x, end, false) == end) {
        Add(out->runs, x, end, true);
      } else {
        Cut(copy, x, end, out->runs);
      }
      x = Next(active, end, width, true);
    }
  }
  out->first.push_back(static_cast<std::uint32_t>(out->runs.size()));
  out->runs.shrink_to_fit();
  out->copiesOnly = true;
  for (const PixelRun& r : out->runs) {
    out->copiesOnly = out->copiesOnly && r.copy;
    out->longest = std::max(out->longest, static_cast<std::uint16_t>(r.end - r.begin));
  }
  return out;
}

}  // namespace engine::graphics
