#include "segments/frm_hm_regex.h"

namespace telqor {

using namespace Qt::StringLiterals;

TfrmhmRegex::TfrmhmRegex(QWidget* parent) : QDialog(parent) {
  setObjectName(u"frmhmRegex"_s);
  setWindowTitle(u"组合特征参数设置"_s);
  resize(640, 480);
}

}  // namespace telqor
