// FormatDialog: the output format conversion driven by templates. Data items imported from
// files (or dropped on the source list) are poured into the template being edited, stacked and
// cut into the output list, which is saved to numbered files framed by the template's head and
// tail.
// Created once at start-up by the main window and kept until exit, with its lists; the "工具"
// menu shows it modeless. User-interface thread only.
#pragma once

#include <QDialog>
#include <QString>
#include <filesystem>
#include <vector>

#include "ui/kit/app_context.h"
#include "workspace/number_list.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QShowEvent;
class QTableView;
class QToolButton;

namespace telqor {

class UpDown;

class FormatDialog : public QDialog {
  Q_OBJECT
 public:
  explicit FormatDialog(AppContext& context, QWidget* parent = nullptr);

  // Appends the lines of the files to the source list (the files dropped on it). A file that
  // cannot be read stops there; the files before it stay loaded.
  void LoadFiles(const std::vector<std::filesystem::path>& files);

  // The list that files may be dropped on (the main window routes the drop here).
  QWidget* DropList() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  class OutputModel;

  void ListTemplates();
  void TemplateChanged();
  void ImportDataClicked();
  void ConvertClicked();
  void SaveResultsClicked();
  void OpenTemplateFolderClicked();
  void ClearSource();
  void ClearOutput();
  // The template as GBK bytes, CR LF between the lines of the template field.
  std::string TemplateText() const;

  AppContext& context_;
  NumberList source_{ListRole::Source};  // roles play no part here: captions are our own
  NumberList output_{ListRole::Source};
  QString sourceLabel_;                 // what the source group's caption says before the count
  std::filesystem::path templateFile_;  // the template chosen last; none yet: no head, no tail
  OutputModel* outputModel_ = nullptr;

  QToolButton* importButton_;         // "SpeedButton1" 导入数据
  QToolButton* convertButton_;        // "SpeedButton2" 格式转换
  QToolButton* saveButton_;           // "SpeedButton3" 保存结果
  QToolButton* closeButton_;          // "SpeedButton5" 退出
  QGroupBox* sourceGroup_ = nullptr;  // "GB0" 原始数据(支持拖放导入数据), then the count
  QTableView* sourceView_ = nullptr;  // "lv0", takes file drops
  QGroupBox* templateGroup_;          // "GB" 格式化样式(…)
  QComboBox* templateCombo_;          // "CBA", the template files
  QToolButton* browseButton_;         // "SpeedButton4" 浏览
  QPlainTextEdit* templateEdit_;      // "MemoA"
  QLineEdit* stackEdit_;              // "EditA" 样式叠加数
  UpDown* stackUpDown_;               // "UpDown2"
  QLineEdit* cutEdit_;                // "EditB" 最后行删除位数
  UpDown* cutUpDown_;                 // "UpDown3"
  QLineEdit* maxNumberEdit_;          // "EditC" 最大编号
  UpDown* maxNumberUpDown_;           // "UpDown1"
  QLineEdit* perFileEdit_;            // "EditD" 每文件保存数
  UpDown* perFileUpDown_;             // "UpDown4"
  QTableView* outputView_;            // "Lv1" 输出样式
};

}  // namespace telqor
