#include "core/io/output_names.h"

#include <cstdio>
#include <ctime>

#include "core/platform/env.h"

namespace telqor {
namespace {

std::string Stamp(std::chrono::system_clock::time_point when, const char* format) {
  std::time_t t = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  localtime_r(&t, &local);
  char buf[32];
  std::strftime(buf, sizeof buf, format, &local);
  return buf;
}

}  // namespace

std::string DateStamp() { return DateStamp(CurrentEnv().Now()); }
std::string DateStamp(std::chrono::system_clock::time_point when) { return Stamp(when, "%Y%m%d"); }
std::string TimeStamp() { return TimeStamp(CurrentEnv().Now()); }
std::string TimeStamp(std::chrono::system_clock::time_point when) { return Stamp(when, "%Y%m%d-%H%M%S"); }

std::string IsoLocalTime(std::chrono::system_clock::time_point when) { return Stamp(when, "%Y-%m-%dT%H:%M:%S"); }

std::string BatchNumber(int n) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%.4d", n);
  return buf;
}

}  // namespace telqor
