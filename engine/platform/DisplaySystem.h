// DisplaySystem.h -- the display device and its surfaces: the engine's 16-bit back buffer
// and the primary surface that presents it.
#pragma once

#include <cstdint>
#include <memory>

#include "engine/platform/Message.h"

namespace engine::platform {

// Results the engine tells apart. The creation failures name their cause so that start-up
// can log it; every other failure is kGeneric.
enum class DisplayResult : std::uint8_t {
  kOk,
  kGeneric,
  kStillDrawing,
  kSurfaceLost,
  kIncompatiblePrimary,
  kInvalidParams,
  kOutOfMemory,
  kInvalidCaps,
  kNoAlphaHw,
  kInvalidPixelFormat,
  kInvalidObject,
  kNoCooperativeLevelSet,
  kNoZBufferHw,
  kNoFlipHw,
  kNoExclusiveMode,
  kOutOfVideoMemory,
  kNoEmulation,
  kPrimarySurfaceAlreadyExists,
  kNoDirectDrawHw,
};

struct SurfaceDesc {
  int width = 0;
  int height = 0;
  int pitch = 0;  // bytes from one row to the next
  std::uint32_t rmask = 0, gmask = 0, bmask = 0;
  bool videoMemory = false;
  bool flipBackBuffer = false;
};

class Surface {
 public:
  virtual ~Surface() = default;

  virtual DisplayResult Describe(SurfaceDesc& desc) = 0;
  // Locks the whole surface, waiting while the device is busy. The pointer stays valid until
  // Unlock.
  virtual DisplayResult Lock(std::uint16_t*& pixels) = 0;
  virtual DisplayResult Unlock() = 0;
  virtual bool IsLost() = 0;
  virtual DisplayResult Restore() = 0;

  // Primary chain only: shows the back buffer, waiting until the flip is accepted.
  virtual DisplayResult Flip() = 0;
  // Copies the whole of source with its top-left at (x, y), waiting while busy; no clipping,
  // no scaling.
  virtual DisplayResult BltFast(int x, int y, Surface& source) = 0;
};

// The display object: cooperative level, display mode and surface creation.
class DisplayDevice {
 public:
  virtual ~DisplayDevice() = default;

  virtual bool SetCooperativeLevel(WindowHandle window, bool fullscreen) = 0;
  virtual bool SetDisplayMode(int width, int height, int bitsPerPixel) = 0;
  // A primary surface that flips with one attached back buffer.
  virtual DisplayResult CreateFlipChain(std::unique_ptr<Surface>& primary) = 0;
  // The back buffer attached to a flip chain; it may be released before the chain.
  virtual DisplayResult GetAttachedSurface(Surface& primary, std::unique_ptr<Surface>& back) = 0;
  // A primary surface for a window, in video memory when asked.
  virtual DisplayResult CreatePrimary(bool videoMemory, std::unique_ptr<Surface>& primary) = 0;
  // A plain off-screen surface in the display's 16-bit format.
  virtual DisplayResult CreateOffscreen(int width, int height, std::unique_ptr<Surface>& back) = 0;

  // Called once per frame whose presentation was skipped, so that the platform keeps the
  // frame rate it keeps for presented frames.
  virtual void FrameSkipped() = 0;
};

class DisplaySystem {
 public:
  virtual ~DisplaySystem() = default;
  // Creates the display object; nullptr on failure.
  virtual std::unique_ptr<DisplayDevice> CreateDevice() = 0;
};

}  // namespace engine::platform
