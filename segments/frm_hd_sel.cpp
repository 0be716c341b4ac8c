#include "segments/frm_hd_sel.h"

namespace telqor {

using namespace Qt::StringLiterals;

Tfrmhdsel::Tfrmhdsel(QWidget* parent) : QDialog(parent) {
  setObjectName(u"frmhdsel"_s);
  setWindowTitle(u"号码类型选择"_s);
  resize(640, 480);
}

}  // namespace telqor
