// DebugLog.cpp -- the writer of "debug.txt".
#include "engine/support/DebugLog.h"

#include <filesystem>

namespace engine::support {

DebugLog::~DebugLog() {
  CloseLog();
}

void DebugLog::StartIfPending() {
  if (!pending_) return;
  pending_ = false;
  Open("debug.txt");
  Write("* Debugging Output *\n");
}

void DebugLog::OpenLog(const char* name) {
  StartIfPending();
  Open(name);
}

void DebugLog::Open(const char* name) {
  CloseLog();
  std::filesystem::path path(name);
  if (!folder_.empty() && path.is_relative()) path = std::filesystem::path(folder_) / path;
  stream_ = std::fopen(path.c_str(), "w+t");
  if (stream_ == nullptr) {
    std::fputs("DEBUGGER ERROR: Unable to open debug log file.\n", stdout);
    std::fflush(stdout);
  }
}

void DebugLog::Write(std::string_view text, std::string_view detail) {
  StartIfPending();
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
