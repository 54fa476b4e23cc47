// File.cpp -- opening and closing files, and the existence test.
#include "engine/support/File.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "engine/support/DebugLog.h"
#include "engine/support/Exit.h"
#include "engine/support/Path.h"

namespace engine::support {

namespace {

// Misuse of the open flags is a programming error: it is logged, then the process ends.
[[noreturn]] void Fatal(const char* text) {
  Log.Write(text);
  ExitProcess(-1);
}

bool Has(std::int32_t flags, std::int32_t flag) {
  return (flags & flag) != 0;
}

}  // namespace

File::File(std::string_view name, std::int32_t openFlags) {
  Open(name, openFlags);
}

File::~File() {
  Close();
}

std::int32_t File::Open(std::string_view name, std::int32_t openFlags) {
  // At most two letters; the access letter follows. A view of literals, not a string: g++ 12
  // warns falsely (-Wrestrict) on assigning short literals to a std::string.
  std::string_view mode;
  if (Has(openFlags, FILE_APPEND)) {
    if (Has(openFlags, FILE_READ)) {
      Fatal("File::Open: Cannot open file in both APPEND and READ modes.\n");
    }
    if (Has(openFlags, FILE_WRITE)) {
      Fatal("File::Open: Cannot open file in both APPEND and WRITE modes.\n");
    }
    mode = "a";
    if (!Has(openFlags, FILE_AUTOCREATE) && Exists(name) == FILE_NOTEXIST) {
      Log.Write("File::Open: File does not exist for append. (Use FILE_AUTOCREATE if desired)\n");
      return FILE_NOTEXIST;
    }
    if (!Has(openFlags, FILE_LEAVEEOF)) mode = "a+";
  } else {
    if (Has(openFlags, FILE_LEAVEEOF)) {
      Log.Write("File::Open: (Warning only) FILE_LEAVEEOF only has meaning with FILE_APPEND.\n");
    }
    const bool read = Has(openFlags, FILE_READ);
    const bool write = Has(openFlags, FILE_WRITE);
    if (read && write) {
      if (Has(openFlags, FILE_AUTOCREATE)) {
        mode = "w+";
      } else if (Exists(name) == FILE_NOTEXIST) {
        Log.Write(
            "File::Open: File does not exist for read/write. (Use FILE_AUTOCREATE if desired)\n");
        return FILE_NOTEXIST;
      } else {
        mode = "r+";
      }
    } else if (read) {
      if (Has(openFlags, FILE_AUTOCREATE)) {
        Log.Write(
            "File::Open: (Warning only) FILE_AUTOCREATE has no meaning when using FILE_READ "
            "without FILE_APPEND or FILE_WRITE.\n");
      }
      if (Exists(name) == FILE_NOTEXIST) {
        Log.Write("File::Open: File does not exist for read.\n");
        return FILE_NOTEXIST;
      }
      mode = "r";
    } else if (write) {
      if (!Has(openFlags, FILE_AUTOCREATE) && Exists(name) == FILE_NOTEXIST) {
        Log.Write("File::Open: File does not exist for write (Use FILE_AUTOCREATE is desired).\n");
        return FILE_NOTEXIST;
      }
      mode = "w";
    } else {
      Fatal("File::Open: Must open file using FILE_APPEND, FILE_READ, or FILE_WRITE.\n");
    }
  }

  if (Has(openFlags, FILE_NOTOPEN)) {
    Fatal("File::Open: Cannot open a file using FILE_NOTOPEN command!!\n");
  }
  const bool random = Has(openFlags, RANDOM);
  const bool sequential = Has(openFlags, SEQUENTIAL);
  if (random && sequential) {
    Fatal("File::Open: Cannot open in SEQUENTIAL and RANDOM access modes.\n");
  }
  if (!random && !sequential) {
    Fatal("File::Open: Must open in SEQUENTIAL or RANDOM access mode.\n");
  }

  // Reopening a record must not leak the stream it held.
  Close();
  // Names are at most 99 characters; a longer one is cut here but opened in full.
  fileName.fill('\0');
  std::copy_n(name.begin(), std::min(name.size(), kNameSize - 1), fileName.begin());
  flags = openFlags;
  mode_.fill('\0');
  std::copy_n(mode.begin(), mode.size(), mode_.begin());
  mode_[mode.size()] = random ? 'b' : 't';
  stream = std::fopen(ResolvePath(name).c_str(), mode_.data());
  if (stream == nullptr) {
    Fatal("File::Open: Unable to open file (reason unknown)\n");
  }
  return FILE_SUCCESS;
}

std::int32_t File::OpenMemory(std::string_view name, std::span<const std::uint8_t> bytes) {
  Close();
  fileName.fill('\0');
  std::copy_n(name.begin(), std::min(name.size(), kNameSize - 1), fileName.begin());
  flags = FILE_READ | RANDOM;
  mode_ = {'r', 'b', '\0', '\0'};
  // A read-only stream never writes through the pointer; an empty span may have no data, and
  // fmemopen wants a buffer even for zero bytes.
  static std::uint8_t none = 0;
  void* data = bytes.empty() ? &none : const_cast<std::uint8_t*>(bytes.data());
  stream = fmemopen(data, bytes.size(), mode_.data());
  if (stream == nullptr) {
    flags = FILE_NOTOPEN;
    Fatal("File::Open: Unable to open file (reason unknown)\n");
  }
  return FILE_SUCCESS;
}

std::int32_t File::Close() {
  if (Has(flags, FILE_NOTOPEN)) return 0;
  if (stream == nullptr) {
    flags = FILE_NOTOPEN;
    return 0;
  }
  std::fflush(stream);
  const int result = std::fclose(stream);
  stream = nullptr;
  flags = FILE_NOTOPEN;
  return result;
}

std::int32_t File::Exists(std::string_view name) {
  std::FILE* probe = std::fopen(ResolvePath(name).c_str(), "r");
  if (probe == nullptr) return FILE_NOTEXIST;
  std::fclose(probe);
  return FILE_EXIST;
}

std::string_view File::Name() const {
  const auto end = std::find(fileName.begin(), fileName.end(), '\0');
  return {fileName.data(), static_cast<std::size_t>(end - fileName.begin())};
}

}  // namespace engine::support
