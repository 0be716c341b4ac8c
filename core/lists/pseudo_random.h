// The program's pseudo-random generator: a 32-bit linear congruential state
// (state * 134775813 + 1); Random(n) answers the high 32 bits of state * n. One generator
// serves the user-interface thread; it is not synchronised.
#pragma once

#include <cstdint>

namespace telqor {

class PseudoRandom {
 public:
  explicit PseudoRandom(uint32_t seed = 0) : state_(seed) {}
  // A value in 0..n-1 (0 when n is 0).
  uint32_t Random(uint32_t n) {
    state_ = state_ * 134775813u + 1u;
    return static_cast<uint32_t>((static_cast<uint64_t>(state_) * n) >> 32);
  }
  // Reseeds from the clock (the low 32 bits of a nanosecond counter).
  void Randomize();
  uint32_t State() const { return state_; }
  void SetState(uint32_t state) { state_ = state; }

 private:
  uint32_t state_;
};

// The generator shared by the operations that draw random numbers.
PseudoRandom& GlobalRandom();

}  // namespace telqor
