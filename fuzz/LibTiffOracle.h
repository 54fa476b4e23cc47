// LibTiffOracle.h -- reads a TIFF file with libtiff, for the TIFF fuzz target's comparison.
// Built only in the fuzz build, where libtiff is installed.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace fuzz {

// What the engine's reader keeps of an uncompressed RGB(A) picture: the most significant byte
// of each sample, three a pixel, and the fourth sample when ExtraSamples announces it.
struct ReferencePicture {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  bool alpha = false;
  std::vector<std::uint8_t> rgb;    // width x height x 3
  std::vector<std::uint8_t> extra;  // width x height when alpha
};

// The picture as libtiff reads it, or nothing when libtiff refuses the file or the file is
// outside what both readers claim to read: the first directory, well formed, of an
// uncompressed, contiguous, striped RGB file with 3 or 4 samples of 8, 16 or 32 bits.
std::optional<ReferencePicture> ReadWithLibTiff(const std::uint8_t* data, std::size_t size);

}  // namespace fuzz
