// Stage.h -- the drawing target every blit benchmark shares: a headless engine's locked 800 x 600
// RGB565 back buffer, and an SDL surface that wraps the same memory, so that our operations and
// SDL_BlitSurface write the same pixels.
#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/core/Engine.h"
#include "engine/platform/headless/HeadlessPlatform.h"

namespace bench {

class Stage {
 public:
  static constexpr int kWidth = 800;
  static constexpr int kHeight = 600;

  // Starts the engine full screen and locks its back buffer; ends the process when it cannot.
  Stage();
  ~Stage();
  Stage(const Stage&) = delete;
  Stage& operator=(const Stage&) = delete;

  engine::core::Engine& Engine() { return *engine_; }
  std::uint16_t* Pixels() { return engine_->GetBackBuffer(); }
  int Stride() const { return engine_->GetStride(); }
  // The back buffer as an SDL destination; SDL keeps its blit maps per destination, so every
  // SDL blit of the run goes to this one surface.
  SDL_Surface* Target() { return target_; }

  // A pattern that differs from pixel to pixel, in every field.
  void FillPattern();
  std::vector<std::uint16_t> Snapshot() const;
  void Restore(const std::vector<std::uint16_t>& pixels);

 private:
  engine::platform::headless::HeadlessPlatform platform_;
  std::unique_ptr<engine::core::Engine> engine_;
  SDL_Surface* target_ = nullptr;
};

}  // namespace bench
