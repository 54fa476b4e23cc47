// SdlScreen.cpp -- the renderer and texture of the game's window, presentation with bars, and
// the pointer mapping back into the picture.
#include "engine/platform/sdl/SdlScreen.h"

#include <SDL_video.h>

#include "engine/platform/sdl/SdlRendererChoice.h"

namespace engine::platform::sdl {

PixelMemory::PixelMemory(Size size)
    : width(size.width),
      height(size.height),
      pitch(size.width * 2),
      pixels(static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height), 0) {}

SdlScreen::SdlScreen(std::unique_ptr<PacerClock> clock)
    : clock_(std::move(clock)), pacer_(*clock_) {}

SdlScreen::~SdlScreen() {
  Shutdown();
}

Ticket SdlScreen::OpenRenderer(WindowHandle window) {
  SDL_Window* sdlWindow = SDL_GetWindowFromID(window);
  if (sdlWindow == nullptr) return 0;
  FreeRenderer();
  SDL_Renderer* renderer = CreateGameRenderer(sdlWindow);
  if (renderer == nullptr) return 0;

  SDL_RendererInfo info{};
  SDL_GetRendererInfo(renderer, &info);
  renderer_ = renderer;
  window_ = window;
  accelerated_ = (info.flags & SDL_RENDERER_ACCELERATED) != 0;
  rendererTicket_ = nextTicket_++;
  pacer_.Reset();
  return rendererTicket_;
}

void SdlScreen::CloseRenderer(Ticket renderer) {
  if (renderer != 0 && renderer == rendererTicket_) FreeRenderer();
}

bool SdlScreen::HasRenderer(Ticket renderer) const {
  return renderer_ != nullptr && renderer == rendererTicket_;
}

Size SdlScreen::WindowSize() const {
  SDL_Window* window = renderer_ != nullptr ? SDL_GetWindowFromID(window_) : nullptr;
  if (window == nullptr) return {};
  Size size;
  SDL_GetWindowSize(window, &size.width, &size.height);
  return size;
}

bool CoverDisplay(SDL_Window* window) {
  SDL_Rect bounds{};
  const int display = SDL_GetWindowDisplayIndex(window);
  if (display >= 0 && SDL_GetDisplayBounds(display, &bounds) == 0) {
    SDL_SetWindowPosition(window, bounds.x, bounds.y);
    SDL_SetWindowSize(window, bounds.w, bounds.h);
  }
  return SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) == 0;
}

bool SdlScreen::EnterFullscreen(Size picture) {
  SDL_Window* window = renderer_ != nullptr ? SDL_GetWindowFromID(window_) : nullptr;
  if (window == nullptr || picture.width <= 0 || picture.height <= 0) return false;
  if (!CoverDisplay(window)) return false;
  picture_ = picture;
  return true;
}

Ticket SdlScreen::CreateTexture(Size picture) {
  FreeTexture();
  textureTicket_ = 0;
  if (!MakeTexture(picture)) return 0;
  textureTicket_ = nextTicket_++;
  return textureTicket_;
}

void SdlScreen::DestroyTexture(Ticket texture) {
  if (texture != 0 && texture == textureTicket_) {
    FreeTexture();
    textureTicket_ = 0;
  }
}

bool SdlScreen::TextureLost(Ticket texture) const {
  return texture == textureTicket_ && lost_;
}

void SdlScreen::MarkTextureLost() {
  if (textureTicket_ != 0) lost_ = true;
}

bool SdlScreen::RestoreTexture(Ticket texture) {
  if (texture == 0 || texture != textureTicket_) return false;
  if (!lost_) return true;
  const Size size = textureSize_;
  FreeTexture();
  return MakeTexture(size);
}

