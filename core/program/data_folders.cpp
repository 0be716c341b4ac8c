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

}  // namespace

fs::path ProgramFolder(const std::optional<fs::path>& home) {
  Env& env = CurrentEnv();
  if (home && !home->empty()) return AsFolder(fs::absolute(*home));
  if (auto dir = env.Variable("TELQOR_HOME")) return AsFolder(fs::absolute(PathFromUtf8(*dir)));
  fs::path exe = env.ExecutableFolder();
  auto top = exe.begin();
  const bool installed = exe.is_absolute() && ++top != exe.end() && *top == "usr";
  if (!installed && env.Writable(exe)) return AsFolder(exe);
  if (auto xdg = env.Variable("XDG_DATA_HOME")) return AsFolder(PathFromUtf8(*xdg) / "Telqor");
  return AsFolder(PathFromUtf8(env.Variable("HOME").value_or("/tmp")) / ".local" / "share" / "Telqor");
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
    fs::path named = PathFromGbk(*m.setting);
    if (!m.setting->empty() && fs::is_directory(named, ec)) {
      *m.folder = AsFolder(named);
    } else {
      *m.folder = DefaultFolder(f, m);
      *m.setting = Utf8ToGbk(FolderToUtf8(*m.folder));
      attempt([&] { CreateFolders(*m.folder); });
    }
  }
  f.datedOutput = AsFolder(f.otherData / DateStamp());
  attempt([&] { f.datedOutput = BuildDatedOutputFolder(f.otherData); });
  return s;
}

std::vector<std::string> FollowFolderSettings(Settings& settings, DataFolders& folders) {
  std::vector<std::string> problems;
  for (const ManagedFolder& m : ManagedFolders(settings, folders)) {
    fs::path wanted = m.setting->empty() ? DefaultFolder(folders, m) : AsFolder(PathFromGbk(*m.setting));
    try {
      CreateFolders(wanted);
      *m.folder = wanted;
      if (m.setting->empty()) *m.setting = Utf8ToGbk(FolderToUtf8(*m.folder));
    } catch (const std::exception& e) {
      *m.setting = Utf8ToGbk(FolderToUtf8(*m.folder));
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
