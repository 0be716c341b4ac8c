// The settings of Telqor.ini, section SYSTEM: carrier prefixes, patterns, processing mode,
// managed folders, the data-analysis values and the mobile rules of extraction. Strings are GBK
// bytes as stored. The program loads them once, keeps them in memory, and rewrites every key
// whenever they change.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

#include "core/lists/compare_mode.h"

namespace telqor {

inline constexpr char kSettingsFileName[] = "Telqor.ini";
inline constexpr char kSettingsSection[] = "SYSTEM";

// The members hold what their keys hold; each key is named beside its member, and the table of
// keys in writing order is ForEachSettingKey below.
struct Settings {
  // The carriers' prefixes, "134;135;1349;...": telecomtag, unicomtag, mobiletag, broadnettag.
  std::string telecomPrefixes;
  std::string unicomPrefixes;
  std::string mobilePrefixes;
  // 广电's prefixes: empty at first start, so numbers of 192 keep no carrier as they always had.
  std::string broadnetPrefixes;
  int64_t compareBuckets = 10000000;  // MapCacheSize: kept as read; comparisons size their tables by the files
  std::string numberPattern;          // RegExprMain
  std::string mobilePattern;          // RegExprMobile: 保留手机号码
  std::string landlinePattern;        // RegExprTel: 保留电话号码
  std::string customPattern1;         // RegExprEx1: 保留自定义Ⅰ
  std::string customPattern2;         // RegExprEx2: 保留自定义Ⅱ
  int64_t processingMode = 0;         // CalMode: 0 for A (exact), any other for B (by hash)
  std::string usedFilesFolder;        // MyUsedDataPath: 使用过文件
  std::string toUseFilesFolder;       // MywillUseDataPath: 待使用文件
  std::string otherDataFolder;        // MyOtherDataPath: the output folder
  // The column data analysis's last inputs (DADelimiter, DAReplace1, DAReplace2, DAColumnNo,
  // DAFixIndex, DADataA, DADataB, DAOutColumnNo).
  std::string analysisDelimiter = ",";
  std::string analysisReplace1;
  std::string analysisReplace2;
  int64_t analysisColumn = 0;
  int64_t analysisCondition = 0;  // the condition's index in the dialog's list, -1 for none
  int64_t analysisBoundA = 0;     // 64 bits, stored as typed
  int64_t analysisBoundB = 0;
  int64_t analysisOutputColumn = 0;
  // MobileSecondDigits: the digits that may follow the leading "1" of an 11-digit run for
  // extraction to take it for a mobile number. "34578" is the numbering plan the program
  // started with.
  std::string mobileSecondDigits = "3456789";
  // MobileSeparators, non-zero: extraction also takes a mobile number written in groups,
  // "138 0013 8000", "+86 138-0013-8000"; 0 takes eleven digits in one run only, as the
  // program always did.
  int64_t mobileSeparators = 1;

  // Any non-zero processingMode compares by hash (mode B).
  CompareMode Comparison() const { return processingMode != 0 ? CompareMode::kByHash : CompareMode::kExact; }
};

// A value that may need 64 bits (the bounds of the data analysis): written in full, and read
// in full when the text is no 32-bit setting value.
struct WideSetting {
  int64_t& value;
};

// The keys of section SYSTEM in the order they are written: f(key, member, value when missing)
// for each, the member as std::string&, int64_t& or WideSetting.
template <typename F>
void ForEachSettingKey(Settings& s, F&& f) {
  const Settings missing;  // the "missing" values are the defaults of the struct
  f("telecomtag", s.telecomPrefixes, missing.telecomPrefixes);
  f("unicomtag", s.unicomPrefixes, missing.unicomPrefixes);
  f("mobiletag", s.mobilePrefixes, missing.mobilePrefixes);
  f("MapCacheSize", s.compareBuckets, missing.compareBuckets);
  f("RegExprMain", s.numberPattern, missing.numberPattern);
  f("RegExprMobile", s.mobilePattern, missing.mobilePattern);
  f("RegExprTel", s.landlinePattern, missing.landlinePattern);
  f("RegExprEx1", s.customPattern1, missing.customPattern1);
  f("RegExprEx2", s.customPattern2, missing.customPattern2);
  f("CalMode", s.processingMode, missing.processingMode);
  f("MyUsedDataPath", s.usedFilesFolder, missing.usedFilesFolder);
  f("MywillUseDataPath", s.toUseFilesFolder, missing.toUseFilesFolder);
  f("MyOtherDataPath", s.otherDataFolder, missing.otherDataFolder);
  f("DADelimiter", s.analysisDelimiter, missing.analysisDelimiter);
  f("DAReplace1", s.analysisReplace1, missing.analysisReplace1);
  f("DAReplace2", s.analysisReplace2, missing.analysisReplace2);
  f("DAColumnNo", s.analysisColumn, missing.analysisColumn);
  f("DAFixIndex", s.analysisCondition, missing.analysisCondition);
  f("DADataA", WideSetting{s.analysisBoundA}, missing.analysisBoundA);
  f("DADataB", WideSetting{s.analysisBoundB}, missing.analysisBoundB);
  f("DAOutColumnNo", s.analysisOutputColumn, missing.analysisOutputColumn);
  f("MobileSecondDigits", s.mobileSecondDigits, missing.mobileSecondDigits);
  f("MobileSeparators", s.mobileSeparators, missing.mobileSeparators);
  f("broadnettag", s.broadnetPrefixes, missing.broadnetPrefixes);
}

// The values written on first start.
Settings FirstRunSettings();

// Reads the settings file; when it does not exist, writes it with the first-run values first.
// A key that is missing takes its "missing" value, an integer that does not parse its default.
Settings LoadSettings(const std::filesystem::path& iniFile);

// Writes every key, in order, keeping whatever else the file holds.
void SaveSettings(const std::filesystem::path& iniFile, const Settings& settings);

}  // namespace telqor
