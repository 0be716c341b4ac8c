// NumberTypeDialog: the number type dialog of the moves by carrier: carriers and an optional range.
// Created once at start-up by the main window and kept until exit, so its choices stay
// between moves; shown modally by the moves "号码类型".
#pragma once

#include <QDialog>

#include "segments/carrier.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace telqor {

class NumberTypeDialog : public QDialog {
  Q_OBJECT
 public:
  explicit NumberTypeDialog(QWidget* parent = nullptr);

  // Shows the dialog; on OK fills selection from it and answers true. A range bound that is
  // no integer raises the conversion error.
  bool AskSelection(TypeSelection& selection);

 private:
  // The controls, named as number_type_dialog_names.h says.
  QCheckBox* mobileCheck_;
  QCheckBox* unicomCheck_;
  QCheckBox* telecomCheck_;
  QCheckBox* broadnetCheck_;
  QCheckBox* rangeCheck_;
  QLineEdit* rangeStartEdit_;
  QLineEdit* rangeEndEdit_;
  QPushButton* okButton_;
  QPushButton* cancelButton_;
};

}  // namespace telqor
