#include "generate/frm_hd_input.h"

namespace telqor {

using namespace Qt::StringLiterals;

Tfrmhdinput::Tfrmhdinput(QWidget* parent) : QDialog(parent) {
  setObjectName(u"frmhdinput"_s);
  setWindowTitle(u"输入号段(一行一个,手机号段一般前7位)"_s);
  resize(640, 480);
}

}  // namespace telqor
