// DebugLog.h -- the diagnostic log "debug.txt": fixed lines, each flushed as it is written.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace engine::support {

class DebugLog {
 public:
  // "debug.txt" is made, with the header line, when the log is first needed: at its first
  // entry or its first OpenLog, which then reopens it as usual. A program that ends before
  // either (showing its help, refusing its options) leaves no file behind.
  DebugLog() = default;
  ~DebugLog();
  DebugLog(const DebugLog&) = delete;
  DebugLog& operator=(const DebugLog&) = delete;

  // The folder that relative log names are in; empty (the default) is the working folder.
  // Called by the program before the log is first needed.
  void SetFolder(std::string folder) { folder_ = std::move(folder); }

  // Closes any open stream and opens name afresh, truncating it. On failure prints the
  // DEBUGGER ERROR line on standard output; later writes are skipped.
  void OpenLog(const char* name);
  // Appends text, two spaces and detail, then flushes.
  void Write(std::string_view text, std::string_view detail = {});
  void CloseLog();

 private:
  // Makes the file the log starts with, the first time the log is needed.
  void StartIfPending();
  void Open(const char* name);

  std::FILE* stream_ = nullptr;
  bool pending_ = true;
  std::string folder_;
};

// The program-wide log, constructed at static start after the engine object.
extern DebugLog Log;

}  // namespace engine::support
