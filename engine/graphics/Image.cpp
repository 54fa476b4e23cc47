// Image.cpp -- creating, converting and preparing images for their drawing operation.
#include "engine/graphics/Image.h"

#include <algorithm>
#include <utility>

#include "engine/graphics/PixelRows.h"
#include "engine/graphics/ScreenFormat.h"

namespace engine::graphics {

namespace {

// The row kernels take int counts; whole planes go through them in pieces of this many pixels.
constexpr std::size_t kPiece = std::size_t{1} << 20;

std::uint16_t Pack(int red, int green, int blue) {
  const PixelFormat& f = ScreenFormat;
  return static_cast<std::uint16_t>((red << f.rshift) + (green << f.gshift) + (blue << f.bshift));
}

}  // namespace

Image::Image(Image&& other) noexcept {
  *this = std::move(other);
}

Image& Image::operator=(Image&& other) noexcept {
  if (this == &other) return *this;
  pixels_ = std::move(other.pixels_);
  pixelBytes_ = std::exchange(other.pixelBytes_, 0);
  alpha_ = std::move(other.alpha_);
  runs_ = std::move(other.runs_);
  width_ = std::exchange(other.width_, 0);
  height_ = std::exchange(other.height_, 0);
  use_ = std::exchange(other.use_, 0);
  format_ = std::exchange(other.format_, 0);
  fresh_ = std::exchange(other.fresh_, 1);
  other.pixels_.clear();
  other.alpha_.clear();
  other.runs_.reset();
  return *this;
}

int Image::BytesPerPixel(std::uint8_t format) {
  int bytes = 0;
  switch (PixelFormatBit(format)) {
    case 0x04:
      bytes = 1;
      break;
    case 0x10:
      bytes = 2;
      break;
    case 0x20:
      bytes = 3;
      break;
    default:  // 0x08 and no pixel format
      bytes = 0;
      break;
  }
  return (format & 0x02) != 0 ? bytes + 1 : bytes;
}

std::uint8_t Image::PixelFormatBit(std::uint8_t format) {
  for (std::uint8_t bit : {0x04, 0x08, 0x10, 0x20}) {
    if ((format & bit) != 0) return bit;
  }
  return 0;
}

std::size_t Image::PixelCount() const {
  if (width_ <= 0 || height_ <= 0) return 0;
  return static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_);
}

void Image::AllocatePixels(std::size_t bytes) {
  pixels_.assign((bytes + 1) / 2, 0);
  pixels_.shrink_to_fit();
  pixelBytes_ = bytes;
}

void Image::Create(std::int32_t width, std::int32_t height, std::uint8_t format) {
  runs_.reset();
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  const std::size_t count = PixelCount();
  AllocatePixels(count * static_cast<std::size_t>(BytesPerPixel(format)));
  if (format != 0) {
    alpha_.assign(count, 0);
    alpha_.shrink_to_fit();
  }
  format_ = format;
}

void Image::CreateUnset(std::int32_t width, std::int32_t height, std::uint8_t format,
                        AlphaPlane plane) {
  runs_.reset();
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  const std::size_t count = PixelCount();
  const std::size_t bytes = count * static_cast<std::size_t>(BytesPerPixel(format));
  // A fresh vector of the exact size, as Create's assign and shrink leave it.
  decltype(pixels_) pixels;
  pixels.resize((bytes + 1) / 2);
  pixels_ = std::move(pixels);
  pixelBytes_ = bytes;
  if (format != 0) {
    decltype(alpha_) alpha;
    if (plane == AlphaPlane::kUnset) {
      alpha.resize(count);
    } else if (plane == AlphaPlane::kZeroed) {
      alpha.assign(count, 0);
    }
    alpha_ = std::move(alpha);
  }
  format_ = format;
}

void Image::CreateBlank(std::int32_t width, std::int32_t height, std::uint8_t use) {
  if (use >= DRAW_PLAIN && use <= DRAW_ADD) {
    Create(width, height, use == DRAW_PLAIN ? IMG_16BIT : IMG_16BIT | IMG_ALPHA);
  }
  Fill(0, 0, 0);
  use_ = use;
  fresh_ = 0;
}

// Fills width x height words, never more than the buffer holds.
void Image::Fill(int red, int green, int blue) {
  runs_.reset();
  const std::size_t words = std::min(PixelCount(), pixelBytes_ / 2);
  std::fill_n(pixels_.begin(), words, Pack(red, green, blue));
}

void Image::SetPixel(int x, int y, int red, int green, int blue) {
  runs_.reset();
  if (x < 0 || x >= width_ || y < 0 || y >= height_ || pixels_.empty()) return;
  pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + x] =
      Pack(red, green, blue);
}

void Image::GetPixel(int x, int y, int& red, int& green, int& blue) const {
  red = green = blue = 0;
  if (x < 0 || x >= width_ || y < 0 || y >= height_ || pixels_.empty()) return;
  const int p = pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + x];
  const PixelFormat& f = ScreenFormat;
  red = (p & f.rmask) >> f.rshift;
  green = (p & f.gmask) >> f.gshift;
  blue = (p & f.bmask) >> f.bshift;
}

