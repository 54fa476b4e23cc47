// DrawImage.cpp -- the image operations: the frame they share (refusal, missing data,
// clipping, the row walk) and the four per-pixel rules, applied a row at a time by the row
// kernels.
#include "engine/graphics/DrawImage.h"

#include <algorithm>
#include <cstring>

#include "engine/graphics/DrawClip.h"
#include "engine/graphics/Image.h"
#include "engine/graphics/PixelRows.h"
#include "engine/graphics/ScreenFormat.h"

namespace engine::graphics {

namespace {

// An image's pixels are usable as 16-bit words only when the buffer holds a word for every
// pixel; anything smaller (a 1-byte format marked for drawing) counts as no pixel data.
bool HasWordPixels(const Image& image) {
  if (image.Pixels16() == nullptr) return false;
  const std::size_t count =
      static_cast<std::size_t>(image.Width()) * static_cast<std::size_t>(image.Height());
  return image.PixelBufferSize() >= count * 2;
}

rows::Fields ScreenFields() {
  return {static_cast<std::uint32_t>(ScreenFormat.rmask),
          static_cast<std::uint32_t>(ScreenFormat.gmask),
          static_cast<std::uint32_t>(ScreenFormat.bmask)};
}

// Where an image's visible rows lie: the first one's pixels in the back buffer, in the image and
// in its alpha plane (null unless the rule reads alpha), and the distances between rows.
struct RowWalk {
  std::uint16_t* destination;
  const std::uint16_t* source;
  const std::uint8_t* alpha;
  std::ptrdiff_t stride;
  std::ptrdiff_t imageWidth;
  std::int32_t height;
};

// What a walk may meet: runs of both kinds; copy runs only; copy runs shorter than
// rows::kLongCopy only, which the walk copies inline, calling nothing, so that all of its state can
// stay in registers.
enum class RunKinds { kMixed, kCopies, kShortCopies };

// Applies a run: copies it, or draws it through the rule.
template <bool kAlpha, RunKinds kKinds, typename Row>
inline void DrawRun(const PixelRun& r, std::uint16_t* d, const std::uint16_t* s,
                    const std::uint8_t* a, int n, Row& row) {
  if constexpr (kKinds == RunKinds::kShortCopies) {
    rows::CopyShort(d, s, n);
  } else if (kKinds == RunKinds::kCopies || r.copy) {
    rows::Copy(d, s, n);
  } else {
    row(d, s, a, n);
  }
}

// Hides a pointer's value from the optimiser once per row, so that it steps this one pointer
// instead of deriving a stepped copy for every address computed from it, which would take more
// registers than there are and leave the walk's state on the stack.
template <typename T>
inline T* Opaque(T* p) {
#if defined(__GNUC__)
  asm("" : "+r"(p));
#endif
  return p;
}

// The run walks below are separate small functions, so that a compiler keeps each loop's state in
// registers. The clipped walk, which has the most of it, is kept out of line for that.

// Every run drawn whole: nothing is cut off at the sides. first points at the first visible
// row's entry of RowRuns::first.
template <bool kAlpha, RunKinds kKinds, typename Row>
void DrawWholeRuns(RowWalk w, const std::uint32_t* first, const PixelRun* all, Row row) {
  // Locals rather than the argument's fields, which a compiler may keep in memory.
  std::uint16_t* destination = w.destination;
  const std::uint16_t* source = w.source;
  const std::uint8_t* alpha = w.alpha;
  const std::ptrdiff_t stride = w.stride, imageWidth = w.imageWidth;
  for (const std::uint32_t* const rowsEnd = first + w.height; first != rowsEnd; ++first) {
    for (const PixelRun *r = all + first[0], *const last = all + first[1]; r != last; ++r) {
      const int begin = r->begin;
      DrawRun<kAlpha, kKinds>(*r, destination + begin, source + begin,
                              kAlpha ? alpha + begin : nullptr, r->end - begin, row);
    }
    destination = Opaque(destination + stride);
    source = Opaque(source + imageWidth);
    if constexpr (kAlpha) alpha = Opaque(alpha + imageWidth);
  }
}

// Runs cut to columns [from, to) of the image; the walk's pointers sit at column from. A row's runs
// end where the next row's begin, so one run pointer goes through them all.
template <bool kAlpha, RunKinds kKinds, typename Row>
[[gnu::noinline]] void DrawClippedRuns(RowWalk w, const std::uint32_t* first, const PixelRun* all,
                                       int from, int to, Row row) {
  // Locals rather than the argument's fields, which a compiler may keep in memory.
  std::uint16_t* destination = w.destination;
  const std::uint16_t* source = w.source;
  const std::uint8_t* alpha = w.alpha;
  const std::ptrdiff_t stride = w.stride, imageWidth = w.imageWidth;
  const PixelRun* r = all + first[0];
  for (const std::uint32_t* const rowsEnd = first + w.height; first != rowsEnd; ++first) {
    const PixelRun* const last = all + first[1];
    // Runs come left to right: those before the clip are passed, those after it end the row.
    while (r != last && r->end <= from)
      ++r;
    for (; r != last && r->begin < to; ++r) {
      const int begin = r->begin > from ? r->begin : from;
      const int end = r->end < to ? r->end : to;
      const int skip = begin - from;
      DrawRun<kAlpha, kKinds>(*r, destination + skip, source + skip,
                              kAlpha ? alpha + skip : nullptr, end - begin, row);
    }
    r = last;
    destination = Opaque(destination + stride);
    source = Opaque(source + imageWidth);
    if constexpr (kAlpha) alpha = Opaque(alpha + imageWidth);
  }
}

// Every visible pixel goes through the rule.
template <bool kAlpha, typename Row>
void DrawAllRows(RowWalk w, std::int32_t width, Row row) {
  for (std::int32_t j = 0; j < w.height; ++j) {
    row(w.destination, w.source, w.alpha, width);
    w.destination += w.stride;
    w.source += w.imageWidth;
    if constexpr (kAlpha) w.alpha += w.imageWidth;
  }
}

// The frame of every image operation. row(destination, source, alpha, width) applies the
// operation's rule to a stretch of one visible row; alpha is null unless the operation needs it
// (kAlpha). With kRuns, an image that has runs (PixelRuns.h) is drawn run by run: what lies
// between runs is left alone, as the rule would leave it, and copy runs are copied.
template <bool kAlpha, bool kRuns, typename Row>
int DrawRows(const DrawSurface& surface, int x, int y, const Image* image, std::uint8_t use,
             Row row) {
  if (image == nullptr || image->Use() != use) return 0;
  if (!HasWordPixels(*image) || (kAlpha && image->Alpha() == nullptr)) return 1;
  // After a failed lock there are no pixels: the frame's drawing is skipped.
  if (surface.pixels == nullptr) return 1;
  const ImageClip clip = ClipImage(surface, x, y, *image);
  if (!clip.visible) return 1;

  const RowWalk walk{surface.pixels + clip.destination,
                     image->Pixels16() + clip.source,
                     kAlpha ? image->Alpha() + clip.source : nullptr,
                     surface.stride,
                     image->Width(),
                     clip.height};
  if (const RowRuns* runs = kRuns ? image->Runs() : nullptr; runs != nullptr) {
    // Columns are counted from the image's left edge; the pointers sit at the clip's.
    const std::ptrdiff_t left = clip.source % walk.imageWidth;
    const std::ptrdiff_t right = left + clip.width;
    const std::uint32_t* first = runs->first.data() + clip.source / walk.imageWidth;
    const PixelRun* all = runs->runs.data();
    const int from = static_cast<int>(left), to = static_cast<int>(right);
    const bool whole = left == 0 && right == walk.imageWidth;
    auto draw = [&]<RunKinds kKinds>() {
      if (whole) {
        DrawWholeRuns<kAlpha, kKinds>(walk, first, all, row);
      } else {
        DrawClippedRuns<kAlpha, kKinds>(walk, first, all, from, to, row);
      }
    };
    if (!runs->copiesOnly) {
      draw.template operator()<RunKinds::kMixed>();
    } else if (std::min<int>(runs->longest, clip.width) < rows::kLongCopy) {
      // No visible run is longer than the image's longest, nor than the visible width.
      draw.template operator()<RunKinds::kShortCopies>();
    } else {
      draw.template operator()<RunKinds::kCopies>();
    }
    return 1;
  }
  DrawAllRows<kAlpha>(walk, clip.width, row);
  return 1;
}

}  // namespace

int DrawPlain(const DrawSurface& surface, int x, int y, const Image* image) {
  // Whole rows of an image as wide as the back buffer's stride lie end to end in both, so they
  // are copied as one block.
  if (image != nullptr && image->Use() == DRAW_PLAIN && surface.pixels != nullptr &&
      HasWordPixels(*image) && image->Width() == surface.stride) {
    const ImageClip clip = ClipImage(surface, x, y, *image);
    if (clip.visible && clip.width == surface.stride) {
      std::memcpy(surface.pixels + clip.destination, image->Pixels16() + clip.source,
                  static_cast<std::size_t>(clip.width) * static_cast<std::size_t>(clip.height) *
                      sizeof(std::uint16_t));
      return 1;
    }
  }
  return DrawRows<false, false>(
      surface, x, y, image, DRAW_PLAIN,
      [](std::uint16_t* d, const std::uint16_t* s, const std::uint8_t*, int n) {
        std::memcpy(d, s, static_cast<std::size_t>(n) * sizeof(std::uint16_t));
      });
}

int DrawMasked(const DrawSurface& surface, int x, int y, const Image* image) {
  return DrawRows<false, true>(surface, x, y, image, DRAW_MASKED,
                               [](std::uint16_t* d, const std::uint16_t* s, const std::uint8_t*,
                                  int n) { rows::Masked(d, s, n); });
}

int DrawAlpha(const DrawSurface& surface, int x, int y, const Image* image) {
  const rows::Fields f = ScreenFields();
  if (!f.Fit16()) {
    return DrawRows<true, true>(surface, x, y, image, DRAW_ALPHA,
                                [f](std::uint16_t* d, const std::uint16_t* s, const std::uint8_t* a,
                                    int n) { rows::AlphaScalar(d, s, a, n, f); });
  }
  return DrawRows<true, true>(surface, x, y, image, DRAW_ALPHA,
                              [f](std::uint16_t* d, const std::uint16_t* s, const std::uint8_t* a,
                                  int n) { rows::Alpha(d, s, a, n, f); });
}

int DrawAdd(const DrawSurface& surface, int x, int y, const Image* image) {
  const rows::Fields f = ScreenFields();
  // The alpha plane is required but not read: the source word alone decides.
  if (!f.Fit16()) {
    return DrawRows<true, true>(surface, x, y, image, DRAW_ADD,
                                [f](std::uint16_t* d, const std::uint16_t* s, const std::uint8_t*,
                                    int n) { rows::AddScalar(d, s, n, f); });
  }
  return DrawRows<true, true>(surface, x, y, image, DRAW_ADD,
                              [f](std::uint16_t* d, const std::uint16_t* s, const std::uint8_t*,
                                  int n) { rows::Add(d, s, n, f); });
}

}  // namespace engine::graphics
