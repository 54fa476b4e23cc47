// FuzzSupport.h -- what every fuzz target shares: the engine's fatal exits and notices observed
// without ending the process, a reader that turns fuzz bytes into choices, and the check that
// stops the run on a finding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/platform/headless/HeadlessPlatform.h"

namespace fuzz {

// Thrown by the engine's exit handler while a Session is open: the input led to one of the
// engine's specified exits, an expected outcome.
struct ExpectedExit {
  int code;
};

// For the length of one input: the global engine object has a quiet headless platform (so its
// notices are kept, not shown), the engine's exits throw ExpectedExit, and the debug log goes
// to /dev/null so that a long run does not fill the disk.
class Session {
 public:
  Session();
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  const std::vector<engine::platform::headless::Notice>& Notices() {
    return platform_.GetWindows().Notices();
  }
  engine::platform::headless::HeadlessPlatform& Platform() { return platform_; }

 private:
  engine::platform::headless::HeadlessPlatform platform_;
};

// Points the debug log at /dev/null; called again after anything that reopens it.
void SilenceDebugLog();

// Counts an outcome of interest (an oracle comparison, an expected exit, ...); the counts are
// printed on standard error when the process ends, to show what a run exercised.
void Tally(const char* outcome);

// Reports a finding on standard error and aborts, which both libFuzzer and the replay test
// count as a failure.
[[noreturn]] void Fail(const char* target, const std::string& what);

#define FUZZ_CHECK(target, condition, what)                                        \
  do {                                                                             \
    if (!(condition)) ::fuzz::Fail(target, std::string(#condition ": ") + (what)); \
  } while (0)

// Reads fuzz bytes as small numbers; once the bytes run out every read gives 0.
class Bytes {
 public:
  Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  std::uint8_t U8() { return at_ < size_ ? data_[at_++] : 0; }
  std::uint16_t U16() { return static_cast<std::uint16_t>(U8() | (U8() << 8)); }
  std::uint32_t U32() { return U16() | (static_cast<std::uint32_t>(U16()) << 16); }
  // A value from low to high inclusive.
  std::int32_t Range(std::int32_t low, std::int32_t high);
  // Mostly a value from low to high, now and then one of the extremes of int.
  std::int32_t Coordinate(std::int32_t low, std::int32_t high);
  std::size_t Left() const { return size_ - at_; }
  const std::uint8_t* Rest() const { return data_ + at_; }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

}  // namespace fuzz
