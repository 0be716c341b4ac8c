// The application object, its look and its language.
//
// Handlers run as user actions, which catch at their edge (gui/user_action.h);
// TelqorApplication::notify catches whatever still leaves an event handler and shows it through
// the same error hook, so nothing reaches the event loop. User-interface thread only.
#pragma once

#include <QApplication>

namespace telqor {

class TelqorApplication : public QApplication {
  Q_OBJECT
 public:
  TelqorApplication(int& argc, char** argv);
  bool notify(QObject* receiver, QEvent* event) override;
};

// Makes "WenQuanYi Micro Hei" the application font when it is installed, so that Chinese
// captions render whatever the desktop's default font is, and gives group-box titles room for
// the bold face some styles draw them in (a title measured in the plain face would otherwise
// wrap its last character out of sight).
void SetUpLook(QApplication& app);

// Loads Qt's Chinese translations, so that Qt's own dialogs and buttons (file dialogs, folder
// pickers, 是/否/确定/取消) speak the program's language, and makes Chinese the default locale (the
// dates and kinds of file those dialogs show); false when the translations are not installed.
bool LoadQtTranslations(QApplication& app);

}  // namespace telqor
