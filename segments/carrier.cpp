#include "segments/carrier.h"

#include <vector>

#include "core/text/errors.h"
#include "core/program/settings.h"
#include "core/text/str_to_int.h"
#include "core/text/text.h"

namespace telqor {

const char* CarrierName(Carrier carrier) {
  switch (carrier) {
    case Carrier::Mobile:
      return "移动";
    case Carrier::Unicom:
      return "联通";
    case Carrier::Telecom:
      return "电信";
    case Carrier::Broadnet:
      return "广电";
    case Carrier::None:
      break;
  }
  return "其它";
}

CarrierRule::CarrierRule(const Settings& settings)
    : CarrierRule(settings.mobilePrefixes, settings.unicomPrefixes, settings.telecomPrefixes, settings.broadnetPrefixes) {}

namespace {

bool AllDigits(std::string_view s) {
  for (char c : s)
    if (c < '0' || c > '9') return false;
  return true;
}

int PrefixValue(std::string_view digits) {
  int value = 0;
  for (char c : digits) value = value * 10 + (c - '0');
  return value;
}

// Splits a setting into its four-digit prefixes (entries of exactly four digits, blanks
// around them ignored) and the rest of its text, kept as written for the three-digit search.
std::string TakeFourDigitPrefixes(std::string_view tag, std::vector<int>& fourDigits) {
  std::string rest;
  while (true) {
    size_t end = tag.find(';');
    std::string_view entry = tag.substr(0, end);
    std::string_view trimmed = TrimBlanks(entry);
    if (trimmed.size() == 4 && AllDigits(trimmed)) {
      fourDigits.push_back(PrefixValue(trimmed));
    } else {
      if (!rest.empty()) rest += ';';
      rest += entry;
    }
    if (end == std::string_view::npos) break;
    tag.remove_prefix(end + 1);
  }
  return rest;
}

}  // namespace

CarrierRule::CarrierRule(std::string_view mobiletag, std::string_view unicomtag, std::string_view telecomtag,
                         std::string_view broadnettag) {
  std::array<std::vector<int>, 4> fourDigits;
  const std::array<std::string_view, 4> tags = {mobiletag, unicomtag, telecomtag, broadnettag};
  for (int i = 0; i < 4; ++i) tags_[static_cast<size_t>(i)] = TakeFourDigitPrefixes(tags[i], fourDigits[i]) + ";";
  char digits[3];
  for (int p = 0; p < 1000; ++p) {
    digits[0] = static_cast<char>('0' + p / 100);
    digits[1] = static_cast<char>('0' + p / 10 % 10);
    digits[2] = static_cast<char>('0' + p % 10);
    byPrefix3_[static_cast<size_t>(p)] = SearchBits(std::string_view(digits, 3));
  }
  for (int i = 0; i < 4; ++i)
    for (int p : fourDigits[static_cast<size_t>(i)]) byPrefix4_[static_cast<size_t>(p)] |= static_cast<uint8_t>(1 << i);
  for (int p = 0; p < 10000; ++p)
    if (!byPrefix4_[static_cast<size_t>(p)])
      byPrefix4_[static_cast<size_t>(p)] = byPrefix3_[static_cast<size_t>(p / 10)];
}

uint8_t CarrierRule::SearchBits(std::string_view number) const {
  std::string prefix(number.substr(0, 3));
  prefix += ';';
  uint8_t bits = 0;
  for (int i = 0; i < 4; ++i)
    if (tags_[static_cast<size_t>(i)].find(prefix) != std::string::npos) bits |= static_cast<uint8_t>(1 << i);
  return bits;
}

uint8_t CarrierRule::Bits(std::string_view number) const {
  if (number.size() >= 3 && AllDigits(number.substr(0, 3))) {
    if (number.size() >= 4 && AllDigits(number.substr(0, 4)))
      return byPrefix4_[static_cast<size_t>(PrefixValue(number.substr(0, 4)))];
    return byPrefix3_[static_cast<size_t>(PrefixValue(number.substr(0, 3)))];
  }
  return SearchBits(number);
}

Carrier CarrierRule::Of(std::string_view number) const {
  uint8_t bits = Bits(number);
  if (bits & 1) return Carrier::Mobile;
  if (bits & 2) return Carrier::Unicom;
  if (bits & 4) return Carrier::Telecom;
  if (bits & 8) return Carrier::Broadnet;
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
  if (selection.broadnet && rule.Listed(Carrier::Broadnet, number)) return true;
  return selection.range && selection.start <= value && value <= selection.end;
}

}  // namespace telqor
