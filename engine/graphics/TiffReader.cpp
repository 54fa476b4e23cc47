// TiffReader.cpp -- reads the header and first directory of a TIFF file, checks that what it
// describes lies inside the file, and decodes its strips into an Image.
#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/core/ErrorReport.h"
#include "engine/graphics/ImageFile.h"
#include "engine/graphics/PixelRows.h"
#include "engine/graphics/ScreenFormat.h"
#include "engine/graphics/TiffFormat.h"
#include "engine/graphics/TiffInput.h"
#include "engine/graphics/TiffStrips.h"
#include "engine/support/DebugLog.h"
#include "engine/support/Exit.h"
#include "engine/support/File.h"

namespace engine::graphics {

namespace {

using tiff::Entry;
using tiff::TiffInput;

constexpr char kLzwNotice[] =
    "TIF Load Error: LZW Compression not supported.\n\nVorel does not support LZW compressed TIF "
    "images. Save your TIF image again and be sure that the LZW compression option is turned "
    "off.\n";

// A line on standard output, written at once: the process may end right after it.
void Print(const char* line) {
  std::fputs(line, stdout);
  std::fflush(stdout);
}

[[noreturn]] void Fatal(const char* line) {
  Print(line);
  support::ExitProcess(-1);
}

// What the directory said beyond the loader's own fields, kept unsigned for the checks.
struct Directory {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  bool hasRowsPerStrip = false;
  std::uint32_t rowsPerStrip = 0;
  bool hasStripOffsets = false;
  Entry stripOffsets;
};

void Apply(ImageFile& f, Directory& dir, const Entry& e) {
  const auto value = static_cast<std::int32_t>(e.value);
  switch (e.tag) {
    case tiff::kImageWidth:
      dir.width = e.value;
      f.width = value;
      break;
    case tiff::kImageLength:
      dir.height = e.value;
      f.height = value;
      break;
    case tiff::kBitsPerSample:
      f.samplesPerPixel = static_cast<std::int32_t>(e.count);
      if (e.count == 1) {
        f.bitsPerSample = value;
        f.mode = e.value == 1 ? 0 : 1;
      } else if (e.count == 2) {
        f.bitsPerSample = f.bitsValue = value;
        f.mode = 1;
      } else if (e.count == 3 || e.count == 4) {
        f.bitsValue = value;
        f.mode = 2;
      } else {
        Fatal("Load:Tiff: Unknown TIFF mode.\n");
      }
      break;
    case tiff::kCompression:
      f.compression = value;
      // The data is then read as if it were uncompressed.
      if (e.value != 1) core::ShowNotice(kLzwNotice, "Vorel Error");
      break;
    case tiff::kPhotometric:
      f.photometric = value;
      if (e.value == 3) f.mode = 3;
      break;
    case tiff::kStripOffsets:
      f.stripOffsets = value;
      dir.hasStripOffsets = true;
      dir.stripOffsets = e;
      break;
    case tiff::kRowsPerStrip:
      f.rowsPerStrip = value;
      dir.hasRowsPerStrip = true;
      dir.rowsPerStrip = e.value;
      break;
    case tiff::kStripByteCounts:
      f.stripByteCounts = value;
      break;
    case tiff::kExtraSamples:
      f.hasExtraSample = 1;
      break;
    default:
      break;
  }
}

// Reads the entry count and the entries at offset. Returns an empty string, or the problem.
std::string ReadEntries(TiffInput& in, std::uint32_t offset, ImageFile& f, Directory& dir,
                        std::uint64_t& nextPosition) {
  std::uint16_t count = 0;
  if (!in.Holds(offset, 2) || !in.SeekTo(offset) || !in.Read16(count)) {
    return "The image directory lies past the end of the file.";
  }
  const std::uint64_t entries = static_cast<std::uint64_t>(count) * tiff::kEntrySize;
  if (!in.Holds(offset + 2u, entries)) {
    return "The image directory's " + std::to_string(count) +
           " entries run past the end of the file.";
  }
  nextPosition = offset + 2u + entries;
  for (std::uint16_t i = 0; i < count; ++i) {
    Entry e;
    if (!in.ReadEntry(e)) return "The image directory could not be read.";
    Apply(f, dir, e);
  }
  return {};
}

std::string SampleProblem(const std::vector<std::uint16_t>& bits) {
  std::string list;
  for (std::size_t i = 0; i < bits.size(); ++i) {
    list += (i == 0 ? "" : i + 1 == bits.size() ? " and " : ", ") + std::to_string(bits[i]);
  }
  return "Samples of " + list + " bits are not supported; every sample must have 8, 16 or 32 bits.";
}

// Reads BitsPerSample's array and fills the layout's sample fields. Returns an empty string, or
// the problem.
std::string ReadSamples(TiffInput& in, ImageFile& f, tiff::PixelLayout& layout) {
  const auto samples = static_cast<std::uint32_t>(f.samplesPerPixel);
  if (samples < 3 || samples > 4) return "RGB pixels need 3 or 4 samples.";
  if (f.hasExtraSample != 0 && samples < 4) {
    return "ExtraSamples is given, but BitsPerSample lists only " + std::to_string(samples) +
           " samples.";
  }
  const auto at = static_cast<std::uint32_t>(f.bitsValue);
  if (!in.Holds(at, 2u * samples) || !in.SeekTo(at)) {
    return "The BitsPerSample values lie past the end of the file.";
  }
  std::vector<std::uint16_t> bits(samples);
  for (auto& b : bits) {
    if (!in.Read16(b)) return "The BitsPerSample values could not be read.";
  }
  f.bitsRed = bits[0];
  f.bitsGreen = bits[1];
  f.bitsBlue = bits[2];
  f.bitsAlpha = f.hasExtraSample != 0 ? bits[3] : 0;
  // Every sample is read with the size of the first, so they must all agree.
  const bool same = std::all_of(bits.begin(), bits.end(), [&](auto b) { return b == bits[0]; });
  if (!same || (bits[0] != 8 && bits[0] != 16 && bits[0] != 32)) return SampleProblem(bits);
  layout.sampleBytes = bits[0] / 8;
  layout.samples = static_cast<std::int32_t>(samples);
  layout.alpha = f.hasExtraSample != 0;
  return {};
}

const char* ModeName(std::int32_t mode) {
  switch (mode) {
    case 0:
      return "bilevel";
    case 1:
      return "grey";
    default:
      return "palette";
  }
}

// Checks what the directory describes and fills the layout. Returns an empty string, or the
// problem.
std::string Describe(TiffInput& in, ImageFile& f, const Directory& dir, tiff::PixelLayout& layout) {
  if (f.mode != 2) {
    return std::string("Only RGB images can be loaded; this one is ") + ModeName(f.mode) + ".";
  }
  const auto side = static_cast<std::uint32_t>(ImageFile::kMaxSide);
  if (dir.width < 1 || dir.width > side || dir.height < 1 || dir.height > side) {
    return "The image is " + std::to_string(dir.width) + " x " + std::to_string(dir.height) +
           " pixels; each side must be 1 to " + std::to_string(side) + ".";
  }
  layout.width = f.width;
  layout.height = f.height;
  if (std::string problem = ReadSamples(in, f, layout); !problem.empty()) return problem;
  f.createFormat = f.hasExtraSample != 0 ? IMG_24BIT | IMG_ALPHA : IMG_24BIT;
  f.bitsPerPixel = layout.samples * layout.sampleBytes * 8;
  f.bytesPerRow = static_cast<std::int32_t>(layout.BytesPerRow());

  if (dir.hasRowsPerStrip && dir.rowsPerStrip == 0) return "RowsPerStrip is 0.";
  // Without RowsPerStrip the image is one strip; TIFF's "all rows" value 2^32 - 1 and any other
  // value beyond the height mean the same.
  layout.rowsPerStrip = static_cast<std::int32_t>(
      dir.hasRowsPerStrip ? std::min(dir.rowsPerStrip, dir.height) : dir.height);
  f.rowsPerStrip = layout.rowsPerStrip;
  f.stripCount = static_cast<std::int32_t>(layout.StripCount());
  if (!dir.hasStripOffsets) return "The file has no StripOffsets.";
  return {};
}

bool Refuse(ImageFile& f, Image& target, const std::string& problem) {
  target.Free();
  const std::string name(f.Name());
  core::ShowNotice("TIF Load Error: " + name + "\n\n" + problem + "\n", "Vorel Error");
  support::Log.Write("ImageFile::LoadTiff: " + name + ": " + problem + "\n");
  return false;
}

}  // namespace

bool ImageFile::LoadTiff(support::File& file, Image& target) {
  image = &target;
  CopyName(file.Name());
  ResetFields();
  TiffInput in(file);

  std::array<std::uint8_t, 2> mark{};
  in.ReadRaw(mark.size(), mark.data());
  in.SetReversed(mark[0] != 'I' || mark[1] != 'I');
  std::uint16_t magic = 0;
  if (!in.Read16(magic) || magic != 42) {
    Fatal("Load:Tiff: File is corrupted, or is not a .TIFF file.\n");
  }

  std::uint32_t first = 0;
  if (!in.Read32(first)) return Refuse(*this, target, "The file ends inside its header.");
  Directory dir;
  std::uint64_t nextPosition = 0;
  tiff::PixelLayout layout;
  std::vector<std::uint32_t> offsets;
  std::string problem = ReadEntries(in, first, *this, dir, nextPosition);
  if (problem.empty()) problem = Describe(in, *this, dir, layout);
  if (problem.empty())
    problem = tiff::ReadStripOffsets(in, dir.stripOffsets, layout.StripCount(), offsets);
  if (problem.empty()) problem = tiff::CheckStrips(in, layout, offsets);
  if (!problem.empty()) return Refuse(*this, target, problem);

  const PixelFormat& screen = ScreenFormat;
  const rows::Packing packing{screen.rshift, screen.rbits,  screen.gshift,
                              screen.gbits,  screen.bshift, screen.bbits};
  bool decoded = false;
  if (toScreen_ && layout.sampleBytes == 1 && packing.Fits()) {
    // The 16-bit image SetUse would make of the 24-bit one: for masked use, masked words and no
    // alpha plane, as MakeMask leaves it; otherwise with the alpha plane.
    const bool masked = loadUse_ == DRAW_MASKED && layout.alpha && layout.samples == 4;
    const auto format16 = static_cast<std::uint8_t>((createFormat & ~IMG_24BIT) | IMG_16BIT);
    if (masked) {
      target.CreateUnset(width, height,
                         static_cast<std::uint8_t>((format16 & ~IMG_ALPHA) | IMG_MASKED),
                         Image::AlphaPlane::kNone);
    } else {
      target.CreateUnset(width, height, format16,
                         layout.alpha ? Image::AlphaPlane::kUnset : Image::AlphaPlane::kZeroed);
    }
    decoded = tiff::DecodeStripsToScreen(in, layout, offsets, packing, masked, target);
  } else {
    target.Create(width, height, static_cast<std::uint8_t>(createFormat));
    decoded = tiff::DecodeStrips(in, layout, offsets, target);
  }
  if (!decoded) return Refuse(*this, target, "The pixel data could not be read.");

  std::uint32_t next = 0;
  if (in.Holds(nextPosition, 4) && in.SeekTo(nextPosition) && in.Read32(next) && next != 0) {
    Print("Load:Tiff: (Warning only) File contains multiple tiff images - reading only first.\n");
  }
  loaded = 1;
  return true;
}

}  // namespace engine::graphics
