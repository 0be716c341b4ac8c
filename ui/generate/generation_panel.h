// GenerationPanel: the group "号码段◇号码扩展" of the first tab: numbers from a range and an
// expansion around a base number, appended to the workspace list or saved to a file in the
// dated output folder. The main window owns the lists and the context; the panel owns its
// controls and their handlers. User-interface thread only.
#pragma once

#include <QWidget>

#include "generate/range_generation.h"
#include "ui/kit/app_context.h"
#include "workspace/number_list.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

namespace telqor {

class UpDown;

class GenerationPanel : public QWidget {
  Q_OBJECT
 public:
  GenerationPanel(AppContext& context, NumberList& workspace, QWidget* parent = nullptr);

 private:
  GenerationInput Fields() const;
  void GenerateToWorkspaceClicked();
  void GenerateToFileClicked();

  AppContext& context_;
  NumberList& workspace_;

  QGroupBox* generationGroup_;              // "GroupBox10" 号码段◇号码扩展
  QLineEdit* startEdit_;                    // "EditStartNo_" 开始号码
  QLineEdit* endEdit_;                      // "EditEndNo_" 结束号码
  QLineEdit* lengthEdit_;                   // "EditHMLEN" 长度
  UpDown* lengthUpDown_;                    // "UpDown1"
  QLineEdit* stepEdit_;                     // "EditHMStep" 步進
  UpDown* stepUpDown_;                      // "UpDown2"
  QComboBox* baseCombo_;                    // "CBBaseNo" 基础号码
  QComboBox* extendModeCombo_;              // "CBExtendMode" 扩展模式: 全部, 1/2 … 1/5
  QComboBox* extendDirectionCombo_;         // "CBExtendStep" 扩展模式: 双向, 向前, 向后
  QComboBox* extendCountCombo_;             // "CBExtendNum" 数量
  QPushButton* generateToFileButton_;       // "SBHmExSave" 生成保存到文件
  QPushButton* generateToWorkspaceButton_;  // "SBHmExOut" 生成到号码整理框
};

}  // namespace telqor
