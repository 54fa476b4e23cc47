// TiffFuzz.cpp -- fuzz target for the TIFF reader: any bytes are either read into a 24-bit
// picture that matches what the reader reported, refused with its notice and an empty image,
// or end in one of the reader's specified exits. In the fuzz build, a picture libtiff reads
// too must have the same pixels. The game's way of loading a picture for a use, which may
// decode straight to the screen format, must give what reading and then SetUse give.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>

#include "engine/graphics/Image.h"
#include "engine/graphics/ImageFile.h"
#include "engine/graphics/ScreenFormat.h"
#include "engine/support/File.h"
#include "fuzz/FuzzSupport.h"
#if CURBSIDE_FUZZ_LIBTIFF
#include "fuzz/LibTiffOracle.h"
#endif

namespace {

constexpr char kTarget[] = "tiff";

using engine::graphics::Image;
using engine::graphics::ImageFile;

void CheckLoaded(const ImageFile& loader, const Image& image) {
  FUZZ_CHECK(kTarget, loader.loaded == 1, "loaded not set after a successful read");
  FUZZ_CHECK(kTarget, image.Width() == loader.width && image.Height() == loader.height,
             "image size differs from the directory's");
  FUZZ_CHECK(kTarget,
             image.Width() >= 1 && image.Width() <= ImageFile::kMaxSide && image.Height() >= 1 &&
                 image.Height() <= ImageFile::kMaxSide,
             "accepted a side out of range");
  const std::size_t pixels = static_cast<std::size_t>(image.Width()) * image.Height();
  FUZZ_CHECK(kTarget, image.PixelBufferSize() == pixels * 3, "pixel buffer of the wrong size");
  const bool alpha = image.Format() == (engine::graphics::IMG_24BIT | engine::graphics::IMG_ALPHA);
  FUZZ_CHECK(kTarget, alpha || image.Format() == engine::graphics::IMG_24BIT,
             "format " + std::to_string(image.Format()));
  // A 24-bit image always has an alpha plane; the format says whether it holds the file's.
  FUZZ_CHECK(kTarget, alpha == (loader.hasExtraSample != 0),
             "the alpha format does not follow ExtraSamples");
}

void CheckRefused(fuzz::Session& session, const Image& image) {
  FUZZ_CHECK(kTarget, !image.HasPixels() && !image.HasAlphaPlane() && image.Width() == 0,
             "a refused file left an image");
  bool noticed = false;
  for (const auto& n : session.Notices())
    noticed |= n.caption == "Vorel Error" && n.text.rfind("TIF Load Error: fuzz.tif\n\n", 0) == 0;
  FUZZ_CHECK(kTarget, noticed, "a refused file showed no notice naming it");
}

#if CURBSIDE_FUZZ_LIBTIFF
void CompareWithLibTiff(const std::uint8_t* data, std::size_t size, const Image& image) {
  const auto reference = fuzz::ReadWithLibTiff(data, size);
  if (!reference) return;
  fuzz::Tally(reference->alpha ? "compared with libtiff (RGBA)" : "compared with libtiff (RGB)");
  FUZZ_CHECK(kTarget,
             reference->width == static_cast<std::uint32_t>(image.Width()) &&
                 reference->height == static_cast<std::uint32_t>(image.Height()),
             "libtiff reads " + std::to_string(reference->width) + " x " +
                 std::to_string(reference->height) + ", we read " + std::to_string(image.Width()) +
                 " x " + std::to_string(image.Height()));
  const std::span<const std::uint8_t> rgb(image.PixelBytes(), image.PixelBufferSize());
  for (std::size_t i = 0; i < rgb.size(); ++i) {
    FUZZ_CHECK(kTarget, rgb[i] == reference->rgb[i],
               "pixel " + std::to_string(i / 3) + " channel " + std::to_string(i % 3) +
                   ": libtiff " + std::to_string(reference->rgb[i]) + ", we " +
                   std::to_string(rgb[i]));
  }
  const bool alpha = (image.Format() & engine::graphics::IMG_ALPHA) != 0;
  if (alpha && reference->alpha) {
    for (std::size_t i = 0; i < reference->extra.size(); ++i) {
      FUZZ_CHECK(kTarget, image.Alpha()[i] == reference->extra[i],
                 "alpha of pixel " + std::to_string(i) + " differs from libtiff's");
    }
  }
}
#endif

// The game's loading for a use, on the same bytes: it must end as reading and then SetUse did.
// expected is the picture LoadTiff and SetUse made, or nullptr when LoadTiff ended the process.
void CheckLoadForUse(const std::uint8_t* data, std::size_t size, std::uint8_t use, bool read,
                     const Image* expected, int exitCode) {
  ImageFile loader;
  Image image;
  bool loaded = false;
  try {
    engine::support::File file;
    file.OpenMemory("fuzz.tif", std::span<const std::uint8_t>(data, size));
    loaded = loader.Load(file, image, use);
  } catch (const fuzz::ExpectedExit& exit) {
    FUZZ_CHECK(kTarget, expected == nullptr && exit.code == exitCode,
               "loading for a use exited where reading did not");
    return;
  }
  FUZZ_CHECK(kTarget, expected != nullptr, "reading exited where loading for a use did not");
  FUZZ_CHECK(kTarget, loaded == read, "loading for a use and reading disagree on the outcome");
  const std::string which = " (use " + std::to_string(use) + ")";
  FUZZ_CHECK(kTarget,
             image.Width() == expected->Width() && image.Height() == expected->Height() &&
                 image.Format() == expected->Format() && image.Use() == expected->Use(),
             "loading for a use gives format " + std::to_string(image.Format()) +
                 ", reading and SetUse " + std::to_string(expected->Format()) + which);
  FUZZ_CHECK(kTarget, image.PixelBufferSize() == expected->PixelBufferSize(),
             "loading for a use gives another pixel buffer size" + which);
  FUZZ_CHECK(kTarget,
             image.PixelBufferSize() == 0 || std::memcmp(image.PixelBytes(), expected->PixelBytes(),
                                                         image.PixelBufferSize()) == 0,
             "loading for a use gives other pixels than reading and SetUse" + which);
  FUZZ_CHECK(kTarget, image.HasAlphaPlane() == expected->HasAlphaPlane(),
             "loading for a use differs in having an alpha plane" + which);
  const std::size_t pixels = static_cast<std::size_t>(image.Width()) * image.Height();
  FUZZ_CHECK(kTarget,
             !image.HasAlphaPlane() || pixels == 0 ||
                 std::memcmp(image.Alpha(), expected->Alpha(), pixels) == 0,
             "loading for a use gives another alpha plane than reading and SetUse" + which);
  fuzz::Tally(read ? "loaded for a use, same as read and SetUse" : "refused for a use too");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Session session;
  engine::graphics::ScreenFormat = engine::graphics::PixelFormat::FromMasks(0xF800, 0x07E0, 0x001F);
  // Any use, the undefined ones included, as a file's last byte might pick it.
  const auto use = static_cast<std::uint8_t>(size % 6);
  ImageFile loader;
  Image image;
  bool read = false;
  try {
    engine::support::File file;
    file.OpenMemory("fuzz.tif", std::span<const std::uint8_t>(data, size));
    read = loader.LoadTiff(file, image);
  } catch (const fuzz::ExpectedExit& exit) {
    FUZZ_CHECK(kTarget, exit.code == -1, "exit code " + std::to_string(exit.code));
    fuzz::Tally("specified exit");
    CheckLoadForUse(data, size, use, false, nullptr, exit.code);
    return 0;
  }
  if (!read) {
    CheckRefused(session, image);
    fuzz::Tally("refused with a notice");
  } else {
    CheckLoaded(loader, image);
    fuzz::Tally("read");
#if CURBSIDE_FUZZ_LIBTIFF
    CompareWithLibTiff(data, size, image);
#endif
  }
  // The game prepares every picture for a use right after reading it, whatever the outcome.
  image.SetUse(use);
  FUZZ_CHECK(
      kTarget,
      image.PixelBufferSize() >= static_cast<std::size_t>(image.Width()) * image.Height() * 2,
      "a prepared picture has fewer than two bytes a pixel");
  CheckLoadForUse(data, size, use, read, &image, 0);
  return 0;
}
