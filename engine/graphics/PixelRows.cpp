// PixelRows.cpp -- the row kernels. The eight-pixel forms compute exactly what the scalar forms
// do: the same masks, the same products (a 16 x 16-bit multiply keeping the high half of
// x * (t << 8) is (x * t) >> 8), the same saturation (min(a, b) = a - max(a - b, 0)), and a
// branch-free select where the scalar form keeps the destination. Rows shorter than a step, and
// the last few pixels of a row, go through the scalar form.
#include "engine/graphics/PixelRows.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace engine::graphics::rows {

void MaskedScalar(std::uint16_t* d, const std::uint16_t* s, int n) {
  for (int i = 0; i < n; ++i)
    d[i] = s[i] != 0 ? s[i] : d[i];
}

void AlphaScalar(std::uint16_t* d, const std::uint16_t* s, const std::uint8_t* t, int n,
                 const Fields& f) {
  for (int i = 0; i < n; ++i) {
    const std::uint32_t share = t[i];
    const std::uint32_t word = d[i];
    const std::uint32_t blue = (((word & f.blue) * share) >> 8) & f.blue;
    const std::uint32_t green = (((word & f.green) * share) >> 8) & f.green;
    const std::uint32_t red = (((word & f.red) * share) >> 8) & f.red;
    const auto blended = static_cast<std::uint16_t>((blue | green | red) + s[i]);
    d[i] = share == 255 ? static_cast<std::uint16_t>(word) : blended;
  }
}

void AddScalar(std::uint16_t* d, const std::uint16_t* s, int n, const Fields& f) {
  for (int i = 0; i < n; ++i) {
    const std::uint32_t word = d[i];
    const std::uint32_t add = s[i];
    std::uint32_t blue = (add & f.blue) + (word & f.blue);
    std::uint32_t green = (add & f.green) + (word & f.green);
    std::uint32_t red = (add & f.red) + (word & f.red);
    blue = blue > f.blue ? f.blue : blue;
    green = green > f.green ? f.green : green;
    red = red > f.red ? f.red : red;
    d[i] = add != 0 ? static_cast<std::uint16_t>(blue | green | red)
                    : static_cast<std::uint16_t>(word);
  }
}

void MaskScalar(std::uint16_t* p, const std::uint8_t* a, int n) {
  for (int i = 0; i < n; ++i) {
    std::uint16_t v = p[i];
    if (v == 0) v = 1;
    if (a[i] == 0) v = 0;
    p[i] = v;
  }
}

void ToScreenScalar(const std::uint8_t* in, int samples, int n, std::uint16_t* words,
                    std::uint8_t* alpha, const Packing& p) {
  for (int i = 0; i < n; ++i, in += samples) {
    const int r = ((in[0] << p.rbits) >> 8) << p.rshift;
    const int g = ((in[1] << p.gbits) >> 8) << p.gshift;
    const int b = ((in[2] << p.bbits) >> 8) << p.bshift;
    words[i] = static_cast<std::uint16_t>(r | g | b);
    if (alpha != nullptr) alpha[i] = in[3];
  }
}

void ToMaskedScalar(const std::uint8_t* in, int n, std::uint16_t* words, const Packing& p) {
  for (int i = 0; i < n; ++i, in += 4) {
    std::uint8_t a = 0;
    ToScreenScalar(in, 4, 1, words + i, &a, p);
    MaskScalar(words + i, &a, 1);
  }
}

#if defined(__SSE2__)

