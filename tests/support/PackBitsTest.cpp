// PackBitsTest.cpp -- exact encodings, round trips over random and structured data, and the
// bounds the encoder and decoder must keep.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "engine/support/PackBits.h"

namespace engine::support {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Repeat(std::size_t n, std::uint8_t value) {
  return Bytes(n, value);
}

// n bytes with no three equal in a row.
Bytes Distinct(std::size_t n, std::uint8_t first = 0) {
  Bytes out(n);
  for (std::size_t i = 0; i < n; ++i)
    out[i] = static_cast<std::uint8_t>(first + i);
  return out;
}

Bytes Join(std::initializer_list<Bytes> parts) {
  Bytes out;
  for (const Bytes& p : parts)
    out.insert(out.end(), p.begin(), p.end());
  return out;
}

Bytes Decode(const Bytes& in, std::size_t capacity) {
  Bytes out(capacity);
  out.resize(PackBitsDecode(in, out));
  return out;
}

struct EncodeCase {
  const char* label;
  Bytes in;
  Bytes encoded;
};

TEST(PackBits, ExactEncodings) {
  const Bytes d127 = Distinct(127);
  const EncodeCase cases[] = {
      {"empty", {}, {}},
      {"one", {7}, {0x00, 7}},
      {"pair", {7, 7}, {0x01, 7, 7}},
      {"three equal", {7, 7, 7}, {0xFE, 7}},
      {"five equal", Repeat(5, 9), {0xFC, 9}},
      {"three different", {1, 2, 3}, {0x02, 1, 2, 3}},
      {"pairs stay literal", {1, 1, 2, 2}, {0x03, 1, 1, 2, 2}},
      {"literal ends at a triple", {1, 2, 3, 3, 3, 4}, {0x01, 1, 2, 0xFE, 3, 0x00, 4}},
      {"run then tail", Join({Repeat(4, 5), {1, 2}}), {0xFD, 5, 0x01, 1, 2}},
      {"run 127", Repeat(127, 0xAA), {0x82, 0xAA}},
      {"run 128", Repeat(128, 0xAA), {0x82, 0xAA, 0x00, 0xAA}},
      {"run 129", Repeat(129, 0xAA), {0x82, 0xAA, 0x01, 0xAA, 0xAA}},
      {"run 130", Repeat(130, 0xAA), {0x82, 0xAA, 0xFE, 0xAA}},
      {"run 254", Repeat(254, 0), {0x82, 0, 0x82, 0}},
      {"literal 127", d127, Join({{126}, d127})},
      {"literal 128", Distinct(128), Join({{126}, d127, {0x00, 127}})},
  };
  for (const EncodeCase& c : cases) {
    EXPECT_EQ(PackBitsEncode(c.in), c.encoded) << c.label;
    EXPECT_EQ(Decode(c.encoded, c.in.size() + 10), c.in) << c.label;
  }
}

TEST(PackBits, DecodesEveryHeaderKind) {
  const struct {
    Bytes in;
    Bytes out;
  } cases[] = {
      {{0x00, 9}, {9}},
      {{0xFF, 4}, Repeat(2, 4)},
      {{0xFC, 4}, Repeat(5, 4)},
      {{0x81, 4}, Repeat(128, 4)},
      {{0x80, 4}, Repeat(129, 4)},
      {Join({{0x7F}, Distinct(128)}), Distinct(128)},
      {{0x01, 1, 2, 0xFE, 3}, {1, 2, 3, 3, 3}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Decode(c.in, 200), c.out);
}

// Inputs built from the boundaries of the format: runs and literal stretches around 127,
// short tails, and mixtures of them.
std::vector<Bytes> StructuredInputs() {
  std::vector<Bytes> inputs;
  for (std::size_t n : {1, 2, 3, 4, 126, 127, 128, 129, 130, 131, 253, 254, 255, 256, 400}) {
    inputs.push_back(Repeat(n, 0x55));
    inputs.push_back(Distinct(n));
    for (std::size_t tail = 1; tail <= 3; ++tail) {
      inputs.push_back(Join({Repeat(n, 1), Distinct(tail, 2)}));
      inputs.push_back(Join({Distinct(n, 9), Repeat(tail, 4)}));
      inputs.push_back(Join({Distinct(n, 9), Repeat(3, 7), Distinct(tail, 2)}));
    }
  }
  return inputs;
}

std::vector<Bytes> RandomInputs() {
  std::mt19937 random(12345);
  std::vector<Bytes> inputs;
  for (int i = 0; i < 400; ++i) {
    // Few distinct values make runs likely; a run length now and then makes them long.
    const int alphabet = 1 + static_cast<int>(random() % 6) * 50;
    Bytes in;
    const std::size_t size = random() % 1500;
    while (in.size() < size) {
      const auto value = static_cast<std::uint8_t>(random() % static_cast<unsigned>(alphabet));
      const std::size_t repeat = random() % 8 == 0 ? random() % 300 : 1;
      in.insert(in.end(), repeat, value);
    }
    inputs.push_back(std::move(in));
  }
  return inputs;
}

// A well-formed encoding uses run headers 0x82..0xFE (runs of 3 to 127) and literal headers
// 0..126 whose bytes are all present.
bool WellFormed(const Bytes& encoded) {
  std::size_t i = 0;
  while (i < encoded.size()) {
    const std::uint8_t header = encoded[i];
    if (header >= 0x80) {
      if (header < 0x82 || header == 0xFF) return false;
      i += 2;
    } else {
      if (header > 126) return false;
      i += header + 2u;
    }
  }
  return i == encoded.size();
}

TEST(PackBits, RoundTrips) {
  std::vector<Bytes> inputs = StructuredInputs();
  std::vector<Bytes> random = RandomInputs();
  inputs.insert(inputs.end(), random.begin(), random.end());
  for (const Bytes& in : inputs) {
    const Bytes encoded = PackBitsEncode(in);
    ASSERT_LE(encoded.size(), PackBitsBound(in.size()));
    ASSERT_TRUE(WellFormed(encoded)) << "input size " << in.size();
    ASSERT_EQ(Decode(encoded, in.size()), in) << "input size " << in.size();
  }
}

TEST(PackBits, EncoderStopsAtCapacityWithWholeCodes) {
  const Bytes in = Join({Distinct(200), Repeat(150, 3), Distinct(5), Repeat(4, 8)});
  const Bytes full = PackBitsEncode(in);
  constexpr std::uint8_t kGuard = 0xEE;
  for (std::size_t capacity = 0; capacity <= full.size(); ++capacity) {
    Bytes out(capacity + 8, kGuard);
    const std::size_t written = PackBitsEncode(in, std::span(out).first(capacity));
    ASSERT_LE(written, capacity);
    EXPECT_TRUE(std::all_of(out.begin() + static_cast<std::ptrdiff_t>(capacity), out.end(),
                            [](std::uint8_t b) { return b == kGuard; }));
    // What was written is a prefix of the full encoding and decodes to a prefix of the input.
    out.resize(written);
    ASSERT_TRUE(std::equal(out.begin(), out.end(), full.begin()));
    ASSERT_TRUE(WellFormed(out));
    const Bytes decoded = Decode(out, in.size());
    ASSERT_TRUE(std::equal(decoded.begin(), decoded.end(), in.begin()));
  }
}

TEST(PackBits, DecoderNeverReadsPastTruncatedInput) {
  const Bytes in = Join({Distinct(130), Repeat(140, 3), Distinct(2)});
  const Bytes encoded = PackBitsEncode(in);
  for (std::size_t length = 0; length <= encoded.size(); ++length) {
    // The bytes after the cut would decode to 0xC8s if they were read.
    Bytes source(encoded.begin(), encoded.begin() + static_cast<std::ptrdiff_t>(length));
    source.insert(source.end(), {0x80, 0xC8, 0x7F, 0xC8});
    Bytes out(in.size() + 300, 0);
    const std::size_t written = PackBitsDecode(std::span(source).first(length), out);
    ASSERT_LE(written, in.size());
    ASSERT_TRUE(
        std::equal(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(written), in.begin()))
        << "cut at " << length;
    EXPECT_EQ(std::count(out.begin(), out.end(), 0xC8), 0);
  }
  // A run header with no value yields nothing; a literal cut short yields what is there.
  EXPECT_EQ(Decode({0xFC}, 10), Bytes{});
  EXPECT_EQ(Decode({0x04, 1, 2}, 10), (Bytes{1, 2}));
}

TEST(PackBits, DecoderNeverWritesPastCapacity) {
  const Bytes in = Join({Repeat(129, 6), Distinct(100)});
  const Bytes encoded = PackBitsEncode(in);
  constexpr std::uint8_t kGuard = 0xEE;
  for (std::size_t capacity : {0, 1, 5, 127, 128, 129, 130, 200, 228, 229, 300}) {
    Bytes out(capacity + 8, kGuard);
    const std::size_t written = PackBitsDecode(encoded, std::span(out).first(capacity));
    EXPECT_EQ(written, std::min(capacity, in.size()));
    EXPECT_TRUE(
        std::equal(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(written), in.begin()));
    EXPECT_TRUE(std::all_of(out.begin() + static_cast<std::ptrdiff_t>(capacity), out.end(),
                            [](std::uint8_t b) { return b == kGuard; }));
  }
}

}  // namespace
}  // namespace engine::support
