// WordSplit.cpp -- the word splitter for text lines.
#include "engine/support/WordSplit.h"

#include <string_view>

namespace engine::support {

std::int32_t SplitWord(std::string& line, std::string& word, char separator) {
  const std::string_view text(line);
  const std::size_t start = text.find_first_not_of(" \t");
  const std::size_t newline = text.find('\n');
  if (start == std::string_view::npos || (newline != std::string_view::npos && start >= newline)) {
    word.clear();
    return 0;
  }
  // Everything after the newline is dropped, as the line ends there.
  const std::string_view rest = text.substr(
      start, newline == std::string_view::npos ? std::string_view::npos : newline - start);
  std::size_t end = 0;
  while (end < rest.size() && rest[end] != separator && rest[end] != '\t')
    ++end;
  std::string taken(rest.substr(0, end));
  std::string remainder(end < rest.size() ? rest.substr(end + 1) : std::string_view());
  word = std::move(taken);
  line = std::move(remainder);
  return 1;
}

}  // namespace engine::support
