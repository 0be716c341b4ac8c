#include "core/program/data_folders.h"

#include "core/platform/env.h"
#include "core/text/errors.h"
#include "core/io/file_io.h"
#include "core/text/gbk.h"
#include "core/io/output_names.h"

namespace telqor {
namespace {

namespace fs = std::filesystem;

fs::path U8(const char* utf8) { return PathFromUtf8(utf8); }

// A managed folder with its setting and the name of its default under the my-data folder.
struct ManagedFolder {
  std::string* setting;
  fs::path* folder;
  const char* defaultName;
  const char* title;  // as the settings dialog labels it
};

std::vector<ManagedFolder> ManagedFolders(Settings& s, DataFolders& f) {
  return {{&s.usedFilesFolder, &f.usedFiles, "使用过文件", "使用过文件夹"},
          {&s.toUseFilesFolder, &f.toUse, "待使用文件", "待使用文件夹"},
          {&s.otherDataFolder, &f.otherData, "其它数据", "输出文件夹"}};
}

fs::path DefaultFolder(const DataFolders& f, const ManagedFolder& m) { return AsFolder(f.myData / U8(m.defaultName)); }

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Whether the setting names the default folder of another program folder, as the absolute
// settings of earlier versions did ("D:/旧Telqor/我的数据/使用过文件/" in a copy of that folder):
// the copy's own default is meant, not a folder of the one it was copied from.
bool NamesAnotherProgramsDefault(const fs::path& named, const DataFolders& f, const ManagedFolder& m) {
  if (!named.is_absolute()) return false;
  const fs::path folder = AsFolder(named).parent_path();  // without the closing separator
  const fs::path myData = folder.parent_path();
  return folder.filename() == U8(m.defaultName) && myData.filename() == U8("我的数据") &&
         AsFolder(myData.parent_path()) != AsFolder(f.program);
}

}  // namespace

namespace {

// Whether path is folder or below it, by their names (another drive is never inside).
bool IsInside(const fs::path& path, const fs::path& folder) {
  const fs::path inside = AsFolder(path).lexically_relative(AsFolder(folder));
  return !inside.empty() && !inside.has_root_path() && *inside.begin() != "..";
}

// Whether the executable is where an installer puts programs: below /usr (a package), or below
// Windows' program folders (the setup program), where a user's data never goes.
bool Installed(const fs::path& exe, Env& env) {
  auto top = exe.begin();
  if (exe.is_absolute() && ++top != exe.end() && *top == "usr") return true;
  for (const char* programs : {"ProgramFiles", "ProgramW6432", "ProgramFiles(x86)"}) {
    const std::optional<std::string> folder = env.Variable(programs);
    if (!folder || folder->empty()) continue;
    if (IsInside(exe, PathFromUtf8(*folder))) return true;
  }
  return false;
}

}  // namespace

fs::path ProgramFolder(const std::optional<fs::path>& home) {
  Env& env = CurrentEnv();
  if (home && !home->empty()) return AsFolder(fs::absolute(*home));
  if (auto dir = env.Variable("TELQOR_HOME")) return AsFolder(fs::absolute(PathFromUtf8(*dir)));
  fs::path exe = env.ExecutableFolder();
  if (!Installed(exe, env) && env.Writable(exe)) return AsFolder(exe);
  if (auto local = env.Variable("LOCALAPPDATA")) return AsFolder(PathFromUtf8(*local) / "Telqor");
  if (auto xdg = env.Variable("XDG_DATA_HOME")) return AsFolder(PathFromUtf8(*xdg) / "Telqor");
  return AsFolder(PathFromUtf8(env.Variable("HOME").value_or("/tmp")) / ".local" / "share" / "Telqor");
}

std::string FolderSettingOf(const fs::path& folder, const fs::path& programFolder) {
  fs::path stored = AsFolder(folder);
  if (folder.is_absolute() && IsInside(folder, programFolder))
    stored = AsFolder(folder).lexically_relative(AsFolder(programFolder));
  const std::string utf8 = FolderToUtf8(stored);
  std::string gbk = Utf8ToGbk(utf8);
  if (GbkToUtf8(gbk) != utf8) return std::string(kUtf8Mark) + utf8;
  return gbk;
}

fs::path FolderOfSetting(std::string_view setting, const fs::path& programFolder) {
  if (setting.empty()) return {};
  const fs::path named = setting.starts_with(kUtf8Mark) ? PathFromUtf8(setting.substr(kUtf8Mark.size()))
                                                        : PathFromGbk(setting);
  return named.is_absolute() || named.has_root_name() ? named : programFolder / named;
}

std::string TypedFolderSetting(std::string_view typed, const fs::path& programFolder) {
  if (typed.empty()) return {};
  return FolderSettingOf(programFolder / PathFromUtf8(typed), programFolder);
}

std::string FolderSettingProblem(const std::string& setting) {
  if (setting.empty()) return {};
  fs::path folder = PathFromGbk(setting);
  // Named without its closing separator: Windows finds "list.txt\" as the file itself.
  if (!folder.has_filename() && folder.has_relative_path()) folder = folder.parent_path();
  // The folder itself, else the nearest folder above it that exists, must be a folder.
  std::error_code ec;
  for (fs::path p = folder; !p.empty(); p = p.parent_path()) {
    fs::file_status status = fs::status(p, ec);
    if (!fs::exists(status)) {
      if (p == p.parent_path()) break;
      continue;
    }
    if (fs::is_directory(status)) return {};
    return AsFolder(p) == AsFolder(folder) ? "“" + PathToUtf8(p) + "”是文件，不是文件夹"
                                           : "“" + PathToUtf8(p) + "”是文件，不能在其中建立文件夹";
  }
  return {};
}

fs::path BuildDatedOutputFolder(const fs::path& otherData) {
  fs::path dated = AsFolder(otherData / DateStamp());
  CreateFolders(dated);
  return dated;
}

ProgramState StartUp(const fs::path& programFolder) {
  ProgramState s;
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
  for (const fs::path* folder : {&f.baseData, &f.myData, &f.temporary}) attempt([&] { CreateFolders(*folder); });

  s.iniFile = f.program / kSettingsFileName;
  s.settings = FirstRunSettings();
  attempt([&] { s.settings = LoadSettings(s.iniFile); });

  // A managed folder setting counts only when it names an existing folder; otherwise the
  // default is used (and remembered) for this run.
  for (const ManagedFolder& m : ManagedFolders(s.settings, f)) {
    std::error_code ec;
    const fs::path named = FolderOfSetting(*m.setting, f.program);
    if (!m.setting->empty() && fs::is_directory(named, ec) && !NamesAnotherProgramsDefault(named, f, m)) {
      *m.folder = AsFolder(named);
    } else {
      *m.folder = DefaultFolder(f, m);
      attempt([&] { CreateFolders(*m.folder); });
    }
    *m.setting = FolderSettingOf(*m.folder, f.program);
  }
  f.datedOutput = AsFolder(f.otherData / DateStamp());
  attempt([&] { f.datedOutput = BuildDatedOutputFolder(f.otherData); });
  return s;
}

std::vector<std::string> FollowFolderSettings(Settings& settings, DataFolders& folders) {
  std::vector<std::string> problems;
  for (const ManagedFolder& m : ManagedFolders(settings, folders)) {
    fs::path wanted = m.setting->empty() ? DefaultFolder(folders, m) : AsFolder(FolderOfSetting(*m.setting, folders.program));
    try {
      CreateFolders(wanted);
      *m.folder = wanted;
      *m.setting = FolderSettingOf(*m.folder, folders.program);
    } catch (const std::exception& e) {
      *m.setting = FolderSettingOf(*m.folder, folders.program);
      problems.push_back(std::string(m.title) + "无法使用，仍用“" + FolderToUtf8(*m.folder) + "”: " + e.what());
    }
  }
  try {
    folders.datedOutput = BuildDatedOutputFolder(folders.otherData);
  } catch (const std::exception& e) {
    problems.emplace_back(e.what());
  }
  return problems;
}

}  // namespace telqor
