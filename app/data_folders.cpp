#include "app/data_folders.h"

#include <unistd.h>

#include <cstdlib>
#include <ctime>

#include "core/errors.h"
#include "core/file_io.h"
#include "core/gbk.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;

fs::path U8(const char* utf8) { return fs::path(utf8); }

bool Writable(const fs::path& folder) { return ::access(folder.c_str(), W_OK) == 0; }

fs::path ExecutableFolder() {
  std::error_code ec;
  fs::path exe = fs::read_symlink("/proc/self/exe", ec);
  return ec ? fs::current_path() : exe.parent_path();
}

void CreateFolder(const fs::path& folder) {
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (ec || !fs::is_directory(folder))
    throw EFileError("Cannot create folder \"" + DisplayPath(folder) + "\". " + ec.message());
}

std::string Stamp(std::chrono::system_clock::time_point when, const char* format) {
  std::time_t t = std::chrono::system_clock::to_time_t(when);
  std::tm local{};
  localtime_r(&t, &local);
  char buf[32];
  std::strftime(buf, sizeof buf, format, &local);
  return buf;
}

}  // namespace

fs::path ProgramFolder(const std::optional<fs::path>& home) {
  if (home && !home->empty()) return AsFolder(fs::absolute(*home));
  if (const char* env = std::getenv("TELQOR_HOME"); env && *env) return AsFolder(fs::absolute(env));
  fs::path exe = ExecutableFolder();
  if (Writable(exe)) return AsFolder(exe);
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return AsFolder(fs::path(xdg) / "Telqor");
  const char* user = std::getenv("HOME");
  return AsFolder(fs::path(user && *user ? user : "/tmp") / ".local" / "share" / "Telqor");
}

std::string FolderText(const fs::path& folder) {
  std::string s = folder.string();
  if (s.empty() || s.back() != fs::path::preferred_separator) s += fs::path::preferred_separator;
  return s;
}

fs::path AsFolder(const fs::path& folder) { return fs::path(FolderText(folder)); }

std::string DateStamp(std::chrono::system_clock::time_point when) { return Stamp(when, "%Y%m%d"); }

std::string TimeStamp(std::chrono::system_clock::time_point when) { return Stamp(when, "%Y%m%d-%H%M%S"); }

fs::path BuildDatedOutputFolder(const fs::path& otherData) {
  fs::path dated = AsFolder(otherData / DateStamp());
  CreateFolder(dated);
  return dated;
}

Startup StartUp(const fs::path& programFolder) {
  Startup s;
  DataFolders& f = s.folders;
  f.program = AsFolder(programFolder);
  f.baseData = AsFolder(f.program / U8("基础数据"));
  f.myData = AsFolder(f.program / U8("我的数据"));
  f.temporary = AsFolder(f.myData / U8("临时数据"));
  f.namedPatterns = f.baseData / "Regex";
  auto attempt = [&](auto&& action) {
    try {
      action();
    } catch (const std::exception& e) {
      s.problems.emplace_back(e.what());
    }
  };
  for (const fs::path* folder : {&f.baseData, &f.myData, &f.temporary}) attempt([&] { CreateFolder(*folder); });

  s.iniFile = f.program / kSettingsFileName;
  s.settings = FirstRunSettings();
  attempt([&] { s.settings = LoadSettings(s.iniFile); });

  // A managed folder setting counts only when it names an existing folder; otherwise the
  // default is used (and remembered) for this run.
  struct Managed {
    std::string* setting;
    fs::path* folder;
    const char* defaultName;
  };
  for (Managed m : {Managed{&s.settings.MyUsedDataPath, &f.usedFiles, "使用过文件"},
                    Managed{&s.settings.MywillUseDataPath, &f.toUse, "待使用文件"},
                    Managed{&s.settings.MyOtherDataPath, &f.otherData, "其它数据"}}) {
    std::error_code ec;
    fs::path named = GbkToPath(*m.setting);
    if (!m.setting->empty() && fs::is_directory(named, ec)) {
      *m.folder = AsFolder(named);
    } else {
      *m.folder = AsFolder(f.myData / U8(m.defaultName));
      *m.setting = Utf8ToGbk(FolderText(*m.folder));
      attempt([&] { CreateFolder(*m.folder); });
    }
  }
  f.datedOutput = AsFolder(f.otherData / DateStamp());
  attempt([&] { f.datedOutput = BuildDatedOutputFolder(f.otherData); });
  return s;
}

}  // namespace telqor
