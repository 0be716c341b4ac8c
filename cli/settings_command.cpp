// settings: the settings in effect and the folders in use.
#include <iostream>
#include <type_traits>

#include "cli/commands.h"
#include "core/text/gbk.h"
#include "core/text/path_text.h"
#include "segments/current_prefixes.h"

namespace telqor::cli {
namespace {

int Run(const ParsedArgs& args, GlobalOptions& global) {
  ProgramState& s = Started(global);
  if (args.Flag("--current-prefixes")) {
    UseCurrentPrefixes(s.settings);
    SaveSettings(s.iniFile, s.settings);
  }
  const Settings& v = s.settings;
  auto show = [](const char* key, const auto& value) {
    if constexpr (std::is_integral_v<std::decay_t<decltype(value)>>) {
      std::cout << key << "=" << value << "\n";
    } else {
      std::cout << key << "=" << GbkToUtf8(value) << "\n";
    }
  };
  std::cout << "Settings file: " << PathToUtf8(s.iniFile) << "\n[" << kSettingsSection << "]\n";
  Settings shown = v;
  ForEachSettingKey(shown, [&](const char* key, const auto& value, const auto&) {
    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, WideSetting>) {
      show(key, value.value);
    } else {
      show(key, value);
    }
  });
  std::cout << "\nProcessing mode: " << (v.Comparison() == CompareMode::kByHash ? "B" : "A") << "\n\nFolders:\n";
  const DataFolders& f = s.folders;
  std::cout << "  program folder:        " << FolderToUtf8(f.program) << "\n"
            << "  base-data folder:      " << FolderToUtf8(f.baseData) << "\n"
            << "  my-data folder:        " << FolderToUtf8(f.myData) << "\n"
            << "  temporary folder:      " << FolderToUtf8(f.temporary) << "\n"
            << "  used-files folder:     " << FolderToUtf8(f.usedFiles) << "\n"
            << "  to-use folder:         " << FolderToUtf8(f.toUse) << "\n"
            << "  output folder:         " << FolderToUtf8(f.otherData) << "\n"
            << "  dated output folder:   " << FolderToUtf8(f.datedOutput) << "\n";
  return 0;
}

}  // namespace

Verb SettingsVerb() {
  return {{"settings",
           "Prints the settings in effect (from Telqor.ini, written with first-run values when missing)\n"
           "and the folders in use. Folder settings that name no existing folder show their defaults.\n"
           "With --current-prefixes, today's allocation of mobile prefixes to the carriers (taken\n"
           "from the segment list of 2025 shipped with the program, four-digit blocks included) is\n"
           "first written into Telqor.ini as mobiletag, unicomtag and telecomtag.\n",
           {{"--current-prefixes", nullptr, OptionKind::Flag, nullptr, "write today's carrier prefixes first"}},
           {}},
          "show the settings in effect and the folders in use",
          Run};
}

}  // namespace telqor::cli
