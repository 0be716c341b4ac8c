// ExtractionPanel: the group "搜索号码-支持拖放文件(夹) " of the first tab: the files and the
// pasted text to search, the kinds of number wanted, and the two start buttons. The main
// window routes files dropped on the file list here. User-interface thread only.
#pragma once

#include <QWidget>

#include "gui/app_context.h"
#include "gui/drop_site.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace telqor {

class ExtractionPanel : public QWidget {
  Q_OBJECT
 public:
  explicit ExtractionPanel(AppContext& context, QWidget* parent = nullptr);

  DropSites Drops() const;

 private:
  AppContext& context_;

  QGroupBox* GroupBox12;
  QGroupBox* GroupBox11;
  QListWidget* ListBoxF;
  QPushButton* SBLoadFiles;
  QPushButton* SBClearfiles;
  QPushButton* SBLoadDirs;
  QPushButton* SBDeleteSelFiles;
  QGroupBox* GroupBox4;
  QPlainTextEdit* MemoNoInput;
  QPushButton* SBhmSearchOut;
  QPushButton* SBHmSearchSave;
  QCheckBox* CBMobile;
  QCheckBox* CBTels;
  QCheckBox* CBEmails;
  QCheckBox* CBReg;
  QComboBox* CBZoneKind;
  QLineEdit* EditZone;
  QLineEdit* EditReg;
  QMenu* PopupMenu4;
  QAction* N19;
  QAction* N21;
  QAction* N20;
};

}  // namespace telqor
