// SdlRendererChoice.h -- which SDL renderer draws the game's window: the GPU's where there is
// one, SDL's own software renderer where OpenGL itself would draw on the processor.
#pragma once

#include <SDL_render.h>

#include <string_view>

namespace engine::platform::sdl {

// True for the OpenGL renderer strings of the rasterisers that run on the processor (Mesa's
// llvmpipe, softpipe and swrast). Such a GL costs several times the CPU of SDL's software
// renderer for the same 2D copy, and far more when it scales.
bool IsCpuRasteriser(std::string_view glRenderer);

// Called by SdlScreen::OpenRenderer. Makes a renderer for the window that presents with vsync
// where it can, or none. An OpenGL renderer on a CPU rasteriser is replaced by SDL's software
// renderer writing straight into the window's own framebuffer, where the video driver has one
// (X11: shared-memory images), unless SDL_RENDER_DRIVER names a renderer.
SDL_Renderer* CreateGameRenderer(SDL_Window* window);

}  // namespace engine::platform::sdl