void Image::Convert(std::uint8_t format) {
  runs_.reset();
  const bool is24 = PixelFormatBit(format_) == IMG_24BIT;
  const bool to16 = (format & IMG_16BIT) != 0 && (format & 0x0C) == 0;
  if (is24 && to16 && pixelBytes_ >= PixelCount() * 3) {
    const PixelFormat& f = ScreenFormat;
    const std::size_t count = PixelCount();
    decltype(pixels_) converted;
    const std::size_t bytes = count * static_cast<std::size_t>(BytesPerPixel(format));
    converted.assign((bytes + 1) / 2, 0);
    const std::uint8_t* rgb = PixelBytes();
    // The requested size is at least two bytes a pixel, so every word fits.
    for (std::size_t i = 0; i < count; ++i, rgb += 3) {
      const int r = ((rgb[0] << f.rbits) >> 8) << f.rshift;
      const int g = ((rgb[1] << f.gbits) >> 8) << f.gshift;
      const int b = ((rgb[2] << f.bbits) >> 8) << f.bshift;
      converted[i] = static_cast<std::uint16_t>(r | g | b);
    }
    pixels_ = std::move(converted);
    pixelBytes_ = bytes;
  }
  format_ = static_cast<std::uint8_t>(format_ & ~PixelFormatBit(format_));
  format_ = static_cast<std::uint8_t>(format_ | PixelFormatBit(format));
}

void Image::MakeMask() {
  runs_.reset();
  if (!HasAlpha(format_)) return;
  const std::size_t count = std::min(PixelCount(), alpha_.size());
  if (PixelFormatBit(format_) == IMG_16BIT && pixelBytes_ >= count * 2) {
    // Opaque black stays visible as 1; transparent pixels become 0.
    for (std::size_t done = 0; done < count; done += kPiece) {
      const std::size_t n = std::min(kPiece, count - done);
      rows::Mask(pixels_.data() + done, alpha_.data() + done, static_cast<int>(n));
    }
  }
  alpha_.clear();
  alpha_.shrink_to_fit();
  format_ = static_cast<std::uint8_t>((format_ & ~IMG_ALPHA) | IMG_MASKED);
}

void Image::MakeAlpha() {
  runs_.reset();
  const std::uint8_t pixelFormat = PixelFormatBit(format_);
  if (pixelFormat != IMG_16BIT && pixelFormat != IMG_24BIT) return;
  const std::size_t count = PixelCount();
  const int bytesPerPixel = pixelFormat == IMG_16BIT ? 2 : 3;
  if (pixelBytes_ < count * static_cast<std::size_t>(bytesPerPixel)) return;

  // With no alpha of its own, an image takes its opacity from its brightness.
  const bool derive = !HasAlpha(format_) || alpha_.size() < count;
  if (derive) {
    alpha_.assign(count, 0);
    format_ |= IMG_ALPHA;
  }
  const PixelFormat& f = ScreenFormat;
  if (pixelFormat == IMG_16BIT) {
    for (std::size_t i = 0; i < count; ++i) {
      const int p = pixels_[i];
      const int r = (p & f.rmask) >> f.rshift;
      const int g = (p & f.gmask) >> f.gshift;
      const int b = (p & f.bmask) >> f.bshift;
      const int a = derive ? ((r + g + b) * 4) / 3 : alpha_[i];
      pixels_[i] =
          static_cast<std::uint16_t>((((r * a) >> 8) << f.rshift) + (((g * a) >> 8) << f.gshift) +
                                     (((b * a) >> 8) << f.bshift));
      alpha_[i] = static_cast<std::uint8_t>(255 - a);
    }
  } else {
    std::uint8_t* rgb = PixelBytes();
    for (std::size_t i = 0; i < count; ++i, rgb += 3) {
      const int a = derive ? (rgb[0] + rgb[1] + rgb[2]) / 3 : alpha_[i];
      for (int c = 0; c < 3; ++c)
        rgb[c] = static_cast<std::uint8_t>((rgb[c] * a) >> 8);
      alpha_[i] = static_cast<std::uint8_t>(255 - a);
    }
  }
}

void Image::SetUse(std::uint8_t use) {
  use_ = use;
  Convert(IMG_16BIT);
  if (use == DRAW_MASKED) MakeMask();
  if (use == DRAW_ALPHA || use == DRAW_ADD) MakeAlpha();
  fresh_ = 0;
}

const RowRuns* Image::Runs() const {
  if (runs_ && runs_->use == use_) return runs_.get();
  runs_.reset();
  const std::size_t count = PixelCount();
  if (count == 0 || PixelFormatBit(format_) != IMG_16BIT || pixelBytes_ < count * 2) {
    return nullptr;
  }
  const std::uint8_t* alpha = alpha_.size() >= count ? alpha_.data() : nullptr;
  runs_ = FindRuns(use_, pixels_.data(), alpha, width_, height_);
  return runs_.get();
}

void Image::Free() {
  runs_.reset();
  pixels_.clear();
  pixels_.shrink_to_fit();
  pixelBytes_ = 0;
  alpha_.clear();
  alpha_.shrink_to_fit();
  width_ = 0;
  height_ = 0;
  format_ = 0;
}

}  // namespace engine::graphics
