// The pieces of output file names: time stamps of the current local time (the Env's clock)
// and batch numbers.
#pragma once

#include <chrono>
#include <string>

namespace telqor {

// "yyyymmdd" of the current local time (or of when).
std::string DateStamp();
std::string DateStamp(std::chrono::system_clock::time_point when);
// "yyyymmdd-hhnnss", the stamp of output file names.
std::string TimeStamp();
std::string TimeStamp(std::chrono::system_clock::time_point when);
// "yyyy-mm-ddThh:mm:ss" of a local time, as desktop files write dates.
std::string IsoLocalTime(std::chrono::system_clock::time_point when);
// A batch number as four digits at least: 1 -> "0001", 12345 -> "12345".
std::string BatchNumber(int n);

}  // namespace telqor
