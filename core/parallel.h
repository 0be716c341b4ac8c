// Splitting one large loop of an engine operation across the cores. The call returns when
// every part is done (no thread outlives it); an exception of any part is rethrown. Parts must
// touch disjoint data.
#pragma once

#include <exception>
#include <thread>
#include <vector>

namespace telqor {

// How many parts a loop over `work` units is worth splitting into (1 when it is small).
inline int ParallelParts(size_t work, size_t minimumPerPart = size_t{1} << 22) {
  size_t cores = std::thread::hardware_concurrency();
  if (cores == 0) cores = 1;
  size_t parts = work / minimumPerPart;
  return static_cast<int>(parts < 1 ? 1 : (parts < cores ? parts : cores));
}

// Runs body(part) for part = 0 .. parts-1, part 0 on the calling thread.
template <typename F>
void ParallelFor(int parts, F&& body) {
  if (parts <= 1) {
    body(0);
    return;
  }
  std::vector<std::exception_ptr> errors(static_cast<size_t>(parts));
  std::vector<std::thread> threads;
  threads.reserve(static_cast<size_t>(parts - 1));
  for (int p = 1; p < parts; ++p) {
    threads.emplace_back([&, p] {
      try {
        body(p);
      } catch (...) {
        errors[static_cast<size_t>(p)] = std::current_exception();
      }
    });
  }
  try {
    body(0);
  } catch (...) {
    errors[0] = std::current_exception();
  }
  for (auto& t : threads) t.join();
  for (auto& e : errors)
    if (e) std::rethrow_exception(e);
}

}  // namespace telqor
