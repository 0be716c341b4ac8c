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
  QCheckBox* mobileCheck_;     // "CBMobile" 移动号码
  QCheckBox* unicomCheck_;     // "CBUnicom" 联通号码
  QCheckBox* telecomCheck_;    // "CBTelecom" 电信号码
  QCheckBox* broadnetCheck_;   // "CBBroadnet" 广电号码
  QCheckBox* rangeCheck_;      // "CBSelHD" 指定号码范围
  QLineEdit* rangeStartEdit_;  // "EditStart"
  QLineEdit* rangeEndEdit_;    // "EditEnd"
  QPushButton* okButton_;      // "BitBtn1" 确定
  QPushButton* cancelButton_;  // "BitBtn2" 取消
};

}  // namespace telqor
