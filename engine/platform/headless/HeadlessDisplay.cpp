// HeadlessDisplay.cpp -- in-memory surfaces, flips and copies.
#include "engine/platform/headless/HeadlessDisplay.h"

#include <algorithm>
#include <cstring>

namespace engine::platform::headless {

namespace {

DisplayResult Injected(const std::optional<int>& fault) {
  return static_cast<DisplayResult>(*fault);
}

class HeadlessSurface final : public Surface {
 public:
  enum class Role { kFront, kBack };

  HeadlessSurface(std::shared_ptr<SurfaceChain> chain, Role role, const DisplayConfig& config,
                  std::shared_ptr<ScreenState> state, Faults& faults)
      : chain_(std::move(chain)),
        role_(role),
        config_(config),
        state_(std::move(state)),
        faults_(faults) {}

  const std::shared_ptr<SurfaceChain>& Chain() const { return chain_; }

  PixelBuffer& Buffer() {
    const int index =
        chain_->buffers.size() == 1 || role_ == Role::kFront ? chain_->front : 1 - chain_->front;
    return chain_->buffers[static_cast<std::size_t>(index)];
  }

  DisplayResult Describe(SurfaceDesc& desc) override {
    if (auto fault = faults_.Next(Op::kDescribe)) return Injected(fault);
    const PixelBuffer& b = Buffer();
    desc.width = b.width;
    desc.height = b.height;
    desc.pitch = b.pitch;
    desc.rmask = config_.rmask;
    desc.gmask = config_.gmask;
    desc.bmask = config_.bmask;
    desc.videoMemory = chain_->videoMemory;
    desc.flipBackBuffer = chain_->buffers.size() == 2 && role_ == Role::kBack;
    return DisplayResult::kOk;
  }

  DisplayResult Lock(std::uint16_t*& pixels) override {
    if (auto fault = faults_.Next(Op::kLock)) return Injected(fault);
    if (chain_->lost) return DisplayResult::kSurfaceLost;
    pixels = Buffer().pixels.data();
    return DisplayResult::kOk;
  }

  DisplayResult Unlock() override { return DisplayResult::kOk; }

  bool IsLost() override {
    if (faults_.Next(Op::kIsLost)) chain_->lost = true;
    return chain_->lost;
  }

  DisplayResult Restore() override {
    if (auto fault = faults_.Next(Op::kRestore)) return Injected(fault);
    chain_->lost = false;
    return DisplayResult::kOk;
  }

  DisplayResult Flip() override {
    if (auto fault = faults_.Next(Op::kFlip)) return Injected(fault);
    if (chain_->buffers.size() != 2 || role_ != Role::kFront) return DisplayResult::kGeneric;
    if (chain_->lost) return DisplayResult::kSurfaceLost;
    chain_->front = 1 - chain_->front;
    state_->FrameEnded(true);
    return DisplayResult::kOk;
  }

  DisplayResult BltFast(int x, int y, Surface& source) override {
    if (auto fault = faults_.Next(Op::kBltFast)) return Injected(fault);
    if (chain_->lost) return DisplayResult::kSurfaceLost;
    auto* from = dynamic_cast<HeadlessSurface*>(&source);
    if (from == nullptr) return DisplayResult::kInvalidObject;
    if (from->chain_->lost) return DisplayResult::kSurfaceLost;
    Copy(from->Buffer(), Buffer(), x, y);
    if (state_->visible.lock() == chain_) state_->FrameEnded(true);
    return DisplayResult::kOk;
  }

 private:
  // Copies src with its top-left at (x, y); what falls outside dst is left out.
  static void Copy(const PixelBuffer& src, PixelBuffer& dst, int x, int y) {
    const int left = std::max(0, -x), top = std::max(0, -y);
    const int right = std::min(src.width, dst.width - x);
    const int bottom = std::min(src.height, dst.height - y);
    if (left >= right || top >= bottom) return;
    const std::size_t srcStride = static_cast<std::size_t>(src.pitch / 2);
    const std::size_t dstStride = static_cast<std::size_t>(dst.pitch / 2);
    for (int row = top; row < bottom; ++row) {
      std::memcpy(&dst.pixels[static_cast<std::size_t>(y + row) * dstStride + (x + left)],
                  &src.pixels[static_cast<std::size_t>(row) * srcStride + left],
                  static_cast<std::size_t>(right - left) * 2);
    }
  }

  std::shared_ptr<SurfaceChain> chain_;
  Role role_;
  DisplayConfig config_;
  std::shared_ptr<ScreenState> state_;
  Faults& faults_;
};

class HeadlessDevice final : public DisplayDevice {
 public:
  HeadlessDevice(const DesktopConfig& desktop, const DisplayConfig& config,
                 std::shared_ptr<ScreenState> state, Faults& faults)
      : desktop_(desktop), config_(config), state_(std::move(state)), faults_(faults) {}

