// Clang's thread-safety attributes, and a mutex that carries them. With -Wthread-safety the
// compiler checks that what a lock guards is touched only while it is held; other compilers see
// no-ops. std::mutex carries no attributes in libstdc++, so shared state is guarded by Mutex and
// locked through MutexLock.
#pragma once

#include <mutex>

#if defined(__clang__)
#define TELQOR_THREAD_ATTRIBUTE(x) __attribute__((x))
#else
#define TELQOR_THREAD_ATTRIBUTE(x)
#endif

#define CAPABILITY(x) TELQOR_THREAD_ATTRIBUTE(capability(x))
#define SCOPED_CAPABILITY TELQOR_THREAD_ATTRIBUTE(scoped_lockable)
#define GUARDED_BY(x) TELQOR_THREAD_ATTRIBUTE(guarded_by(x))
#define PT_GUARDED_BY(x) TELQOR_THREAD_ATTRIBUTE(pt_guarded_by(x))
#define REQUIRES(...) TELQOR_THREAD_ATTRIBUTE(requires_capability(__VA_ARGS__))
#define ACQUIRE(...) TELQOR_THREAD_ATTRIBUTE(acquire_capability(__VA_ARGS__))
#define RELEASE(...) TELQOR_THREAD_ATTRIBUTE(release_capability(__VA_ARGS__))
#define EXCLUDES(...) TELQOR_THREAD_ATTRIBUTE(locks_excluded(__VA_ARGS__))
#define NO_THREAD_SAFETY_ANALYSIS TELQOR_THREAD_ATTRIBUTE(no_thread_safety_analysis)

namespace telqor {

class CAPABILITY("mutex") Mutex {
 public:
  Mutex() = default;
  Mutex(const Mutex&) = delete;
  Mutex& operator=(const Mutex&) = delete;

  void Lock() ACQUIRE() { mutex_.lock(); }
  void Unlock() RELEASE() { mutex_.unlock(); }

 private:
  std::mutex mutex_;
};

// Holds a Mutex for its scope.
class SCOPED_CAPABILITY MutexLock {
 public:
  explicit MutexLock(Mutex& mutex) ACQUIRE(mutex) : mutex_(mutex) { mutex_.Lock(); }
  ~MutexLock() RELEASE() { mutex_.Unlock(); }
  MutexLock(const MutexLock&) = delete;
  MutexLock& operator=(const MutexLock&) = delete;

 private:
  Mutex& mutex_;
};

}  // namespace telqor
