// OpenedFiles.h -- a record of the files opened for binary reading while recording is on, so that
// a baseline can read exactly the files the game read.
#pragma once

#include <string>
#include <vector>

namespace bench {

void RecordOpenedFiles(bool on);
// The paths opened with mode "rb" while recording was on, in order.
const std::vector<std::string>& OpenedFiles();

}  // namespace bench
