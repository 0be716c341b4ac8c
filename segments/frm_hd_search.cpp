#include "segments/frm_hd_search.h"

namespace telqor {

using namespace Qt::StringLiterals;

TfrmhdSearch::TfrmhdSearch(const SegmentDatabase& db, QWidget* parent) : QDialog(parent), db_(db) {
  setObjectName(u"frmhdSearch"_s);
  setWindowTitle(u"手机号码地区速查"_s);
  resize(640, 480);
}

}  // namespace telqor
