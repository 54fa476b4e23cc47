// TextLineBuffer.cpp -- the square text-line buffer.
#include "engine/support/TextLineBuffer.h"

#include <algorithm>

namespace engine::support {

TextLineBuffer::TextLineBuffer(std::size_t size) : size_(size), cells_(size * size, '\0') {}

void TextLineBuffer::PutChar(char c) {
  if (size_ == 0 || c == '\0') return;
  if (c == kCarriageReturn) {
    Advance();
    return;
  }
  if (c == kBackspace) {
    if (column_ > 0) RowStart(row_)[--column_] = '\0';
    return;
  }
  if (column_ == size_) Advance();
  RowStart(row_)[column_++] = c;
}

void TextLineBuffer::NewLine(std::string_view text) {
  if (size_ == 0) return;
  Advance();
  column_ = std::min(text.size(), size_);
  std::copy_n(text.begin(), column_, RowStart(row_));
}

std::string_view TextLineBuffer::Line(std::size_t above) const {
  if (size_ == 0 || above > row_) return {};
  const char* start = cells_.data() + (row_ - above) * size_;
  return {start, static_cast<std::size_t>(std::find(start, start + size_, '\0') - start)};
}

void TextLineBuffer::Advance() {
  if (row_ + 1 < size_) {
    ++row_;
  } else {
    std::copy(cells_.begin() + static_cast<std::ptrdiff_t>(size_), cells_.end(), cells_.begin());
  }
  std::fill_n(RowStart(row_), size_, '\0');
  column_ = 0;
}

}  // namespace engine::support
