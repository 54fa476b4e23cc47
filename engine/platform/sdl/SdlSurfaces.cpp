// SdlSurfaces.cpp -- back buffer access and presentation by flip or copy.
#include "engine/platform/sdl/SdlSurfaces.h"

namespace engine::platform::sdl {

namespace {

void DescribeRgb565(SurfaceDesc& desc, int width, int height) {
  desc.width = width;
  desc.height = height;
  desc.pitch = width * 2;
  desc.rmask = kRedMask;
  desc.gmask = kGreenMask;
  desc.bmask = kBlueMask;
  desc.videoMemory = false;
  desc.flipBackBuffer = false;
}

}  // namespace

SdlBackSurface::SdlBackSurface(std::shared_ptr<PixelMemory> memory, bool flipBackBuffer)
    : memory_(std::move(memory)), flipBackBuffer_(flipBackBuffer) {}

DisplayResult SdlBackSurface::Describe(SurfaceDesc& desc) {
  DescribeRgb565(desc, memory_->width, memory_->height);
  desc.pitch = memory_->pitch;
  desc.flipBackBuffer = flipBackBuffer_;
  return DisplayResult::kOk;
}

DisplayResult SdlBackSurface::Lock(std::uint16_t*& pixels) {
  pixels = memory_->pixels.data();
  return DisplayResult::kOk;
}

DisplayResult SdlBackSurface::BltFast(int /*x*/, int /*y*/, Surface& /*source*/) {
  return DisplayResult::kGeneric;
}

SdlPrimarySurface::SdlPrimarySurface(std::shared_ptr<SdlScreen> screen, Ticket texture,
                                     std::shared_ptr<PixelMemory> chain)
    : screen_(std::move(screen)), texture_(texture), chain_(std::move(chain)) {}

SdlPrimarySurface::~SdlPrimarySurface() {
  screen_->DestroyTexture(texture_);
}

DisplayResult SdlPrimarySurface::Describe(SurfaceDesc& desc) {
  const Size size = screen_->TextureSize();
  DescribeRgb565(desc, size.width, size.height);
  desc.videoMemory = screen_->Accelerated();
  return DisplayResult::kOk;
}

DisplayResult SdlPrimarySurface::Restore() {
  return screen_->RestoreTexture(texture_) ? DisplayResult::kOk : DisplayResult::kGeneric;
}

// Every frame handed over is paced, shown or not, so that a failing display never lets the
// game run ahead.
DisplayResult SdlPrimarySurface::Flip() {
  if (!chain_) return DisplayResult::kGeneric;
  const DisplayResult result = screen_->Present(texture_, *chain_);
  screen_->FramePaced();
  return result;
}

DisplayResult SdlPrimarySurface::BltFast(int /*x*/, int /*y*/, Surface& source) {
  const auto* back = dynamic_cast<const SdlBackSurface*>(&source);
  const DisplayResult result =
      back != nullptr ? screen_->Present(texture_, back->Memory()) : DisplayResult::kInvalidObject;
  screen_->FramePaced();
  return result;
}

}  // namespace engine::platform::sdl
