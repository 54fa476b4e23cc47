// TextLineBuffer.h -- a square block of text lines for typed input: characters go into the
// current line, and the block scrolls up once its last line is full.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace engine::support {

class TextLineBuffer {
 public:
  static constexpr char kCarriageReturn = 13;
  static constexpr char kBackspace = 8;

  // size lines of size characters each, all zero; the first line is current.
  explicit TextLineBuffer(std::size_t size);

  // Carriage return starts a new line, backspace deletes the last character of the current
  // line (none at its start), a zero character is ignored; any other character is appended,
  // a full line first wrapping to a new one.
  void PutChar(char c);
  // Starts a new line holding text, cut to the line width.
  void NewLine(std::string_view text = {});

  // The current line (above = 0) or the line that many above it; empty above the first line.
  std::string_view Line(std::size_t above = 0) const;
  std::size_t Size() const { return size_; }
  // The index of the current line, from 0 at the top.
  std::size_t Row() const { return row_; }

 private:
  char* RowStart(std::size_t row) { return cells_.data() + row * size_; }
  // Moves to the next line, scrolling everything up by one when the current line is the last.
  void Advance();

  std::size_t size_;
  std::vector<char> cells_;
  std::size_t row_ = 0;
  std::size_t column_ = 0;
};

}  // namespace engine::support
