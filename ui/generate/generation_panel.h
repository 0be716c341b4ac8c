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

  void SBHmExOutClick();
  void SBHmExSaveClick();

 private:
  GenerationInput Fields() const;

  AppContext& context_;
  NumberList& workspace_;

  QGroupBox* GroupBox10;
  QLineEdit* EditStartNo_;
  QLineEdit* EditEndNo_;
  QLineEdit* EditHMLEN;
  UpDown* UpDown1;
  QLineEdit* EditHMStep;
  UpDown* UpDown2;
  QComboBox* CBBaseNo;
  QComboBox* CBExtendMode;
  QComboBox* CBExtendStep;
  QComboBox* CBExtendNum;
  QPushButton* SBHmExSave;
  QPushButton* SBHmExOut;
};

}  // namespace telqor
