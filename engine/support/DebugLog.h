// DebugLog.h -- the diagnostic log "debug.txt": fixed lines, each flushed as it is written.
#pragma once

#include <cstdio>
#include <string_view>

namespace engine::support {

class DebugLog {
 public:
  // Opens "debug.txt" in the working folder and writes the header line.
  DebugLog();
  ~DebugLog();
  DebugLog(const DebugLog&) = delete;
  DebugLog& operator=(const DebugLog&) = delete;

  // Closes any open stream and opens name afresh, truncating it. On failure prints the
  // DEBUGGER ERROR line on standard output; later writes are skipped.
  void OpenLog(const char* name);
  // Appends text, two spaces and detail, then flushes.
  void Write(std::string_view text, std::string_view detail = {});
  void CloseLog();
  bool IsOpen() const { return stream_ != nullptr; }

 private:
  std::FILE* stream_ = nullptr;
};

// The program-wide log, constructed at static start after the engine object.
extern DebugLog Log;

}  // namespace engine::support
