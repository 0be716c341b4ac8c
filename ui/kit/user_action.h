// User actions: the error hook and the one-at-a-time rule.
//
// Every handler of a control runs as one user action (connect it with Wire, or wrap it in
// Guarded). An exception that leaves the action is shown in the status line by the error
// hook and the program goes on; it never unwinds through Qt's own frames (Qt is built without
// exceptions and would skip their clean-up). While an action runs, KeepPainting lets the window
// repaint and the status line and progress bar show, but user input that arrives meanwhile is
// dropped (except in a modal box the action itself opened), and an action asked for in the
// middle of another does not run: no operation ever runs inside another. The one exception
// is a modal dialog that an action opened and waits for: its own buttons run their actions.
// A busy cursor shows while the action works. User-interface thread only.
#pragma once

#include <QString>
#include <exception>
#include <functional>
#include <utility>

class QWidget;

namespace telqor {

// Where error messages go; the main window sets itself while it lives. Without a sink a
// message goes to standard error.
void SetErrorStatusSink(std::function<void(const QString&)> sink);

// The message of an exception: what() of a std::exception (UTF-8), else a fixed text.
QString ExceptionMessage(std::exception_ptr error);

// Shows the exception being handled (call it inside a catch block) through the sink.
void ReportCurrentException();
// Shows an error found outside any action (a helper program that failed later) the same way.
void ReportError(const QString& message);

// Runs action as one user action, unless another runs already and no modal dialog waits for
// the user (then it does nothing).
void RunUserAction(const std::function<void()>& action);
bool UserActionRunning();

// Lets widget (and what it holds) take user input while an action runs: the stop button of an
// action that waits for work done elsewhere. Its handler must not be a user action.
void AcceptInputDuringActions(QWidget* widget);

// Lets pending events run in the middle of a user action (see above). Outside one it simply
// processes pending events.
void KeepPainting();

// Shows the normal cursor while a modal box waits for the user in the middle of an action.
class BusyCursorPause {
 public:
  BusyCursorPause();
  ~BusyCursorPause();
  BusyCursorPause(const BusyCursorPause&) = delete;
  BusyCursorPause& operator=(const BusyCursorPause&) = delete;

 private:
  bool paused_;
};

// A handler run as a user action: connect(timer, &QTimer::timeout, this, Guarded([this] { ... })).
template <typename F>
auto Guarded(F handler) {
  return [handler = std::move(handler)]() mutable { RunUserAction([&] { handler(); }); };
}

}  // namespace telqor
