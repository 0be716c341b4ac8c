#include "shell/telqor_application.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLibraryInfo>
#include <QLocale>
#include <QProxyStyle>
#include <QStyleOptionGroupBox>
#include <QTranslator>

#include "ui/kit/user_action.h"

namespace telqor {

using namespace Qt::StringLiterals;

TelqorApplication::TelqorApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TelqorApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    ReportCurrentException();
    return true;
  }
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

bool LoadQtTranslations(QApplication& app) {
  // Qt's dialogs write dates and kinds of file in the locale: Chinese, whatever the system's.
  QLocale::setDefault(QLocale(QLocale::Chinese, QLocale::China));
  auto* translator = new QTranslator(&app);
  if (!translator->load(QLocale(QLocale::Chinese, QLocale::China), u"qtbase"_s, u"_"_s,
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    delete translator;
    return false;
  }
  app.installTranslator(translator);
  return true;
}

}  // namespace telqor
