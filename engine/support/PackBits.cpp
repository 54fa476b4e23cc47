// PackBits.cpp -- run-length encoding and decoding.
#include "engine/support/PackBits.h"

#include <algorithm>

namespace engine::support {

namespace {

constexpr std::size_t kMaxRun = 127;
constexpr std::size_t kMaxLiteral = 127;

bool TripleAt(std::span<const std::uint8_t> in, std::size_t i) {
  return i + 2 < in.size() && in[i] == in[i + 1] && in[i] == in[i + 2];
}

}  // namespace

std::size_t PackBitsEncode(std::span<const std::uint8_t> in, std::span<std::uint8_t> out) {
  std::size_t i = 0;
  std::size_t written = 0;
  while (i < in.size()) {
    if (TripleAt(in, i)) {
      std::size_t length = 3;
      while (length < kMaxRun && i + length < in.size() && in[i + length] == in[i])
        ++length;
      if (out.size() - written < 2) break;
      out[written++] = static_cast<std::uint8_t>(1 - static_cast<int>(length));
      out[written++] = in[i];
      i += length;
    } else {
      std::size_t length = 1;
      while (length < kMaxLiteral && i + length < in.size() && !TripleAt(in, i + length)) {
        ++length;
      }
      if (out.size() - written < length + 1) break;
      out[written++] = static_cast<std::uint8_t>(length - 1);
      std::copy_n(in.begin() + static_cast<std::ptrdiff_t>(i), length,
                  out.begin() + static_cast<std::ptrdiff_t>(written));
      written += length;
      i += length;
    }
  }
  return written;
}

std::vector<std::uint8_t> PackBitsEncode(std::span<const std::uint8_t> in) {
  std::vector<std::uint8_t> out(PackBitsBound(in.size()));
  out.resize(PackBitsEncode(in, out));
  return out;
}

std::size_t PackBitsDecode(std::span<const std::uint8_t> in, std::span<std::uint8_t> out) {
  std::size_t i = 0;
  std::size_t written = 0;
  while (i < in.size() && written < out.size()) {
    const std::uint8_t header = in[i++];
    if (header >= 0x80) {
      if (i >= in.size()) break;
      const std::size_t count = static_cast<std::uint8_t>(1 - header);
      const std::size_t fit = std::min(count, out.size() - written);
      std::fill_n(out.begin() + static_cast<std::ptrdiff_t>(written), fit, in[i++]);
      written += fit;
    } else {
      const std::size_t count =
          std::min<std::size_t>({header + 1u, in.size() - i, out.size() - written});
      std::copy_n(in.begin() + static_cast<std::ptrdiff_t>(i), count,
                  out.begin() + static_cast<std::ptrdiff_t>(written));
      written += count;
      i += count;
    }
  }
  return written;
}

}  // namespace engine::support
