#include "core/platform/env.h"

#include <atomic>

namespace telqor {
namespace {

std::atomic<Env*>& Installed() {
  static std::atomic<Env*> env{nullptr};
  return env;
}

}  // namespace

Env& CurrentEnv() {
  Env* env = Installed().load(std::memory_order_acquire);
  return env ? *env : Env::Default();
}

ScopedEnv::ScopedEnv(Env& env) : previous_(Installed().exchange(&env)) {}

ScopedEnv::~ScopedEnv() { Installed().store(previous_); }

}  // namespace telqor
