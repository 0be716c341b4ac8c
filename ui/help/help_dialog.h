// HelpDialog: the user guide "使用说明", read in a browser inside the program. The guide is
// docs/使用说明.md, built into the program as a resource with the pictures it shows, so it reads
// the same offline on every platform and on the repository's web page. A link to a heading
// ("#…", the anchor GitHub gives it) scrolls there; any other link opens nothing. Created on the
// first "帮助 > 使用说明" by the main window and kept until exit, shown modeless.
#pragma once

#include <QDialog>
#include <QString>
#include <QUrl>

class QPushButton;
class QTextBrowser;
class QTextDocument;

namespace telqor {

// Where the guide lies among the program's resources; its pictures lie below the same folder
// under the relative names the guide gives them.
QUrl GuideUrl();

// The anchor GitHub gives a heading: lower case, every character but letters, marks, digits,
// "_", "-" and " " left out, each " " made "-" ("1. 开始使用" -> "1-开始使用", "号码生成㈠" ->
// "号码生成").
QString HeadingAnchor(const QString& heading);
// Names each heading of document by its anchor; a repeated one gets "-1", "-2", … as on GitHub.
void AnchorHeadings(QTextDocument* document);

class HelpDialog : public QDialog {
  Q_OBJECT
 public:
  explicit HelpDialog(QWidget* parent = nullptr);

 private:
  // After the browser loaded the guide: anchors on its headings, pictures no wider than the page.
  void GuideLoaded();
  void LinkClicked(const QUrl& url);
  void CloseClicked();

  // The controls, named as help_dialog_names.h says.
  QTextBrowser* browser_;
  QPushButton* closeButton_;
};

}  // namespace telqor
