// TiffInput.h -- reads TIFF values from an open File through a ByteOrder, and refuses to seek
// or read outside the file, so that no offset in a file can send the reader astray.
#pragma once

#include <cstddef>
#include <cstdint>

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

  // Each returns false, and changes nothing it reports, when the file cannot deliver.
  bool SeekTo(std::uint64_t offset);
  std::uint64_t Position() const;
  bool ReadRaw(std::size_t count, void* buffer);
  bool Read16(std::uint16_t& value);
  bool Read32(std::uint32_t& value);
  bool ReadEntry(Entry& entry);

  // The byte-order conversions for values already in memory.
  std::uint16_t Short(const std::uint8_t* bytes) const;
  std::uint32_t Long(const std::uint8_t* bytes) const;

 private:
  support::File& file_;
  support::ByteOrder order_;
  std::uint64_t size_ = 0;
};

}  // namespace engine::graphics::tiff
