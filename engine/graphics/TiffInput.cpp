// TiffInput.cpp -- bounded reads of TIFF values through the byte order.
#include "engine/graphics/TiffInput.h"

#include <algorithm>
#include <cstring>

#include "engine/support/File.h"

namespace engine::graphics::tiff {

TiffInput::TiffInput(support::File& file) : file_(file) {
  if (file_.Seek(-2) == 0) {
    const long end = file_.Tell();
    if (end > 0) size_ = static_cast<std::uint64_t>(end);
  }
  file_.Seek(-1);
}

bool TiffInput::SeekTo(std::uint64_t offset) {
  if (offset > size_) return false;
  position_ = offset;
  return true;
}

std::uint64_t TiffInput::Position() const {
  return position_;
}

bool TiffInput::Fill(std::size_t count) {
  if (position_ >= windowAt_ && position_ - windowAt_ <= windowLength_ &&
      count <= windowLength_ - (position_ - windowAt_)) {
    return true;
  }
  // Holds(position_, count) was checked, so the file has at least count bytes from here.
  const std::size_t want = static_cast<std::size_t>(
      std::min<std::uint64_t>(std::max(count, kWindow), size_ - position_));
  if (want > capacity_) {
    // Uninitialised: every byte is read into before it is used.
    window_.reset(new std::uint8_t[want]);
    capacity_ = want;
  }
  windowLength_ = 0;
  // Seek's -1 and -2 mean the start and the end, so offsets are passed only when they are
  // inside the file, which also keeps them far below those values' unsigned forms.
  if (filePosition_ != position_) {
    if (file_.Seek(static_cast<long>(position_)) != 0) return false;
    filePosition_ = position_;
  }
  if (file_.ReadBytes(want, window_.get()) != support::FILE_SUCCESS) {
    // Where a failed read leaves the file is not known; the next fill seeks.
    filePosition_ = ~std::uint64_t{0};
    return false;
  }
  filePosition_ += want;
  windowAt_ = position_;
  windowLength_ = want;
  return true;
}

const std::uint8_t* TiffInput::Take(std::size_t count) {
  if (!Holds(position_, count) || !Fill(count)) return nullptr;
  const std::uint8_t* at = window_.get() + (position_ - windowAt_);
  position_ += count;
  return at;
}

bool TiffInput::ReadRaw(std::size_t count, void* buffer) {
  if (count == 0) return true;
  const std::uint8_t* bytes = Take(count);
  if (bytes == nullptr) return false;
  std::memcpy(buffer, bytes, count);
  return true;
}

std::uint16_t TiffInput::Short(const std::uint8_t* bytes) const {
  std::int16_t raw = 0;
  std::memcpy(&raw, bytes, sizeof raw);
  return static_cast<std::uint16_t>(order_.ReadShort(raw));
}

std::uint32_t TiffInput::Long(const std::uint8_t* bytes) const {
  std::int32_t raw = 0;
  std::memcpy(&raw, bytes, sizeof raw);
  return static_cast<std::uint32_t>(order_.ReadLong(raw));
}

bool TiffInput::Read16(std::uint16_t& value) {
  std::uint8_t bytes[2] = {};
  if (!ReadRaw(sizeof bytes, bytes)) return false;
  value = Short(bytes);
  return true;
}

bool TiffInput::Read32(std::uint32_t& value) {
  std::uint8_t bytes[4] = {};
  if (!ReadRaw(sizeof bytes, bytes)) return false;
  value = Long(bytes);
  return true;
}

bool TiffInput::ReadEntry(Entry& entry) {
  std::uint8_t bytes[kEntrySize] = {};
  if (!ReadRaw(sizeof bytes, bytes)) return false;
  entry.tag = Short(bytes);
  entry.type = Short(bytes + 2);
  entry.count = Long(bytes + 4);
  std::memcpy(entry.raw.data(), bytes + 8, entry.raw.size());
  // A single SHORT sits in the first two bytes of the value field; the other two are padding.
  entry.value = entry.type == kTypeShort && entry.count == 1 ? Short(bytes + 8) : Long(bytes + 8);
  return true;
}

}  // namespace engine::graphics::tiff
