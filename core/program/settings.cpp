#include "core/program/settings.h"

#include "core/text/errors.h"
#include "core/program/ini_file.h"
#include "core/text/str_to_int.h"

namespace telqor {
namespace {

struct Reader {
  const IniFile& ini;
  void operator()(const char* key, std::string& value, const std::string& missing) const {
    value = ini.ReadString(kSettingsSection, key, missing);
  }
  void operator()(const char* key, int64_t& value, int64_t missing) const {
    value = ini.ReadInteger(kSettingsSection, key, missing);
  }
  void operator()(const char* key, WideSetting wide, int64_t missing) const {
    wide.value = ini.ReadInteger(kSettingsSection, key, missing);
    auto text = ini.Value(kSettingsSection, key);
    if (!text || IniInteger(*text)) return;
    try {
      wide.value = StrToInt64(TrimSpaces(*text));
    } catch (const ConvertError&) {
    }
  }
};

struct Writer {
  IniFile& ini;
  void operator()(const char* key, const std::string& value, const std::string&) const {
    ini.WriteString(kSettingsSection, key, value);
  }
  void operator()(const char* key, int64_t value, int64_t) const { ini.WriteInteger(kSettingsSection, key, value); }
  void operator()(const char* key, WideSetting wide, int64_t) const {
    ini.WriteString(kSettingsSection, key, std::to_string(wide.value));
  }
};

}  // namespace

Settings FirstRunSettings() {
  Settings s;
  s.telecomPrefixes = "133;153;180;189";
  s.unicomPrefixes = "130;131;132;145;155;156;185;186";
  s.mobilePrefixes = "134;135;136;137;138;139;147;150;151;152;154;157;158;159;187;188;182";
  s.compareBuckets = 10000000;
  s.numberPattern =
      "((1\\d{10})|((\\d{7,8})|(\\d{4}|\\d{3})-(\\d{7,8})|(\\d{4}|\\d{3})-(\\d{7,8})-(\\d{4}|\\d{3}|\\d{2}|\\d{1})|"
      "(\\d{7,8})-(\\d{4}|\\d{3}|\\d{2}|\\d{1})))";
  s.mobilePattern = "(1\\d{10})";
  s.landlinePattern =
      "((\\d{7,8})|(\\d{4}|\\d{3})-(\\d{7,8})|(\\d{4}|\\d{3})-(\\d{7,8})-(\\d{4}|\\d{3}|\\d{2}|\\d{1})|(\\d{7,8})-"
      "(\\d{4}|\\d{3}|\\d{2}|\\d{1}))";
  s.customPattern1 = "\\w+([-+.]\\w+)*@\\w+([-.]\\w+)*\\.\\w+([-.]\\w+)*";
  s.customPattern2 = "";
  s.processingMode = 0;
  s.analysisDelimiter.assign(1, ',');  // assign: GCC 12 warns wrongly on a one-character literal here
  s.analysisReplace1.assign(1, '"');
  s.analysisReplace2 = "";
  s.analysisColumn = 1;
  s.analysisCondition = 0;
  s.analysisBoundA = 10;
  s.analysisBoundB = 1000;
  s.analysisOutputColumn = 1;
  return s;
}

Settings LoadSettings(const std::filesystem::path& iniFile) {
  std::error_code ec;
  if (!std::filesystem::exists(iniFile, ec)) SaveSettings(iniFile, FirstRunSettings());
  IniFile ini = IniFile::Load(iniFile);
  Settings s;
  ForEachSettingKey(s, Reader{ini});
  return s;
}

void SaveSettings(const std::filesystem::path& iniFile, const Settings& settings) {
  IniFile ini = IniFile::Load(iniFile);
  Settings copy = settings;
  ForEachSettingKey(copy, Writer{ini});
  ini.Save(iniFile);
}

}  // namespace telqor
