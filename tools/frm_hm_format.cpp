#include "tools/frm_hm_format.h"

#include <QTableView>

#include "gui/list_group.h"

namespace telqor {

using namespace Qt::StringLiterals;

Tfrmhmformat::Tfrmhmformat(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
  setObjectName(u"frmhmformat"_s);
  setWindowTitle(u"数据输出格式转换"_s);
  lv0 = AddListGroup(this, GB0, u"GB0"_s, u"原始数据(支持拖放导入数据)"_s, u"lv0"_s, true);
}

QWidget* Tfrmhmformat::DropList() const { return lv0; }

void Tfrmhmformat::LoadFiles(const std::vector<std::filesystem::path>&) {}

}  // namespace telqor