namespace {

__m128i Load8(const std::uint16_t* p) {
  return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}
void Store8(std::uint16_t* p, __m128i v) {
  _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v);
}
__m128i Load4(const std::uint16_t* p) {
  return _mm_loadl_epi64(reinterpret_cast<const __m128i*>(p));
}
void Store4(std::uint16_t* p, __m128i v) {
  _mm_storel_epi64(reinterpret_cast<__m128i*>(p), v);
}
// Eight (or four) alpha bytes as 16-bit lanes holding t << 8.
__m128i Shares8(const std::uint8_t* t) {
  return _mm_unpacklo_epi8(_mm_setzero_si128(),
                           _mm_loadl_epi64(reinterpret_cast<const __m128i*>(t)));
}
__m128i Shares4(const std::uint8_t* t) {
  std::int32_t four = 0;
  std::memcpy(&four, t, sizeof four);
  return _mm_unpacklo_epi8(_mm_setzero_si128(), _mm_cvtsi32_si128(four));
}
// where ? a : b, lane by lane, for where all ones or all zeros.
__m128i Select(__m128i where, __m128i a, __m128i b) {
  return _mm_or_si128(_mm_and_si128(where, a), _mm_andnot_si128(where, b));
}

struct Masks {
  __m128i red, green, blue;
  explicit Masks(const Fields& f)
      : red(_mm_set1_epi16(static_cast<short>(f.red))),
        green(_mm_set1_epi16(static_cast<short>(f.green))),
        blue(_mm_set1_epi16(static_cast<short>(f.blue))) {}
};

__m128i Blend(__m128i d, __m128i s, __m128i shares, const Masks& m) {
  const __m128i blue = _mm_and_si128(_mm_mulhi_epu16(_mm_and_si128(d, m.blue), shares), m.blue);
  const __m128i green = _mm_and_si128(_mm_mulhi_epu16(_mm_and_si128(d, m.green), shares), m.green);
  const __m128i red = _mm_and_si128(_mm_mulhi_epu16(_mm_and_si128(d, m.red), shares), m.red);
  const __m128i blended = _mm_add_epi16(_mm_or_si128(_mm_or_si128(blue, green), red), s);
  const __m128i keep = _mm_cmpeq_epi16(shares, _mm_set1_epi16(static_cast<short>(0xFF00)));
  return Select(keep, d, blended);
}

__m128i Min(__m128i a, __m128i b) {
  return _mm_sub_epi16(a, _mm_subs_epu16(a, b));
}

__m128i Sum(__m128i d, __m128i s, const Masks& m) {
  const __m128i blue =
      Min(_mm_adds_epu16(_mm_and_si128(s, m.blue), _mm_and_si128(d, m.blue)), m.blue);
  const __m128i green =
      Min(_mm_adds_epu16(_mm_and_si128(s, m.green), _mm_and_si128(d, m.green)), m.green);
  const __m128i red = Min(_mm_adds_epu16(_mm_and_si128(s, m.red), _mm_and_si128(d, m.red)), m.red);
  const __m128i keep = _mm_cmpeq_epi16(s, _mm_setzero_si128());
  return Select(keep, d, _mm_or_si128(_mm_or_si128(blue, green), red));
}

// Where one channel of four pixels, held as 32-bit lanes, goes: its top bits, those of the
// byte at lane bit `at`, move by one shift to their place in the word and are masked there.
struct ChannelShift {
  bool up;
  __m128i count, mask;
  ChannelShift(int at, int bits, int shift) {
    const int by = shift - (at + 8 - bits);
    up = by >= 0;
    count = _mm_cvtsi32_si128(up ? by : -by);
    mask = _mm_set1_epi32(((1 << bits) - 1) << shift);
  }
  template <bool Up>
  __m128i Apply(__m128i v) const {
    return _mm_and_si128(Up ? _mm_sll_epi32(v, count) : _mm_srl_epi32(v, count), mask);
  }
};

struct WordShifts {
  ChannelShift red, green, blue;
  explicit WordShifts(const Packing& p)
      : red(0, p.rbits, p.rshift), green(8, p.gbits, p.gshift), blue(16, p.bbits, p.bshift) {}
  template <bool R, bool G, bool B>
  __m128i Words4(__m128i v) const {
    return _mm_or_si128(_mm_or_si128(red.Apply<R>(v), green.Apply<G>(v)), blue.Apply<B>(v));
  }
};

