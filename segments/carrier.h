// The carrier rule. A setting (mobiletag, unicomtag, telecomtag, broadnettag) lists prefixes separated by
// ";": three-digit ones, and four-digit ones for the blocks of a prefix that belong to another
// carrier (1349 within 134, 1704 within 170). A number whose first four digits a setting lists
// exactly belongs to that setting's carrier; otherwise its first three characters (fewer when
// it is shorter), followed by ";", are searched in each setting + ";", as the program always
// did. In both steps the order mobiletag, unicomtag, telecomtag, broadnettag decides for a
// prefix listed in two settings. 广电 (China Broadnet, 192) is the fourth basic carrier; its
// setting is empty until today's prefixes are taken. Settings of three-digit prefixes alone classify exactly as before.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace telqor {

struct Settings;

enum class Carrier : uint8_t { None, Mobile, Unicom, Telecom, Broadnet };

// The carriers in the order they are written and searched.
inline constexpr Carrier kCarriers[] = {Carrier::Mobile, Carrier::Unicom, Carrier::Telecom, Carrier::Broadnet};

// "移动", "联通", "电信", "广电" (UTF-8), or "其它" for None.
const char* CarrierName(Carrier carrier);

class CarrierRule {
 public:
  explicit CarrierRule(const Settings& settings);
  CarrierRule(std::string_view mobiletag, std::string_view unicomtag, std::string_view telecomtag,
              std::string_view broadnettag = {});

  Carrier Of(std::string_view number) const;
  // Whether the number's prefix is listed in the setting of that carrier (None: never).
  bool Listed(Carrier carrier, std::string_view number) const;

 private:
  static constexpr uint8_t kBit[5] = {0, 1, 2, 4, 8};
  uint8_t Bits(std::string_view number) const;
  uint8_t SearchBits(std::string_view number) const;

  std::array<std::string, 4> tags_;         // each setting without its four-digit prefixes, + ";"
  std::array<uint8_t, 1000> byPrefix3_;     // the bits of every three-digit prefix, computed once
  std::array<uint8_t, 10000> byPrefix4_{};  // of every four-digit one, the three-digit bits when none lists it
};

// The type test of the moves by number type: selected when a checked carrier lists the
// number's prefix; otherwise, with a range, when start <= number <= end. With a range, a
// number that is not an integer is never selected.
struct TypeSelection {
  bool mobile = true, unicom = true, telecom = true, broadnet = true;
  bool range = false;
  int64_t start = 0, end = 0;
};
bool TypeSelected(const CarrierRule& rule, const TypeSelection& selection, std::string_view number);

}  // namespace telqor
