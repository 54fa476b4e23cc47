// TiffInput.h -- reads TIFF values from an open File through a ByteOrder, and refuses to seek
// or read outside the file, so that no offset in a file can send the reader astray. The file is
// read through a window of up to kWindow bytes, so that a small picture costs one read of the
// file however often the reader seeks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "engine/graphics/TiffFormat.h"
#include "engine/support/ByteOrder.h"

namespace engine::support {
class File;
}

namespace engine::graphics::tiff {

class TiffInput {
 public:
  // Measures the file and goes back to its start.
  explicit TiffInput(support::File& file);

  void SetReversed(bool reversed) { order_.SetReversed(reversed ? 1 : 0); }
  bool Reversed() const { return order_.reversed != 0; }
  std::uint64_t Size() const { return size_; }
  // True when bytes bytes starting at offset lie inside the file; never overflows.
  bool Holds(std::uint64_t offset, std::uint64_t bytes) const {
    return offset <= size_ && bytes <= size_ - offset;
  }

  // The largest window; a longer Take gets a window of its own size.
  static constexpr std::size_t kWindow = std::size_t{256} << 10;

  // Each returns false, and changes nothing it reports, when the file cannot deliver.
  bool SeekTo(std::uint64_t offset);
  std::uint64_t Position() const;
  bool ReadRaw(std::size_t count, void* buffer);
  bool Read16(std::uint16_t& value);
  bool Read32(std::uint32_t& value);
  bool ReadEntry(Entry& entry);
  // The next count bytes of the file, valid until the next call that reads; null when the file
  // cannot deliver them. Moves past them.
  const std::uint8_t* Take(std::size_t count);

  // The byte-order conversions for values already in memory.
  std::uint16_t Short(const std::uint8_t* bytes) const;
  std::uint32_t Long(const std::uint8_t* bytes) const;

 private:
  // Makes the window hold count bytes from position_; false when the file cannot deliver.
  bool Fill(std::size_t count);

  support::File& file_;
  support::ByteOrder order_;
  std::uint64_t size_ = 0;
  std::uint64_t position_ = 0;      // where the next read starts
  std::uint64_t filePosition_ = 0;  // where the file itself stands
  std::unique_ptr<std::uint8_t[]> window_;
  std::size_t capacity_ = 0;
  std::uint64_t windowAt_ = 0;  // the file offset of window_[0]
  std::size_t windowLength_ = 0;
};

}  // namespace engine::graphics::tiff
