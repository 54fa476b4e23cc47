// BlitFuzz.cpp -- fuzz target for the drawing operations: an image of random size, contents,
// format and use drawn at a random position through a random clip rectangle by one of the
// operations on a headless back buffer (with and without row padding, 565 and 555), three
// times: once, again with what the image kept from the first, and after the image changed.
// Each is checked word by word, padding included, against a plain per-pixel reference.
// AddressSanitizer guards the buffer's ends.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "engine/core/Engine.h"
#include "engine/graphics/Image.h"
#include "engine/graphics/ScreenFormat.h"
#include "engine/platform/headless/HeadlessPlatform.h"
#include "fuzz/FuzzSupport.h"

namespace {

constexpr char kTarget[] = "blit";

using engine::core::Engine;
using engine::graphics::DrawSurface;
using engine::graphics::Image;
namespace headless = engine::platform::headless;

struct Screen {
  int width, height, pitch;
  std::uint32_t rmask, gmask, bmask;
};

// Small buffers keep each run fast; odd sizes and padded rows catch stride mistakes.
constexpr std::array<Screen, 3> kScreens{{
    {53, 37, 0, 0xF800, 0x07E0, 0x001F},
    {40, 29, 98, 0x7C00, 0x03E0, 0x001F},
    {1, 3, 6, 0xF800, 0x07E0, 0x001F},
}};

// An engine started full screen on its own headless platform, its back buffer locked for good.
struct Target {
  explicit Target(const Screen& s)
      : screen(s), platform(headless::DesktopConfig::Quiet(), Display(s)) {
    engine.AttachPlatform(&platform);
    ready = engine.Initialize(1, s.width, s.height) && engine.ViewLock();
    fuzz::SilenceDebugLog();
  }
  ~Target() { engine.DetachPlatform(); }

  static headless::DisplayConfig Display(const Screen& s) {
    headless::DisplayConfig display;
    display.pitch = s.pitch;
    display.rmask = s.rmask;
    display.gmask = s.gmask;
    display.bmask = s.bmask;
    return display;
  }

  Screen screen;
  headless::HeadlessPlatform platform;
  Engine engine;
  bool ready = false;
};

Target& TargetFor(std::size_t index) {
  static std::array<std::unique_ptr<Target>, kScreens.size()> targets;
  if (!targets[index]) targets[index] = std::make_unique<Target>(kScreens[index]);
  return *targets[index];
}

enum Op { kPlain, kMasked, kAlpha, kAdd, kTiled, kRect, kPixel, kOpCount };

struct Case {
  Op op = kPlain;
  bool nullImage = false;
  int x = 0, y = 0;  // image position, tiling offset, or pixel
  int clipLeft = 0, clipTop = 0, clipRight = 0, clipBottom = 0;
  int x2 = 0, y2 = 0, r = 0, g = 0, b = 0;  // rectangle corner and colours
};

std::uint8_t UseOf(Op op) {
  switch (op) {
    case kMasked:
      return engine::graphics::DRAW_MASKED;
    case kAlpha:
      return engine::graphics::DRAW_ALPHA;
    case kAdd:
      return engine::graphics::DRAW_ADD;
    default:
      return engine::graphics::DRAW_PLAIN;
  }
}

std::uint32_t Mix(std::uint32_t v) {
  v ^= v >> 16;
  v *= 0x7FEB352Du;
  v ^= v >> 15;
  v *= 0x846CA68Bu;
  return v ^ (v >> 16);
}

// Words and alpha bytes of one of a few kinds: noise, noise with many zeros, all zero, all ones.
std::uint32_t Fill(std::uint32_t seed, std::uint8_t kind, std::size_t i) {
  const std::uint32_t noise = Mix(seed + static_cast<std::uint32_t>(i) * 0x9E3779B9u);
  switch (kind % 4) {
    case 0:
      return noise;
    case 1:
      return (noise & 0x10000u) != 0 ? 0 : noise;
    case 2:
      return 0;
    default:
      return 0xFFFFFFFFu;
  }
}

Image MakeImage(fuzz::Bytes& in, Op op) {
  const std::int32_t w = in.Range(-2, 70);
  const std::int32_t h = in.Range(-2, 70);
  const std::uint8_t shape = in.U8();
  // Mostly the use the operation wants; now and then any use, to reach the refusal.
  const std::uint8_t use = (shape & 0x07) == 0 ? in.U8() % 6 : UseOf(op);
  Image image;
  if ((shape & 0x38) == 0) {
    // Any format at all, marked for a use without being prepared for it.
    image.Create(w, h, in.U8());
    image.SetUseOnly(use);
  } else {
    image.CreateBlank(w, h, use);
  }
  const std::uint32_t seed = in.U32();
  const std::uint8_t wordKind = in.U8(), alphaKind = in.U8();
  const std::size_t words = image.PixelBufferSize() / 2;
  for (std::size_t i = 0; i < words; ++i)
    image.Pixels16()[i] = static_cast<std::uint16_t>(Fill(seed, wordKind, i));
  if (image.HasAlphaPlane()) {
    const std::size_t count = static_cast<std::size_t>(std::max(w, 0)) * std::max(h, 0);
    for (std::size_t i = 0; i < count; ++i)
      image.Alpha()[i] = static_cast<std::uint8_t>(Fill(seed ^ 0xA1FAu, alphaKind, i));
  }
  return image;
}

// The reference: one pixel at a time, from what each operation promises.
class Reference {
 public:
  Reference(const DrawSurface& surface, const Screen& s) : b_(surface), s_(s) {}

