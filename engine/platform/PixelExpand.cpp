// PixelExpand.cpp -- the two byte tables of the RGB565 expansion.
#include "engine/platform/PixelExpand.h"

#include <cstddef>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace engine::platform {

namespace {

// Bit replication of a 5-bit channel, as the screenshot writer expands it.
constexpr std::uint32_t Expand5(std::uint32_t v) {
  return (v << 3) | (v >> 2);
}

}  // namespace

// Green's six bits are gh (3, from the high byte) above gl (3, from the low one). Its
// replication (g << 2) | (g >> 4) is gh << 5 | gl << 2 | gh >> 1: the high byte's part and the
// low byte's part fill separate bits.
Rgb565Expander::Rgb565Expander() {
  for (std::uint32_t byte = 0; byte < 256; ++byte) {
    const std::uint32_t red = byte >> 3, greenHigh = byte & 7;
    const std::uint32_t green = (greenHigh << 5) | (greenHigh >> 1);
    high_[byte] = 0xFF000000u | (Expand5(red) << 16) | (green << 8);
    const std::uint32_t greenLow = byte >> 5, blue = byte & 31;
    low_[byte] = ((greenLow << 2) << 8) | Expand5(blue);
  }
}

#if defined(__SSE2__)
namespace {

// The same replication for eight pixels, in 16-bit lanes: blue and green make the low half of
// each output pixel, red and an opaque alpha the high half.
inline void ExpandEight(const std::uint16_t* in, std::uint32_t* out) {
  const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
  const __m128i r = _mm_srli_epi16(p, 11);
  const __m128i g = _mm_and_si128(_mm_srli_epi16(p, 5), _mm_set1_epi16(0x3F));
  const __m128i b = _mm_and_si128(p, _mm_set1_epi16(0x1F));
  const __m128i red = _mm_or_si128(_mm_slli_epi16(r, 3), _mm_srli_epi16(r, 2));
  const __m128i green = _mm_or_si128(_mm_slli_epi16(g, 2), _mm_srli_epi16(g, 4));
  const __m128i blue = _mm_or_si128(_mm_slli_epi16(b, 3), _mm_srli_epi16(b, 2));
  const __m128i low = _mm_or_si128(_mm_slli_epi16(green, 8), blue);
  const __m128i high = _mm_or_si128(red, _mm_set1_epi16(static_cast<short>(0xFF00)));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_unpacklo_epi16(low, high));
  _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 4), _mm_unpackhi_epi16(low, high));
}

}  // namespace
#endif

void Rgb565Expander::Picture(const std::uint16_t* in, int inPitch, std::uint32_t* out, int outPitch,
                             int width, int height) const {
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const std::uint16_t*>(
        reinterpret_cast<const unsigned char*>(in) + static_cast<std::ptrdiff_t>(y) * inPitch);
    auto* target = reinterpret_cast<std::uint32_t*>(reinterpret_cast<unsigned char*>(out) +
                                                    static_cast<std::ptrdiff_t>(y) * outPitch);
    int x = 0;
#if defined(__SSE2__)
    for (; x + 8 <= width; x += 8)
      ExpandEight(row + x, target + x);
#endif
    for (; x < width; ++x)
      target[x] = (*this)(row[x]);
  }
}

}  // namespace engine::platform
