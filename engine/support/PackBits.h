// PackBits.h -- the byte-oriented run-length codec: runs of equal bytes and literal stretches.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace engine::support {

// The largest encoding of n input bytes: one header for every 127 literals.
constexpr std::size_t PackBitsBound(std::size_t n) {
  return n + (n + 126) / 127;
}

// A run of 3 to 127 equal bytes becomes the header 1 - length and the value; other bytes go
// out as the header count - 1 and up to 127 literals, a literal stretch ending where three
// equal bytes begin. Writes only whole headers with their bytes, never past out, and returns
// the number of bytes written: less than the full encoding when out is smaller than
// PackBitsBound(in.size()).
std::size_t PackBitsEncode(std::span<const std::uint8_t> in, std::span<std::uint8_t> out);
std::vector<std::uint8_t> PackBitsEncode(std::span<const std::uint8_t> in);

// A header of 0x80 or more repeats the next byte (1 - header) mod 256 times (0x80 gives 129);
// any other header copies the next header + 1 bytes. Reads only within in and writes only
// within out: a code cut short by the end of either still delivers what fits. Returns the
// number of bytes written.
std::size_t PackBitsDecode(std::span<const std::uint8_t> in, std::span<std::uint8_t> out);

}  // namespace engine::support
