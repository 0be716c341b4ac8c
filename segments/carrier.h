// The carrier rule: the first three characters of a number (fewer when it is shorter),
// followed by ";", searched in the prefix settings mobiletag, unicomtag and telecomtag + ";",
// in that order. A prefix listed in two settings belongs to the first.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace telqor {

struct Settings;

enum class Carrier : uint8_t { None, Mobile, Unicom, Telecom };

// "移动", "联通", "电信" (UTF-8), or "其它" for None.
const char* CarrierName(Carrier carrier);

class CarrierRule {
 public:
  explicit CarrierRule(const Settings& settings);
  CarrierRule(std::string_view mobiletag, std::string_view unicomtag, std::string_view telecomtag);

  Carrier Of(std::string_view number) const;
  // Whether the number's prefix is listed in the setting of that carrier (None: never).
  bool Listed(Carrier carrier, std::string_view number) const;

 private:
  static constexpr uint8_t kBit[4] = {0, 1, 2, 4};
  uint8_t Bits(std::string_view number) const;
  uint8_t SearchBits(std::string_view number) const;

  std::array<std::string, 3> tags_;     // each setting + ";"
  std::array<uint8_t, 1000> byPrefix_;  // the bits of every three-digit prefix, computed once
};

// The type test of the moves by number type: selected when a checked carrier lists the
// number's prefix; otherwise, with a range, when start <= number <= end. With a range, a
// number that is not an integer is never selected.
struct TypeSelection {
  bool mobile = true, unicom = true, telecom = true;
  bool range = false;
  int64_t start = 0, end = 0;
};
bool TypeSelected(const CarrierRule& rule, const TypeSelection& selection, std::string_view number);

}  // namespace telqor
