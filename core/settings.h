// The settings of Telqor.ini, section SYSTEM: carrier prefixes, patterns, processing mode,
// managed folders, the data-analysis values and the mobile rules of extraction. Strings are GBK
// bytes as stored. The program loads them once, keeps them in memory, and rewrites every key
// whenever they change.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace telqor {

inline constexpr char kSettingsFileName[] = "Telqor.ini";
inline constexpr char kSettingsSection[] = "SYSTEM";

struct Settings {
  std::string telecomtag;
  std::string unicomtag;
  std::string mobiletag;
  // 广电's prefixes: empty at first start, so numbers of 192 keep no carrier as they always had.
  std::string broadnettag;
  int64_t MapCacheSize = 10000000;
  std::string RegExprMain;
  std::string RegExprMobile;
  std::string RegExprTel;
  std::string RegExprEx1;
  std::string RegExprEx2;
  int64_t CalMode = 0;
  std::string MyUsedDataPath;
  std::string MywillUseDataPath;
  std::string MyOtherDataPath;
  std::string DADelimiter = ",";
  std::string DAReplace1;
  std::string DAReplace2;
  int64_t DAColumnNo = 0;
  int64_t DAFixIndex = 0;
  int64_t DADataA = 0;  // 64 bits, stored as typed
  int64_t DADataB = 0;
  int64_t DAOutColumnNo = 0;
  // The digits that may follow the leading "1" of an 11-digit run for extraction to take it
  // for a mobile number. "34578" is the numbering plan the program started with.
  std::string MobileSecondDigits = "3456789";
  // Non-zero: extraction also takes a mobile number written in groups, "138 0013 8000",
  // "+86 138-0013-8000"; 0 takes eleven digits in one run only, as the program always did.
  int64_t MobileSeparators = 1;

  // Processing mode B (hashing): any non-zero CalMode.
  bool ModeB() const { return CalMode != 0; }
};

// The values written on first start.
Settings FirstRunSettings();

// Reads the settings file; when it does not exist, writes it with the first-run values first.
// A key that is missing takes its "missing" value, an integer that does not parse its default.
Settings LoadSettings(const std::filesystem::path& iniFile);

// Writes every key, in order, keeping whatever else the file holds.
void SaveSettings(const std::filesystem::path& iniFile, const Settings& settings);

}  // namespace telqor
