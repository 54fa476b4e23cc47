// WordSplit.h -- takes words one at a time off the front of a text line.
#pragma once

#include <cstdint>
#include <string>

namespace engine::support {

// Skips leading spaces and tabs, then moves the first word of line into word: the word ends at
// separator or a tab, and what follows that character, up to the newline, becomes the new
// line. A word that runs into the newline or the end takes the rest and empties the line.
// Returns 1 when a word was taken; 0 for a line holding nothing before its newline, with word
// emptied and line left as it was.
std::int32_t SplitWord(std::string& line, std::string& word, char separator = ' ');

}  // namespace engine::support
