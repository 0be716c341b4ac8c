#include "segments/carrier.h"

#include "core/errors.h"
#include "core/settings.h"
#include "core/str_to_int.h"

namespace telqor {

const char* CarrierName(Carrier carrier) {
  switch (carrier) {
    case Carrier::Mobile:
      return "移动";
    case Carrier::Unicom:
      return "联通";
    case Carrier::Telecom:
      return "电信";
    case Carrier::None:
      break;
  }
  return "其它";
}

CarrierRule::CarrierRule(const Settings& settings)
    : CarrierRule(settings.mobiletag, settings.unicomtag, settings.telecomtag) {}

CarrierRule::CarrierRule(std::string_view mobiletag, std::string_view unicomtag, std::string_view telecomtag) {
  tags_ = {std::string(mobiletag) + ";", std::string(unicomtag) + ";", std::string(telecomtag) + ";"};
  char digits[3];
  for (int p = 0; p < 1000; ++p) {
    digits[0] = static_cast<char>('0' + p / 100);
    digits[1] = static_cast<char>('0' + p / 10 % 10);
    digits[2] = static_cast<char>('0' + p % 10);
    byPrefix_[p] = SearchBits(std::string_view(digits, 3));
  }
}

uint8_t CarrierRule::SearchBits(std::string_view number) const {
  std::string prefix(number.substr(0, 3));
  prefix += ';';
  uint8_t bits = 0;
  for (int i = 0; i < 3; ++i)
    if (tags_[i].find(prefix) != std::string::npos) bits |= static_cast<uint8_t>(1 << i);
  return bits;
}

uint8_t CarrierRule::Bits(std::string_view number) const {
  if (number.size() >= 3) {
    unsigned a = static_cast<unsigned char>(number[0]) - '0', b = static_cast<unsigned char>(number[1]) - '0',
             c = static_cast<unsigned char>(number[2]) - '0';
    if (a < 10 && b < 10 && c < 10) return byPrefix_[a * 100 + b * 10 + c];
  }
  return SearchBits(number);
}

Carrier CarrierRule::Of(std::string_view number) const {
  uint8_t bits = Bits(number);
  if (bits & 1) return Carrier::Mobile;
  if (bits & 2) return Carrier::Unicom;
  if (bits & 4) return Carrier::Telecom;
  return Carrier::None;
}

bool CarrierRule::Listed(Carrier carrier, std::string_view number) const {
  return (Bits(number) & kBit[static_cast<int>(carrier)]) != 0;
}

bool TypeSelected(const CarrierRule& rule, const TypeSelection& selection, std::string_view number) {
  int64_t value = 0;
  if (selection.range) {
    try {
      value = StrToInt64(number);
    } catch (const Error&) {
      return false;
    }
  }
  if (selection.mobile && rule.Listed(Carrier::Mobile, number)) return true;
  if (selection.unicom && rule.Listed(Carrier::Unicom, number)) return true;
  if (selection.telecom && rule.Listed(Carrier::Telecom, number)) return true;
  return selection.range && selection.start <= value && value <= selection.end;
}

}  // namespace telqor
