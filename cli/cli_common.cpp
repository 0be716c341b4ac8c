#include "cli/cli_common.h"

#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <iostream>

#include "core/file_io.h"
#include "core/file_writer.h"
#include "core/gbk.h"

namespace telqor::cli {
namespace {

bool IsOption(const std::string& a) { return a.size() > 1 && a[0] == '-'; }
bool IsProcessingMode(const std::string& v) { return v == "A" || v == "a" || v == "B" || v == "b"; }

}  // namespace

Args::Args(std::vector<std::string> args, GlobalOptions& global) {
  // Global options may also stand after the verb.
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--") {
      for (size_t k = i; k < args.size(); ++k) args_.push_back(args[k]);
      break;
    }
    if (a == "--help" || a == "-h") {
      help_ = true;
    } else if (a == "--yes" || a == "-y") {
      global.yes = true;
    } else if (a == "--home" && i + 1 < args.size()) {
      global.home = args[++i];
    } else if (a == "--mode" && i + 1 < args.size() && IsProcessingMode(args[i + 1])) {
      // generate has a --mode 1..5 of its own; A and B are the processing mode.
      global.mode = static_cast<char>(std::toupper(static_cast<unsigned char>(args[++i][0])));
    } else {
      args_.push_back(a);
    }
  }
  used_.assign(args_.size(), false);
}

std::optional<std::string> Args::Value(const std::string& longName, const std::string& shortName) {
  std::optional<std::string> value;
  for (size_t i = 0; i < args_.size(); ++i) {
    if (args_[i] == "--") break;
    if (used_[i] || (args_[i] != longName && (shortName.empty() || args_[i] != shortName))) continue;
    if (i + 1 >= args_.size()) throw UsageError(args_[i] + " needs a value");
    if (value) throw UsageError(longName + " given twice");
    used_[i] = used_[i + 1] = true;
    value = args_[i + 1];
    ++i;
  }
  return value;
}

std::vector<std::string> Args::List(const std::string& longName) {
  std::vector<std::string> values;
  for (size_t i = 0; i < args_.size(); ++i) {
    if (args_[i] == "--") break;
    if (used_[i] || args_[i] != longName) continue;
    used_[i] = true;
    size_t k = i + 1;
    for (; k < args_.size() && !IsOption(args_[k]); ++k) {
      used_[k] = true;
      values.push_back(args_[k]);
    }
    if (k == i + 1) throw UsageError(longName + " needs at least one file");
    i = k - 1;
  }
  return values;
}

bool Args::Flag(const std::string& longName) {
  bool found = false;
  for (size_t i = 0; i < args_.size(); ++i) {
    if (args_[i] == "--") break;
    if (!used_[i] && args_[i] == longName) used_[i] = found = true;
  }
  return found;
}

std::vector<std::string> Args::Positional() {
  std::vector<std::string> rest;
  bool literal = false;
  for (size_t i = 0; i < args_.size(); ++i) {
    if (used_[i]) continue;
    if (!literal && args_[i] == "--") {
      literal = true;
      continue;
    }
    if (!literal && IsOption(args_[i])) throw UsageError("Unknown option '" + args_[i] + "'");
    rest.push_back(args_[i]);
  }
  return rest;
}

void ConsoleUi::ShowStatus(std::string_view text) {
  if (isatty(STDERR_FILENO)) std::cerr << "\r\033[K" << text << std::flush;
}

void ConsoleUi::Progress(int64_t done, int64_t total) {
  if (isatty(STDERR_FILENO) && total > 0) std::cerr << "\r\033[K" << (done * 100 / total) << "%" << std::flush;
}

bool ConsoleUi::AskYesNo(std::string_view question) {
  std::cerr << question << (yes_ ? " Yes (--yes)\n" : " No: refused; run again with --yes to answer Yes\n");
  return yes_;
}

void ConsoleUi::Inform(std::string_view message) { std::cerr << message << "\n"; }

void ConsoleUi::OpenFolder(const std::filesystem::path& folder) {
  std::cerr << "Folder: " << FolderText(folder) << "\n";
}

ProgramState& Started(GlobalOptions& global) {
  if (!global.startup) {
    global.startup = StartUp(ProgramFolder(global.home));
    for (const auto& problem : global.startup->problems) std::cerr << problem << "\n";
  }
  return *global.startup;
}

bool UseModeB(GlobalOptions& global) {
  if (global.mode) return *global.mode == 'B';
  return Started(global).settings.ModeB();
}

std::string Utf8Argument(const std::string& text) { return Utf8ToGbk(text); }

void LoadInputs(TSList& list, const std::vector<std::string>& files) {
  if (files.empty()) throw UsageError("No input files");
  for (const auto& file : files) list.AddText(FileContents(file).view());
}

void WriteResult(const TSList& list, const std::optional<std::string>& out) {
  FileWriter writer = out ? FileWriter(*out) : FileWriter::StandardOutput();
  list.SaveTo(writer);
  writer.Commit();
}

int TransformFiles(Args& a, GlobalOptions& global, const std::function<void(NumberList&, Ui&)>& change) {
  auto out = a.Value("--output", "-o");
  auto files = a.Positional();
  Started(global);
  NumberList list(ListRole::Workspace);
  LoadInputs(list.Items(), files);
  ConsoleUi ui(global.yes);
  change(list, ui);
  WriteResult(list.Items(), out);
  return 0;
}

int RunListVerb(std::vector<std::string> args, GlobalOptions& global, const char* usage,
                void (*operation)(TSList&, GlobalOptions&)) {
  Args a(std::move(args), global);
  if (a.Help()) {
    std::cout << usage;
    return 0;
  }
  return TransformFiles(a, global, [&](NumberList& list, Ui&) { operation(list.Items(), global); });
}

}  // namespace telqor::cli
