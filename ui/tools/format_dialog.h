// FormatDialog: the output format conversion driven by templates. Data items imported from
// files (or dropped on lv0) are poured into the template of MemoA, stacked and cut into the
// output list Lv1, which is saved to numbered files framed by the template's head and tail.
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

  // Appends the lines of the files to the source list (the files dropped on lv0). A file that
  // cannot be read stops there; the files before it stay loaded.
  void LoadFiles(const std::vector<std::filesystem::path>& files);

  // The list that files may be dropped on (the main window routes the drop here).
  QWidget* DropList() const;

  void CBAChange();
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();
  void SpeedButton4Click();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  class OutputModel;

  void FormShow();
  void ClearSource();
  void ClearOutput();
  // The template as GBK bytes, CR LF between the memo's lines.
  std::string TemplateText() const;

  AppContext& context_;
  NumberList source_{ListRole::Source};  // roles play no part here: captions are our own
  NumberList output_{ListRole::Source};
  QString sourceLabel_;                 // what the source group's caption says before the count
  std::filesystem::path templateFile_;  // the template chosen last; none yet: no head, no tail
  OutputModel* outputModel_ = nullptr;

  QToolButton* SpeedButton1;  // 导入数据
  QToolButton* SpeedButton2;  // 格式转换
  QToolButton* SpeedButton3;  // 保存结果
  QToolButton* SpeedButton5;  // 退出
  QGroupBox* GB0 = nullptr;
  QTableView* lv0 = nullptr;
  QGroupBox* GB;
  QComboBox* CBA;
  QToolButton* SpeedButton4;  // 浏览
  QPlainTextEdit* MemoA;
  QLineEdit* EditA;  // 样式叠加数
  UpDown* UpDown2;
  QLineEdit* EditB;  // 最后行删除位数
  UpDown* UpDown3;
  QLineEdit* EditC;  // 最大编号
  UpDown* UpDown1;
  QLineEdit* EditD;  // 每文件保存数
  UpDown* UpDown4;
  QTableView* Lv1;
};

}  // namespace telqor
