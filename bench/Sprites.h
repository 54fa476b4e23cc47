// Sprites.h -- the pictures the blit benchmarks draw, each in every form the blits take: our
// Image prepared for each of the four operations, and SDL surfaces of the same pixels.
#pragma once

#include <SDL.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/graphics/Image.h"

namespace bench {

// The SDL forms of a picture.
enum class SdlForm {
  kCopy,      // RGB565, no key, no blending
  kKey,       // RGB565 keyed on 0, per-pixel blit
  kKeyRle,    // the same, RLE-accelerated
  kAlpha,     // ARGB8888 of the picture's own colours and alpha, blended
  kAlphaRle,  // the same, RLE-accelerated
  kAdd,       // RGB565 of our additive image's words, SDL_BLENDMODE_ADD
};
inline constexpr int kSdlForms = 6;

class Picture {
 public:
  // rgba: width x height pixels of 8-bit red, green, blue and alpha, top row first.
  Picture(std::string name, int width, int height, std::vector<std::uint8_t> rgba);
  ~Picture();
  Picture(Picture&& other) noexcept;
  Picture(const Picture&) = delete;
  Picture& operator=(const Picture&) = delete;
  Picture& operator=(Picture&&) = delete;

  const std::string& Name() const { return name_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Prepared for use DRAW_PLAIN .. DRAW_ADD.
  const engine::graphics::Image& ForUse(std::uint8_t use) const { return images_[use - 1]; }
  SDL_Surface* Sdl(SdlForm form) const { return surfaces_[static_cast<int>(form)]; }

 private:
  std::string name_;
  int width_ = 0;
  int height_ = 0;
  std::array<engine::graphics::Image, 4> images_;
  std::array<SDL_Surface*, kSdlForms> surfaces_{};
};

// Pictures drawn together, one after the other, in one iteration.
struct SpriteSet {
  std::string name;
  std::vector<Picture> pictures;
};

// The game's own actor frames: passers-by of every look and the performer.
SpriteSet ActorFrames();
// Synthetic squares of the given side: "solid" (all opaque), "disc" (an opaque disc, the rest
// transparent), "glass" (every pixel translucent).
SpriteSet Square(int side, const std::string& shape);
// The title background, 800 x 600, for the full-frame copy.
SpriteSet FullFrame();

// Reads a picture of the data folder as 8-bit RGBA through our loader; ends the process when it
// cannot.
Picture LoadPicture(const std::string& name, const std::string& file);

}  // namespace bench
