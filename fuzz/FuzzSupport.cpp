// FuzzSupport.cpp -- the session around one fuzz input, and the finding report.
#include "fuzz/FuzzSupport.h"

#include <cstdio>
#include <cstdlib>
#include <limits>
#include <map>
#include <string>

#include "engine/core/Engine.h"
#include "engine/support/DebugLog.h"
#include "engine/support/Exit.h"

namespace fuzz {

namespace {

void ThrowExit(int code) {
  throw ExpectedExit{code};
}

class Tallies {
 public:
  ~Tallies() {
    for (const auto& [outcome, count] : counts_)
      std::fprintf(stderr, "fuzz tally: %s: %lu\n", outcome.c_str(), count);
  }
  void Add(const char* outcome) { ++counts_[outcome]; }

 private:
  std::map<std::string, unsigned long> counts_;
};

Tallies& TheTallies() {
  static Tallies tallies;
  return tallies;
}

}  // namespace

Session::Session() : platform_(engine::platform::headless::DesktopConfig::Quiet()) {
  SilenceDebugLog();
  engine::support::SetExitHandler(ThrowExit);
  Vorel.AttachPlatform(&platform_);
}

Session::~Session() {
  Vorel.DetachPlatform();
  engine::support::SetExitHandler(nullptr);
}

void SilenceDebugLog() {
  engine::support::Log.OpenLog("/dev/null");
}

void Tally(const char* outcome) {
  TheTallies().Add(outcome);
}

void Fail(const char* target, const std::string& what) {
  std::fprintf(stderr, "\n*** fuzz finding in %s: %s\n", target, what.c_str());
  std::fflush(stderr);
  std::abort();
}

std::int32_t Bytes::Range(std::int32_t low, std::int32_t high) {
  const std::uint64_t span = static_cast<std::uint64_t>(std::int64_t{high} - low) + 1;
  const std::uint64_t pick = span <= 0x10000 ? U16() : U32();
  return static_cast<std::int32_t>(low + static_cast<std::int64_t>(pick % span));
}

std::int32_t Bytes::Coordinate(std::int32_t low, std::int32_t high) {
  switch (U8() % 32) {
    case 0:
      return std::numeric_limits<std::int32_t>::min();
    case 1:
      return std::numeric_limits<std::int32_t>::max();
    case 2:
      return static_cast<std::int32_t>(U32());
    default:
      return Range(low, high);
  }
}

}  // namespace fuzz
