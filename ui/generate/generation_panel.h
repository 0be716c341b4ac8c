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
  void BuildFields();
  void Connect();
  GenerationInput Fields() const;
  void GenerateToWorkspaceClicked();
  void GenerateToFileClicked();

  AppContext& context_;
  NumberList& workspace_;

  // The controls, named as generation_panel_names.h says.
  QGroupBox* generationGroup_;
  QLineEdit* startEdit_;
  QLineEdit* endEdit_;
  QLineEdit* lengthEdit_;
  UpDown* lengthUpDown_;
  QLineEdit* stepEdit_;
  UpDown* stepUpDown_;
  QComboBox* baseCombo_;
  QComboBox* extendModeCombo_;
  QComboBox* extendDirectionCombo_;
  QComboBox* extendCountCombo_;
  QPushButton* generateToFileButton_;
  QPushButton* generateToWorkspaceButton_;
};

}  // namespace telqor
