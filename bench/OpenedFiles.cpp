// OpenedFiles.cpp -- this program's own fopen, which notes the file and hands the call to the C
// library's. The engine is linked into the program, so its opens reach this one first; nothing is
// changed but the note.
#include "bench/OpenedFiles.h"

#include <dlfcn.h>

#include <cstdio>
#include <cstring>

namespace bench {

namespace {

bool recording = false;

std::vector<std::string>& Files() {
  static std::vector<std::string> files;
  return files;
}

}  // namespace

void RecordOpenedFiles(bool on) {
  recording = on;
}

const std::vector<std::string>& OpenedFiles() {
  return Files();
}

}  // namespace bench

extern "C" std::FILE* fopen(const char* __restrict path, const char* __restrict mode) {
  using Open = std::FILE* (*)(const char*, const char*);
  static const Open real = reinterpret_cast<Open>(dlsym(RTLD_NEXT, "fopen"));
  // The engine's loaders open with "rb"; its existence probes ("r") are not reads.
  if (bench::recording && path != nullptr && mode != nullptr && std::strcmp(mode, "rb") == 0) {
    bench::Files().emplace_back(path);
  }
  return real(path, mode);
}