  std::uint16_t Blend(Op op, std::uint16_t d, std::uint16_t src, std::uint8_t a) const {
    switch (op) {
      case kMasked:
        return src != 0 ? src : d;
      case kAlpha: {
        if (a == 255) return d;
        std::uint32_t out = 0;
        for (std::uint32_t mask : {s_.rmask, s_.gmask, s_.bmask})
          out |= (((d & mask) * a) >> 8) & mask;
        return static_cast<std::uint16_t>(out + src);
      }
      case kAdd: {
        if (src == 0) return d;
        std::uint32_t out = 0;
        for (std::uint32_t mask : {s_.rmask, s_.gmask, s_.bmask})
          out |= std::min<std::uint32_t>((src & mask) + (d & mask), mask);
        return static_cast<std::uint16_t>(out);
      }
      default:
        return src;
    }
  }

  // Clip rectangle cut to the whole buffer, padding columns included.
  bool InClip(const Case& c, std::int64_t px, std::int64_t py) const {
    return px >= std::max(c.clipLeft, 0) &&
           px <= std::min<std::int64_t>(c.clipRight, Stride() - 1) &&
           py >= std::max(c.clipTop, 0) &&
           py <= std::min<std::int64_t>(c.clipBottom, b_.height - 1);
  }

  static bool Drawable(const Image& image, bool alpha) {
    const std::size_t pixels = static_cast<std::size_t>(image.Width()) * image.Height();
    return image.Pixels16() != nullptr && image.PixelBufferSize() >= pixels * 2 &&
           (!alpha || image.Alpha() != nullptr);
  }

  // The expected buffer and result of the case.
  int Apply(const Case& c, const Image* image, std::vector<std::uint16_t>& buffer) const {
    switch (c.op) {
      case kRect:
        return Rect(c, buffer);
      case kPixel:
        return Pixel(c, buffer);
      case kTiled:
        return Tiled(c, *image, buffer);
      default:
        return Copy(c, image, buffer);
    }
  }

 private:
  std::int64_t Stride() const { return b_.stride; }

  int Copy(const Case& c, const Image* image, std::vector<std::uint16_t>& buffer) const {
    if (image == nullptr || image->Use() != UseOf(c.op)) return 0;
    const bool alpha = c.op == kAlpha || c.op == kAdd;
    if (!Drawable(*image, alpha)) return 1;
    const std::int64_t w = image->Width(), h = image->Height();
    for (std::int64_t py = 0; py < b_.height; ++py) {
      for (std::int64_t px = 0; px < Stride(); ++px) {
        const std::int64_t ix = px - c.x, iy = py - c.y;
        if (!InClip(c, px, py) || ix < 0 || iy < 0 || ix >= w || iy >= h) continue;
        const std::size_t at = static_cast<std::size_t>(iy * w + ix);
        std::uint16_t& d = buffer[static_cast<std::size_t>(py * Stride() + px)];
        d = Blend(c.op, d, image->Pixels16()[at], alpha ? image->Alpha()[at] : 0);
      }
    }
    return 1;
  }

