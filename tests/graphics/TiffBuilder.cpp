// TiffBuilder.cpp -- test TIFF files in memory.
#include "tests/graphics/TiffBuilder.h"

#include <algorithm>

#include "engine/support/File.h"

namespace tests {

namespace {

constexpr std::uint16_t kStripOffsets = 273;
constexpr std::uint16_t kStripByteCounts = 279;

std::uint64_t ElementSize(std::uint16_t type) {
  return type == 3 ? 2 : 4;
}

class Writer {
 public:
  explicit Writer(bool bigEndian) : big_(bigEndian) {}
  void Put(std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
      const int shift = 8 * (big_ ? bytes - 1 - i : i);
      out_.push_back(static_cast<char>((value >> shift) & 0xFF));
    }
  }
  void Append(const std::string& bytes) { out_ += bytes; }
  std::size_t Size() const { return out_.size(); }
  std::string Take() { return std::move(out_); }

 private:
  bool big_;
  std::string out_;
};

bool Inline(const TiffEntry& e) {
  return static_cast<std::uint64_t>(e.count) * ElementSize(e.type) <= 4;
}

// The bytes an entry's values take after the directory.
std::uint64_t OutOfLine(const TiffEntry& e) {
  return Inline(e) ? 0 : e.values.size() * ElementSize(e.type);
}

}  // namespace

std::vector<Rgba> TestPicture(int width, int height) {
  std::vector<Rgba> pixels;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      pixels.push_back({static_cast<std::uint8_t>(16 * x + y + 1),
                        static_cast<std::uint8_t>(200 - 7 * x - 3 * y),
                        static_cast<std::uint8_t>(5 * x * y + 9 * y + 40),
                        static_cast<std::uint8_t>(255 - 13 * x - 5 * y)});
    }
  }
  return pixels;
}

std::vector<Rgba> PictureOf(const engine::graphics::Image& image) {
  std::vector<Rgba> pixels;
  const std::uint8_t* rgb = image.PixelBytes();
  const std::uint8_t* alpha = image.Alpha();
  if (rgb == nullptr) return pixels;
  const std::size_t count = static_cast<std::size_t>(image.Width()) * image.Height();
  for (std::size_t i = 0; i < count; ++i) {
    pixels.push_back(
        {rgb[3 * i], rgb[3 * i + 1], rgb[3 * i + 2],
         image.HasAlpha(image.Format()) && alpha != nullptr ? alpha[i] : std::uint8_t{0}});
  }
  return pixels;
}

TiffEntry* TiffBuild::Find(std::uint16_t tag) {
  for (auto& e : entries) {
    if (e.tag == tag) return &e;
  }
  return nullptr;
}

void TiffBuild::Remove(std::uint16_t tag) {
  std::erase_if(entries, [tag](const TiffEntry& e) { return e.tag == tag; });
}

void TiffBuild::Set(const TiffEntry& entry) {
  if (TiffEntry* e = Find(entry.tag)) {
    *e = entry;
  } else {
    entries.push_back(entry);
  }
}

