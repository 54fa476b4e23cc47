// Writers.cpp -- little-endian TIFF and WAV files, byte for byte the same on every run.
#include "tools/assetgen/Writers.h"

#include <cstdio>
#include <vector>

namespace tools::assetgen {

namespace {

class Bytes {
 public:
  void U8(std::uint8_t v) { data.push_back(v); }
  void U16(std::uint16_t v) {
    U8(static_cast<std::uint8_t>(v));
    U8(static_cast<std::uint8_t>(v >> 8));
  }
  void U32(std::uint32_t v) {
    U16(static_cast<std::uint16_t>(v));
    U16(static_cast<std::uint16_t>(v >> 16));
  }
  void Tag(const char* four) {
    for (int i = 0; i < 4; ++i)
      U8(static_cast<std::uint8_t>(four[i]));
  }
  // One directory entry; a SHORT value sits in the first two bytes of the value field.
  void Entry(std::uint16_t tag, std::uint16_t type, std::uint32_t count, std::uint32_t value) {
    U16(tag);
    U16(type);
    U32(count);
    if (type == 3 && count == 1) {
      U16(static_cast<std::uint16_t>(value));
      U16(0);
    } else {
      U32(value);
    }
  }
  std::vector<std::uint8_t> data;
};

bool Save(const std::string& path, const std::vector<std::uint8_t>& data) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) return false;
  const bool written = std::fwrite(data.data(), 1, data.size(), file) == data.size();
  return std::fclose(file) == 0 && written;
}

// One strip of width x height pixels with samples per pixel (3 or 4).
bool WriteTiff(const std::string& path, const Canvas& canvas, int samples) {
  const auto width = static_cast<std::uint32_t>(canvas.Width());
  const auto height = static_cast<std::uint32_t>(canvas.Height());
  const std::uint16_t entries = samples == 4 ? 11 : 10;
  const std::uint32_t directoryEnd = 8 + 2 + 12u * entries + 4;
  const std::uint32_t bitsOffset = directoryEnd;
  const std::uint32_t pixelOffset = bitsOffset + 2u * static_cast<std::uint32_t>(samples);
  const std::uint32_t pixelBytes = width * height * static_cast<std::uint32_t>(samples);

  Bytes out;
  out.U8('I');
  out.U8('I');
  out.U16(42);
  out.U32(8);
  out.U16(entries);
  out.Entry(256, 4, 1, width);                                         // ImageWidth
  out.Entry(257, 4, 1, height);                                        // ImageLength
  out.Entry(258, 3, static_cast<std::uint32_t>(samples), bitsOffset);  // BitsPerSample
  out.Entry(259, 3, 1, 1);                                             // Compression: none
  out.Entry(262, 3, 1, 2);                                    // PhotometricInterpretation: RGB
  out.Entry(273, 4, 1, pixelOffset);                          // StripOffsets
  out.Entry(277, 3, 1, static_cast<std::uint32_t>(samples));  // SamplesPerPixel
  out.Entry(278, 4, 1, height);                               // RowsPerStrip
  out.Entry(279, 4, 1, pixelBytes);                           // StripByteCounts
  out.Entry(284, 3, 1, 1);                                    // PlanarConfiguration: interleaved
  if (samples == 4) out.Entry(338, 3, 1, 2);                  // ExtraSamples: unassociated alpha
  out.U32(0);
  for (int i = 0; i < samples; ++i)
    out.U16(8);
  for (const Rgba& p : canvas.Pixels()) {
    out.U8(p.r);
    out.U8(p.g);
    out.U8(p.b);
    if (samples == 4) out.U8(p.a);
  }
  return Save(path, out.data);
}

}  // namespace

bool WriteRgbaTiff(const std::string& path, const Canvas& canvas) {
  return WriteTiff(path, canvas, 4);
}

bool WriteRgbTiff(const std::string& path, const Canvas& canvas) {
  return WriteTiff(path, canvas, 3);
}

bool WriteWav(const std::string& path, std::span<const std::int16_t> samples, int rate) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  Bytes out;
  out.Tag("RIFF");
  out.U32(36 + dataBytes);
  out.Tag("WAVE");
  out.Tag("fmt ");
  out.U32(16);
  out.U16(1);  // PCM
  out.U16(1);  // mono
  out.U32(static_cast<std::uint32_t>(rate));
  out.U32(static_cast<std::uint32_t>(rate) * 2);
  out.U16(2);
  out.U16(16);
  out.Tag("data");
  out.U32(dataBytes);
  for (std::int16_t s : samples)
    out.U16(static_cast<std::uint16_t>(s));
  return Save(path, out.data);
}

bool WritePixelSource(const std::string& path, const Canvas& canvas, const std::string& header,
                      const std::string& space, const std::string& symbol) {
  std::string text = "// Written by assetgen: " + std::to_string(canvas.Width()) + " x " +
                     std::to_string(canvas.Height()) + " RGBA pixels.\n#include \"" + header +
                     "\"\n\nnamespace " + space + " {\n\nconst std::uint8_t " + symbol + "[] = {\n";
  int column = 0;
  for (const Rgba& p : canvas.Pixels()) {
    for (const std::uint8_t v : {p.r, p.g, p.b, p.a}) {
      text += std::to_string(v) + ",";
      if (++column % 24 == 0) text += '\n';
    }
  }
  text += "\n};\n\n}  // namespace " + space + "\n";
  return Save(path, std::vector<std::uint8_t>(text.begin(), text.end()));
}

}  // namespace tools::assetgen
