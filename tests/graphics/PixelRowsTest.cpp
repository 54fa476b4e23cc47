// The row kernels: each eight-pixel form against its scalar form, at every length around the
// eight- and four-pixel steps, with the words on both sides of the row left alone.
#include "engine/graphics/PixelRows.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

namespace rows = engine::graphics::rows;

constexpr rows::Fields k565{0xF800, 0x07E0, 0x001F};
constexpr rows::Fields k555{0x7C00, 0x03E0, 0x001F};
constexpr int kGuard = 16;  // words kept before and after each row
constexpr std::uint16_t kGuardWord = 0xA5C3;

// A random generator with the values that decide the rules mixed in often: words of 0, full
// fields that saturate, shares of 0 and 255.
class Values {
 public:
  std::uint32_t Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }
  std::uint16_t Word() {
    switch (Next() % 6) {
      case 0:
        return 0;
      case 1:
        return 0xFFFF;
      default:
        return static_cast<std::uint16_t>(Next());
    }
  }
  std::uint8_t Share() {
    switch (Next() % 5) {
      case 0:
        return 0;
      case 1:
        return 255;
      default:
        return static_cast<std::uint8_t>(Next());
    }
  }

 private:
  std::uint32_t state_ = 7;
};

// One row of n pixels with guard words around the destination.
struct Row {
  std::vector<std::uint16_t> d, s;
  std::vector<std::uint8_t> t;
  Row(int n, Values& v)
      : d(static_cast<std::size_t>(n) + 2 * kGuard, kGuardWord),
        s(static_cast<std::size_t>(n)),
        t(static_cast<std::size_t>(n)) {
    for (int i = 0; i < n; ++i) {
      d[static_cast<std::size_t>(kGuard + i)] = v.Word();
      s[static_cast<std::size_t>(i)] = v.Word();
      t[static_cast<std::size_t>(i)] = v.Share();
    }
  }
  std::uint16_t* D() { return d.data() + kGuard; }
};

std::vector<int> Lengths() {
  std::vector<int> lengths;
  for (int n = 0; n <= 40; ++n)
    lengths.push_back(n);
  for (int n : {63, 64, 65, 100, 127, 128, 129, 257, 800})
    lengths.push_back(n);
  return lengths;
}

using Kernel = void (*)(Row&, bool fast, const rows::Fields&);

struct Case {
  const char* name;
  Kernel run;
};

const Case kCases[] = {
    {"Masked",
     [](Row& r, bool fast, const rows::Fields&) {
       (fast ? rows::Masked : rows::MaskedScalar)(r.D(), r.s.data(), static_cast<int>(r.s.size()));
     }},
    {"Alpha",
     [](Row& r, bool fast, const rows::Fields& f) {
       (fast ? rows::Alpha : rows::AlphaScalar)(r.D(), r.s.data(), r.t.data(),
                                                static_cast<int>(r.s.size()), f);
     }},
    {"Add",
     [](Row& r, bool fast, const rows::Fields& f) {
       (fast ? rows::Add : rows::AddScalar)(r.D(), r.s.data(), static_cast<int>(r.s.size()), f);
     }},
    {"Mask",
     [](Row& r, bool fast, const rows::Fields&) {
       (fast ? rows::Mask : rows::MaskScalar)(r.D(), r.t.data(), static_cast<int>(r.s.size()));
     }},
    {"Copy",
     [](Row& r, bool fast, const rows::Fields&) {
       const int n = static_cast<int>(r.s.size());
       if (fast) {
         rows::Copy(r.D(), r.s.data(), n);
       } else {
         for (int i = 0; i < n; ++i)
           r.D()[i] = r.s[static_cast<std::size_t>(i)];
       }
     }},
};

TEST(RowKernels, FastFormsGiveTheScalarWordsAtEveryLength) {
  for (const Case& c : kCases) {
    for (const rows::Fields& f : {k565, k555}) {
      Values v;
      for (int n : Lengths()) {
        SCOPED_TRACE(std::string(c.name) + " n " + std::to_string(n) +
                     (f.red == k565.red ? " 565" : " 555"));
        Row fast(n, v);
        Row scalar = fast;
        c.run(fast, true, f);
        c.run(scalar, false, f);
        ASSERT_EQ(fast.d, scalar.d);
      }
    }
  }
}

TEST(RowKernels, WordsBesideTheRowAreLeftAlone) {
  for (const Case& c : kCases) {
    Values v;
    for (int n : Lengths()) {
      SCOPED_TRACE(std::string(c.name) + " n " + std::to_string(n));
      Row r(n, v);
      c.run(r, true, k565);
      for (int i = 0; i < kGuard; ++i) {
        ASSERT_EQ(r.d[static_cast<std::size_t>(i)], kGuardWord);
        ASSERT_EQ(r.d[r.d.size() - 1 - static_cast<std::size_t>(i)], kGuardWord);
      }
    }
  }
}

