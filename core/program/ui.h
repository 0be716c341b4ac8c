// Ui: how an engine operation talks to the user, whichever front end runs it.
//
// The GUI implements it with its status bar and message boxes, the command line with standard
// error and its --yes flag, the tests with a recorder. Texts are UTF-8. Called on the thread
// that runs the operation (the user-interface thread for every operation but extraction).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace telqor {

class Ui {
 public:
  virtual ~Ui() = default;
  // The status line: shows text and lets the interface repaint.
  virtual void ShowStatus(std::string_view text) = 0;
  // Progress of a long loop, done of total.
  virtual void Progress(int64_t done, int64_t total) = 0;
  // Whether the user asked to stop the running operation.
  virtual bool Cancelled() = 0;
  // A Yes/No question captioned "提示"; true for Yes. A front end that cannot ask (the command
  // line without --yes) may throw instead, so operations ask before they change or write
  // anything.
  virtual bool AskYesNo(std::string_view question) = 0;
  // An information message captioned "提示".
  virtual void Inform(std::string_view message) = 0;
  // Shows a folder in the platform's file browser, without waiting.
  virtual void OpenFolder(const std::filesystem::path& folder) = 0;
};

}  // namespace telqor