DisplayResult SdlScreen::Present(Ticket texture, const PixelMemory& picture) {
  if (renderer_ == nullptr || texture == 0 || texture != textureTicket_) {
    return DisplayResult::kGeneric;
  }
  if (lost_) return DisplayResult::kSurfaceLost;
  // A picture of another size than the texture (a window primary made before the back buffer
  // it shows) gets a texture of its own size.
  if (texture_ == nullptr || textureSize_.width != picture.width ||
      textureSize_.height != picture.height) {
    FreeTexture();
    if (!MakeTexture({picture.width, picture.height})) return DisplayResult::kGeneric;
  }
  if (!Upload(picture)) return DisplayResult::kGeneric;
  Size output;
  SDL_GetRendererOutputSize(renderer_, &output.width, &output.height);
  const Placement placement = PlacePicture(textureSize_, output);
  const Rect& shown = placement.destination;
  // Whole-number scales and 1:1 copy pixels as they are; any other scale smooths a sharp
  // enlargement of the picture down to the destination.
  SDL_Texture* source = texture_;
  if (!placement.exact && placement.sharpScale > 1) source = Sharpened(placement.sharpScale);
  SDL_SetTextureScaleMode(source, placement.exact ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
  const SDL_Rect destination{shown.left, shown.top, shown.Width(), shown.Height()};
  // Only bars need clearing: a picture that covers the output replaces every pixel of it.
  if (shown.left > 0 || shown.top > 0 || shown.Width() < output.width ||
      shown.Height() < output.height) {
    SDL_SetRenderDrawColor(renderer_, 0, 0, 0, SDL_ALPHA_OPAQUE);
    SDL_RenderClear(renderer_);
  }
  if (shown.Width() > 0 && shown.Height() > 0) {
    SDL_RenderCopy(renderer_, source, nullptr, &destination);
  }
  SDL_RenderPresent(renderer_);
  return DisplayResult::kOk;
}

bool SdlScreen::Upload(const PixelMemory& picture) {
  void* pixels = nullptr;
  int pitch = 0;
  if (SDL_LockTexture(texture_, nullptr, &pixels, &pitch) != 0) return false;
  expand_.Picture(picture.pixels.data(), picture.pitch, static_cast<std::uint32_t*>(pixels), pitch,
                  picture.width, picture.height);
  SDL_UnlockTexture(texture_);
  return true;
}

// The target has the texture's format: the enlargement copies pixels unchanged, and a software
// renderer copies between equal formats without converting.
SDL_Texture* SdlScreen::Sharpened(int scale) {
  const Size size{textureSize_.width * scale, textureSize_.height * scale};
  if (sharp_ == nullptr || sharpSize_.width != size.width || sharpSize_.height != size.height) {
    FreeSharpened();
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(renderer_, &info) != 0 ||
        (info.flags & SDL_RENDERER_TARGETTEXTURE) == 0) {
      return texture_;
    }
    if ((info.max_texture_width > 0 && size.width > info.max_texture_width) ||
        (info.max_texture_height > 0 && size.height > info.max_texture_height)) {
      return texture_;
    }
    sharp_ = SDL_CreateTexture(renderer_, textureFormat_, SDL_TEXTUREACCESS_TARGET, size.width,
                               size.height);
    if (sharp_ == nullptr) return texture_;
    SDL_SetTextureBlendMode(sharp_, SDL_BLENDMODE_NONE);
    sharpSize_ = size;
  }
  SDL_SetTextureScaleMode(texture_, SDL_ScaleModeNearest);
  if (SDL_SetRenderTarget(renderer_, sharp_) != 0) return texture_;
  const int copied = SDL_RenderCopy(renderer_, texture_, nullptr, nullptr);
  SDL_SetRenderTarget(renderer_, nullptr);
  return copied == 0 ? sharp_ : texture_;
}

Point SdlScreen::WindowToPicture(WindowHandle window, Point point) const {
  SDL_Window* sdlWindow = SDL_GetWindowFromID(window);
  if (sdlWindow == nullptr) return point;
  Size windowSize;
  SDL_GetWindowSize(sdlWindow, &windowSize.width, &windowSize.height);
  Size output = windowSize;
  if (renderer_ != nullptr && window == window_) {
    SDL_GetRendererOutputSize(renderer_, &output.width, &output.height);
  }
  const bool shown = picture_.width > 0 && picture_.height > 0;
  return platform::WindowToPicture(point, windowSize, output, shown ? picture_ : windowSize);
}

void SdlScreen::WindowDestroyed(WindowHandle window) {
  if (window != 0 && window == window_) FreeRenderer();
}

void SdlScreen::Shutdown() {
  FreeRenderer();
  textureTicket_ = 0;
  rendererTicket_ = 0;
}

// The picture reaches the renderer as 32-bit pixels widened by the expander: every renderer
// takes ARGB8888, and a software renderer showing a window of the X server's usual format
// copies RGB888 as it is.
bool SdlScreen::MakeTexture(Size size) {
  if (renderer_ == nullptr || size.width <= 0 || size.height <= 0) return false;
  textureFormat_ = SDL_PIXELFORMAT_ARGB8888;
  SDL_RendererInfo info{};
  SDL_Window* window = SDL_GetWindowFromID(window_);
  if (window != nullptr && SDL_GetWindowPixelFormat(window) == SDL_PIXELFORMAT_RGB888 &&
      SDL_GetRendererInfo(renderer_, &info) == 0) {
    for (Uint32 i = 0; i < info.num_texture_formats; ++i) {
      if (info.texture_formats[i] == SDL_PIXELFORMAT_RGB888)
        textureFormat_ = SDL_PIXELFORMAT_RGB888;
    }
  }
  texture_ = SDL_CreateTexture(renderer_, textureFormat_, SDL_TEXTUREACCESS_STREAMING, size.width,
                               size.height);
  if (texture_ == nullptr) return false;
  SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_NONE);
  textureSize_ = size;
  picture_ = size;
  lost_ = false;
  return true;
}

void SdlScreen::FreeSharpened() {
  if (sharp_ != nullptr) SDL_DestroyTexture(sharp_);
  sharp_ = nullptr;
  sharpSize_ = {};
}

void SdlScreen::FreeTexture() {
  FreeSharpened();
  if (texture_ != nullptr) SDL_DestroyTexture(texture_);
  texture_ = nullptr;
  lost_ = false;
}

// Textures belong to their renderer, so they go first.
void SdlScreen::FreeRenderer() {
  FreeTexture();
  if (renderer_ != nullptr) SDL_DestroyRenderer(renderer_);
  renderer_ = nullptr;
  window_ = 0;
  accelerated_ = false;
}

}  // namespace engine::platform::sdl
