// SdlScreen.h -- what the window and display services share: the renderer of the game's
// window, the streaming texture that shows the picture, and the frame pacer.
#pragma once

#include <SDL_render.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/platform/DisplaySystem.h"
#include "engine/platform/FramePacer.h"
#include "engine/platform/Letterbox.h"
#include "engine/platform/PixelExpand.h"

namespace engine::platform::sdl {

// The 16-bit RGB565 pixels of a back buffer, in ordinary memory.
struct PixelMemory {
  explicit PixelMemory(Size size);

  int width = 0;
  int height = 0;
  int pitch = 0;  // bytes per row
  std::vector<std::uint16_t> pixels;
};

inline constexpr std::uint32_t kRedMask = 0xF800, kGreenMask = 0x07E0, kBlueMask = 0x001F;

// Makes a window full screen on the desktop mode. It is first placed and sized to cover its
// display, so that it covers the screen even on an X server without a window manager, where
// nobody carries out the full-screen request and SDL only records it.
bool CoverDisplay(SDL_Window* window);

// Objects made from the screen (a display device, a primary surface) hold a ticket; a ticket
// that has been superseded or shut down can no longer release or use what a newer one made.
using Ticket = std::uint64_t;

class SdlScreen {
 public:
  explicit SdlScreen(std::unique_ptr<PacerClock> clock = std::make_unique<SteadyPacerClock>());
  ~SdlScreen();
  SdlScreen(const SdlScreen&) = delete;
  SdlScreen& operator=(const SdlScreen&) = delete;

  // Creates the renderer for a window, replacing any earlier one; 0 when none can be made.
  Ticket OpenRenderer(WindowHandle window);
  void CloseRenderer(Ticket renderer);
  bool HasRenderer(Ticket renderer) const;
  bool Accelerated() const { return accelerated_; }
  // The renderer window's size in its own coordinates; empty without a renderer.
  Size WindowSize() const;

  // Switches the renderer's window to full screen on the desktop mode, showing a picture of
  // this size with bars where the shapes differ.
  bool EnterFullscreen(Size picture);

  // Creates the streaming texture that shows a picture of this size, replacing any earlier
  // one; 0 when it cannot be made.
  Ticket CreateTexture(Size picture);
  void DestroyTexture(Ticket texture);
  Size TextureSize() const { return textureSize_; }
  bool TextureLost(Ticket texture) const;
  // A render device reset loses the texture; presentation fails until it is restored.
  void MarkTextureLost();
  bool RestoreTexture(Ticket texture);

  // Uploads the picture into the texture, clears the output to black, draws the texture where
  // PlacePicture puts it (whole-number scales sharp, others smoothed from a sharp enlargement)
  // and presents.
  DisplayResult Present(Ticket texture, const PixelMemory& picture);
  // Holds the frame to the 60-a-second schedule; called after each presented or skipped frame.
  void FramePaced() { pacer_.FrameDone(); }

  // The picture pixel under a point of a window (the whole window when nothing is shown yet).
  Point WindowToPicture(WindowHandle window, Point point) const;
  // The size of the picture the window shows; empty before the first texture.
  Size PictureSize() const { return picture_; }
  // Called before a window is destroyed: its renderer and texture go first.
  void WindowDestroyed(WindowHandle window);
  // Releases texture and renderer; called before SDL shuts down.
  void Shutdown();

 private:
  // Widens the picture into the texture.
  bool Upload(const PixelMemory& picture);
  // The texture enlarged scale times, nearest-neighbour; the texture itself where that fails.
  SDL_Texture* Sharpened(int scale);
  void FreeSharpened();
  void FreeTexture();
  void FreeRenderer();
  bool MakeTexture(Size size);

  std::unique_ptr<PacerClock> clock_;
  FramePacer pacer_;
  Ticket nextTicket_ = 1;

  WindowHandle window_ = 0;
  SDL_Renderer* renderer_ = nullptr;
  Ticket rendererTicket_ = 0;
  bool accelerated_ = false;

  SDL_Texture* texture_ = nullptr;
  Uint32 textureFormat_ = SDL_PIXELFORMAT_ARGB8888;  // a 32-bit packed xRGB format
  Rgb565Expander expand_;
  Ticket textureTicket_ = 0;
  Size textureSize_;
  bool lost_ = false;
  // The render target of Sharpened, kept while its size stays.
  SDL_Texture* sharp_ = nullptr;
  Size sharpSize_;

  // The size of the picture the window shows, for pointer positions.
  Size picture_;
};

}  // namespace engine::platform::sdl
