// PngWriter.cpp -- PNG chunks, the zlib wrapper and stored deflate blocks.
#include "tools/assetgen/PngWriter.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace tools::assetgen {

namespace {

// The largest stored deflate block: its length is a 16-bit field.
constexpr std::size_t kStoredBlock = 65535;

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t n = 0; n < 256; ++n) {
    std::uint32_t c = n;
    for (int k = 0; k < 8; ++k)
      c = (c & 1) != 0 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[n] = c;
  }
  return table;
}

constexpr std::array<std::uint32_t, 256> kCrcTable = MakeCrcTable();

void Big32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<std::uint8_t>(v >> shift));
}

void Little16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}

// Length, type, data, and the CRC of type and data.
void Chunk(std::vector<std::uint8_t>& out, const char (&type)[5],
           std::span<const std::uint8_t> data) {
  Big32(out, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeAt = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  Big32(out, Crc32(std::span(out).subspan(typeAt)));
}

// A zlib stream (deflate, 32 KiB window, no dictionary) of stored blocks.
std::vector<std::uint8_t> StoredZlib(std::span<const std::uint8_t> data) {
  std::vector<std::uint8_t> out = {0x78, 0x01};
  std::size_t at = 0;
  do {
    const std::size_t length = std::min(kStoredBlock, data.size() - at);
    const bool last = at + length == data.size();
    out.push_back(last ? 1 : 0);  // BFINAL, then BTYPE 00: stored
    Little16(out, static_cast<std::uint32_t>(length));
    Little16(out, static_cast<std::uint32_t>(~length & 0xFFFF));
    out.insert(out.end(), data.begin() + static_cast<std::ptrdiff_t>(at),
               data.begin() + static_cast<std::ptrdiff_t>(at + length));
    at += length;
  } while (at < data.size());
  Big32(out, Adler32(data));
  return out;
}

}  // namespace

std::uint32_t Crc32(std::span<const std::uint8_t> bytes, std::uint32_t crc) {
  crc = ~crc;
  for (const std::uint8_t b : bytes)
    crc = kCrcTable[(crc ^ b) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

std::uint32_t Adler32(std::span<const std::uint8_t> bytes) {
  constexpr std::uint32_t kModulus = 65521;
  std::uint32_t a = 1, b = 0;
  for (const std::uint8_t byte : bytes) {
    a = (a + byte) % kModulus;
    b = (b + a) % kModulus;
  }
  return (b << 16) | a;
}

std::vector<std::uint8_t> EncodePng(const Canvas& canvas) {
  const auto width = static_cast<std::uint32_t>(canvas.Width());
  const auto height = static_cast<std::uint32_t>(canvas.Height());
  std::vector<std::uint8_t> out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

  std::vector<std::uint8_t> header;
  Big32(header, width);
  Big32(header, height);
  header.insert(header.end(), {8, 6, 0, 0, 0});  // depth, RGBA, deflate, filters, no interlace
  Chunk(out, "IHDR", header);

  std::vector<std::uint8_t> rows;
  rows.reserve(static_cast<std::size_t>(height) * (1 + 4 * static_cast<std::size_t>(width)));
  for (std::uint32_t y = 0; y < height; ++y) {
    rows.push_back(0);  // filter: none
    for (std::uint32_t x = 0; x < width; ++x) {
      const Rgba p = canvas.Get(static_cast<int>(x), static_cast<int>(y));
      rows.insert(rows.end(), {p.r, p.g, p.b, p.a});
    }
  }
  Chunk(out, "IDAT", StoredZlib(rows));
  Chunk(out, "IEND", {});
  return out;
}

bool WritePng(const std::string& path, const Canvas& canvas) {
  const std::vector<std::uint8_t> data = EncodePng(canvas);
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(data.data(), 1, data.size(), file) == data.size();
  return std::fclose(file) == 0 && written;
}

}  // namespace tools::assetgen