std::string TiffBuild::Bytes() const {
  std::vector<TiffEntry> list = entries;
  std::uint64_t stripBytes = 0;
  for (const auto& s : strips)
    stripBytes += s.size();
  // Automatic strip arrays hold one value per strip.
  std::vector<bool> automatic(list.size(), false);
  for (std::size_t i = 0; i < list.size(); ++i) {
    TiffEntry& e = list[i];
    if ((e.tag == kStripOffsets || e.tag == kStripByteCounts) && e.values.empty()) {
      automatic[i] = true;
      e.values.resize(strips.size());
    }
  }
  std::uint64_t arrayBytes = 0;
  for (const auto& e : list)
    arrayBytes += OutOfLine(e);
  const std::uint64_t directoryBytes = 2 + 12 * list.size() + 4;

  const std::uint64_t directoryAt = directoryFirst ? 8 : 8 + stripBytes + arrayBytes;
  const std::uint64_t arraysAt = directoryFirst ? 8 + directoryBytes : 8 + stripBytes;
  const std::uint64_t stripAt = directoryFirst ? arraysAt + arrayBytes : 8;
  for (std::size_t i = 0; i < list.size(); ++i) {
    if (!automatic[i]) continue;
    std::uint64_t at = stripAt;
    for (std::size_t k = 0; k < strips.size(); ++k) {
      list[i].values[k] =
          static_cast<std::uint32_t>(list[i].tag == kStripOffsets ? at : strips[k].size());
      at += strips[k].size();
    }
  }

  Writer arrays(bigEndian);
  std::vector<std::uint64_t> arrayOffsets;
  for (const auto& e : list) {
    arrayOffsets.push_back(arraysAt + arrays.Size());
    if (Inline(e)) continue;
    for (auto v : e.values)
      arrays.Put(v, static_cast<int>(ElementSize(e.type)));
  }

  Writer directory(bigEndian);
  directory.Put(entryCount.value_or(static_cast<std::uint16_t>(list.size())), 2);
  for (std::size_t i = 0; i < list.size(); ++i) {
    const TiffEntry& e = list[i];
    directory.Put(e.tag, 2);
    directory.Put(e.type, 2);
    directory.Put(e.count, 4);
    if (e.field) {
      directory.Put(*e.field, 4);
    } else if (Inline(e)) {
      // Values sit at the start of the field, the rest is zero.
      Writer field(bigEndian);
      for (std::size_t k = 0; k < e.values.size() && field.Size() < 4; ++k)
        field.Put(e.values[k], static_cast<int>(ElementSize(e.type)));
      std::string bytes = field.Take();
      bytes.resize(4, '\0');
      directory.Append(bytes);
    } else {
      directory.Put(arrayOffsets[i], 4);
    }
  }
  directory.Put(nextDirectory, 4);

  Writer file(bigEndian);
  file.Append(bigEndian ? "MM" : "II");
  file.Put(42, 2);
  file.Put(directoryOffset.value_or(static_cast<std::uint32_t>(directoryAt)), 4);
  std::string pixels;
  for (const auto& s : strips)
    pixels += s;
  if (directoryFirst) {
    file.Append(directory.Take());
    file.Append(arrays.Take());
    file.Append(pixels);
  } else {
    file.Append(pixels);
    file.Append(arrays.Take());
    file.Append(directory.Take());
  }
  return file.Take();
}

TiffBuild MakeTiff(const TiffPicture& picture, std::vector<Rgba> pixels) {
  if (pixels.empty()) pixels = TestPicture(picture.width, picture.height);
  TiffBuild build;
  build.bigEndian = picture.bigEndian;
  const int samples = picture.alpha ? 4 : 3;
  const int bytes = picture.bits / 8;
  const int rows = picture.rowsPerStrip > 0 ? picture.rowsPerStrip : picture.height;

  Writer strip(picture.bigEndian);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const Rgba& p = pixels[static_cast<std::size_t>(y) * picture.width + x];
      const std::uint8_t channels[4] = {p.r, p.g, p.b, p.a};
      for (int c = 0; c < samples; ++c) {
        std::uint64_t value = channels[c];
        for (int k = 1; k < bytes; ++k)
          value = (value << 8) | static_cast<std::uint8_t>(~channels[c]);
        strip.Put(value, bytes);
      }
    }
    if ((y + 1) % rows == 0 || y + 1 == picture.height) build.strips.push_back(strip.Take());
  }

  const auto u = [](int v) { return static_cast<std::uint32_t>(v); };
  const auto stripCount = u(static_cast<int>(build.strips.size()));
  // Width as a SHORT and height as a LONG, so that both value forms are read.
  build.entries = {
      {256, 3, 1, {u(picture.width)}, {}},
      {257, 4, 1, {u(picture.height)}, {}},
      {258, 3, u(samples), std::vector<std::uint32_t>(samples, u(picture.bits)), {}},
      {259, 3, 1, {1}, {}},
      {262, 3, 1, {2}, {}},
      {273, 4, stripCount, {}, {}},
      {277, 3, 1, {u(samples)}, {}},
      {278, 3, 1, {u(rows)}, {}},
      {279, 4, stripCount, {}, {}},
  };
  if (picture.alpha) build.entries.push_back({338, 3, 1, {2}, {}});
  return build;
}

bool LoadBytes(engine::graphics::ImageFile& loader, const std::string& bytes,
               engine::graphics::Image& image, std::string_view name) {
  engine::support::File file;
  file.OpenMemory(name, {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
  return loader.LoadTiff(file, image);
}

}  // namespace tests
