// A Ui for tests: keeps every status text, message and question, and answers questions from
// a script (Yes when the script runs out, unless told otherwise).
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/program/ui.h"

namespace telqor::test {

class RecordingUi : public Ui {
 public:
  void ShowStatus(std::string_view text) override { statuses.emplace_back(text); }
  void Progress(int64_t done, int64_t total) override { progress.emplace_back(done, total); }
  bool Cancelled() override { return cancelled; }
  bool AskYesNo(std::string_view question) override {
    questions.emplace_back(question);
    if (answers.empty()) return defaultAnswer;
    bool a = answers.front();
    answers.pop_front();
    return a;
  }
  void Inform(std::string_view message) override { messages.emplace_back(message); }
  void OpenFolder(const std::filesystem::path& folder) override { openedFolders.push_back(folder); }

  std::string LastStatus() const { return statuses.empty() ? std::string() : statuses.back(); }

  std::vector<std::string> statuses;
  std::vector<std::pair<int64_t, int64_t>> progress;
  std::vector<std::string> questions;
  std::vector<std::string> messages;
  std::vector<std::filesystem::path> openedFolders;
  std::deque<bool> answers;
  bool defaultAnswer = true;
  bool cancelled = false;
};

}  // namespace telqor::test
