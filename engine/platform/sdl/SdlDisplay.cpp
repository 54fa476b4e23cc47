// SdlDisplay.cpp -- the display device: cooperative level makes the renderer, the display mode
// makes the window full screen, and the surfaces come in two shapes (flip chain, window).
#include "engine/platform/sdl/SdlDisplay.h"

#include <SDL.h>

#include "engine/platform/sdl/SdlSurfaces.h"

namespace engine::platform::sdl {

namespace {

// Larger back buffers than this are refused rather than attempted: no renderer takes a texture
// that size, and the byte counts stay far from overflowing.
constexpr int kMaxSide = 16384;

bool Fits(int width, int height) {
  return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide;
}

class SdlDisplayDevice final : public DisplayDevice {
 public:
  explicit SdlDisplayDevice(std::shared_ptr<SdlScreen> screen) : screen_(std::move(screen)) {}
  ~SdlDisplayDevice() override { screen_->CloseRenderer(renderer_); }

  bool SetCooperativeLevel(WindowHandle window, bool fullscreen) override {
    screen_->CloseRenderer(renderer_);
    renderer_ = screen_->OpenRenderer(window);
    exclusive_ = fullscreen;
    mode_ = {};
    return renderer_ != 0;
  }

  // The desktop keeps its own mode; the picture is scaled to it. Only the 16-bit display of
  // the back buffer exists.
  bool SetDisplayMode(int width, int height, int bitsPerPixel) override {
    if (!exclusive_ || !screen_->HasRenderer(renderer_)) return false;
    if (!Fits(width, height) || bitsPerPixel != 16) return false;
    if (!screen_->EnterFullscreen({width, height})) return false;
    mode_ = {width, height};
    return true;
  }

  DisplayResult CreateFlipChain(std::unique_ptr<Surface>& primary) override {
    if (!screen_->HasRenderer(renderer_)) return DisplayResult::kNoCooperativeLevelSet;
    if (!exclusive_) return DisplayResult::kNoExclusiveMode;
    if (mode_.width <= 0) return DisplayResult::kInvalidParams;
    const Ticket texture = screen_->CreateTexture(mode_);
    if (texture == 0) return DisplayResult::kGeneric;
    primary =
        std::make_unique<SdlPrimarySurface>(screen_, texture, std::make_shared<PixelMemory>(mode_));
    return DisplayResult::kOk;
  }

  DisplayResult GetAttachedSurface(Surface& primary, std::unique_ptr<Surface>& back) override {
    auto* chain = dynamic_cast<SdlPrimarySurface*>(&primary);
    if (chain == nullptr || !chain->Chain()) return DisplayResult::kInvalidObject;
    back = std::make_unique<SdlBackSurface>(chain->Chain(), true);
    return DisplayResult::kOk;
  }

  // Where the picture lives is the renderer's choice; Describe tells which it made.
  DisplayResult CreatePrimary(bool /*videoMemory*/, std::unique_ptr<Surface>& primary) override {
    if (!screen_->HasRenderer(renderer_)) return DisplayResult::kNoCooperativeLevelSet;
    const Size size = mode_.width > 0 ? mode_ : screen_->WindowSize();
    if (!Fits(size.width, size.height)) return DisplayResult::kInvalidParams;
    const Ticket texture = screen_->CreateTexture(size);
    if (texture == 0) return DisplayResult::kGeneric;
    primary = std::make_unique<SdlPrimarySurface>(screen_, texture, nullptr);
    return DisplayResult::kOk;
  }

  DisplayResult CreateOffscreen(int width, int height, std::unique_ptr<Surface>& back) override {
    if (width <= 0 || height <= 0) return DisplayResult::kInvalidParams;
    if (!Fits(width, height)) return DisplayResult::kOutOfMemory;
    back =
        std::make_unique<SdlBackSurface>(std::make_shared<PixelMemory>(Size{width, height}), false);
    return DisplayResult::kOk;
  }

  void FrameSkipped() override { screen_->FramePaced(); }

 private:
  std::shared_ptr<SdlScreen> screen_;
  Ticket renderer_ = 0;
  bool exclusive_ = false;
  Size mode_;
};

}  // namespace

std::unique_ptr<DisplayDevice> SdlDisplaySystem::CreateDevice() {
  if (SDL_WasInit(SDL_INIT_VIDEO) == 0) return nullptr;
  return std::make_unique<SdlDisplayDevice>(screen_);
}

}  // namespace engine::platform::sdl
