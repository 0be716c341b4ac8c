#include "extract/frm_tel_info.h"

namespace telqor {

using namespace Qt::StringLiterals;

TfrmtelInfo::TfrmtelInfo(QWidget* parent) : QDialog(parent) {
  setObjectName(u"frmtelInfo"_s);
  setWindowTitle(u"固话区号参考"_s);
  resize(640, 480);
}

}  // namespace telqor
