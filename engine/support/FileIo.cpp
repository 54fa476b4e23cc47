// FileIo.cpp -- reading, writing and positioning of an open File.
#include "engine/support/File.h"

namespace engine::support {

std::int32_t File::ReadBytes(std::size_t count, void* buffer) {
  if (stream == nullptr) return FILE_READERROR;
  // fread counts whole items, and an item of zero bytes is never "read"; nothing asked for is
  // nothing missing.
  const bool read = count == 0 || std::fread(buffer, count, 1, stream) == 1;
  if ((flags & FILE_READ) == 0) return FILE_NOTREADMODE;
  if (read) return FILE_SUCCESS;
  return std::feof(stream) != 0 ? FILE_ATEOF : FILE_READERROR;
}

std::int32_t File::WriteBytes(std::size_t count, const void* buffer) {
  if (stream == nullptr) return FILE_WRITEERROR;
  const bool written = count == 0 || std::fwrite(buffer, count, 1, stream) == 1;
  if ((flags & FILE_WRITE) == 0) return FILE_NOTWRITEMODE;
  return written ? FILE_SUCCESS : FILE_WRITEERROR;
}

std::int32_t File::ReadChar(char& out) {
  out = '\0';
  if (stream == nullptr) return FILE_READERROR;
  const int c = std::fgetc(stream);
  if ((flags & FILE_READ) == 0) return FILE_NOTREADMODE;
  if (c != EOF) {
    out = static_cast<char>(c);
    return FILE_SUCCESS;
  }
  return std::feof(stream) != 0 ? FILE_ATEOF : FILE_READERROR;
}

std::int32_t File::WriteChar(char c) {
  if (stream == nullptr) return FILE_WRITEERROR;
  const int result = std::fputc(static_cast<unsigned char>(c), stream);
  if ((flags & FILE_WRITE) == 0) return FILE_NOTWRITEMODE;
  return result == EOF ? FILE_WRITEERROR : FILE_SUCCESS;
}

std::int32_t File::ReadLine(Line& buffer) {
  // A last line without a newline still counts as a line; only a read that gets nothing is
  // the end.
  if (stream == nullptr ||
      std::fgets(buffer.data(), static_cast<int>(kLineSize), stream) == nullptr) {
    buffer[0] = '\0';
    return FILE_ATEOF;
  }
  return FILE_SUCCESS;
}

std::int32_t File::WriteString(std::string_view text) {
  if (stream == nullptr) return FILE_WRITEERROR;
  if (text.empty()) return FILE_SUCCESS;
  return std::fwrite(text.data(), text.size(), 1, stream) == 1 ? FILE_SUCCESS : FILE_WRITEERROR;
}

std::int32_t File::Seek(long position) {
  if (stream == nullptr) return -1;
  if (position == -1) return std::fseek(stream, 0, SEEK_SET);
  if (position == -2) return std::fseek(stream, 0, SEEK_END);
  return std::fseek(stream, position, SEEK_SET);
}

long File::Tell() const {
  if (stream == nullptr) return -1;
  return std::ftell(stream);
}

std::int32_t File::AtEnd() const {
  if (stream == nullptr) return 1;
  return std::feof(stream) != 0 ? 1 : 0;
}

}  // namespace engine::support
