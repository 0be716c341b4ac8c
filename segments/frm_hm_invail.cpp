#include "segments/frm_hm_invail.h"

#include <QTableView>

#include "gui/list_group.h"

namespace telqor {

using namespace Qt::StringLiterals;

TfrmhmInvail::TfrmhmInvail(AppContext& context, const SegmentDatabase& db, QWidget* parent)
    : QDialog(parent), context_(context), db_(db) {
  setObjectName(u"frmhmInvail"_s);
  setWindowTitle(u"手机号码格式有效性检查-根据现有号段数据库"_s);
  lv0 = AddListGroup(this, GB0, u"GB0"_s, u"原始号码(支持拖放导入数据)"_s, u"lv0"_s, true);
}

QWidget* TfrmhmInvail::DropList() const { return lv0; }

void TfrmhmInvail::LoadFiles(const std::vector<std::filesystem::path>&) {}

}  // namespace telqor
