// DebugLog.cpp -- the writer of "debug.txt".
#include "engine/support/DebugLog.h"

namespace engine::support {

DebugLog::DebugLog() {
  OpenLog("debug.txt");
  Write("* Debugging Output *\n");
}

DebugLog::~DebugLog() {
  CloseLog();
}

void DebugLog::OpenLog(const char* name) {
  CloseLog();
  stream_ = std::fopen(name, "w+t");
  if (stream_ == nullptr) {
    std::fputs("DEBUGGER ERROR: Unable to open debug log file.\n", stdout);
    std::fflush(stdout);
  }
}

void DebugLog::Write(std::string_view text, std::string_view detail) {
  if (stream_ == nullptr) return;
  if (!text.empty()) std::fwrite(text.data(), 1, text.size(), stream_);
  std::fputs("  ", stream_);
  if (!detail.empty()) std::fwrite(detail.data(), 1, detail.size(), stream_);
  std::fflush(stream_);
}

void DebugLog::CloseLog() {
  if (stream_ != nullptr) std::fclose(stream_);
  stream_ = nullptr;
}

}  // namespace engine::support
