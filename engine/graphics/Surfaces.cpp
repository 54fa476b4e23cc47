// Surfaces.cpp -- the primary and back surfaces: creation, the per-frame lock and the
// presentation by flip (full screen) or copy into the window.
#include "engine/core/Engine.h"
#include "engine/graphics/ScreenFormat.h"
#include "engine/support/DebugLog.h"

namespace engine::core {

using platform::DisplayResult;
using platform::SurfaceDesc;

namespace {

// The log line for a failed first attempt at the full-screen primary, or null.
const char* CreateFailureLine(DisplayResult result) {
  switch (result) {
    case DisplayResult::kIncompatiblePrimary:
      return "<WinDX::CreateSurface> Incompatible Primary\n";
    case DisplayResult::kInvalidParams:
      return "<WinDX::CreateSurface> Invalid Params\n";
    case DisplayResult::kOutOfMemory:
      return "<WinDX::CreateSurface> Out of Memory\n";
    case DisplayResult::kInvalidCaps:
      return "<WinDX::CreateSurface> Invalid Caps\n";
    case DisplayResult::kNoAlphaHw:
      return "<WinDX::CreateSurface> No Alpha HW\n";
    case DisplayResult::kInvalidPixelFormat:
      return "<WinDX::CreateSurface> Invalid Pixel Format\n";
    case DisplayResult::kInvalidObject:
      return "<WinDX::CreateSurface> Invalid Object\n";
    case DisplayResult::kNoCooperativeLevelSet:
      return "<WinDX::CreateSurface> No Cooperate Level Set\n";
    case DisplayResult::kNoZBufferHw:
      return "<WinDX::CreateSurface> No Z-Buffer HW\n";
    case DisplayResult::kNoFlipHw:
      return "<WinDX::CreateSurface> No Flip HW\n";
    case DisplayResult::kNoExclusiveMode:
      return "<WinDX::CreateSurface> No Exclusive Mode\n";
    case DisplayResult::kOutOfVideoMemory:
      return "<WinDX::CreateSurface> Out Of Video Memory\n";
    case DisplayResult::kNoEmulation:
      return "<WinDX::CreateSurface> No Emulation\n";
    case DisplayResult::kPrimarySurfaceAlreadyExists:
      return "<WinDX::CreateSurface> Primary Surface Already Exists\n";
    case DisplayResult::kNoDirectDrawHw:
      return "<WinDX::CreateSurface> No Direct Draw HW\n";
    default:
      return nullptr;
  }
}

}  // namespace

bool Engine::CreateSurface() {
  backSurface.reset();
  primarySurface.reset();
  locked_ = false;
  platform::DisplayDevice& device = *displayObject;

  if (fullScreen == 1) {
    if (!device.SetDisplayMode(width, height, screenDepth)) {
      status = SETMODE_FAILED;
      return false;
    }
    status = SETMODE_OK;
    DisplayResult result = device.CreateFlipChain(primarySurface);
    if (result != DisplayResult::kOk) {
      if (const char* line = CreateFailureLine(result)) support::Log.Write(line);
      result = device.CreateFlipChain(primarySurface);
    }
    if (result != DisplayResult::kOk || !primarySurface) {
      primarySurface.reset();
      status = FRONTSURFACE_FAILED;
      return false;
    }
    status = FRONTSURFACE_OK;
    if (device.GetAttachedSurface(*primarySurface, backSurface) != DisplayResult::kOk ||
        !backSurface) {
      backSurface.reset();
      status = BACKSURFACE_FAILED;
      return false;
    }
  } else {
    if (device.CreatePrimary(true, primarySurface) != DisplayResult::kOk &&
        device.CreatePrimary(false, primarySurface) != DisplayResult::kOk) {
      primarySurface.reset();
      status = FRONTSURFACE_FAILED;
      return false;
    }
    status = FRONTSURFACE_OK;
    if (device.CreateOffscreen(width, height, backSurface) != DisplayResult::kOk &&
        device.CreateOffscreen(width, height, backSurface) != DisplayResult::kOk) {
      backSurface.reset();
      status = BACKSURFACE_FAILED;
      return false;
    }
  }
  status = BACKSURFACE_OK;

  SurfaceDesc front;
  primarySurface->Describe(front);
  support::Log.Write(front.videoMemory ? "WinDX:: Front Buffer is in video memory.\n"
                                       : "WinDX:: Front Buffer NOT IN VIDEO MEMORY.\n");
  SurfaceDesc back;
  if (backSurface->Describe(back) != DisplayResult::kOk || back.height <= 0 || back.pitch < 2) {
    // Without a usable description nothing could address the back buffer.
    backSurface.reset();
    status = BACKSURFACE_FAILED;
    return false;
  }
  support::Log.Write(back.videoMemory ? "WinDX:: Back Buffer is in video memory.\n"
                                      : "WinDX:: Back Buffer NOT IN VIDEO MEMORY.\n");
  support::Log.Write(back.flipBackBuffer ? "WinDX:: Back Buffer is a valid flip (back) buffer.\n"
                                         : "WinDX:: Back Buffer NOT A FLIP (BACK) BUFFER.\n");

  height = back.height;
  pitch = back.pitch;
  width = pitch / 2;
  draw = graphics::StandardDrawTable();
  graphics::ScreenFormat = graphics::PixelFormat::FromMasks(back.rmask, back.gmask, back.bmask);

  // One entry per row and one past the last, however tall the back buffer is.
  rowOffsets.assign(static_cast<std::size_t>(height) + 1, 0);
  for (std::size_t i = 0; i < rowOffsets.size(); ++i) {
    rowOffsets[i] = static_cast<std::int32_t>(i) * pitch;
  }
  bufferSize = height * width * 2;

  platform::WindowSystem& windows = platform_->Windows();
  const platform::Rect client = windows.GetClientRect(window);
  const platform::Point origin = windows.ClientToScreen(window, {client.left, client.top});
  viewOriginX = origin.x;
  viewOriginY = origin.y;

  active = 1;
  status = INIT_OK;
  return true;
}

bool Engine::ViewLock() {
  std::uint16_t* pixels = nullptr;
  if (!backSurface || backSurface->Lock(pixels) != DisplayResult::kOk || pixels == nullptr) {
    locked_ = false;
    SetStatus(LOCK_FAILED);
    return false;
  }
  backBuffer = pixels;
  locked_ = true;
  return true;
}

bool Engine::ViewUnlock() {
  if (locked_ && drawnHook_) drawnHook_();
  if (locked_ && backSurface) backSurface->Unlock();
  locked_ = false;
  return true;
}

bool Engine::ViewUpdate() {
  if (!primarySurface || !backSurface) return true;
  if (active != 1 || platform_->Windows().GetForegroundWindow() != window) {
    // A frame drawn in the background is not shown.
    displayObject->FrameSkipped();
    return true;
  }
  if (fullScreen == 1) {
    primarySurface->Flip();
    if (primarySurface->IsLost()) primarySurface->Restore();
    return true;
  }
  switch (primarySurface->BltFast(viewOriginX, viewOriginY, *backSurface)) {
    case DisplayResult::kOk:
      return true;
    case DisplayResult::kStillDrawing:
      return false;
    case DisplayResult::kSurfaceLost:
      platform_->Windows().MessageBox(window, "<WinDX::ViewUpdate> Error: Surface Lost", "");
      if (primarySurface->Restore() != DisplayResult::kOk) return false;
      if (backSurface->Restore() != DisplayResult::kOk) return false;
      return true;
    default:
      return true;
  }
}

}  // namespace engine::core
