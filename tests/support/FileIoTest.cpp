// FileIoTest.cpp -- reading, writing and positioning through File, the result codes of each
// operation, and what operations on a closed file do.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "engine/support/File.h"
#include "tests/common/TempDir.h"

namespace engine::support {
namespace {

TEST(FileRead, BytesThenEndOfFile) {
  tests::TempDir dir;
  dir.Write("six.bin", "ABCDEF");
  File file("six.bin", FILE_READ | RANDOM);
  std::array<char, 4> buffer{};
  EXPECT_EQ(file.ReadBytes(4, buffer.data()), FILE_SUCCESS);
  EXPECT_EQ(std::string(buffer.data(), 4), "ABCD");
  EXPECT_EQ(file.ReadBytes(0, buffer.data()), FILE_SUCCESS);
  EXPECT_EQ(file.AtEnd(), 0);
  // Two bytes remain: the item is incomplete and the stream has hit its end.
  EXPECT_EQ(file.ReadBytes(4, buffer.data()), FILE_ATEOF);
  EXPECT_NE(file.AtEnd(), 0);
  char c = 'x';
  EXPECT_EQ(file.ReadChar(c), FILE_ATEOF);
  EXPECT_EQ(c, '\0');
}

// The operation is carried out first; a mode that does not allow it is reported afterwards.
TEST(FileModes, OperationIsAttemptedBeforeTheModeCode) {
  tests::TempDir dir;
  dir.Write("log.txt", "old");
  {
    File append("log.txt", FILE_APPEND | RANDOM);
    EXPECT_EQ(append.WriteBytes(3, "new"), FILE_NOTWRITEMODE);
    EXPECT_EQ(append.WriteChar('!'), FILE_NOTWRITEMODE);
    // "a+" can read as well.
    ASSERT_EQ(append.Seek(-1), 0);
    std::array<char, 3> buffer{};
    EXPECT_EQ(append.ReadBytes(3, buffer.data()), FILE_NOTREADMODE);
    EXPECT_EQ(std::string(buffer.data(), 3), "old");

    File readOnly("log.txt", FILE_READ | SEQUENTIAL);
    EXPECT_EQ(readOnly.WriteBytes(1, "x"), FILE_NOTWRITEMODE);
    EXPECT_EQ(readOnly.WriteChar('x'), FILE_NOTWRITEMODE);
    File writeOnly("other.txt", FILE_WRITE | FILE_AUTOCREATE | SEQUENTIAL);
    EXPECT_EQ(writeOnly.ReadBytes(1, buffer.data()), FILE_NOTREADMODE);
    char c = 0;
    EXPECT_EQ(writeOnly.ReadChar(c), FILE_NOTREADMODE);
  }
  EXPECT_EQ(dir.Read("log.txt"), "oldnew!");
}

TEST(FileErrors, StreamFailuresGiveReadAndWriteErrors) {
  tests::TempDir dir;
  // A folder opens for reading, but reading it fails.
  std::filesystem::create_directory("folder");
  File folder("folder", FILE_READ | RANDOM);
  ASSERT_NE(folder.stream, nullptr);
  std::array<char, 4> buffer{};
  EXPECT_EQ(folder.ReadBytes(2, buffer.data()), FILE_READERROR);
  char c = 0;
  EXPECT_EQ(folder.ReadChar(c), FILE_READERROR);

  if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  File full("/dev/full", FILE_WRITE | RANDOM);
  ASSERT_NE(full.stream, nullptr);
  // Unbuffered, so every write reaches the device and fails there.
  std::setvbuf(full.stream, nullptr, _IONBF, 0);
  EXPECT_EQ(full.WriteBytes(4, "data"), FILE_WRITEERROR);
  EXPECT_EQ(full.WriteChar('x'), FILE_WRITEERROR);
  EXPECT_EQ(full.WriteString("text"), FILE_WRITEERROR);
}

TEST(FileText, CharactersAndStringsReadBack) {
  tests::TempDir dir;
  File file("chars.txt", FILE_READ | FILE_WRITE | FILE_AUTOCREATE | SEQUENTIAL);
  for (char c : std::string("xy"))
    EXPECT_EQ(file.WriteChar(c), FILE_SUCCESS);
  EXPECT_EQ(file.WriteString(""), FILE_SUCCESS);
  EXPECT_EQ(file.WriteString(std::string("a\0b\n", 4)), FILE_SUCCESS);
  ASSERT_EQ(file.Seek(-1), 0);
  std::string read;
  char c = 0;
  while (file.ReadChar(c) == FILE_SUCCESS)
    read += c;
  EXPECT_EQ(read, std::string("xya\0b\n", 6));
  EXPECT_NE(file.AtEnd(), 0);
}

TEST(FileText, LinesWithAndWithoutNewline) {
  tests::TempDir dir;
  dir.Write("lines.txt", "one\n\ntwo");
  File file("lines.txt", FILE_READ | SEQUENTIAL);
  File::Line line{};
  std::vector<std::string> lines;
  while (file.ReadLine(line) == FILE_SUCCESS)
    lines.emplace_back(line.data());
  // The last line has no newline but is still a line.
  EXPECT_EQ(lines, (std::vector<std::string>{"one\n", "\n", "two"}));
  EXPECT_STREQ(line.data(), "");
}

TEST(FileText, LongLinesAreCutAt499Characters) {
  tests::TempDir dir;
  dir.Write("long.txt", std::string(1200, 'a') + "\nb\n");
  File file("long.txt", FILE_READ | SEQUENTIAL);
  // Bytes right after the line buffer must stay untouched.
  struct {
    File::Line line;
    std::array<char, 16> guard;
  } block;
  block.guard.fill('G');
  std::vector<std::size_t> lengths;
  while (file.ReadLine(block.line) == FILE_SUCCESS) {
    lengths.push_back(std::string(block.line.data()).size());
  }
  EXPECT_EQ(lengths, (std::vector<std::size_t>{499, 499, 203, 2}));
  EXPECT_EQ(std::string(block.guard.data(), 16), std::string(16, 'G'));
}

TEST(FileSeek, StartEndOffsetsAndTell) {
  tests::TempDir dir;
  dir.Write("ten.bin", "0123456789");
  File file("ten.bin", FILE_READ | RANDOM);
  EXPECT_EQ(file.Seek(-2), 0);
  EXPECT_EQ(file.Tell(), 10);
  EXPECT_EQ(file.Seek(4), 0);
  char c = 0;
  EXPECT_EQ(file.ReadChar(c), FILE_SUCCESS);
  EXPECT_EQ(c, '4');
  EXPECT_EQ(file.Seek(-1), 0);
  EXPECT_EQ(file.Tell(), 0);
  // Any other negative value is an offset before the start, which the C library refuses.
  EXPECT_EQ(file.Seek(-3), -1);
}

// Every operation on a record that is not open fails softly with its error value.
TEST(FileClosed, OperationsFailWithoutTouchingAStream) {
  File file;
  std::array<char, 4> buffer{};
  File::Line line;
  line.fill('x');
  char c = 'x';
  struct Case {
    const char* operation;
    std::function<long()> call;
    long expected;
  };
  const Case cases[] = {
      {"ReadBytes", [&] { return file.ReadBytes(4, buffer.data()); }, FILE_READERROR},
      {"WriteBytes", [&] { return file.WriteBytes(4, buffer.data()); }, FILE_WRITEERROR},
      {"Read2",
       [&] {
         std::uint16_t v{};
         return file.Read2(v);
       },
       FILE_READERROR},
      {"Write4", [&] { return file.Write4(std::uint32_t{1}); }, FILE_WRITEERROR},
      {"ReadChar", [&] { return file.ReadChar(c); }, FILE_READERROR},
      {"WriteChar", [&] { return file.WriteChar('a'); }, FILE_WRITEERROR},
      {"ReadLine", [&] { return file.ReadLine(line); }, FILE_ATEOF},
      {"WriteString", [&] { return file.WriteString("a"); }, FILE_WRITEERROR},
      {"Seek", [&] { return file.Seek(0); }, -1},
      {"Tell", [&] { return file.Tell(); }, -1},
      {"AtEnd", [&] { return file.AtEnd() != 0 ? 1L : 0L; }, 1},
      {"Close", [&] { return file.Close(); }, 0},
      {"Close again", [&] { return file.Close(); }, 0},
  };
  for (const Case& k : cases)
    EXPECT_EQ(k.call(), k.expected) << k.operation;
  EXPECT_EQ(line[0], '\0');
  EXPECT_EQ(c, '\0');
  EXPECT_EQ(file.flags, FILE_NOTOPEN);
}

// Bytes in memory read like a file of that size, and the name is kept as Open keeps it.
TEST(FileMemory, ReadsSeeksAndEndsLikeAFile) {
  const std::vector<std::uint8_t> bytes = {1, 2, 3, 4, 5, 6};
  File file;
  ASSERT_EQ(file.OpenMemory(std::string(120, 'm'), bytes), FILE_SUCCESS);
  EXPECT_EQ(file.flags, FILE_READ | RANDOM);
  EXPECT_STREQ(file.Mode(), "rb");
  EXPECT_EQ(file.Name(), std::string(99, 'm'));
  ASSERT_EQ(file.Seek(-2), 0);
  EXPECT_EQ(file.Tell(), 6);
  ASSERT_EQ(file.Seek(4), 0);
  std::array<std::uint8_t, 4> buffer{};
  EXPECT_EQ(file.ReadBytes(2, buffer.data()), FILE_SUCCESS);
  EXPECT_EQ(buffer[1], 6);
  EXPECT_EQ(file.ReadBytes(1, buffer.data()), FILE_ATEOF);
  EXPECT_EQ(file.Close(), 0);
  EXPECT_EQ(file.flags, FILE_NOTOPEN);

  ASSERT_EQ(file.OpenMemory("empty", {}), FILE_SUCCESS);
  ASSERT_EQ(file.Seek(-2), 0);
  EXPECT_EQ(file.Tell(), 0);
  EXPECT_NE(file.ReadBytes(1, buffer.data()), FILE_SUCCESS);
}

}  // namespace
}  // namespace engine::support
