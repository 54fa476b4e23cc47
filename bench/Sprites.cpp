// Sprites.cpp -- building the pictures and their SDL surfaces.
#include "bench/Sprites.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include "engine/graphics/ImageFile.h"

namespace bench {

namespace {

using engine::graphics::DRAW_ADD;
using engine::graphics::DRAW_MASKED;
using engine::graphics::DRAW_PLAIN;
using engine::graphics::Image;

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "curbside_bench: %s\n", what.c_str());
  std::exit(1);
}

SDL_Surface* NewSurface(int w, int h, Uint32 format) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, SDL_BITSPERPIXEL(format), format);
  if (s == nullptr) Fail(SDL_GetError());
  return s;
}

// An RGB565 surface holding the words of a prepared 16-bit image.
SDL_Surface* WordSurface(const Image& image) {
  SDL_Surface* s = NewSurface(image.Width(), image.Height(), SDL_PIXELFORMAT_RGB565);
  const std::size_t rowBytes = static_cast<std::size_t>(image.Width()) * 2;
  for (int y = 0; y < image.Height(); ++y) {
    std::memcpy(static_cast<std::uint8_t*>(s->pixels) + static_cast<std::ptrdiff_t>(y) * s->pitch,
                image.Pixels16() + static_cast<std::ptrdiff_t>(y) * image.Width(), rowBytes);
  }
  return s;
}

SDL_Surface* ArgbSurface(int w, int h, const std::vector<std::uint8_t>& rgba) {
  SDL_Surface* s = NewSurface(w, h, SDL_PIXELFORMAT_ARGB8888);
  for (int y = 0; y < h; ++y) {
    auto* row = reinterpret_cast<Uint32*>(static_cast<std::uint8_t*>(s->pixels) +
                                          static_cast<std::ptrdiff_t>(y) * s->pitch);
    for (int x = 0; x < w; ++x) {
      const std::uint8_t* p = &rgba[(static_cast<std::size_t>(y) * w + x) * 4];
      row[x] = static_cast<Uint32>(p[3]) << 24 | static_cast<Uint32>(p[0]) << 16 |
               static_cast<Uint32>(p[1]) << 8 | p[2];
    }
  }
  return s;
}

}  // namespace

Picture::Picture(std::string name, int width, int height, std::vector<std::uint8_t> rgba)
    : name_(std::move(name)), width_(width), height_(height) {
  // Each image starts as the loader leaves a picture, 24-bit with an alpha plane, and is then
  // prepared for its use.
  for (std::uint8_t use = DRAW_PLAIN; use <= DRAW_ADD; ++use) {
    Image& image = images_[use - 1];
    image.Create(width, height, engine::graphics::IMG_24BIT | engine::graphics::IMG_ALPHA);
    const std::size_t count = static_cast<std::size_t>(width) * height;
    for (std::size_t i = 0; i < count; ++i) {
      std::memcpy(image.PixelBytes() + i * 3, &rgba[i * 4], 3);
      image.Alpha()[i] = rgba[i * 4 + 3];
    }
    image.SetUse(use);
  }
  surfaces_[static_cast<int>(SdlForm::kCopy)] = WordSurface(ForUse(DRAW_PLAIN));
  for (SdlForm form : {SdlForm::kKey, SdlForm::kKeyRle}) {
    SDL_Surface* s = WordSurface(ForUse(DRAW_MASKED));
    SDL_SetColorKey(s, SDL_TRUE, 0);
    SDL_SetSurfaceRLE(s, form == SdlForm::kKeyRle ? 1 : 0);
    surfaces_[static_cast<int>(form)] = s;
  }
  for (SdlForm form : {SdlForm::kAlpha, SdlForm::kAlphaRle}) {
    SDL_Surface* s = ArgbSurface(width, height, rgba);
    SDL_SetSurfaceBlendMode(s, SDL_BLENDMODE_BLEND);
    SDL_SetSurfaceRLE(s, form == SdlForm::kAlphaRle ? 1 : 0);
    surfaces_[static_cast<int>(form)] = s;
  }
  SDL_Surface* add = WordSurface(ForUse(DRAW_ADD));
  SDL_SetSurfaceBlendMode(add, SDL_BLENDMODE_ADD);
  surfaces_[static_cast<int>(SdlForm::kAdd)] = add;
}

Picture::~Picture() {
  for (SDL_Surface* s : surfaces_)
    SDL_FreeSurface(s);
}

Picture::Picture(Picture&& other) noexcept
    : name_(std::move(other.name_)),
      width_(other.width_),
      height_(other.height_),
      images_(std::move(other.images_)),
      surfaces_(std::exchange(other.surfaces_, {})) {}

Picture LoadPicture(const std::string& name, const std::string& file) {
  Image image;
  engine::graphics::ImageFile loader;
  if (!loader.LoadTiff(file, image) || image.Alpha() == nullptr) Fail("cannot read " + file);
  const std::size_t count = static_cast<std::size_t>(image.Width()) * image.Height();
  std::vector<std::uint8_t> rgba(count * 4);
  for (std::size_t i = 0; i < count; ++i) {
    std::memcpy(&rgba[i * 4], image.PixelBytes() + i * 3, 3);
    rgba[i * 4 + 3] = image.Alpha()[i];
  }
  return Picture(name, image.Width(), image.Height(), std::move(rgba));
}

SpriteSet ActorFrames() {
  const char* files[] = {
      "Images\\Bypasser\\Normal1\\normal1-moveleft000.tif",
      "Images\\Bypasser\\Normal2\\normal2-watch000.tif",
      "Images\\Bypasser\\Normal3\\normal3-moveright001.tif",
      "Images\\Bypasser\\Normal4\\normal4-payleft002.tif",
      "Images\\Bypasser\\Thief\\thief-runleft000.tif",
      "Images\\Bypasser\\Hobo\\hobo-teach000.tif",
      "Images\\Player\\player-stand000.tif",
  };
  SpriteSet set{"actor", {}};
  for (const char* file : files)
    set.pictures.push_back(LoadPicture(file, file));
  return set;
}

SpriteSet Square(int side, const std::string& shape) {
  std::vector<std::uint8_t> rgba(static_cast<std::size_t>(side) * side * 4);
  const int r2 = (side / 2) * (side / 2);
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      std::uint8_t* p = &rgba[(static_cast<std::size_t>(y) * side + x) * 4];
      p[0] = static_cast<std::uint8_t>(x * 255 / side);
      p[1] = static_cast<std::uint8_t>(y * 255 / side);
      p[2] = static_cast<std::uint8_t>(((x + y) * 3) & 0xFF);
      const int dx = x - side / 2, dy = y - side / 2;
      if (shape == "solid") {
        p[3] = 255;
      } else if (shape == "disc") {
        p[3] = dx * dx + dy * dy < r2 ? 255 : 0;
      } else {
        p[3] = static_cast<std::uint8_t>(32 + (x * 7 + y * 3) % 192);
      }
    }
  }
  SpriteSet set{"sq" + std::to_string(side) + shape, {}};
  set.pictures.emplace_back(set.name, side, side, std::move(rgba));
  return set;
}

SpriteSet FullFrame() {
  SpriteSet set{"full", {}};
  set.pictures.push_back(LoadPicture("intro-bg", "Images\\backgrounds\\intro-bg.tif"));
  return set;
}

}  // namespace bench
