#include "segments/frm_hd_search.h"

namespace telqor {

using namespace Qt::StringLiterals;

TfrmhdSearch::TfrmhdSearch(QWidget* parent) : QDialog(parent) {
  setObjectName(u"frmhdSearch"_s);
  setWindowTitle(u"手机号码地区速查"_s);
  resize(640, 480);
}

}  // namespace telqor
