// TempDir.h -- runs a test inside a fresh empty folder, so that files it makes (debug.txt
// among them) never meet another test's.
#pragma once

#include <filesystem>
#include <string>

namespace tests {

class TempDir {
 public:
  // Creates the folder and makes it the working folder.
  TempDir();
  // Restores the previous working folder and removes the folder with its contents.
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  // The whole contents of a file in the folder ("" when missing).
  std::string Read(const std::string& name) const;
  void Write(const std::string& name, const std::string& bytes) const;

 private:
  std::filesystem::path previous_;
  std::filesystem::path path_;
};

}  // namespace tests
