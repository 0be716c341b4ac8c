#include "ui/kit/user_action.h"

#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QWidget>
#include <cstdio>

namespace telqor {

using namespace Qt::StringLiterals;

namespace {

std::function<void(const QString&)>& Sink() {
  static std::function<void(const QString&)> sink;
  return sink;
}

bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ShortcutOverride:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
      return true;
    default:
      return false;
  }
}

constexpr const char* kAcceptsInput = "telqorAcceptsInputDuringActions";

// Drops user input while an action runs, except for a modal box or a menu the action opened.
class InputBlocker : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (!IsUserInput(event->type())) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget) return false;  // windows pass input on to their widgets, which are checked then
    QWidget* window = widget->window();
    if (QWidget* modal = QApplication::activeModalWidget(); modal && window == modal) return false;
    if (QWidget* popup = QApplication::activePopupWidget(); popup && window == popup) return false;
    for (QWidget* w = widget; w; w = w->parentWidget())
      if (w->property(kAcceptsInput).toBool()) return false;
    return true;
  }
};

struct ActionState {
  int depth = 0;  // actions running: the first, and those of modal dialogs it opened
  bool busyCursor = false;
  InputBlocker blocker;
};

ActionState& State() {
  static ActionState state;
  return state;
}

}  // namespace

void SetErrorStatusSink(std::function<void(const QString&)> sink) { Sink() = std::move(sink); }

QString ExceptionMessage(std::exception_ptr error) {
  try {
    if (error) std::rethrow_exception(error);
  } catch (const std::exception& e) {
    return QString::fromUtf8(e.what());
  } catch (...) {
  }
  return u"Unknown error"_s;
}

void ReportCurrentException() { ReportError(ExceptionMessage(std::current_exception())); }

void ReportError(const QString& message) {
  if (auto& sink = Sink()) {
    // The sink repaints, and showing the message must not raise a second error from here.
    try {
      sink(message);
      return;
    } catch (...) {
    }
  }
  std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
}

void AcceptInputDuringActions(QWidget* widget) { widget->setProperty(kAcceptsInput, true); }

bool UserActionRunning() { return State().depth > 0; }

void RunUserAction(const std::function<void()>& action) {
  ActionState& state = State();
  // While an action runs, only a modal dialog it opened (and waits for) may start another:
  // the dialog's own buttons.
  if (state.depth > 0 && !QApplication::activeModalWidget()) return;
  if (state.depth++ == 0) qApp->installEventFilter(&state.blocker);
  try {
    action();
  } catch (...) {
    ReportCurrentException();
  }
  if (--state.depth > 0) return;
  qApp->removeEventFilter(&state.blocker);
  if (state.busyCursor) QApplication::restoreOverrideCursor();
  state.busyCursor = false;
}

void KeepPainting() {
  ActionState& state = State();
  if (state.depth > 0 && !state.busyCursor) {
    QApplication::setOverrideCursor(Qt::BusyCursor);
    state.busyCursor = true;
  }
  QCoreApplication::processEvents();
}

BusyCursorPause::BusyCursorPause() : paused_(State().busyCursor) {
  if (paused_) QApplication::restoreOverrideCursor();
  State().busyCursor = false;
}

BusyCursorPause::~BusyCursorPause() {
  if (paused_) {
    QApplication::setOverrideCursor(Qt::BusyCursor);
    State().busyCursor = true;
  }
}

}  // namespace telqor
