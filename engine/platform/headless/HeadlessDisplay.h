// HeadlessDisplay.h -- a 16-bit display in memory: the desktop as the windowed primary
// surface, a two-buffer flip chain for full screen, and counts of presented frames.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "engine/platform/DisplaySystem.h"
#include "engine/platform/headless/Faults.h"
#include "engine/platform/headless/HeadlessWindows.h"

namespace engine::platform::headless {

struct DisplayConfig {
  int pitch = 0;  // bytes per row of the back buffer; 0 or too small: twice the width
  std::uint32_t rmask = 0xF800, gmask = 0x07E0, bmask = 0x001F;
};

struct PixelBuffer {
  int width = 0;
  int height = 0;
  int pitch = 0;
  std::vector<std::uint16_t> pixels;  // pitch / 2 words per row

  PixelBuffer(int w, int h, int p);
  std::uint16_t At(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * (pitch / 2) + x];
  }
};

// One or two buffers; a plain surface has one, a flip chain two with a front index.
struct SurfaceChain {
  std::vector<PixelBuffer> buffers;
  int front = 0;
  bool videoMemory = false;
  bool lost = false;
};

struct ScreenState {
  int presented = 0;
  int skipped = 0;
  std::weak_ptr<SurfaceChain> visible;
  std::function<void()> frameEnded;

  // Counts a frame shown or skipped; either way one frame's time has passed.
  void FrameEnded(bool shown) {
    ++(shown ? presented : skipped);
    if (frameEnded) frameEnded();
  }
};

class HeadlessDisplaySystem final : public DisplaySystem {
 public:
  HeadlessDisplaySystem(const DesktopConfig& desktop, const DisplayConfig& config, Faults& faults);

  std::unique_ptr<DisplayDevice> CreateDevice() override;

  // Called after every presented and every skipped frame (the headless platform advances its
  // sound device this way).
  void OnFrameEnded(std::function<void()> listener) { state_->frameEnded = std::move(listener); }

  int Presented() const { return state_->presented; }
  int Skipped() const { return state_->skipped; }
  // What the screen shows: the desktop (windowed) or the flip chain's front buffer; null when
  // no primary surface exists.
  const PixelBuffer* Visible() const;

 private:
  DesktopConfig desktop_;
  DisplayConfig config_;
  Faults& faults_;
  std::shared_ptr<ScreenState> state_;
};

}  // namespace engine::platform::headless
