// MakeSeeds.cpp -- writes the fuzz targets' starting corpora from the game's own data: small
// pictures and sounds of the asset set as they are, the same pictures and sounds rewritten in
// the other layouts the readers accept, and small malformed variants of them.
//
//   fuzz_seeds DATA_DIR OUT_DIR    writes OUT_DIR/<target>/<name> for every target
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/graphics/Image.h"
#include "engine/graphics/ImageFile.h"
#include "engine/sound/SoundX.h"
#include "engine/support/PackBits.h"
#include "tests/graphics/TiffBuilder.h"

namespace {

namespace fs = std::filesystem;

fs::path out;

void Write(const std::string& target, const std::string& name, const std::string& bytes) {
  fs::create_directories(out / target);
  std::ofstream(out / target / name, std::ios::binary) << bytes;
}

std::string ReadAll(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Put(std::string& s, std::uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i)
    s.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

// --- Pictures ---

// The small asset pictures as they are; the large ones would only slow every run down.
void CopySmallPictures(const fs::path& data) {
  int copied = 0;
  std::vector<fs::path> files;
  for (const auto& e : fs::recursive_directory_iterator(data / "Images"))
    if (e.is_regular_file() && e.path().extension() == ".tif" && e.file_size() <= 12 * 1024)
      files.push_back(e.path());
  std::sort(files.begin(), files.end());
  std::uintmax_t lastSize = 0;
  for (const fs::path& f : files) {
    // One picture of each size is enough.
    if (fs::file_size(f) == lastSize) continue;
    lastSize = fs::file_size(f);
    Write("tiff", "asset-" + f.stem().string() + ".tif", ReadAll(f));
    ++copied;
  }
  std::printf("tiff: %d asset pictures\n", copied);
}

// A corner of an asset picture, so that the layouts below carry the game's own colours.
std::vector<tests::Rgba> Corner(const fs::path& data, int w, int h) {
  engine::graphics::Image image;
  engine::graphics::ImageFile loader;
  std::vector<tests::Rgba> pixels;
  if (!loader.LoadTiff((data / "Images" / "inter-next.tif").string(), image)) {
    return tests::TestPicture(w, h);
  }
  const std::vector<tests::Rgba> all = tests::PictureOf(image);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      pixels.push_back(all[static_cast<std::size_t>((y + 9) % image.Height() * image.Width() +
                                                    (x + 6) % image.Width())]);
  return pixels;
}

void PictureLayouts(const fs::path& data) {
  int made = 0;
  for (int bits : {8, 16, 32}) {
    for (bool alpha : {false, true}) {
      for (bool big : {false, true}) {
        for (int rows : {0, 2}) {
          tests::TiffPicture p{7, 5, bits, alpha, rows, big};
          tests::TiffBuild build = tests::MakeTiff(p, Corner(data, 7, 5));
          build.directoryFirst = (bits + rows) % 3 == 0;
          Write("tiff", "layout-" + std::to_string(made++) + ".tif", build.Bytes());
        }
      }
    }
  }
  std::printf("tiff: %d layouts\n", made);
}

void PictureFaults(const fs::path& data) {
  const auto base = [&] { return tests::MakeTiff({6, 4, 8, true, 2, false}, Corner(data, 6, 4)); };
  const std::string good = base().Bytes();
  int made = 0;
  const auto keep = [&](const std::string& name, const std::string& bytes) {
    Write("tiff", "fault-" + name + ".tif", bytes);
    ++made;
  };
  keep("cut-header", good.substr(0, 6));
  keep("cut-half", good.substr(0, good.size() / 2));
  keep("cut-last", good.substr(0, good.size() - 1));
  keep("not-tiff", "IX" + good.substr(2));
  {
    auto b = base();
    b.directoryOffset = 0xFFFFFFF0u;
    keep("directory-past-end", b.Bytes());
  }
  {
    auto b = base();
    b.entryCount = 0xFFFF;
    keep("entry-count", b.Bytes());
  }
  {
    auto b = base();
    b.Find(273)->values = {0x7FFFFFF0u, 8};
    keep("strip-past-end", b.Bytes());
  }
  {
    auto b = base();
    b.Set({258, 3, 5, {8, 8, 8, 8, 8}, {}});
    keep("five-samples", b.Bytes());
  }
  {
    auto b = base();
    b.Set({259, 3, 1, {5}, {}});
    keep("compressed", b.Bytes());
  }
  {
    auto b = base();
    b.Set({262, 3, 1, {3}, {}});
    keep("palette", b.Bytes());
  }
  {
    auto b = base();
    b.Set({256, 3, 1, {0}, {}});
    keep("no-width", b.Bytes());
  }
  {
    auto b = base();
    b.Set({278, 3, 1, {0}, {}});
    keep("no-rows", b.Bytes());
  }
  {
    auto b = base();
    b.Set({258, 3, 4, {8, 16, 8, 8}, {}});
    keep("mixed-bits", b.Bytes());
  }
  {
    auto b = base();
    b.nextDirectory = 8;
    keep("second-directory", b.Bytes());
  }
  std::printf("tiff: %d faults\n", made);
}

// --- Sounds ---

struct Pcm {
  std::uint16_t channels = 1, bits = 16;
  std::uint32_t rate = 22050;
  std::string samples;
};

std::string Fmt(const Pcm& p, std::uint16_t tag = 1, const std::string& extra = "") {
  std::string s = "fmt ";
  Put(s, 16 + static_cast<std::uint32_t>(extra.size()), 4);
  Put(s, tag, 2);
  Put(s, p.channels, 2);
  Put(s, p.rate, 4);
  Put(s, p.rate * p.channels * (p.bits / 8u), 4);
  Put(s, p.channels * (p.bits / 8u), 2);
  Put(s, p.bits, 2);
  return s + extra;
}

std::string Chunk(const std::string& id, const std::string& body) {
  std::string s = id;
  Put(s, static_cast<std::uint32_t>(body.size()), 4);
  s += body;
  if (body.size() % 2 != 0) s.push_back('\0');
  return s;
}

std::string Riff(const std::string& chunks) {
  std::string s = "RIFF";
  Put(s, static_cast<std::uint32_t>(4 + chunks.size()), 4);
  return s + "WAVE" + chunks;
}

std::string Wav(const Pcm& p, const std::string& before = "", const std::string& after = "") {
  return Riff(Fmt(p) + before + Chunk("data", p.samples) + after);
}

// The start of an asset sound, 16-bit mono as the asset set keeps them.
Pcm Start(const fs::path& file, std::size_t frames) {
  engine::sound::SoundX sound;
  Pcm p;
  if (!sound.Load(file.string())) return p;
  p.channels = sound.channels;
  p.bits = sound.bitsPerSample;
  p.rate = sound.samplesPerSecond;
  const std::size_t bytes = std::min(sound.data.size(), frames * (p.bits / 8u) * p.channels);
  p.samples.assign(reinterpret_cast<const char*>(sound.data.data()), bytes);
  return p;
}

// 16-bit samples to 8-bit (offset binary) or to two channels.
Pcm EightBit(const Pcm& p) {
  Pcm q = p;
  q.bits = 8;
  q.samples.clear();
  for (std::size_t i = 1; i < p.samples.size(); i += 2)
    q.samples.push_back(static_cast<char>(static_cast<std::uint8_t>(p.samples[i]) ^ 0x80));
  return q;
}

Pcm Stereo(const Pcm& p) {
  Pcm q = p;
  q.channels = 2;
  q.samples.clear();
  for (std::size_t i = 0; i + 1 < p.samples.size(); i += 2)
    q.samples += p.samples.substr(i, 2) + p.samples.substr(i, 2);
  return q;
}

void Sounds(const fs::path& data) {
  int made = 0;
  const auto keep = [&](const std::string& name, const std::string& bytes) {
    Write("wav", name + ".wav", bytes);
    ++made;
  };
  std::vector<fs::path> files;
  for (const auto& e : fs::directory_iterator(data / "Sounds"))
    if (e.path().extension() == ".wav") files.push_back(e.path());
  std::sort(files.begin(), files.end());
  for (const fs::path& f : files) {
    if (fs::file_size(f) <= 16 * 1024) keep("asset-" + f.stem().string(), ReadAll(f));
    const Pcm p = Start(f, 300);
    keep("start-" + f.stem().string(), Wav(p));
  }
  const Pcm p = Start(data / "Sounds" / "cash.wav", 120);
  keep("eight-bit", Wav(EightBit(p)));
  keep("stereo", Wav(Stereo(p)));
  keep("list-before", Wav(p, Chunk("LIST", "INFOISFT" + std::string("\x08\0\0\0curbside", 12))));
  keep("fact-before", Wav(p, Chunk("fact", std::string("\x78\0\0\0", 4))));
  keep("odd-after", Wav(p, "", Chunk("note", "odd")));
  keep("fmt-extra", Riff(Fmt(p, 1, std::string("\0\0", 2)) + Chunk("data", p.samples)));
  keep("not-pcm", Riff(Fmt(p, 3) + Chunk("data", p.samples)));
  keep("two-data", Wav(p, "", Chunk("data", p.samples.substr(0, 40))));
  std::string claims = Wav(p);
  claims[42] = '\x7F';  // the data chunk claims more than the file holds
  keep("data-claims-more", claims);
  keep("cut-in-header", Wav(p).substr(0, 30));
  keep("cut-in-samples", Wav(p).substr(0, 101));
  Pcm wide = p;
  wide.bits = 24;
  keep("bits-24", Wav(wide));
  Pcm none = p;
  none.channels = 0;
  keep("no-channels", Wav(none));
  std::printf("wav: %d sounds\n", made);
}

// --- Codes, drawing cases and scripts ---

void PackBits(const fs::path& data) {
  // The entry's first four bytes pick the output size and the cut; the rest is the code.
  const std::string control("\x40\x01\x20\x00", 4);
  const std::string asset = ReadAll(data / "Images" / "inter-next.tif").substr(8, 400);
  const std::vector<std::uint8_t> bytes(asset.begin(), asset.end());
  const std::vector<std::uint8_t> code = engine::support::PackBitsEncode(bytes);
  Write("packbits", "asset-row", control + std::string(code.begin(), code.end()));
  Write("packbits", "asset-raw", control + asset);
  Write("packbits", "runs", control + std::string("\xFE\x07\x80\x01\x02\x00\x01\x02\xFF", 9));
  Write("packbits", "cut-run", control + std::string("\x03\x01\x02\x81", 4));
  std::printf("packbits: 4 codes\n");
}

void Blits() {
  // Screen, operation, then the image and the case; the target reads what it needs.
  std::uint32_t state = 12345;
  for (int screen = 0; screen < 3; ++screen) {
    for (int op = 0; op < 7; ++op) {
      std::string s;
      s.push_back(static_cast<char>(screen));
      s.push_back(static_cast<char>(op));
      for (int i = 0; i < 40; ++i) {
        state = state * 1103515245u + 12345u;
        s.push_back(static_cast<char>(state >> 24));
      }
      Write("blit", "case-" + std::to_string(screen) + "-" + std::to_string(op), s);
    }
  }
  std::printf("blit: 21 cases\n");
}

void Scripts() {
  Write("script", "every-event",
        "# a comment line\n120 key-down 37\n180 key-up 37   # trailing comment\n200 char q\n"
        "200 char  \n200 char #\n200 mouse-move 600 250\n201 mouse-down left\n205 mouse-up left\n"
        "206 mouse-down right\n207 mouse-up middle\r\n\n");
  Write("script", "title-to-game",
        "5 mouse-move 640 255\n5 mouse-down left\n7 mouse-up left\n40 key-down 39\n"
        "80 key-up 39\n90 char p\n120 char p\n");
  Write("script", "out-of-order", "30 key-down 32\n10 key-down 37\n10 key-up 37\n");
  Write("script", "bad-frame", "0 key-down 37\n");
  Write("script", "bad-event", "12 jump\n");
  Write("script", "bad-key", "12 key-down 256\n");
  Write("script", "trailing", "12 mouse-move 1 2 3\n");
  std::printf("script: 7 scripts\n");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: fuzz_seeds DATA_DIR OUT_DIR\n");
    return 2;
  }
  const fs::path data = argv[1];
  out = argv[2];
  if (!fs::is_directory(data / "Images") || !fs::is_directory(data / "Sounds")) {
    std::fprintf(stderr, "fuzz_seeds: %s holds no Images/ and Sounds/\n", argv[1]);
    return 1;
  }
  CopySmallPictures(data);
  PictureLayouts(data);
  PictureFaults(data);
  Sounds(data);
  PackBits(data);
  Blits();
  Scripts();
  return 0;
}
