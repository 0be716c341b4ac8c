#include "core/settings.h"

#include "core/errors.h"
#include "core/ini_file.h"
#include "core/str_to_int.h"

namespace telqor {
namespace {

// A key whose value may need 64 bits (the bounds of the data analysis): written in full, and
// read in full when the text is no 32-bit setting value.
struct Wide {
  int64_t& value;
};

// The keys in the order they are written, with their member and their value when missing.
template <typename F>
void ForEachKey(Settings& s, F&& f) {
  const Settings missing;  // the "missing" values are the defaults of the struct
  f("telecomtag", s.telecomtag, missing.telecomtag);
  f("unicomtag", s.unicomtag, missing.unicomtag);
  f("mobiletag", s.mobiletag, missing.mobiletag);
  f("MapCacheSize", s.MapCacheSize, missing.MapCacheSize);
  f("RegExprMain", s.RegExprMain, missing.RegExprMain);
  f("RegExprMobile", s.RegExprMobile, missing.RegExprMobile);
  f("RegExprTel", s.RegExprTel, missing.RegExprTel);
  f("RegExprEx1", s.RegExprEx1, missing.RegExprEx1);
  f("RegExprEx2", s.RegExprEx2, missing.RegExprEx2);
  f("CalMode", s.CalMode, missing.CalMode);
  f("MyUsedDataPath", s.MyUsedDataPath, missing.MyUsedDataPath);
  f("MywillUseDataPath", s.MywillUseDataPath, missing.MywillUseDataPath);
  f("MyOtherDataPath", s.MyOtherDataPath, missing.MyOtherDataPath);
  f("DADelimiter", s.DADelimiter, missing.DADelimiter);
  f("DAReplace1", s.DAReplace1, missing.DAReplace1);
  f("DAReplace2", s.DAReplace2, missing.DAReplace2);
  f("DAColumnNo", s.DAColumnNo, missing.DAColumnNo);
  f("DAFixIndex", s.DAFixIndex, missing.DAFixIndex);
  f("DADataA", Wide{s.DADataA}, missing.DADataA);
  f("DADataB", Wide{s.DADataB}, missing.DADataB);
  f("DAOutColumnNo", s.DAOutColumnNo, missing.DAOutColumnNo);
  f("MobileSecondDigits", s.MobileSecondDigits, missing.MobileSecondDigits);
  f("MobileSeparators", s.MobileSeparators, missing.MobileSeparators);
  f("broadnettag", s.broadnettag, missing.broadnettag);
}

struct Reader {
  const IniFile& ini;
  void operator()(const char* key, std::string& value, const std::string& missing) const {
    value = ini.ReadString(kSettingsSection, key, missing);
  }
  void operator()(const char* key, int64_t& value, int64_t missing) const {
    value = ini.ReadInteger(kSettingsSection, key, missing);
  }
  void operator()(const char* key, Wide wide, int64_t missing) const {
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
  void operator()(const char* key, Wide wide, int64_t) const {
    ini.WriteString(kSettingsSection, key, std::to_string(wide.value));
  }
};

}  // namespace

Settings FirstRunSettings() {
  Settings s;
  s.telecomtag = "133;153;180;189";
  s.unicomtag = "130;131;132;145;155;156;185;186";
  s.mobiletag = "134;135;136;137;138;139;147;150;151;152;154;157;158;159;187;188;182";
  s.MapCacheSize = 10000000;
  s.RegExprMain =
      "((1\\d{10})|((\\d{7,8})|(\\d{4}|\\d{3})-(\\d{7,8})|(\\d{4}|\\d{3})-(\\d{7,8})-(\\d{4}|\\d{3}|\\d{2}|\\d{1})|"
      "(\\d{7,8})-(\\d{4}|\\d{3}|\\d{2}|\\d{1})))";
  s.RegExprMobile = "(1\\d{10})";
  s.RegExprTel =
      "((\\d{7,8})|(\\d{4}|\\d{3})-(\\d{7,8})|(\\d{4}|\\d{3})-(\\d{7,8})-(\\d{4}|\\d{3}|\\d{2}|\\d{1})|(\\d{7,8})-"
      "(\\d{4}|\\d{3}|\\d{2}|\\d{1}))";
  s.RegExprEx1 = "\\w+([-+.]\\w+)*@\\w+([-.]\\w+)*\\.\\w+([-.]\\w+)*";
  s.RegExprEx2 = "";
  s.CalMode = 0;
  s.DADelimiter.assign(1, ',');  // assign: GCC 12 warns wrongly on a one-character literal here
  s.DAReplace1.assign(1, '"');
  s.DAReplace2 = "";
  s.DAColumnNo = 1;
  s.DAFixIndex = 0;
  s.DADataA = 10;
  s.DADataB = 1000;
  s.DAOutColumnNo = 1;
  return s;
}

Settings LoadSettings(const std::filesystem::path& iniFile) {
  std::error_code ec;
  if (!std::filesystem::exists(iniFile, ec)) SaveSettings(iniFile, FirstRunSettings());
  IniFile ini = IniFile::Load(iniFile);
  Settings s;
  ForEachKey(s, Reader{ini});
  return s;
}

void SaveSettings(const std::filesystem::path& iniFile, const Settings& settings) {
  IniFile ini = IniFile::Load(iniFile);
  Settings copy = settings;
  ForEachKey(copy, Writer{ini});
  ini.Save(iniFile);
}

}  // namespace telqor
