// Image.h -- a picture in memory, prepared for exactly one drawing operation (its use).
#pragma once

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "engine/graphics/PixelRuns.h"

namespace engine::graphics {

// Uses: the drawing operation an image is prepared for.
inline constexpr std::uint8_t DRAW_NONE = 0;
inline constexpr std::uint8_t DRAW_PLAIN = 1;
inline constexpr std::uint8_t DRAW_MASKED = 2;
inline constexpr std::uint8_t DRAW_ALPHA = 3;
inline constexpr std::uint8_t DRAW_ADD = 4;

// Format bits.
inline constexpr std::uint8_t IMG_ALPHA = 0x01;
inline constexpr std::uint8_t IMG_16BIT = 0x10;
inline constexpr std::uint8_t IMG_24BIT = 0x20;
inline constexpr std::uint8_t IMG_MASKED = 0x40;

// An allocator whose containers leave elements made without a value unset, so that a buffer
// about to be written whole is not cleared first. Elements given a value get it.
template <typename T>
struct UnsetAllocator : std::allocator<T> {
  template <typename U>
  struct rebind {
    using other = UnsetAllocator<U>;
  };
  UnsetAllocator() = default;
  template <typename U>
  UnsetAllocator(const UnsetAllocator<U>&) noexcept {}
  template <typename U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
  template <typename U, typename... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
};

class Image {
 public:
  Image() = default;
  ~Image() = default;
  // An image owns its buffers alone: it can be moved but not copied.
  Image(const Image&) = delete;
  Image& operator=(const Image&) = delete;
  Image(Image&& other) noexcept;
  Image& operator=(Image&& other) noexcept;

  // Allocates width x height pixels of the format's size; a non-zero format also gets a new
  // alpha plane. Contents are not set; use is untouched. Sizes of 0 or less give no buffers.
  void Create(std::int32_t width, std::int32_t height, std::uint8_t format);
  // What CreateUnset gives a non-zero format for alpha: Create's plane of 0, a plane left unset,
  // or no plane (for a reader that makes the masked image, which keeps none).
  enum class AlphaPlane { kZeroed, kUnset, kNone };
  // Create for a reader that writes every pixel next: the pixels, and the alpha bytes as asked,
  // are left unset instead of 0.
  void CreateUnset(std::int32_t width, std::int32_t height, std::uint8_t format, AlphaPlane plane);
  // A black 16-bit image prepared for use 1..4.
  void CreateBlank(std::int32_t width, std::int32_t height, std::uint8_t use);
  void Fill(int red, int green, int blue);
  void SetPixel(int x, int y, int red, int green, int blue);
  void GetPixel(int x, int y, int& red, int& green, int& blue) const;
  void Convert(std::uint8_t format);
  void MakeMask();
  void MakeAlpha();
  // Converts to the screen format and prepares the mask or alpha the use needs.
  void SetUse(std::uint8_t use);
  // Fills destination with this image turned by angle degrees and scaled, sampling backwards
  // from every destination pixel.
  void Rotate(Image* destination, float angle, float scale) const;
  void Free();

  // Small accessors.
  void SetUseOnly(std::uint8_t use) { use_ = use; }
  void SetFormatBits(std::uint8_t bits) { format_ |= bits; }
  void ToggleFormatBits(std::uint8_t bits) { format_ ^= bits; }
  static int BytesPerPixel(std::uint8_t format);
  // The first of the pixel-format bits 0x04, 0x08, 0x10, 0x20 set in format, or 0.
  static std::uint8_t PixelFormatBit(std::uint8_t format);
  static bool HasAlpha(std::uint8_t format) { return (format & IMG_ALPHA) != 0; }

  std::int32_t Width() const { return width_; }
  std::int32_t Height() const { return height_; }
  std::uint8_t Use() const { return use_; }
  std::uint8_t Format() const { return format_; }
  std::uint8_t Fresh() const { return fresh_; }

  // The pixel buffer: 16-bit words for a 16-bit image, R, G, B bytes for a 24-bit one; null
  // when there is none. Write access to the pixels or the alpha plane drops the runs (Runs), so
  // a pointer for writing must not be kept across a drawing of the image.
  bool HasPixels() const { return !pixels_.empty(); }
  std::uint16_t* Pixels16() {
    runs_.reset();
    return pixels_.empty() ? nullptr : pixels_.data();
  }
  const std::uint16_t* Pixels16() const { return pixels_.empty() ? nullptr : pixels_.data(); }
  std::uint8_t* PixelBytes() { return reinterpret_cast<std::uint8_t*>(Pixels16()); }
  const std::uint8_t* PixelBytes() const {
    return reinterpret_cast<const std::uint8_t*>(Pixels16());
  }
  // Bytes in the pixel buffer.
  std::size_t PixelBufferSize() const { return pixelBytes_; }
  // The alpha plane, one byte per pixel; null when there is none.
  bool HasAlphaPlane() const { return !alpha_.empty(); }
  std::uint8_t* Alpha() {
    runs_.reset();
    return alpha_.empty() ? nullptr : alpha_.data();
  }
  const std::uint8_t* Alpha() const { return alpha_.empty() ? nullptr : alpha_.data(); }
  // The runs the drawing operation of the image's use visits in each row (see PixelRuns.h),
  // found on first request and kept until the pixels, the alpha plane or the use may have
  // changed. Null for the plain use, and for pixels the runs cannot describe.
  const RowRuns* Runs() const;

 private:
  std::size_t PixelCount() const;
  void AllocatePixels(std::size_t bytes);

  // Stored as words so that 16-bit pixels are properly aligned; 24-bit images use the bytes.
  std::vector<std::uint16_t, UnsetAllocator<std::uint16_t>> pixels_;
  std::size_t pixelBytes_ = 0;
  std::vector<std::uint8_t, UnsetAllocator<std::uint8_t>> alpha_;
  mutable std::unique_ptr<RowRuns> runs_;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  std::uint8_t use_ = 0;
  std::uint8_t format_ = 0;
  std::uint8_t fresh_ = 1;
};

}  // namespace engine::graphics
