// What every telqor-cli verb shares: global options, argument reading, the console Ui, and
// loading inputs / writing the result exactly as the GUI's lists do.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/data_folders.h"
#include "core/errors.h"
#include "core/ts_list.h"
#include "core/ui.h"
#include "workspace/number_list.h"

namespace telqor::cli {

// A command line that cannot be run as given; the message says why.
class UsageError : public Error {
 public:
  using Error::Error;
};

struct GlobalOptions {
  std::optional<std::filesystem::path> home;
  std::optional<char> mode;  // 'A' or 'B' when given
  bool yes = false;
  std::optional<ProgramState> startup;  // once the program folder was prepared
};

// Prepares the program folder as the program does at start (data tree, first-run settings,
// dated output folder), once; what could not be done is reported on standard error.
ProgramState& Started(GlobalOptions& global);

// The arguments of one verb: options with values, flags, and the positional files.
class Args {
 public:
  Args(std::vector<std::string> args, GlobalOptions& global);
  bool Help() const { return help_; }
  // The value of an option given once (-o OUT); empty when absent.
  std::optional<std::string> Value(const std::string& longName, const std::string& shortName = "");
  // Every argument after --name up to the next option (--exclude REF...).
  std::vector<std::string> List(const std::string& longName);
  bool Flag(const std::string& longName);
  // What is left once every known option was taken: the positional arguments. Unknown
  // options are a usage error.
  std::vector<std::string> Positional();

 private:
  std::vector<std::string> args_;
  std::vector<bool> used_;
  bool help_ = false;
};

class ConsoleUi : public Ui {
 public:
  explicit ConsoleUi(bool yes) : yes_(yes) {}
  void ShowStatus(std::string_view text) override;
  void Progress(int64_t done, int64_t total) override;
  bool Cancelled() override { return false; }
  bool AskYesNo(std::string_view question) override;
  void Inform(std::string_view message) override;
  void OpenFolder(const std::filesystem::path& folder) override;

 private:
  bool yes_;
};

// Processing mode B? From --mode, else the settings of the program folder.
bool UseModeB(GlobalOptions& global);

// A text given on the command line (UTF-8) as item data or a pattern (GBK).
std::string Utf8Argument(const std::string& text);

// Appends the lines of every file, in order (nothing removed), as loading files into a list does.
void LoadInputs(TSList& list, const std::vector<std::string>& files);

// Writes the list as SaveToFile does: to out, or to standard output when out is empty.
void WriteResult(const TSList& list, const std::optional<std::string>& out);

// The rest of a verb that changes the lines of FILE...: takes -o OUT and the files from a,
// loads them into one list, runs change on it and writes the result.
int TransformFiles(Args& a, GlobalOptions& global, const std::function<void(NumberList&, Ui&)>& change);

// The frame of a verb that loads FILE... into one list, changes it and writes it (-o OUT).
int RunListVerb(std::vector<std::string> args, GlobalOptions& global, const char* usage,
                void (*operation)(TSList&, GlobalOptions&));

}  // namespace telqor::cli
