// AreaCodeTableDialog: the landline area-code table "固话区号对照表.txt", shown as text each time the
// dialog shows (edits are never saved), with "关闭" and "浏览" (the base-data folder in the file
// browser). Created once at start-up by the main window and kept until exit; the "工具" menu
// shows it modeless.
#pragma once

#include <QDialog>

#include "ui/kit/app_context.h"

class QPlainTextEdit;
class QPushButton;

namespace telqor {

class AreaCodeTableDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AreaCodeTableDialog(AppContext& context, QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // The table file, when there is one, replaces what the text field shows.
  void ShowTable();
  void CloseClicked();
  void OpenDataFolderClicked();

  AppContext& context_;
  // The controls, named as area_code_table_dialog_names.h says.
  QPlainTextEdit* tableEdit_;
  QPushButton* closeButton_;
  QPushButton* browseButton_;
};

}  // namespace telqor
