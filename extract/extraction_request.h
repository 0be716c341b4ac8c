// ExtractionRequest: what one extraction run looks for, in what, and what its results are for.
// The panel and telqor-cli extract each build one from their controls or arguments and hand it
// to ExtractionEngine::Start; nothing else sets up a run.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/lists/item_list.h"

namespace telqor {

// What a local number (7 or 8 digits, no area code of its own) is given before it.
enum class AreaCodeMode {
  kLastSeen,  // the last area code seen before it in its item
  kFixed,     // fixedAreaCode
  kNone,      // nothing
};

// What becomes of the results, which decides the kinds a run keeps.
enum class ExtractionOutput {
  kFilePerKind,   // saved one file per kind: every kind found is kept, digit runs of no kind too
  kAppendWanted,  // appended to a list: only the kinds wanted, digit runs of no kind never
};

struct ExtractionRequest {
  // ---- What to find ------------------------------------------------------------------------
  bool mobile = false;
  bool landline = false;
  bool email = false;
  bool pattern = false;
  // The user's pattern (GBK); used when pattern and not blank.
  std::string patternText;
  // The digits that may follow the leading "1" of an 11-digit run for it to be a mobile number
  // (the setting MobileSecondDigits); other characters are ignored, and a text without any
  // digit means the current numbering plan, "3456789".
  std::string mobileSecondDigits = "3456789";
  // Whether a mobile number written in groups of 3, 4 and 4 digits is taken too: "138 0013 8000",
  // "+86 138-0013-8000" (the setting MobileSeparators). Its groups are joined by one blank, "-"
  // or ideographic space each; "86", "+86" or "0086" may go before it.
  bool mobileSeparators = true;
  AreaCodeMode areaCodeMode = AreaCodeMode::kLastSeen;
  std::string fixedAreaCode;  // GBK, for AreaCodeMode::kFixed
  // Sorted, duplicate-free landline area codes (not owned; left alone until the run ends); may
  // be null or empty, then no digit run is taken for an area code.
  const ItemList* areaCodes = nullptr;
  // There is no area-code table at all (固话区号对照表.txt is missing, not empty; areaCodes is
  // then empty): an area code is known by how the country's codes are written, "010", "02" and a
  // digit, or "0", a digit from 3 to 9 and two more, so a landline keeps the code it is written
  // with ("0755-26543210" is 075526543210).
  bool areaCodeTableMissing = false;
  ExtractionOutput output = ExtractionOutput::kFilePerKind;

  // ---- Where to find it --------------------------------------------------------------------
  // Pasted text (GBK); scanned first when not blank.
  std::string text;
  // Files, in order. A path that is not an existing file is scanned as text.
  std::vector<std::filesystem::path> files;

  // Whether there is anything to scan: text that is not blank, or a file.
  bool HasSources() const;
  bool WantsNumbers() const { return mobile || landline; }
  // Whether the pattern is wanted and not blank.
  bool WantsPattern() const;
  // What to tell the user, once, when the run keeps landlines without an area-code table: that
  // the table is missing and how to write it (UTF-8); empty otherwise.
  std::string MissingAreaCodeTableNote() const;
  // Throws the pattern's error when pattern is set and the pattern does not compile. A run drops
  // each item whose pattern fails, keeping its numbers; a caller that would rather refuse asks
  // first.
  void CheckPattern() const;
};

}  // namespace telqor
