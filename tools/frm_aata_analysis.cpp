#include "tools/frm_aata_analysis.h"

#include <QTableView>

#include "gui/list_group.h"

namespace telqor {

using namespace Qt::StringLiterals;

TfrmAataAnalysis::TfrmAataAnalysis(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
  setObjectName(u"frmAataAnalysis"_s);
  setWindowTitle(u"数据分析"_s);
  lv1 = AddListGroup(this, GroupBox3, u"GroupBox3"_s, u"输入数据(单击列名排序)"_s, u"lv1"_s, false);
}

QWidget* TfrmAataAnalysis::DropList() const { return lv1; }

void TfrmAataAnalysis::LoadFiles(const std::vector<std::filesystem::path>&) {}

}  // namespace telqor
