// SdlRendererChoice.cpp -- the renderer for the game's window, and what counts as a GL that
// draws on the processor.
#include "engine/platform/sdl/SdlRendererChoice.h"

#include <SDL_hints.h>
#include <SDL_video.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>
#include <string>

namespace engine::platform::sdl {

namespace {

constexpr unsigned kGlRenderer = 0x1F01;  // GL_RENDERER, for glGetString
using GetString = const unsigned char* (*)(unsigned);

bool HasHint(const char* name) {
  const char* value = SDL_GetHint(name);
  return value != nullptr && *value != '\0';
}

// The renderer string of the GL context an OpenGL renderer has just made current; empty for
// any other renderer.
std::string GlRendererOf(SDL_Renderer* renderer) {
  SDL_RendererInfo info{};
  if (SDL_GetRendererInfo(renderer, &info) != 0 || info.name == nullptr ||
      std::strncmp(info.name, "opengl", 6) != 0 || SDL_GL_GetCurrentContext() == nullptr) {
    return {};
  }
  auto* getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
  const unsigned char* name = getString != nullptr ? getString(kGlRenderer) : nullptr;
  return name != nullptr ? std::string(reinterpret_cast<const char*>(name)) : std::string();
}

// Of SDL 2.26's video drivers only X11 shows a software renderer's frame by itself; the others
// would hand it to a GL renderer of their own, the very cost being avoided.
bool HasOwnFramebuffer() {
  const char* driver = SDL_GetCurrentVideoDriver();
  return driver != nullptr && std::strcmp(driver, "x11") == 0;
}

}  // namespace

bool IsCpuRasteriser(std::string_view glRenderer) {
  std::string lower(glRenderer);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  constexpr std::array<std::string_view, 4> kNames = {"llvmpipe", "softpipe", "swrast",
                                                      "software rasterizer"};
  return std::any_of(kNames.begin(), kNames.end(), [&lower](std::string_view name) {
    return lower.find(name) != std::string::npos;
  });
}

SDL_Renderer* CreateGameRenderer(SDL_Window* window) {
  SDL_Renderer* renderer =
      SDL_CreateRenderer(window, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
  if (renderer != nullptr && !HasHint(SDL_HINT_RENDER_DRIVER) && HasOwnFramebuffer() &&
      IsCpuRasteriser(GlRendererOf(renderer))) {
    SDL_DestroyRenderer(renderer);
    renderer = nullptr;
    // Read when the window's framebuffer is first made; without it SDL would show the
    // software renderer's frame through a GL texture again. A value in the environment wins.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  }
  // Vsync where the driver has it; SDL falls back to a simulation of it, which the pacer
  // corrects.
  if (renderer == nullptr) {
    renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE | SDL_RENDERER_PRESENTVSYNC);
  }
  if (renderer == nullptr) renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE);
  return renderer;
}

}  // namespace engine::platform::sdl
