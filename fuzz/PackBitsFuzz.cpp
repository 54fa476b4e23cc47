// PackBitsFuzz.cpp -- fuzz target for the PackBits codec: random codes decoded into a buffer of
// random size, checked against a plain byte-by-byte decoder, and random bytes encoded, checked
// by decoding them back, whole and cut short.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/support/PackBits.h"
#include "fuzz/FuzzSupport.h"

namespace {

constexpr char kTarget[] = "packbits";

// The whole decoding, unbounded: a header of 0x80 or more repeats the next byte 257 - header
// times (0x80 repeats it 129 times), any other header copies header + 1 bytes; a code cut short
// by the end of the input gives what it has.
std::vector<std::uint8_t> ReferenceDecode(std::span<const std::uint8_t> in) {
  std::vector<std::uint8_t> out;
  std::size_t i = 0;
  while (i < in.size()) {
    const unsigned header = in[i++];
    if (header >= 0x80) {
      if (i == in.size()) break;
      out.insert(out.end(), 257 - header, in[i++]);
    } else {
      for (unsigned n = 0; n <= header && i < in.size(); ++n)
        out.push_back(in[i++]);
    }
  }
  return out;
}

void CheckDecode(std::span<const std::uint8_t> in, std::size_t capacity) {
  // Exactly capacity bytes, so that AddressSanitizer sees a write one byte past the end.
  std::vector<std::uint8_t> out(capacity, 0xA5);
  const std::size_t written = engine::support::PackBitsDecode(in, out);
  std::vector<std::uint8_t> expected = ReferenceDecode(in);
  if (expected.size() > capacity) expected.resize(capacity);
  FUZZ_CHECK(
      kTarget, written == expected.size(),
      std::to_string(written) + " bytes decoded, expected " + std::to_string(expected.size()));
  FUZZ_CHECK(kTarget, std::equal(expected.begin(), expected.end(), out.begin()),
             "decoded bytes differ from the reference");
  FUZZ_CHECK(kTarget,
             std::all_of(out.begin() + static_cast<std::ptrdiff_t>(written), out.end(),
                         [](std::uint8_t b) { return b == 0xA5; }),
             "bytes after the decoded ones were written");
}

void CheckEncode(std::span<const std::uint8_t> in, std::size_t cut) {
  const std::vector<std::uint8_t> code = engine::support::PackBitsEncode(in);
  FUZZ_CHECK(kTarget, code.size() <= engine::support::PackBitsBound(in.size()),
             "encoding larger than PackBitsBound");
  FUZZ_CHECK(kTarget, ReferenceDecode(code) == std::vector<std::uint8_t>(in.begin(), in.end()),
             "encoding does not decode to the input");

  // Into a buffer too small: only whole codes, so what was written decodes to a prefix.
  std::vector<std::uint8_t> small(std::min(cut, code.size()));
  const std::size_t written = engine::support::PackBitsEncode(in, small);
  FUZZ_CHECK(kTarget, written <= small.size(), "encoder wrote past its buffer");
  const std::vector<std::uint8_t> prefix =
      ReferenceDecode(std::span<const std::uint8_t>(small).first(written));
  FUZZ_CHECK(kTarget,
             prefix.size() <= in.size() && std::equal(prefix.begin(), prefix.end(), in.begin()),
             "a cut encoding does not decode to a prefix of the input");
  FUZZ_CHECK(
      kTarget,
      std::equal(small.begin(), small.begin() + static_cast<std::ptrdiff_t>(written), code.begin()),
      "a cut encoding differs from the start of the whole one");
  FUZZ_CHECK(kTarget, small.size() < code.size() || written == code.size(),
             "a buffer of the full size did not take the whole encoding");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Bytes bytes(data, size);
  const std::size_t capacity = bytes.U16() % 2048;
  const std::size_t cut = bytes.U16() % 4096;
  const std::span<const std::uint8_t> rest(bytes.Rest(), bytes.Left());
  CheckDecode(rest, capacity);
  CheckEncode(rest, cut);
  return 0;
}
