// Splitting one large loop of an engine operation across the cores. The call returns when
// every part is done (no thread outlives it); an exception of any part is rethrown. Parts must
// touch disjoint data.
#pragma once

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <iterator>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace telqor {

namespace parallel_detail {
inline std::atomic<int> pinnedThreads{0};
inline std::atomic<size_t> pinnedLeastPerPart{0};
}  // namespace parallel_detail

// How many threads one loop may use: the cores, unless pinned (ScopedParallelism).
inline int ParallelThreads() {
  if (int pinned = parallel_detail::pinnedThreads.load(std::memory_order_relaxed)) return pinned;
  // Asked once: the C library reads the count from a file on every call.
  static const int cores = [] {
    unsigned n = std::thread::hardware_concurrency();
    return n == 0 ? 1 : static_cast<int>(n);
  }();
  return cores;
}

// Pins the thread count, and the least work that makes a part of its own, for its scope and the
// whole process: the tests run the parallel paths with 1, 2 or 3 threads on small inputs.
// leastPerPart 0 keeps each loop's own least.
class ScopedParallelism {
 public:
  ScopedParallelism(int threads, size_t leastPerPart)
      : threads_(parallel_detail::pinnedThreads.exchange(threads)),
        least_(parallel_detail::pinnedLeastPerPart.exchange(leastPerPart)) {}
  ~ScopedParallelism() {
    parallel_detail::pinnedThreads = threads_;
    parallel_detail::pinnedLeastPerPart = least_;
  }
  ScopedParallelism(const ScopedParallelism&) = delete;
  ScopedParallelism& operator=(const ScopedParallelism&) = delete;

 private:
  int threads_;
  size_t least_;
};

// The least work that makes a part of its own, for a loop whose own least is `own`: that,
// unless pinned.
inline size_t LeastPerPart(size_t own) {
  const size_t pinned = parallel_detail::pinnedLeastPerPart.load(std::memory_order_relaxed);
  return pinned ? pinned : own;
}

// How many parts a loop over `work` units is worth splitting into (1 when it is small).
inline int ParallelParts(size_t work, size_t minimumPerPart = size_t{1} << 22) {
  const size_t threads = static_cast<size_t>(ParallelThreads());
  size_t parts = work / LeastPerPart(minimumPerPart);
  return static_cast<int>(parts < 1 ? 1 : (parts < threads ? parts : threads));
}

// Where part `part` of `parts` starts in a loop over n units (part == parts: n).
inline size_t PartStart(size_t n, int part, int parts) {
  const auto p = static_cast<size_t>(part), q = static_cast<size_t>(parts);
  return n / q * p + n % q * p / q;
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
  auto run = [&](int p) {
    try {
      body(p);
    } catch (...) {
      errors[static_cast<size_t>(p)] = std::current_exception();
    }
  };
  int started = 1;
  try {
    for (; started < parts; ++started) threads.emplace_back(run, started);
  } catch (const std::system_error&) {
    // No thread to be had: the parts left run here.
  }
  run(0);
  for (int p = started; p < parts; ++p) run(p);
  for (auto& t : threads) t.join();
  for (auto& e : errors)
    if (e) std::rethrow_exception(e);
}

// Sorts [first, last) by less on `threads` threads: split at the median of a sample, each side
// sorted on its share of them. Not stable: for orders whose equal elements cannot be told apart.
template <typename It, typename Less>
void ParallelSort(It first, It last, Less less, int threads, size_t leastPerPart) {
  const auto n = static_cast<size_t>(last - first);
  if (threads <= 1 || n < 2 * leastPerPart) return std::sort(first, last, less);
  constexpr size_t kSample = 63;
  std::vector<typename std::iterator_traits<It>::value_type> sample;
  sample.reserve(kSample);
  for (size_t k = 0; k < kSample; ++k) sample.push_back(first[static_cast<std::ptrdiff_t>(n * k / kSample)]);
  std::nth_element(sample.begin(), sample.begin() + kSample / 2, sample.end(), less);
  const auto pivot = sample[kSample / 2];
  It middle = std::partition(first, last, [&](const auto& x) { return less(x, pivot); });
  if (middle == first) {
    // Nothing below the pivot, the smallest element: those equal to it are in place already.
    middle = std::partition(first, last, [&](const auto& x) { return !less(pivot, x); });
    return ParallelSort(middle, last, less, threads, leastPerPart);
  }
  const auto share = static_cast<size_t>(middle - first) * static_cast<size_t>(threads) / n;
  const int left = std::clamp(static_cast<int>(share), 1, threads - 1);
  ParallelFor(2, [&](int side) {
    if (side == 0) ParallelSort(first, middle, less, left, leastPerPart);
    if (side == 1) ParallelSort(middle, last, less, threads - left, leastPerPart);
  });
}

// Makes blocks 0 .. blocks-1 across `parts` threads (block b on thread b % parts, into a
// Scratch of that thread's) and uses each in block order: one block is used, on whichever
// thread made it, while the next ones are made. make(block, scratch), use(scratch). When a use
// fails, no block after it is used and the error is rethrown.
template <typename Scratch, typename Make, typename Use>
void ParallelInOrder(int parts, size_t blocks, Make&& make, Use&& use) {
  if (parts <= 1 || blocks <= 1) {
    Scratch scratch;
    for (size_t b = 0; b < blocks; ++b) {
      make(b, scratch);
      use(scratch);
    }
    return;
  }
  std::mutex lock;
  std::condition_variable turn;
  size_t next = 0;
  bool failed = false;
  ParallelFor(parts, [&](int p) {
    Scratch scratch;
    for (size_t b = static_cast<size_t>(p); b < blocks; b += static_cast<size_t>(parts)) {
      try {
        make(b, scratch);
      } catch (...) {
        std::lock_guard hold(lock);
        failed = true;
        turn.notify_all();
        throw;
      }
      std::unique_lock hold(lock);
      turn.wait(hold, [&] { return next == b || failed; });
      if (failed) return;
      try {
        use(scratch);
      } catch (...) {
        failed = true;
        turn.notify_all();
        throw;
      }
      ++next;
      turn.notify_all();
    }
  });
}

}  // namespace telqor
