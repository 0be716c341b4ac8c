#include "cli/console_ui.h"

#include <unistd.h>

#include <iostream>
#include <string>

#include "core/program/data_folders.h"
#include "core/text/path_text.h"

namespace telqor::cli {

void ConsoleUi::ShowStatus(std::string_view text) {
  if (isatty(STDERR_FILENO)) std::cerr << "\r\033[K" << text << std::flush;
}

void ConsoleUi::Progress(int64_t done, int64_t total) {
  if (isatty(STDERR_FILENO) && total > 0) std::cerr << "\r\033[K" << (done * 100 / total) << "%" << std::flush;
}

bool ConsoleUi::AskYesNo(std::string_view question) {
  if (!yes_) throw QuestionRefused(std::string(question) + " No: refused; run again with --yes to answer Yes");
  std::cerr << question << " Yes (--yes)\n";
  return true;
}

void ConsoleUi::Inform(std::string_view message) { std::cerr << message << "\n"; }

void ConsoleUi::OpenFolder(const std::filesystem::path& folder) {
  std::cerr << "Folder: " << FolderToUtf8(folder) << "\n";
}

}  // namespace telqor::cli
