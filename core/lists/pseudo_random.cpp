#include "core/lists/pseudo_random.h"

#include <chrono>

namespace telqor {

void PseudoRandom::Randomize() {
  auto ticks = std::chrono::steady_clock::now().time_since_epoch().count();
  state_ = static_cast<uint32_t>(ticks);
}

PseudoRandom& GlobalRandom() {
  static PseudoRandom generator;
  return generator;
}

}  // namespace telqor
