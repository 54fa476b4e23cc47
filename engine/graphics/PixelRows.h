// PixelRows.h -- the per-row work of the image operations and of image preparation: each rule in
// a plain scalar form, and the form the engine uses, which works eight pixels at a time with SSE2
// where the processor has it and gives the same words as the scalar form.
#pragma once

#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace engine::graphics::rows {

// The screen format's channel masks. The eight-pixel forms need masks within 16 bits, as every
// 16-bit display has; Fit16 says whether they are.
struct Fields {
  std::uint32_t red = 0, green = 0, blue = 0;
  bool Fit16() const { return ((red | green | blue) >> 16) == 0; }
};

// Every pixel whose source word is not 0 replaces the destination's.
void MaskedScalar(std::uint16_t* d, const std::uint16_t* s, int n);
void Masked(std::uint16_t* d, const std::uint16_t* s, int n);

// d := d's fields each scaled by t / 256 (rounding down), plus s; t = 255 keeps d.
void AlphaScalar(std::uint16_t* d, const std::uint16_t* s, const std::uint8_t* t, int n,
                 const Fields& f);
void Alpha(std::uint16_t* d, const std::uint16_t* s, const std::uint8_t* t, int n, const Fields& f);

// d := each field of d plus s's, saturating at the field's maximum; s = 0 keeps d.
void AddScalar(std::uint16_t* d, const std::uint16_t* s, int n, const Fields& f);
void Add(std::uint16_t* d, const std::uint16_t* s, int n, const Fields& f);

// Image preparation for the masked operation: a word of 0 becomes 1 (opaque black stays
// visible), then a pixel whose alpha is 0 becomes 0 (transparent).
void MaskScalar(std::uint16_t* p, const std::uint8_t* a, int n);
void Mask(std::uint16_t* p, const std::uint8_t* a, int n);

// Where each 8-bit channel lands in a screen word: its top bits of bits (1 to 8) shifted up by
// shift, that is ((v << bits) >> 8) << shift.
struct Packing {
  int rshift = 0, rbits = 0, gshift = 0, gbits = 0, bshift = 0, bbits = 0;
  bool Fits() const {
    return rbits >= 1 && rbits <= 8 && gbits >= 1 && gbits <= 8 && bbits >= 1 && bbits <= 8 &&
           rshift >= 0 && gshift >= 0 && bshift >= 0 && rshift + rbits <= 16 &&
           gshift + gbits <= 16 && bshift + bbits <= 16;
  }
};

// Picture loading: n pixels of samples (3 or 4) bytes each, red first, become screen words;
// with alpha, each fourth byte goes there too. The packing must fit.
void ToScreenScalar(const std::uint8_t* in, int samples, int n, std::uint16_t* words,
                    std::uint8_t* alpha, const Packing& p);
void ToScreen(const std::uint8_t* in, int samples, int n, std::uint16_t* words, std::uint8_t* alpha,
              const Packing& p);

// Picture loading for the masked operation: n pixels of four bytes become screen words as
// ToScreen makes them, then go through Mask with their fourth bytes, in one pass and without an
// alpha plane.
void ToMaskedScalar(const std::uint8_t* in, int n, std::uint16_t* words, const Packing& p);
void ToMasked(const std::uint8_t* in, int n, std::uint16_t* words, const Packing& p);

#if defined(__SSE2__)
// Copies the first and the last k * 8 words of a run of n words, k * 8 <= n <= k * 16: the two
// halves overlap in the middle, so every length in that range is one fixed sequence of loads and
// stores, with no loop and no call.
template <int k>
inline void CopyEnds(std::uint16_t* d, const std::uint16_t* s, int n) {
  __m128i head[k], tail[k];
  for (int i = 0; i < k; ++i) {
    head[i] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i * 8));
    tail[i] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + n - (k - i) * 8));
  }
  for (int i = 0; i < k; ++i) {
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i * 8), head[i]);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(d + n - (k - i) * 8), tail[i]);
  }
}
#endif

// Runs of at least this many words are copied by the C library, which uses the widest vectors
// the processor has: from here on its wider stores outweigh the cost of the call.
inline constexpr int kLongCopy = 64;

// A plain copy of n words, 0 <= n < kLongCopy: inline, without a loop and without a call, so a
// row walk that copies only through it calls nothing and a compiler can hold the walk's state in
// registers.
inline void CopyShort(std::uint16_t* d, const std::uint16_t* s, int n) {
#if defined(__SSE2__)
  if (n >= 32) {
    CopyEnds<4>(d, s, n);
  } else if (n >= 16) {
    CopyEnds<2>(d, s, n);
  } else if (n >= 8) {
    CopyEnds<1>(d, s, n);
  } else if (n >= 4) {
    const __m128i head = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(s));
    const __m128i tail = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(s + n - 4));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(d), head);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(d + n - 4), tail);
  } else if (n > 0) {
    // One to three words: the first, the middle and the last cover them all.
    const std::uint16_t first = s[0], middle = s[n / 2], last = s[n - 1];
    d[0] = first;
    d[n / 2] = middle;
    d[n - 1] = last;
  }
#else
  std::memcpy(d, s, static_cast<std::size_t>(n) * sizeof(std::uint16_t));
#endif
}

// A plain copy of n words of any length.
inline void Copy(std::uint16_t* d, const std::uint16_t* s, int n) {
  if (n >= kLongCopy) {
    std::memcpy(d, s, static_cast<std::size_t>(n) * sizeof(std::uint16_t));
  } else {
    CopyShort(d, s, n);
  }
}

}  // namespace engine::graphics::rows