// Eight pixels a step; the directions of the three shifts are fixed for the loop. With kMask the
// words go through Mask's rule and no alpha is stored.
template <bool R, bool G, bool B, bool kMask>
int ToScreen8(const std::uint8_t* in, int n, std::uint16_t* words, std::uint8_t* alpha,
              const WordShifts& shifts) {
  // The words fit in 16 bits, so taking 0x8000 off before the signed pack and adding it back
  // after keeps every bit.
  const __m128i bias = _mm_set1_epi32(0x8000);
  const __m128i unbias = _mm_set1_epi16(static_cast<short>(0x8000));
  const __m128i zero = _mm_setzero_si128();
  const __m128i one = _mm_set1_epi16(1);
  int i = 0;
  for (; i + 8 <= n; i += 8, in += 32) {
    const __m128i v0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in));
    const __m128i v1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 16));
    const __m128i w0 = _mm_sub_epi32(shifts.Words4<R, G, B>(v0), bias);
    const __m128i w1 = _mm_sub_epi32(shifts.Words4<R, G, B>(v1), bias);
    __m128i w = _mm_add_epi16(_mm_packs_epi32(w0, w1), unbias);
    // The alpha bytes as 16-bit lanes.
    const __m128i a = _mm_packs_epi32(_mm_srli_epi32(v0, 24), _mm_srli_epi32(v1, 24));
    if constexpr (kMask) {
      w = _mm_or_si128(w, _mm_and_si128(_mm_cmpeq_epi16(w, zero), one));
      w = _mm_andnot_si128(_mm_cmpeq_epi16(a, zero), w);
    } else if (alpha != nullptr) {
      _mm_storel_epi64(reinterpret_cast<__m128i*>(alpha + i), _mm_packus_epi16(a, a));
    }
    Store8(words + i, w);
  }
  return i;
}

using ToScreenLoop = int (*)(const std::uint8_t*, int, std::uint16_t*, std::uint8_t*,
                             const WordShifts&);

template <bool kMask>
ToScreenLoop LoopFor(const WordShifts& s) {
  static constexpr ToScreenLoop loops[8] = {
      ToScreen8<false, false, false, kMask>, ToScreen8<false, false, true, kMask>,
      ToScreen8<false, true, false, kMask>,  ToScreen8<false, true, true, kMask>,
      ToScreen8<true, false, false, kMask>,  ToScreen8<true, false, true, kMask>,
      ToScreen8<true, true, false, kMask>,   ToScreen8<true, true, true, kMask>,
  };
  return loops[(s.red.up ? 4 : 0) + (s.green.up ? 2 : 0) + (s.blue.up ? 1 : 0)];
}

// Runs an eight-pixel loop over n four-byte pixels. Each output depends on its own pixel alone,
// so a row of at least eight pixels ends with one more step over its last eight, which may
// overlap the step before; shorter rows return 0 for the scalar form to do.
int FourSamples(ToScreenLoop loop, const std::uint8_t* in, int n, std::uint16_t* words,
                std::uint8_t* alpha, const WordShifts& shifts) {
  const int i = loop(in, n, words, alpha, shifts);
  if (i == n || n < 8) return i;
  const int last = n - 8;
  loop(in + static_cast<std::ptrdiff_t>(last) * 4, 8, words + last,
       alpha != nullptr ? alpha + last : nullptr, shifts);
  return n;
}

}  // namespace

void ToScreen(const std::uint8_t* in, int samples, int n, std::uint16_t* words, std::uint8_t* alpha,
              const Packing& p) {
  int i = 0;
  if (samples == 4) {
    const WordShifts shifts(p);
    i = FourSamples(LoopFor<false>(shifts), in, n, words, alpha, shifts);
    in += static_cast<std::ptrdiff_t>(i) * 4;
  }
  ToScreenScalar(in, samples, n - i, words + i, alpha != nullptr ? alpha + i : nullptr, p);
}

