// The application object and the error hook.
//
// Handlers do not catch errors: an exception that leaves a handler reaches TelqorApplication's
// notify, which shows its message in the status line and lets the program go on, so no
// exception ever unwinds through Qt's event loop. Code that runs a handler outside event
// delivery (a slot called directly, a callback) wraps it with Guarded or catches and calls
// ReportCurrentException. Everything here is for the user-interface thread.
#pragma once

#include <QApplication>
#include <QString>
#include <exception>
#include <functional>
#include <utility>

namespace telqor {

class TelqorApplication : public QApplication {
  Q_OBJECT
 public:
  TelqorApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// Where error messages go; the main window sets itself while it lives. Without a sink a
// message goes to standard error.
void SetErrorStatusSink(std::function<void(const QString&)> sink);

// The message of an exception: what() of a std::exception (UTF-8), else a fixed text.
QString ExceptionMessage(std::exception_ptr error);

// Shows the exception being handled (call it inside a catch block) through the sink.
void ReportCurrentException();

// A handler wrapped so that an exception from it is shown in the status line instead of
// propagating: connect(button, &QPushButton::clicked, this, Guarded([this] { ... })).
template <typename F>
auto Guarded(F handler) {
  return [handler = std::move(handler)]() mutable {
    try {
      handler();
    } catch (...) {
      ReportCurrentException();
    }
  };
}

// Makes "WenQuanYi Micro Hei" the application font when it is installed, so that Chinese
// captions render whatever the desktop's default font is, and gives group-box titles room for
// the bold face some styles draw them in (a title measured in the plain face would otherwise
// wrap its last character out of sight).
void SetUpLook(QApplication& app);

}  // namespace telqor
