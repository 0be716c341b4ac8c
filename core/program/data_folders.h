// The program folder and the data tree under it.
//
// The program folder is the executable's folder, or the folder named by --home or TELQOR_HOME;
// when the executable's folder is not writable, the per-user data folder. Under it:
// "基础数据/" (base data), "我的数据/" (my data) with "临时数据/", and the three managed
// folders, which settings may move elsewhere, plus one dated output folder per day.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/program/settings.h"

namespace telqor {

// The landline area-code table of the base-data folder.
inline constexpr char kAreaCodeFileName[] = "固话区号对照表.txt";

struct DataFolders {
  std::filesystem::path program;
  std::filesystem::path baseData;       // program + "基础数据/"
  std::filesystem::path myData;         // program + "我的数据/"
  std::filesystem::path temporary;      // myData + "临时数据/"
  std::filesystem::path usedFiles;      // MyUsedDataPath, else myData + "使用过文件/"
  std::filesystem::path toUse;          // MywillUseDataPath, else myData + "待使用文件/"
  std::filesystem::path otherData;      // MyOtherDataPath, else myData + "其它数据/" (output folder)
  std::filesystem::path datedOutput;    // otherData + "yyyymmdd/"
  std::filesystem::path namedPatterns;  // baseData + "Regex" (read only)
};

// The program folder: home when given (--home), else TELQOR_HOME, else the folder of the
// running executable when it is writable and not installed (below /usr, where a package puts
// it, or below %ProgramFiles%, where the setup program does: even root or an administrator
// must not keep data there), else %LOCALAPPDATA%\Telqor on Windows, $XDG_DATA_HOME/Telqor or
// ~/.local/share/Telqor.
std::filesystem::path ProgramFolder(const std::optional<std::filesystem::path>& home = std::nullopt);

// What start-up made of the program folder: the settings in effect, the folders in use, and
// what could not be done (each a message for the status line).
struct ProgramState {
  std::filesystem::path iniFile;
  Settings settings;
  DataFolders folders;
  std::vector<std::string> problems;
};

// Creates the data tree, loads (on first run writes) the settings, replaces every managed
// folder setting that names no existing folder by its default for this run, and creates the
// dated output folder. Never throws for a folder or file it cannot write: it says so in problems.
ProgramState StartUp(const std::filesystem::path& programFolder);

// After the managed-folder settings were changed (the settings dialog): an empty setting means
// the default folder, which is in effect at once and stored as the setting; any other names
// the folder to use, created when missing. The dated output folder follows the output folder.
// Answers what could not be done; a folder that cannot be created keeps the one before it, and
// so does its setting, which is not left naming a folder that is not in use.
std::vector<std::string> FollowFolderSettings(Settings& settings, DataFolders& folders);

// A managed folder as its setting keeps it: relative to the program folder when inside it
// ("我的数据/使用过文件/", with the platform's separators), so that a program folder copied or
// moved whole uses its own folders; else the absolute path. GBK, as Telqor.ini is; a path GBK
// cannot hold is kept as UTF-8 after a byte-order mark, so that it reads back the same.
std::string FolderSettingOf(const std::filesystem::path& folder, const std::filesystem::path& programFolder);
// The folder a setting names (as FolderSettingOf writes it, or typed in GBK): a relative one is
// inside the program folder. Empty for an empty setting.
std::filesystem::path FolderOfSetting(std::string_view setting, const std::filesystem::path& programFolder);
// What a user typed for a folder (UTF-8) as its setting: empty stays empty (the default).
std::string TypedFolderSetting(std::string_view typed, const std::filesystem::path& programFolder);

// Why a managed-folder setting (GBK) cannot name a folder, for the user (UTF-8): the path, or a
// folder above it, is a file. Empty when it can: an empty setting means the default folder, and
// a missing folder is created when the setting is followed.
std::string FolderSettingProblem(const std::string& setting);

// The dated output folder of otherData for today, created where missing (throws FileError
// when it cannot be).
std::filesystem::path BuildDatedOutputFolder(const std::filesystem::path& otherData);

}  // namespace telqor
