// The application object and the error hook.
//
// Handlers do not catch errors; the error hook shows the message of any exception that leaves
// one in the status line and the program goes on. Connect every handler through Guarded: it
// catches at the handler's edge, so the exception never unwinds through Qt's own frames (Qt is
// built without exceptions and would skip their clean-up). TelqorApplication::notify catches
// whatever still leaves an event handler, so nothing reaches the event loop. Everything here is
// for the user-interface thread.
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
