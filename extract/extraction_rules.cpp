#include "extract/extraction_rules.h"

#include <algorithm>
#include <string_view>

#include "core/text/text.h"

namespace telqor {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool ExtractionRules::IsAreaCode(const unsigned char* s, size_t length) const {
  if (length == 3) return areaCode3[static_cast<size_t>((s[0] - '0') * 100 + (s[1] - '0') * 10 + s[2] - '0')];
  return areaCode4[static_cast<size_t>((s[0] - '0') * 1000 + (s[1] - '0') * 100 + (s[2] - '0') * 10 + s[3] - '0')];
}

ExtractionRules CompileRules(const ExtractionRequest& request) {
  ExtractionRules rules;
  const bool all = request.output == ExtractionOutput::kFilePerKind;
  auto keep = [&](FoundKind kind, bool wanted) { rules.keep[static_cast<size_t>(kind)] = all || wanted; };
  keep(FoundKind::kRegex, request.pattern);
  keep(FoundKind::kLandline, request.landline);
  keep(FoundKind::kEmail, request.email);
  keep(FoundKind::kMobile, request.mobile);
  keep(FoundKind::kUnknown, false);
  rules.wantNumbers = request.WantsNumbers();
  rules.wantEmail = request.email;
  rules.mobileSeparators = request.mobileSeparators;
  rules.areaCodeMode = request.areaCodeMode;
  rules.fixedAreaCode = request.fixedAreaCode;
  if (request.WantsPattern()) rules.pattern = TrimBlanks(request.patternText);

  rules.areaCode3.assign(1000, 0);
  rules.areaCode4.assign(10000, 0);
  if (request.areaCodeTableMissing) {
    // The codes as they are formed: 010 and 02X of three digits, 03XX to 09XX of four.
    rules.areaCode3[10] = 1;
    std::fill(rules.areaCode3.begin() + 20, rules.areaCode3.begin() + 30, 1);
    std::fill(rules.areaCode4.begin() + 300, rules.areaCode4.begin() + 1000, 1);
  }
  if (const ItemList* codes = request.areaCodes) {
    for (int i = 0; i < codes->Count(); ++i) {
      std::string_view code = codes->View(i);
      bool digits = code.size() == 3 || code.size() == 4;
      for (char c : code) digits = digits && IsDigit(c);
      if (!digits) continue;
      int value = 0;
      for (char c : code) value = value * 10 + (c - '0');
      (code.size() == 3 ? rules.areaCode3 : rules.areaCode4)[static_cast<size_t>(value)] = 1;
    }
  }

  bool any = false;
  for (char c : request.mobileSecondDigits)
    if (IsDigit(c)) rules.mobileSecond[static_cast<size_t>(c - '0')] = any = true;
  if (!any)
    for (char c : std::string_view("3456789")) rules.mobileSecond[static_cast<size_t>(c - '0')] = true;
  return rules;
}

}  // namespace telqor
