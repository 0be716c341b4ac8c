#include "app/telqor_application.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QProxyStyle>
#include <QStyleOptionGroupBox>
#include <cstdio>

namespace telqor {

using namespace Qt::StringLiterals;

namespace {

std::function<void(const QString&)>& Sink() {
  static std::function<void(const QString&)> sink;
  return sink;
}

}  // namespace

TelqorApplication::TelqorApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TelqorApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    ReportCurrentException();
    return true;
  }
}

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

void ReportCurrentException() {
  QString message = ExceptionMessage(std::current_exception());
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

namespace {

class TitleRoomStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
                       const QWidget* widget) const override {
    QRect r = QProxyStyle::subControlRect(control, option, sub, widget);
    if (control == CC_GroupBox && sub == SC_GroupBoxLabel) {
      QFont bold = widget ? widget->font() : QApplication::font();
      bold.setBold(true);
      const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
      int needed = box ? QFontMetrics(bold).horizontalAdvance(box->text) + 2 : r.width();
      if (needed > r.width()) r.setWidth(needed);
    }
    return r;
  }
};

}  // namespace

void SetUpLook(QApplication& app) {
  const QString family = u"WenQuanYi Micro Hei"_s;
  if (QFontDatabase::families().contains(family)) {
    QFont font = app.font();
    font.setFamily(family);
    app.setFont(font);
  }
  app.setStyle(new TitleRoomStyle(QApplication::style()->name()));
}

}  // namespace telqor