  bool SetCooperativeLevel(WindowHandle window, bool fullscreen) override {
    if (faults_.Next(Op::kSetCooperativeLevel) || window == 0) return false;
    exclusive_ = fullscreen;
    return true;
  }

  bool SetDisplayMode(int width, int height, int bitsPerPixel) override {
    if (faults_.Next(Op::kSetDisplayMode)) return false;
    if (!exclusive_ || width <= 0 || height <= 0 || bitsPerPixel != 16) return false;
    modeWidth_ = width;
    modeHeight_ = height;
    return true;
  }

  DisplayResult CreateFlipChain(std::unique_ptr<Surface>& primary) override {
    if (auto fault = faults_.Next(Op::kCreateFlipChain)) return Injected(fault);
    if (!exclusive_) return DisplayResult::kNoExclusiveMode;
    if (modeWidth_ <= 0) return DisplayResult::kInvalidParams;
    auto chain = std::make_shared<SurfaceChain>();
    const int pitch = PitchFor(modeWidth_);
    chain->buffers.emplace_back(modeWidth_, modeHeight_, pitch);
    chain->buffers.emplace_back(modeWidth_, modeHeight_, pitch);
    chain->videoMemory = true;
    state_->visible = chain;
    primary = Make(std::move(chain), HeadlessSurface::Role::kFront);
    return DisplayResult::kOk;
  }

  DisplayResult GetAttachedSurface(Surface& primary, std::unique_ptr<Surface>& back) override {
    if (auto fault = faults_.Next(Op::kGetAttachedSurface)) return Injected(fault);
    auto* surface = dynamic_cast<HeadlessSurface*>(&primary);
    if (surface == nullptr || surface->Chain()->buffers.size() != 2) {
      return DisplayResult::kInvalidObject;
    }
    back = Make(surface->Chain(), HeadlessSurface::Role::kBack);
    return DisplayResult::kOk;
  }

  DisplayResult CreatePrimary(bool videoMemory, std::unique_ptr<Surface>& primary) override {
    if (auto fault = faults_.Next(Op::kCreatePrimary)) return Injected(fault);
    auto chain = std::make_shared<SurfaceChain>();
    chain->buffers.emplace_back(desktop_.width, desktop_.height, desktop_.width * 2);
    chain->videoMemory = videoMemory;
    state_->visible = chain;
    primary = Make(std::move(chain), HeadlessSurface::Role::kFront);
    return DisplayResult::kOk;
  }

  DisplayResult CreateOffscreen(int width, int height, std::unique_ptr<Surface>& back) override {
    if (auto fault = faults_.Next(Op::kCreateOffscreen)) return Injected(fault);
    if (width <= 0 || height <= 0) return DisplayResult::kInvalidParams;
    auto chain = std::make_shared<SurfaceChain>();
    chain->buffers.emplace_back(width, height, PitchFor(width));
    back = Make(std::move(chain), HeadlessSurface::Role::kFront);
    return DisplayResult::kOk;
  }

  void FrameSkipped() override { state_->FrameEnded(false); }

 private:
  int PitchFor(int width) const {
    return config_.pitch >= width * 2 && config_.pitch % 2 == 0 ? config_.pitch : width * 2;
  }

  std::unique_ptr<Surface> Make(std::shared_ptr<SurfaceChain> chain, HeadlessSurface::Role role) {
    return std::make_unique<HeadlessSurface>(std::move(chain), role, config_, state_, faults_);
  }

  DesktopConfig desktop_;
  DisplayConfig config_;
  std::shared_ptr<ScreenState> state_;
  Faults& faults_;
  bool exclusive_ = false;
  int modeWidth_ = 0, modeHeight_ = 0;
};

}  // namespace

PixelBuffer::PixelBuffer(int w, int h, int p)
    : width(w),
      height(h),
      pitch(p),
      pixels(static_cast<std::size_t>(p / 2) * static_cast<std::size_t>(h), 0) {}

HeadlessDisplaySystem::HeadlessDisplaySystem(const DesktopConfig& desktop,
                                             const DisplayConfig& config, Faults& faults)
    : desktop_(desktop),
      config_(config),
      faults_(faults),
      state_(std::make_shared<ScreenState>()) {}

std::unique_ptr<DisplayDevice> HeadlessDisplaySystem::CreateDevice() {
  if (faults_.Next(Op::kCreateDisplay)) return nullptr;
  return std::make_unique<HeadlessDevice>(desktop_, config_, state_, faults_);
}

const PixelBuffer* HeadlessDisplaySystem::Visible() const {
  const std::shared_ptr<SurfaceChain> chain = state_->visible.lock();
  if (!chain) return nullptr;
  return &chain->buffers[static_cast<std::size_t>(chain->front)];
}

}  // namespace engine::platform::headless