void ToMasked(const std::uint8_t* in, int n, std::uint16_t* words, const Packing& p) {
  const WordShifts shifts(p);
  const int i = FourSamples(LoopFor<true>(shifts), in, n, words, nullptr, shifts);
  ToMaskedScalar(in + static_cast<std::ptrdiff_t>(i) * 4, n - i, words + i, p);
}

void Masked(std::uint16_t* d, const std::uint16_t* s, int n) {
  if (n < 8) {
    MaskedScalar(d, s, n);
    return;
  }
  const __m128i zero = _mm_setzero_si128();
  // Where s is 0 the destination word is kept; elsewhere the kept part is 0, so s or'ed in is s.
  auto step = [&](int i) {
    const __m128i sv = Load8(s + i);
    Store8(d + i, _mm_or_si128(sv, _mm_and_si128(Load8(d + i), _mm_cmpeq_epi16(sv, zero))));
  };
  int i = 0;
  for (; i + 16 <= n; i += 16) {
    step(i);
    step(i + 8);
  }
  if (i + 8 <= n) {
    step(i);
    i += 8;
  }
  // The rule gives the same word when applied twice, so the last step may overlap the one
  // before it.
  if (i < n) step(n - 8);
}

void Alpha(std::uint16_t* d, const std::uint16_t* s, const std::uint8_t* t, int n,
           const Fields& f) {
  const Masks m(f);
  int i = 0;
  for (; i + 8 <= n; i += 8)
    Store8(d + i, Blend(Load8(d + i), Load8(s + i), Shares8(t + i), m));
  if (i + 4 <= n) {
    Store4(d + i, Blend(Load4(d + i), Load4(s + i), Shares4(t + i), m));
    i += 4;
  }
  AlphaScalar(d + i, s + i, t + i, n - i, f);
}

void Add(std::uint16_t* d, const std::uint16_t* s, int n, const Fields& f) {
  const Masks m(f);
  int i = 0;
  for (; i + 8 <= n; i += 8)
    Store8(d + i, Sum(Load8(d + i), Load8(s + i), m));
  if (i + 4 <= n) {
    Store4(d + i, Sum(Load4(d + i), Load4(s + i), m));
    i += 4;
  }
  AddScalar(d + i, s + i, n - i, f);
}

void Mask(std::uint16_t* p, const std::uint8_t* a, int n) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i one = _mm_set1_epi16(1);
  int i = 0;
  for (; i + 8 <= n; i += 8) {
    __m128i v = Load8(p + i);
    v = _mm_or_si128(v, _mm_and_si128(_mm_cmpeq_epi16(v, zero), one));
    const __m128i clear = _mm_cmpeq_epi16(Shares8(a + i), zero);
    Store8(p + i, _mm_andnot_si128(clear, v));
  }
  MaskScalar(p + i, a + i, n - i);
}

#else

void Masked(std::uint16_t* d, const std::uint16_t* s, int n) {
  MaskedScalar(d, s, n);
}
void Alpha(std::uint16_t* d, const std::uint16_t* s, const std::uint8_t* t, int n,
           const Fields& f) {
  AlphaScalar(d, s, t, n, f);
}
void Add(std::uint16_t* d, const std::uint16_t* s, int n, const Fields& f) {
  AddScalar(d, s, n, f);
}
void Mask(std::uint16_t* p, const std::uint8_t* a, int n) {
  MaskScalar(p, a, n);
}
void ToScreen(const std::uint8_t* in, int samples, int n, std::uint16_t* words, std::uint8_t* alpha,
              const Packing& p) {
  ToScreenScalar(in, samples, n, words, alpha, p);
}
void ToMasked(const std::uint8_t* in, int n, std::uint16_t* words, const Packing& p) {
  ToMaskedScalar(in, n, words, p);
}

#endif

}  // namespace engine::graphics::rows