  int Tiled(const Case& c, const Image& image, std::vector<std::uint16_t>& buffer) const {
    if (image.Use() != engine::graphics::DRAW_PLAIN) return 0;
    const std::int64_t w = image.Width(), h = image.Height();
    if (w <= 0 || h <= 0 || !Drawable(image, false)) return 1;
    for (std::int64_t py = 0; py < b_.height; ++py) {
      for (std::int64_t px = 0; px < Stride(); ++px) {
        if (!InClip(c, px, py)) continue;
        const std::int64_t ix = ((px + c.x) % w + w) % w, iy = ((py + c.y) % h + h) % h;
        buffer[static_cast<std::size_t>(py * Stride() + px)] =
            image.Pixels16()[static_cast<std::size_t>(iy * w + ix)];
      }
    }
    return 1;
  }

  // 8-bit components, each cut to its low byte, then to the channel's width.
  std::uint16_t Colour8(int r, int g, int b) const {
    std::uint32_t out = 0;
    const std::array<int, 3> parts{r, g, b};
    const std::array<std::uint32_t, 3> masks{s_.rmask, s_.gmask, s_.bmask};
    for (std::size_t i = 0; i < 3; ++i) {
      const int shift = __builtin_ctz(masks[i]);
      const int bits = __builtin_popcount(masks[i]);
      out |= ((static_cast<std::uint32_t>(parts[i]) & 0xFFu) >> (8 - bits)) << shift;
    }
    return static_cast<std::uint16_t>(out);
  }

  // 5-bit components; a 6-bit channel repeats the top bit below them.
  std::uint16_t Colour5(int r, int g, int b) const {
    std::uint32_t out = 0;
    const std::array<int, 3> parts{r, g, b};
    const std::array<std::uint32_t, 3> masks{s_.rmask, s_.gmask, s_.bmask};
    for (std::size_t i = 0; i < 3; ++i) {
      const int shift = __builtin_ctz(masks[i]);
      const std::uint32_t v = static_cast<std::uint32_t>(parts[i]) & 31u;
      const std::uint32_t wide = __builtin_popcount(masks[i]) == 6 ? (v << 1) | (v >> 4) : v;
      out |= wide << shift;
    }
    return static_cast<std::uint16_t>(out);
  }

  int Rect(const Case& c, std::vector<std::uint16_t>& buffer) const {
    for (std::int64_t py = std::max(c.y, 0); py <= std::min<std::int64_t>(c.y2, b_.height - 1);
         ++py) {
      for (std::int64_t px = std::max(c.x, 0); px <= std::min<std::int64_t>(c.x2, Stride() - 1);
           ++px)
        buffer[static_cast<std::size_t>(py * Stride() + px)] = Colour8(c.r, c.g, c.b);
    }
    return 1;
  }

  int Pixel(const Case& c, std::vector<std::uint16_t>& buffer) const {
    if (c.x >= 0 && c.y >= 0 && c.x < Stride() && c.y < b_.height)
      buffer[static_cast<std::size_t>(c.y * Stride() + c.x)] = Colour5(c.r, c.g, c.b);
    return 1;
  }

