// Random.h -- the program-wide random generator: a 32-bit linear congruential state, 1 until
// first seeded. The street modes seed it and draw from it; the actors never do.
#pragma once

#include <cstdint>

namespace game::actors {

class Random {
 public:
  void Seed(std::uint32_t seed) { state_ = seed; }
  // One draw: 0 to 32767.
  std::int32_t Draw() {
    state_ = state_ * 214013u + 2531011u;
    return static_cast<std::int32_t>((state_ >> 16) & 0x7FFFu);
  }
  // One draw taken modulo n (r(n)); 0 for n of 0 or less, which no caller passes.
  std::int32_t Below(std::int32_t n) { return n > 0 ? Draw() % n : 0; }
  std::uint32_t State() const { return state_; }

 private:
  std::uint32_t state_ = 1;
};

// The one generator of the program.
extern Random Rng;

}  // namespace game::actors
