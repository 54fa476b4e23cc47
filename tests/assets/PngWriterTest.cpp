// PngWriterTest.cpp -- the generator's PNG files: checksums, chunk and zlib structure, stored
// blocks across the 64 KiB limit, and what another decoder reads back.
#include "tools/assetgen/PngWriter.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "tests/common/TempDir.h"

namespace tools::assetgen {
namespace {

std::vector<std::uint8_t> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

TEST(PngChecksums, MatchTheStandardCheckValues) {
  EXPECT_EQ(Crc32(Bytes("123456789")), 0xCBF43926u);
  EXPECT_EQ(Crc32(Bytes("")), 0u);
  EXPECT_EQ(Crc32(Bytes("IEND")), 0xAE426082u);
  // A CRC can be carried on over a second piece.
  EXPECT_EQ(Crc32(Bytes("56789"), Crc32(Bytes("1234"))), 0xCBF43926u);
  EXPECT_EQ(Adler32(Bytes("Wikipedia")), 0x11E60398u);
  EXPECT_EQ(Adler32(Bytes("")), 1u);
  // Sums that wrap past the modulus.
  EXPECT_EQ(Adler32(std::vector<std::uint8_t>(100000, 0xFF)), 0x149A302Cu);
}

std::uint32_t Big32(const std::vector<std::uint8_t>& b, std::size_t at) {
  return (std::uint32_t{b[at]} << 24) | (std::uint32_t{b[at + 1]} << 16) |
         (std::uint32_t{b[at + 2]} << 8) | b[at + 3];
}

struct Chunk {
  std::string type;
  std::vector<std::uint8_t> data;
};

// Splits a PNG into its chunks, checking each CRC on the way.
std::vector<Chunk> ReadChunks(const std::vector<std::uint8_t>& png) {
  const std::vector<std::uint8_t> signature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  EXPECT_TRUE(std::equal(signature.begin(), signature.end(), png.begin()));
  std::vector<Chunk> chunks;
  std::size_t at = 8;
  while (at + 12 <= png.size()) {
    const std::uint32_t length = Big32(png, at);
    Chunk chunk;
    chunk.type.assign(png.begin() + at + 4, png.begin() + at + 8);
    chunk.data.assign(png.begin() + at + 8, png.begin() + at + 8 + length);
    EXPECT_EQ(Big32(png, at + 8 + length), Crc32(std::span(png).subspan(at + 4, 4 + length)))
        << chunk.type;
    chunks.push_back(std::move(chunk));
    at += 12 + length;
  }
  EXPECT_EQ(at, png.size());
  return chunks;
}

struct Stored {
  std::vector<std::uint8_t> data;
  std::vector<std::size_t> blocks;  // each block's length
};

// Reads a zlib stream of stored deflate blocks, checking header, block fields and Adler-32.
Stored ReadStoredZlib(const std::vector<std::uint8_t>& z) {
  Stored out;
  EXPECT_EQ(z[0] & 0x0F, 8) << "deflate";
  EXPECT_EQ((z[0] * 256 + z[1]) % 31, 0) << "header check bits";
  EXPECT_EQ(z[1] & 0x20, 0) << "no dictionary";
  std::size_t at = 2;
  bool last = false;
  while (!last && at + 5 <= z.size()) {
    last = (z[at] & 1) != 0;
    EXPECT_EQ(z[at] & 6, 0) << "stored";
    const std::size_t length = z[at + 1] | (z[at + 2] << 8);
    const std::size_t inverse = z[at + 3] | (z[at + 4] << 8);
    EXPECT_EQ(length ^ 0xFFFF, inverse);
    out.data.insert(out.data.end(), z.begin() + at + 5, z.begin() + at + 5 + length);
    out.blocks.push_back(length);
    at += 5 + length;
  }
  EXPECT_TRUE(last);
  EXPECT_EQ(at + 4, z.size());
  EXPECT_EQ(Big32(z, at), Adler32(out.data));
  return out;
}

Canvas Pattern(int width, int height) {
  Canvas canvas(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      canvas.Set(x, y,
                 {static_cast<std::uint8_t>(x * 7), static_cast<std::uint8_t>(y * 13),
                  static_cast<std::uint8_t>(x ^ y), static_cast<std::uint8_t>(255 - x - y)});
    }
  }
  return canvas;
}

// Each row is a filter byte of 0 and the row's RGBA bytes.
std::vector<std::uint8_t> Rows(const Canvas& canvas) {
  std::vector<std::uint8_t> rows;
  for (int y = 0; y < canvas.Height(); ++y) {
    rows.push_back(0);
    for (int x = 0; x < canvas.Width(); ++x) {
      const Rgba p = canvas.Get(x, y);
      rows.insert(rows.end(), {p.r, p.g, p.b, p.a});
    }
  }
  return rows;
}

struct SizeCase {
  int width, height;
  std::vector<std::size_t> blocks;
};

TEST(PngWriter, WritesHeaderRowsAndStoredBlocks) {
  const SizeCase cases[] = {
      {3, 2, {26}},
      {1, 1, {5}},
      {256, 64, {65535, 64 * 1025 - 65535}},  // just past one block
      {200, 200, {65535, 65535, 200 * 801 - 2 * 65535}},
  };
  for (const SizeCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height));
    const Canvas canvas = Pattern(c.width, c.height);
    const std::vector<Chunk> chunks = ReadChunks(EncodePng(canvas));
    ASSERT_EQ(chunks.size(), 3u);
    EXPECT_EQ(chunks[0].type, "IHDR");
    EXPECT_EQ(chunks[1].type, "IDAT");
    EXPECT_EQ(chunks[2].type, "IEND");
    EXPECT_TRUE(chunks[2].data.empty());
    const std::vector<std::uint8_t>& h = chunks[0].data;
    ASSERT_EQ(h.size(), 13u);
    EXPECT_EQ(Big32(h, 0), static_cast<std::uint32_t>(c.width));
    EXPECT_EQ(Big32(h, 4), static_cast<std::uint32_t>(c.height));
    const std::vector<std::uint8_t> rest(h.begin() + 8, h.end());
    EXPECT_EQ(rest, (std::vector<std::uint8_t>{8, 6, 0, 0, 0}));
    const Stored stored = ReadStoredZlib(chunks[1].data);
    EXPECT_EQ(stored.blocks, c.blocks);
    EXPECT_TRUE(stored.data == Rows(canvas));
  }
}

// ImageMagick reads the file back to the same pixels, alpha included.
TEST(PngWriter, AnotherDecoderReadsTheSamePixels) {
  tests::TempDir dir;
  const Canvas canvas = Pattern(300, 90);
  ASSERT_TRUE(WritePng("pattern.png", canvas));
  ASSERT_EQ(std::system("convert pattern.png -depth 8 rgba:pattern.rgba 2>/dev/null"), 0);
  const std::string decoded = dir.Read("pattern.rgba");
  const std::vector<std::uint8_t> rows = Rows(canvas);
  std::string expected;
  for (std::size_t i = 0; i < rows.size(); ++i) {
    if (i % (1 + 4 * 300) != 0) expected.push_back(static_cast<char>(rows[i]));
  }
  EXPECT_TRUE(decoded == expected) << decoded.size() << " bytes";
  EXPECT_FALSE(WritePng("no/such/folder/x.png", canvas));
}

}  // namespace
}  // namespace tools::assetgen
