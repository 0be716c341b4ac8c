#include "segments/frm_hd_manager.h"

namespace telqor {

using namespace Qt::StringLiterals;

Tfrmhdmanager::Tfrmhdmanager(AppContext& context, SegmentDatabase& db, QWidget* parent)
    : QDialog(parent), context_(context), db_(db) {
  setObjectName(u"frmhdmanager"_s);
  setWindowTitle(u"导入号段"_s);
  resize(640, 480);
}

void Tfrmhdmanager::ShowLoadReport(const SegmentLoadReport&) {}

}  // namespace telqor
