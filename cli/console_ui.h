// The Ui of the command line: status and progress on a terminal's standard error only, messages
// on standard error, and questions answered by --yes.
//
// Nobody is there to answer a question, so without --yes a question ends the run: AskYesNo
// throws QuestionRefused before the operation goes on, the verb writes nothing and fails.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string_view>

#include "core/program/ui.h"

namespace telqor::cli {

// The question and "No: refused; run again with --yes to answer Yes". Deliberately not an
// engine Error, so that no engine code takes it for one of its own.
class QuestionRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
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
  // The status line rewritten in place.
  void Rewrite(std::string_view text);
  bool yes_;
  size_t shown_ = 0;  // columns the line shows
};

}  // namespace telqor::cli
