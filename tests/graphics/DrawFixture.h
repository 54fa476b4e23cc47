// DrawFixture.h -- a locked headless back buffer and small image builders for the drawing
// tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "engine/graphics/Image.h"
#include "tests/common/HeadlessEngine.h"

namespace tests {

// The back-buffer formats the drawing tests run on.
struct Screen {
  const char* name;
  int pitch;  // bytes; 0 gives 1600 for an 800-pixel row
  std::uint32_t rmask, gmask, bmask;
};

inline constexpr Screen kRgb565{"565", 0, 0xF800, 0x07E0, 0x001F};
inline constexpr Screen kRgb555{"555", 0, 0x7C00, 0x03E0, 0x001F};
inline constexpr Screen kWide565{"565_stride1024", 2048, 0xF800, 0x07E0, 0x001F};

// An 800 x 600 engine started on the headless display and locked for drawing.
class DrawScreen {
 public:
  explicit DrawScreen(const Screen& screen = kRgb565)
      : h_(engine::platform::headless::DesktopConfig::Quiet(), Config(screen)) {
    ok_ = h_.Engine().Initialize(1, 800, 600) && h_.Engine().ViewLock();
  }

  bool Ok() const { return ok_; }
  engine::core::Engine& E() { return h_.Engine(); }
  HeadlessEngine& H() { return h_; }
  // What the draw table's operations get: null pixels once the buffer is unlocked.
  engine::graphics::DrawSurface Surface() { return E().GetDrawSurface(); }
  int Stride() { return E().GetStride(); }
  int Height() { return E().GetHeight(); }

  std::uint16_t& At(int x, int y) {
    return E().GetBackBuffer()[static_cast<std::ptrdiff_t>(y) * Stride() + x];
  }
  // Every word of the buffer, padding columns included, row by row.
  std::vector<std::uint16_t> Snapshot() {
    const std::uint16_t* p = E().GetBackBuffer();
    return std::vector<std::uint16_t>(p, p + static_cast<std::ptrdiff_t>(Stride()) * Height());
  }
  // Fills the whole buffer with a pattern that differs from pixel to pixel.
  void FillPattern() {
    const std::ptrdiff_t count = static_cast<std::ptrdiff_t>(Stride()) * Height();
    for (std::ptrdiff_t i = 0; i < count; ++i) {
      E().GetBackBuffer()[i] = static_cast<std::uint16_t>(i * 2654435761u >> 7);
    }
  }
  void Fill(std::uint16_t value) {
    std::fill_n(E().GetBackBuffer(), static_cast<std::ptrdiff_t>(Stride()) * Height(), value);
  }

 private:
  static engine::platform::headless::DisplayConfig Config(const Screen& screen) {
    engine::platform::headless::DisplayConfig config;
    config.pitch = screen.pitch;
    config.rmask = screen.rmask;
    config.gmask = screen.gmask;
    config.bmask = screen.bmask;
    return config;
  }

  HeadlessEngine h_;
  bool ok_ = false;
};

// A w x h 16-bit image prepared for use, its words and alpha bytes given per pixel.
inline engine::graphics::Image MakeImage(
    int w, int h, std::uint8_t use, const std::function<std::uint16_t(int, int)>& word,
    const std::function<std::uint8_t(int, int)>& alpha = nullptr) {
  engine::graphics::Image image;
  image.CreateBlank(w, h, use);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      image.Pixels16()[y * w + x] = word(x, y);
      if (alpha) image.Alpha()[y * w + x] = alpha(x, y);
    }
  }
  return image;
}

// A word that names its pixel and is never 0, so that a masked draw shows every pixel.
inline std::uint16_t Tag(int x, int y) {
  return static_cast<std::uint16_t>(1 + x + y * 211);
}

}  // namespace tests
