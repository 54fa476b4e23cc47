// File.h -- the engine's file class: one C stdio stream behind its own open flags and small
// result codes. The image and sound loaders read and write through it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string_view>
#include <type_traits>

namespace engine::support {

// Open flags; combine with |.
inline constexpr std::int32_t FILE_NOTOPEN = 0x01;  // the closed state; refused by Open
inline constexpr std::int32_t RANDOM = 0x02;        // binary access, mode letter "b"
inline constexpr std::int32_t SEQUENTIAL = 0x04;    // text access, mode letter "t"
inline constexpr std::int32_t FILE_READ = 0x08;
inline constexpr std::int32_t FILE_WRITE = 0x10;
inline constexpr std::int32_t FILE_APPEND = 0x20;
inline constexpr std::int32_t FILE_AUTOCREATE = 0x40;  // create the file if it is missing
inline constexpr std::int32_t FILE_LEAVEEOF = 0x80;    // with FILE_APPEND: mode "a", not "a+"

// Result codes of the File operations.
inline constexpr std::int32_t FILE_SUCCESS = 0;
inline constexpr std::int32_t FILE_ATEOF = 1;
inline constexpr std::int32_t FILE_READERROR = 2;
inline constexpr std::int32_t FILE_WRITEERROR = 3;
inline constexpr std::int32_t FILE_NOTREADMODE = 4;   // not opened with FILE_READ
inline constexpr std::int32_t FILE_NOTWRITEMODE = 5;  // not opened with FILE_WRITE
inline constexpr std::int32_t FILE_NOTEXIST = 6;
inline constexpr std::int32_t FILE_EXIST = 7;

// Any value that is raw bytes of the given size: Read2/Write2 take 16-bit types, Read4/Write4
// 32-bit ones, so a wrong-sized variable is a compile error rather than an overrun.
template <typename T, std::size_t N>
concept RawValue = std::is_trivially_copyable_v<T> && sizeof(T) == N;

class File {
 public:
  static constexpr std::size_t kNameSize = 100;  // fileName keeps at most 99 characters
  static constexpr std::size_t kLineSize = 500;  // ReadLine: 499 characters and the zero
  using Line = std::array<char, kLineSize>;

  File() = default;
  // Opens at once; the result of Open is not kept, so callers test flags afterwards.
  File(std::string_view name, std::int32_t openFlags);
  ~File();
  File(const File&) = delete;
  File& operator=(const File&) = delete;

  // Opens name with the given flags. Returns FILE_SUCCESS, or FILE_NOTEXIST (logged) when the
  // mode needs an existing file and there is none. Contradictory flags, and a failing open,
  // log their line to debug.txt and end the process with exit code -1.
  std::int32_t Open(std::string_view name, std::int32_t openFlags);
  // Opens bytes in memory for binary reading (FILE_READ | RANDOM) under name, so that tests
  // and fuzzers can feed a loader without a file on disk. The bytes must stay alive and
  // unchanged until the file is closed. Returns FILE_SUCCESS; a failing open is fatal, as in
  // Open.
  std::int32_t OpenMemory(std::string_view name, std::span<const std::uint8_t> bytes);
  // Flushes and closes; returns the close result, or 0 when already closed.
  std::int32_t Close();

  // The read or write is always attempted first; a mode that does not allow it is reported
  // afterwards (FILE_NOTREADMODE, FILE_NOTWRITEMODE). A closed file reports FILE_READERROR or
  // FILE_WRITEERROR.
  std::int32_t ReadBytes(std::size_t count, void* buffer);
  std::int32_t WriteBytes(std::size_t count, const void* buffer);

  // Raw 2- and 4-byte values in the file's order; pass them through ByteOrder to convert.
  template <RawValue<2> T>
  std::int32_t Read2(T& value) {
    return ReadBytes(sizeof value, &value);
  }
  template <RawValue<4> T>
  std::int32_t Read4(T& value) {
    return ReadBytes(sizeof value, &value);
  }
  template <RawValue<2> T>
  std::int32_t Write2(T value) {
    return WriteBytes(sizeof value, &value);
  }
  template <RawValue<4> T>
  std::int32_t Write4(T value) {
    return WriteBytes(sizeof value, &value);
  }

  // One character; out is 0 when none was read.
  std::int32_t ReadChar(char& out);
  std::int32_t WriteChar(char c);
  // One line with its newline, cut at 499 characters, always zero-terminated. Returns
  // FILE_ATEOF when nothing more could be read (the buffer is then empty), else 0.
  std::int32_t ReadLine(Line& buffer);
  // Writes text unchanged; FILE_WRITEERROR when the stream refuses it.
  std::int32_t WriteString(std::string_view text);

  // -1 goes to the start, -2 to the end, any other value to that offset from the start.
  // Returns the C library's result (0 on success, -1 on failure or when closed).
  std::int32_t Seek(long position);
  // The current byte offset, -1 when closed.
  long Tell() const;
  // Non-zero when the end-of-file indicator is set, and for a closed file.
  std::int32_t AtEnd() const;

  // FILE_EXIST when name can be opened for reading (it is closed again at once), else
  // FILE_NOTEXIST.
  static std::int32_t Exists(std::string_view name);

  // The mode string of the last successful open ("r+b", "a+t", ...); "" before any.
  const char* Mode() const { return mode_.data(); }
  // fileName as a view, up to its terminating zero.
  std::string_view Name() const;

  std::int32_t flags = FILE_NOTOPEN;
  std::array<char, kNameSize> fileName{};
  std::FILE* stream = nullptr;

 private:
  std::array<char, 4> mode_{};
};

}  // namespace engine::support