  const DrawSurface& b_;
  const Screen& s_;
};

int Run(Engine& e, const Case& c, const Image* image) {
  // A missing image reaches only the table's operations: the engine's take a reference.
  if (image == nullptr) {
    const engine::graphics::DrawTable& table = e.GetDrawTable();
    const engine::graphics::ImageOp op = c.op == kPlain    ? table.DrawPlain
                                         : c.op == kMasked ? table.DrawMasked
                                         : c.op == kAlpha  ? table.DrawAlpha
                                                           : table.DrawAdd;
    return op(e.GetDrawSurface(), c.x, c.y, nullptr);
  }
  switch (c.op) {
    case kPlain:
      return e.DrawPlain(c.x, c.y, *image);
    case kMasked:
      return e.DrawMasked(c.x, c.y, *image);
    case kAlpha:
      return e.DrawAlpha(c.x, c.y, *image);
    case kAdd:
      return e.DrawAdd(c.x, c.y, *image);
    case kTiled:
      return e.DrawTiled(c.x, c.y, *image);
    case kRect:
      e.DrawRect(c.x, c.y, c.x2, c.y2, c.r, c.g, c.b);
      return 1;
    default:
      return e.DrawPixel(c.x, c.y, c.r, c.g, c.b);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Bytes in(data, size);
  const std::size_t screenIndex = in.U8() % kScreens.size();
  Target& target = TargetFor(screenIndex);
  FUZZ_CHECK(kTarget, target.ready, "the headless engine did not start");
  Engine& e = target.engine;
  const Screen& screen = target.screen;
  engine::graphics::ScreenFormat =
      engine::graphics::PixelFormat::FromMasks(screen.rmask, screen.gmask, screen.bmask);

  Case c;
  c.op = static_cast<Op>(in.U8() % kOpCount);
  c.nullImage = c.op <= kAdd && in.U8() == 0xFF;
  Image image = MakeImage(in, c.op);
  c.x = in.Coordinate(-80, 120);
  c.y = in.Coordinate(-80, 120);
  if (in.U8() % 4 == 0) {
    c.clipLeft = 0;
    c.clipTop = 0;
    c.clipRight = screen.width - 1;
    c.clipBottom = screen.height - 1;
  } else {
    c.clipLeft = in.Coordinate(-20, 80);
    c.clipTop = in.Coordinate(-20, 80);
    c.clipRight = in.Coordinate(-20, 80);
    c.clipBottom = in.Coordinate(-20, 80);
  }
  c.x2 = in.Coordinate(-20, 120);
  c.y2 = in.Coordinate(-20, 120);
  c.r = in.Coordinate(0, 300);
  c.g = in.Coordinate(0, 300);
  c.b = in.Coordinate(0, 300);
  e.SetClip(c.clipLeft, c.clipTop, c.clipRight, c.clipBottom);

  const DrawSurface surface = e.GetDrawSurface();
  const std::size_t words = static_cast<std::size_t>(surface.stride) * surface.height;
  const std::uint32_t seed = in.U32();
  for (std::size_t i = 0; i < words; ++i)
    surface.pixels[i] = static_cast<std::uint16_t>(Mix(seed + i));
  std::vector<std::uint16_t> expected(surface.pixels, surface.pixels + words);
  const std::vector<std::uint16_t> before = expected;

  const Image* drawn = c.nullImage ? nullptr : &image;
  const std::string what = "op " + std::to_string(c.op) + " on screen " +
                           std::to_string(screenIndex) + " at " + std::to_string(c.x) + ", " +
                           std::to_string(c.y) + ", image " + std::to_string(image.Width()) +
                           " x " + std::to_string(image.Height()) + " use " +
                           std::to_string(image.Use());
  // The same drawing three times over the result of the last: first, again with what the image
  // kept from the first (its runs), then after one pixel and one alpha byte have changed.
  const std::size_t changed = in.U16();
  bool refused = false;
  for (int pass = 0; pass < 3; ++pass) {
    if (pass == 2 && image.PixelBufferSize() >= 2) {
      const std::size_t at = changed % (image.PixelBufferSize() / 2);
      image.Pixels16()[at] = static_cast<std::uint16_t>(~image.Pixels16()[at]);
      const std::size_t pixels = static_cast<std::size_t>(image.Width()) * image.Height();
      if (image.HasAlphaPlane() && pixels > 0) image.Alpha()[at % pixels] ^= 0xFF;
    }
    const std::string when = what + (pass == 0 ? "" : pass == 1 ? ", again" : ", changed");
    const std::size_t noticesBefore = target.platform.GetWindows().Notices().size();
    const std::int32_t statusBefore = e.GetStatus();
    const int result = Run(e, c, drawn);
    const int expectedResult = Reference(surface, screen).Apply(c, drawn, expected);

    FUZZ_CHECK(kTarget, result == expectedResult, when + ": result " + std::to_string(result));
    refused = expectedResult == 0;
    // The engine reports what it refuses; the table's operations only refuse.
    const bool reported = refused && drawn != nullptr;
    FUZZ_CHECK(kTarget, e.GetStatus() == (reported ? engine::core::IMAGEUSE_FAILED : statusBefore),
               when + ": status " + std::to_string(e.GetStatus()));
    FUZZ_CHECK(kTarget,
               target.platform.GetWindows().Notices().size() == noticesBefore + (reported ? 1 : 0),
               when + ": a refusal shows exactly one report");
    for (std::size_t i = 0; i < words; ++i) {
      FUZZ_CHECK(
          kTarget, surface.pixels[i] == expected[i],
          when + ": word " + std::to_string(i) + " (x " + std::to_string(i % surface.stride) +
              ", y " + std::to_string(i / surface.stride) + ") is " +
              std::to_string(surface.pixels[i]) + ", expected " + std::to_string(expected[i]));
    }
  }
  target.platform.GetWindows().ClearNotices();
  static constexpr std::array<const char*, kOpCount> kNames{"plain", "masked", "alpha", "add",
                                                            "tiled", "rect",   "pixel"};
  fuzz::Tally(refused ? "refused" : kNames[c.op]);
  if (expected != before) fuzz::Tally("drew something");
  return 0;
}
