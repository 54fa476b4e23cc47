// LoadBench.cpp -- ImageFile::Load of an actor frame and of the street against libtiff on the
// same bytes, and SoundX::Load of the music against reading its bytes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "bench/LibtiffLoad.h"
#include "bench/Loads.h"
#include "bench/Ratios.h"
#include "engine/graphics/ImageFile.h"
#include "engine/sound/SoundX.h"
#include "engine/support/Path.h"

namespace bench {

namespace {

using engine::graphics::DRAW_MASKED;
using engine::graphics::DRAW_PLAIN;
using engine::graphics::Image;

struct LoadCase {
  const char* name;
  const char* file;
  std::uint8_t use;  // as the game loads it
};

const LoadCase kCases[] = {
    {"actor", "Images\\Bypasser\\Normal1\\normal1-moveleft000.tif", DRAW_MASKED},
    {"street", "Images\\backgrounds\\battle-bg.tif", DRAW_PLAIN},
};

constexpr const char* kMusic = "Sounds\\bgsound.wav";

using Baseline = bool (*)(const std::string&, Image&, std::uint8_t);

std::string Differs(const Image& a, const Image& b) {
  if (a.Width() != b.Width() || a.Height() != b.Height()) return "size";
  if (a.Format() != b.Format() || a.Use() != b.Use()) return "format or use";
  if (a.PixelBufferSize() != b.PixelBufferSize() ||
      std::memcmp(a.Pixels16(), b.Pixels16(), a.PixelBufferSize()) != 0) {
    return "pixels";
  }
  if (a.HasAlphaPlane() != b.HasAlphaPlane()) return "alpha plane";
  const std::size_t count = static_cast<std::size_t>(a.Width()) * a.Height();
  if (a.HasAlphaPlane() && std::memcmp(a.Alpha(), b.Alpha(), count) != 0) return "alpha";
  return {};
}

// The whole file read with fopen and fread into a buffer that is kept.
std::size_t ReadWhole(const std::string& path, std::vector<std::uint8_t>& buffer) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (f == nullptr) return 0;
  std::size_t total = 0;
  for (;;) {
    if (buffer.size() < total + 65536) buffer.resize(total + 65536);
    const std::size_t got = std::fread(buffer.data() + total, 1, 65536, f);
    total += got;
    if (got < 65536) break;
  }
  std::fclose(f);
  return total;
}

}  // namespace

bool CheckLoads() {
  bool ok = true;
  for (const LoadCase& c : kCases) {
    Image ours;
    engine::graphics::ImageFile().Load(c.file, ours, c.use);
    const std::string path = engine::support::ResolvePath(c.file);
    struct Named {
      const char* name;
      Baseline load;
    };
    for (const Named& b :
         {Named{"libtiff strips", LibtiffStrips}, Named{"libtiff rgba", LibtiffRgba}}) {
      Image theirs;
      if (!b.load(path, theirs, c.use)) {
        std::fprintf(stderr, "MISMATCH %s cannot read %s\n", b.name, path.c_str());
        ok = false;
        continue;
      }
      // libtiff's RGBA reading premultiplies by the alpha, so it reads the same pixels only
      // from a picture without translucency, the street.
      if (std::strcmp(b.name, "libtiff rgba") == 0 && c.use != DRAW_PLAIN) continue;
      if (const std::string d = Differs(ours, theirs); !d.empty()) {
        std::fprintf(stderr, "MISMATCH %s %s: %s differ\n", b.name, c.name, d.c_str());
        ok = false;
      }
    }
  }
  return ok;
}

void RegisterLoadBenchmarks() {
  for (const LoadCase& c : kCases) {
    const std::string ours = std::string("load_") + c.name;
    const LoadCase* lc = &c;
    benchmark::RegisterBenchmark(ours.c_str(), [lc](benchmark::State& state) {
      // One loader for many pictures, as the game loads an actor's frames.
      engine::graphics::ImageFile loader;
      for (auto _ : state) {
        Image image;
        loader.Load(lc->file, image, lc->use);
        benchmark::DoNotOptimize(image.Pixels16());
      }
    });
    struct Named {
      const char* name;
      Baseline load;
    };
    for (const Named& b :
         {Named{"libtiff_strips", LibtiffStrips}, Named{"libtiff_rgba", LibtiffRgba}}) {
      const std::string theirs = std::string(b.name) + "_" + c.name;
      const Baseline load = b.load;
      benchmark::RegisterBenchmark(theirs.c_str(), [lc, load](benchmark::State& state) {
        const std::string path = engine::support::ResolvePath(lc->file);
        for (auto _ : state) {
          Image image;
          load(path, image, lc->use);
          benchmark::DoNotOptimize(image.Pixels16());
        }
      });
      double goal = 0.0;
      if (std::strcmp(c.name, "actor") == 0 && std::strcmp(b.name, "libtiff_strips") == 0)
        goal = 3.0;
      if (std::strcmp(c.name, "street") == 0 && std::strcmp(b.name, "libtiff_rgba") == 0)
        goal = 5.0;
      AddRatio({ours + "_vs_" + b.name, theirs, ours, 1.0, goal, ""});
    }
  }

  benchmark::RegisterBenchmark("soundload_music", [](benchmark::State& state) {
    for (auto _ : state) {
      engine::sound::SoundX sound;
      sound.Load(kMusic);
      benchmark::DoNotOptimize(sound.Data());
    }
  });
  benchmark::RegisterBenchmark("fread_music", [](benchmark::State& state) {
    const std::string path = engine::support::ResolvePath(kMusic);
    for (auto _ : state) {
      std::vector<std::uint8_t> bytes;
      benchmark::DoNotOptimize(ReadWhole(path, bytes));
    }
  });
  AddRatio({"soundload_music_vs_fread", "fread_music", "soundload_music", 1.0, 0.0, ""});
}

}  // namespace bench
