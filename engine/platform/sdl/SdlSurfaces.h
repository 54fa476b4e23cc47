// SdlSurfaces.h -- the display's surfaces: the back buffer in memory and the primary, which
// presents it through the screen's texture.
#pragma once

#include <memory>

#include "engine/platform/DisplaySystem.h"
#include "engine/platform/sdl/SdlScreen.h"

namespace engine::platform::sdl {

// A back buffer: 16-bit RGB565 pixels in memory, never lost. The one attached to a flip chain
// shares its memory with the chain's primary.
class SdlBackSurface final : public Surface {
 public:
  SdlBackSurface(std::shared_ptr<PixelMemory> memory, bool flipBackBuffer);

  DisplayResult Describe(SurfaceDesc& desc) override;
  DisplayResult Lock(std::uint16_t*& pixels) override;
  DisplayResult Unlock() override { return DisplayResult::kOk; }
  bool IsLost() override { return false; }
  DisplayResult Restore() override { return DisplayResult::kOk; }
  DisplayResult Flip() override { return DisplayResult::kGeneric; }
  DisplayResult BltFast(int x, int y, Surface& source) override;

  const PixelMemory& Memory() const { return *memory_; }

 private:
  std::shared_ptr<PixelMemory> memory_;
  bool flipBackBuffer_;
};

// The primary: what the window shows. A flip chain's primary presents its own back buffer;
// a window's primary presents whichever back buffer is copied to it.
class SdlPrimarySurface final : public Surface {
 public:
  // chain is the flip chain's back buffer memory, or null for a window's primary.
  SdlPrimarySurface(std::shared_ptr<SdlScreen> screen, Ticket texture,
                    std::shared_ptr<PixelMemory> chain);
  ~SdlPrimarySurface() override;

  DisplayResult Describe(SurfaceDesc& desc) override;
  // The picture lives in the renderer; only the back buffer can be drawn into.
  DisplayResult Lock(std::uint16_t*& /*pixels*/) override { return DisplayResult::kGeneric; }
  DisplayResult Unlock() override { return DisplayResult::kOk; }
  bool IsLost() override { return screen_->TextureLost(texture_); }
  DisplayResult Restore() override;
  DisplayResult Flip() override;
  // The window shows its own client area, so the screen position is not needed.
  DisplayResult BltFast(int x, int y, Surface& source) override;

  const std::shared_ptr<PixelMemory>& Chain() const { return chain_; }

 private:
  std::shared_ptr<SdlScreen> screen_;
  Ticket texture_;
  std::shared_ptr<PixelMemory> chain_;
};

}  // namespace engine::platform::sdl
