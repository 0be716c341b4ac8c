#include "segments/frm_hd_manager.h"

namespace telqor {

using namespace Qt::StringLiterals;

Tfrmhdmanager::Tfrmhdmanager(QWidget* parent) : QDialog(parent) {
  setObjectName(u"frmhdmanager"_s);
  setWindowTitle(u"导入号段"_s);
  resize(640, 480);
}

}  // namespace telqor
