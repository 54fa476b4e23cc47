// TempDir.cpp -- a per-test working folder.
#include "tests/common/TempDir.h"

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "engine/support/DebugLog.h"

namespace tests {

TempDir::TempDir() : previous_(std::filesystem::current_path()) {
  std::string pattern = (std::filesystem::temp_directory_path() / "curbside-XXXXXX").string();
  const char* made = mkdtemp(pattern.data());
  path_ = made != nullptr ? std::filesystem::path(made) : std::filesystem::temp_directory_path();
  std::filesystem::current_path(path_);
  // The log follows the test into its folder.
  engine::support::Log.OpenLog("debug.txt");
}

TempDir::~TempDir() {
  engine::support::Log.CloseLog();
  std::filesystem::current_path(previous_);
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::Read(const std::string& name) const {
  std::ifstream in(path_ / name, std::ios::binary);
  std::ostringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

void TempDir::Write(const std::string& name, const std::string& bytes) const {
  std::ofstream out(path_ / name, std::ios::binary);
  out << bytes;
}

}  // namespace tests
