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
  backSurface_.reset();
  primarySurface_.reset();
  locked_ = false;
  platform::DisplayDevice& device = *displayObject_;

  if (fullScreen_ == 1) {
    if (!device.SetDisplayMode(drawingWidth_, height_, screenDepth_)) {
      status_ = SETMODE_FAILED;
      return false;
    }
    status_ = SETMODE_OK;
    DisplayResult result = device.CreateFlipChain(primarySurface_);
    if (result != DisplayResult::kOk) {
      if (const char* line = CreateFailureLine(result)) support::Log.Write(line);
      result = device.CreateFlipChain(primarySurface_);
    }
    if (result != DisplayResult::kOk || !primarySurface_) {
      primarySurface_.reset();
      status_ = FRONTSURFACE_FAILED;
      return false;
    }
    status_ = FRONTSURFACE_OK;
    if (device.GetAttachedSurface(*primarySurface_, backSurface_) != DisplayResult::kOk ||
        !backSurface_) {
      backSurface_.reset();
      status_ = BACKSURFACE_FAILED;
      return false;
    }
  } else {
    if (device.CreatePrimary(true, primarySurface_) != DisplayResult::kOk &&
        device.CreatePrimary(false, primarySurface_) != DisplayResult::kOk) {
      primarySurface_.reset();
      status_ = FRONTSURFACE_FAILED;
      return false;
    }
    status_ = FRONTSURFACE_OK;
    if (device.CreateOffscreen(drawingWidth_, height_, backSurface_) != DisplayResult::kOk &&
        device.CreateOffscreen(drawingWidth_, height_, backSurface_) != DisplayResult::kOk) {
      backSurface_.reset();
      status_ = BACKSURFACE_FAILED;
      return false;
    }
  }
  status_ = BACKSURFACE_OK;

  SurfaceDesc front;
  primarySurface_->Describe(front);
  support::Log.Write(front.videoMemory ? "WinDX:: Front Buffer is in video memory.\n"
                                       : "WinDX:: Front Buffer NOT IN VIDEO MEMORY.\n");
  SurfaceDesc back;
  if (backSurface_->Describe(back) != DisplayResult::kOk || back.height <= 0 || back.pitch < 2) {
    // Without a usable description nothing could address the back buffer.
    backSurface_.reset();
    status_ = BACKSURFACE_FAILED;
    return false;
  }
  support::Log.Write(back.videoMemory ? "WinDX:: Back Buffer is in video memory.\n"
                                      : "WinDX:: Back Buffer NOT IN VIDEO MEMORY.\n");
  support::Log.Write(back.flipBackBuffer ? "WinDX:: Back Buffer is a valid flip (back) buffer.\n"
                                         : "WinDX:: Back Buffer NOT A FLIP (BACK) BUFFER.\n");

  height_ = back.height;
  pitch_ = back.pitch;
  stride_ = pitch_ / 2;
  draw_ = graphics::StandardDrawTable();
  graphics::ScreenFormat = graphics::PixelFormat::FromMasks(back.rmask, back.gmask, back.bmask);

  // One entry per row and one past the last, however tall the back buffer is.
  rowOffsets_.assign(static_cast<std::size_t>(height_) + 1, 0);
  for (std::size_t i = 0; i < rowOffsets_.size(); ++i) {
    rowOffsets_[i] = static_cast<std::int32_t>(i) * pitch_;
  }
  bufferSize_ = height_ * stride_ * 2;

  platform::WindowSystem& windows = platform_->Windows();
  const platform::Rect client = windows.GetClientRect(window_);
  const platform::Point origin = windows.ClientToScreen(window_, {client.left, client.top});
  viewOriginX_ = origin.x;
  viewOriginY_ = origin.y;

  active_ = 1;
  status_ = INIT_OK;
  return true;
}

bool Engine::ViewLock() {
  std::uint16_t* pixels = nullptr;
  if (!backSurface_ || backSurface_->Lock(pixels) != DisplayResult::kOk || pixels == nullptr) {
    locked_ = false;
    SetStatus(LOCK_FAILED);
    return false;
  }
  backBuffer_ = pixels;
  locked_ = true;
  return true;
}

bool Engine::ViewUnlock() {
  if (locked_ && drawnHook_) drawnHook_();
  if (locked_ && backSurface_) backSurface_->Unlock();
  locked_ = false;
  return true;
}

bool Engine::ViewUpdate() {
  if (!primarySurface_ || !backSurface_) return true;
  if (active_ != 1 || platform_->Windows().GetForegroundWindow() != window_) {
    // A frame drawn in the background is not shown.
    displayObject_->FrameSkipped();
    return true;
  }
  if (fullScreen_ == 1) {
    primarySurface_->Flip();
    if (primarySurface_->IsLost()) primarySurface_->Restore();
    return true;
  }
  switch (primarySurface_->BltFast(viewOriginX_, viewOriginY_, *backSurface_)) {
    case DisplayResult::kOk:
      return true;
    case DisplayResult::kStillDrawing:
      return false;
    case DisplayResult::kSurfaceLost:
      platform_->Windows().MessageBox(window_, "<WinDX::ViewUpdate> Error: Surface Lost", "");
      if (primarySurface_->Restore() != DisplayResult::kOk) return false;
      if (backSurface_->Restore() != DisplayResult::kOk) return false;
      return true;
    default:
      return true;
  }
}

}  // namespace engine::core
