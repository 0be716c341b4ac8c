// ExtractionRules: a request compiled for the scanners, built once at the start of a run and
// only read while it goes, so the scanning threads share it without a lock.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "extract/extraction_request.h"
#include "extract/extraction_results.h"

namespace telqor {

struct ExtractionRules {
  std::array<bool, kFoundKinds> keep{};  // the kinds kept in this run
  bool wantNumbers = false;
  bool wantEmail = false;
  bool mobileSeparators = true;
  AreaCodeMode areaCodeMode = AreaCodeMode::kLastSeen;
  std::string fixedAreaCode;
  std::string pattern;                  // trimmed; empty when no pattern is wanted
  std::vector<uint8_t> areaCode3;       // area codes of three digits, by value
  std::vector<uint8_t> areaCode4;       // of four digits
  std::array<bool, 10> mobileSecond{};  // the second digits of mobile numbers

  bool Keeps(FoundKind kind) const { return keep[static_cast<size_t>(kind)]; }
  // Whether the `length` (3 or 4) ASCII digits at s are an area code.
  bool IsAreaCode(const unsigned char* s, size_t length) const;
  // Whether the `length` ASCII digits at s are a mobile number.
  bool IsMobile(const unsigned char* s, size_t length) const {
    return length == 11 && s[0] == '1' && mobileSecond[static_cast<size_t>(s[1] - '0')];
  }
};

ExtractionRules CompileRules(const ExtractionRequest& request);

}  // namespace telqor
