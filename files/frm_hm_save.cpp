#include "files/frm_hm_save.h"

namespace telqor {

using namespace Qt::StringLiterals;

Tfrmhmsave::Tfrmhmsave(QWidget* parent) : QDialog(parent) {
  setObjectName(u"frmhmsave"_s);
  setWindowTitle(u"号码保存参数"_s);
  resize(640, 480);
}

}  // namespace telqor
