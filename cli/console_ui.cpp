#include "cli/console_ui.h"

#include <iostream>
#include <string>

#include "core/program/data_folders.h"
#include "cli/process_start.h"
#include "core/text/path_text.h"

namespace telqor::cli {
namespace {

// The columns UTF-8 text takes: a Chinese character takes two.
size_t Columns(std::string_view utf8) {
  size_t columns = 0;
  for (char c : utf8) {
    const auto b = static_cast<unsigned char>(c);
    columns += b < 0x80 ? 1 : b >= 0xC0 ? 2 : 0;
  }
  return columns;
}

}  // namespace

void ConsoleUi::ShowStatus(std::string_view text) {
  if (StandardErrorIsConsole()) Rewrite(text);
}

void ConsoleUi::Progress(int64_t done, int64_t total) {
  if (StandardErrorIsConsole() && total > 0) Rewrite(std::to_string(done * 100 / total) + "%");
}

void ConsoleUi::Rewrite(std::string_view text) {
  if (ConsoleShowsEscapes()) {
    std::cerr << "\r\033[K" << text << std::flush;
  } else {
    // Blanks over what the line showed before, where no escape clears it.
    const size_t blanks = shown_ > Columns(text) ? shown_ - Columns(text) : 0;
    std::cerr << "\r" << text << std::string(blanks, ' ') << std::string(blanks, '\b') << std::flush;
  }
  shown_ = Columns(text);
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
