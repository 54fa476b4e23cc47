// SdlScreen.cpp -- the renderer and texture of the game's window, presentation with bars, and
// the pointer mapping back into the picture.
#include "engine/platform/sdl/SdlScreen.h"

#include <SDL_video.h>

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
  // Vsync where the driver has it; SDL falls back to a simulation of it, which the pacer
  // corrects.
  SDL_Renderer* renderer =
      SDL_CreateRenderer(sdlWindow, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
  if (renderer == nullptr) {
    renderer = SDL_CreateRenderer(sdlWindow, -1, SDL_RENDERER_SOFTWARE | SDL_RENDERER_PRESENTVSYNC);
  }
  if (renderer == nullptr) renderer = SDL_CreateRenderer(sdlWindow, -1, SDL_RENDERER_SOFTWARE);
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

bool SdlScreen::EnterFullscreen(Size picture) {
  SDL_Window* window = renderer_ != nullptr ? SDL_GetWindowFromID(window_) : nullptr;
  if (window == nullptr || picture.width <= 0 || picture.height <= 0) return false;
  if (SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) return false;
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
  if (SDL_UpdateTexture(texture_, nullptr, picture.pixels.data(), picture.pitch) != 0) {
    return DisplayResult::kGeneric;
  }
  Size output;
  SDL_GetRendererOutputSize(renderer_, &output.width, &output.height);
  const Rect shown = FitPicture(textureSize_, output);
  const SDL_Rect destination{shown.left, shown.top, shown.Width(), shown.Height()};
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, SDL_ALPHA_OPAQUE);
  SDL_RenderClear(renderer_);
  SDL_RenderCopy(renderer_, texture_, nullptr, &destination);
  SDL_RenderPresent(renderer_);
  return DisplayResult::kOk;
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

bool SdlScreen::MakeTexture(Size size) {
  if (renderer_ == nullptr || size.width <= 0 || size.height <= 0) return false;
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB565, SDL_TEXTUREACCESS_STREAMING,
                               size.width, size.height);
  if (texture_ == nullptr) return false;
  // Smooth when scaled; at 1:1 every pixel still comes out exactly.
  SDL_SetTextureScaleMode(texture_, SDL_ScaleModeLinear);
  textureSize_ = size;
  picture_ = size;
  lost_ = false;
  return true;
}

void SdlScreen::FreeTexture() {
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
