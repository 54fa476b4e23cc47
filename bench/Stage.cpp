// Stage.cpp -- the shared back buffer and its SDL wrapper.
#include "bench/Stage.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "engine/graphics/ScreenFormat.h"

namespace bench {

namespace {

[[noreturn]] void Fail(const char* what) {
  std::fprintf(stderr, "curbside_bench: %s\n", what);
  std::exit(1);
}

}  // namespace

Stage::Stage()
    : platform_(engine::platform::headless::DesktopConfig::Quiet()),
      engine_(std::make_unique<engine::core::Engine>()) {
  engine_->AttachPlatform(&platform_);
  if (!engine_->Initialize(1, kWidth, kHeight) || !engine_->ViewLock()) {
    Fail("the headless engine did not start");
  }
  const engine::graphics::PixelFormat& f = engine::graphics::ScreenFormat;
  if (f.rmask != 0xF800 || f.gmask != 0x07E0 || f.bmask != 0x001F) {
    Fail("the back buffer is not RGB565");
  }
  engine_->SetClip(0, 0, kWidth - 1, kHeight - 1);
  target_ = SDL_CreateRGBSurfaceWithFormatFrom(engine_->GetBackBuffer(), kWidth, kHeight, 16,
                                               engine_->GetPitch(), SDL_PIXELFORMAT_RGB565);
  if (target_ == nullptr) Fail(SDL_GetError());
  FillPattern();
}

Stage::~Stage() {
  SDL_FreeSurface(target_);
  engine_->ViewUnlock();
  engine_->DetachPlatform();
}

void Stage::FillPattern() {
  const std::size_t count = static_cast<std::size_t>(Stride()) * kHeight;
  for (std::size_t i = 0; i < count; ++i) {
    Pixels()[i] = static_cast<std::uint16_t>((i * 2654435761u) >> 9);
  }
}

std::vector<std::uint16_t> Stage::Snapshot() const {
  const std::size_t count = static_cast<std::size_t>(engine_->GetStride()) * kHeight;
  return {engine_->GetBackBuffer(), engine_->GetBackBuffer() + count};
}

void Stage::Restore(const std::vector<std::uint16_t>& pixels) {
  std::copy(pixels.begin(), pixels.end(), Pixels());
}

}  // namespace bench