// Loading: 8-bit samples to screen words and alpha bytes, from three- and four-sample pixels,
// with and without an alpha plane, on both screen packings.
TEST(RowKernels, ToScreenGivesTheScalarWordsAndAlpha) {
  const rows::Packing k565Packing{11, 5, 5, 6, 0, 5};
  const rows::Packing k555Packing{10, 5, 5, 5, 0, 5};
  for (const rows::Packing& p : {k565Packing, k555Packing}) {
    for (int samples : {3, 4}) {
      for (bool alpha : {false, true}) {
        // Only pixels of four samples carry an alpha byte.
        if (alpha && samples != 4) continue;
        Values v;
        for (int n : Lengths()) {
          SCOPED_TRACE("samples " + std::to_string(samples) + " alpha " + std::to_string(alpha) +
                       " n " + std::to_string(n) + " red shift " + std::to_string(p.rshift));
          std::vector<std::uint8_t> in(static_cast<std::size_t>(n * samples));
          for (auto& b : in)
            b = static_cast<std::uint8_t>(v.Next());
          std::vector<std::uint16_t> fast(static_cast<std::size_t>(n) + kGuard, kGuardWord);
          std::vector<std::uint16_t> scalar = fast;
          std::vector<std::uint8_t> fastAlpha(static_cast<std::size_t>(n) + kGuard, 0x5A);
          std::vector<std::uint8_t> scalarAlpha = fastAlpha;
          rows::ToScreen(in.data(), samples, n, fast.data(), alpha ? fastAlpha.data() : nullptr, p);
          rows::ToScreenScalar(in.data(), samples, n, scalar.data(),
                               alpha ? scalarAlpha.data() : nullptr, p);
          ASSERT_EQ(fast, scalar);
          ASSERT_EQ(fastAlpha, scalarAlpha);
        }
      }
    }
  }
  // By hand on 565: red 0xFF, green 0x80, blue 0x07, alpha 0x40.
  const std::uint8_t pixel[4] = {0xFF, 0x80, 0x07, 0x40};
  std::uint16_t word = 0;
  std::uint8_t a = 0;
  rows::ToScreenScalar(pixel, 4, 1, &word, &a, k565Packing);
  EXPECT_EQ(word, 0xF800 | (0x20 << 5) | 0x00);
  EXPECT_EQ(a, 0x40);
}

// Loading for the masked operation: the fast form gives the scalar words at every length, and
// the scalar form is ToScreen's words through Mask's rule.
TEST(RowKernels, ToMaskedIsToScreenThenMask) {
  const rows::Packing k565Packing{11, 5, 5, 6, 0, 5};
  const rows::Packing k555Packing{10, 5, 5, 5, 0, 5};
  for (const rows::Packing& p : {k565Packing, k555Packing}) {
    Values v;
    for (int n : Lengths()) {
      SCOPED_TRACE("n " + std::to_string(n) + " red shift " + std::to_string(p.rshift));
      std::vector<std::uint8_t> in(static_cast<std::size_t>(n) * 4);
      for (std::size_t i = 0; i < in.size(); ++i) {
        // Dark colours, whose words are 0, and alpha 0 turn up often.
        const std::uint32_t r = v.Next();
        in[i] = static_cast<std::uint8_t>(r % 3 == 0 ? r % 8 : r);
      }
      std::vector<std::uint16_t> fast(static_cast<std::size_t>(n) + kGuard, kGuardWord);
      std::vector<std::uint16_t> scalar = fast, twoPasses = fast;
      rows::ToMasked(in.data(), n, fast.data(), p);
      rows::ToMaskedScalar(in.data(), n, scalar.data(), p);
      std::vector<std::uint8_t> alpha(static_cast<std::size_t>(n));
      rows::ToScreenScalar(in.data(), 4, n, twoPasses.data(), alpha.data(), p);
      rows::MaskScalar(twoPasses.data(), alpha.data(), n);
      ASSERT_EQ(fast, scalar);
      ASSERT_EQ(scalar, twoPasses);
    }
  }
}

// A few words worked by hand, so that a fault shared by both forms is caught too.
TEST(RowKernels, WorkedWordsOn565) {
  std::vector<std::uint16_t> d(9, 0xFFFF);
  const std::vector<std::uint16_t> s = {0x0841, 0, 0xF800, 0x0001, 0x07E0, 0, 0x1234, 0x0020, 1};
  const std::vector<std::uint8_t> t = {128, 255, 0, 64, 200, 128, 255, 1, 0};
  rows::Alpha(d.data(), s.data(), t.data(), 9, k565);
  // 0xFFFF at share 128 keeps half of each field, rounded down: red and blue 31 -> 15, green
  // 63 -> 31, that is 0x7BEF; then the source is added.
  EXPECT_EQ(d[0], 0x7BEF + 0x0841);
  EXPECT_EQ(d[1], 0xFFFF);  // 255 keeps the destination
  EXPECT_EQ(d[2], 0xF800);  // 0 is the source alone
  EXPECT_EQ(d[6], 0xFFFF);

  std::vector<std::uint16_t> a = {0xF81F, 0x07E0, 0x1234, 0x4208, 0x8410, 0, 0, 0, 0};
  const std::vector<std::uint16_t> b = {0x0801, 0x0020, 0, 0x4208, 0x8410, 0, 0, 0, 0};
  rows::Add(a.data(), b.data(), 9, k565);
  EXPECT_EQ(a[0], 0xF81F);  // red and blue saturate, green stays 0 + 0
  EXPECT_EQ(a[1], 0x07E0);  // green saturates
  EXPECT_EQ(a[2], 0x1234);  // a source of 0 keeps the destination
  EXPECT_EQ(a[3], 0x8410);  // 8 + 8, 16 + 16, 8 + 8: no field reaches its top
  EXPECT_EQ(a[4], 0xFFFF);  // 16 + 16, 32 + 32, 16 + 16: every field just past its top

  std::vector<std::uint16_t> m = {0, 0, 5, 5, 0, 7, 0, 9, 0};
  const std::vector<std::uint8_t> ma = {255, 0, 255, 0, 1, 1, 0, 255, 9};
  rows::Mask(m.data(), ma.data(), 9);
  EXPECT_EQ(m, (std::vector<std::uint16_t>{1, 0, 5, 0, 1, 7, 0, 9, 1}));
}

}  // namespace
