#include "tools/frm_aata_analysis.h"

#include <QGroupBox>
#include <QTableView>
#include <QVBoxLayout>

namespace telqor {

using namespace Qt::StringLiterals;

TfrmAataAnalysis::TfrmAataAnalysis(QWidget* parent) : QDialog(parent) {
  setObjectName(u"frmAataAnalysis"_s);
  setWindowTitle(u"数据分析"_s);
  GroupBox3 = new QGroupBox(u"输入数据(单击列名排序)"_s, this);
  GroupBox3->setObjectName(u"GroupBox3"_s);
  lv1 = new QTableView(GroupBox3);
  lv1->setObjectName(u"lv1"_s);
  auto* box = new QVBoxLayout(GroupBox3);
  box->addWidget(lv1);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(GroupBox3);
  resize(640, 480);
}

}  // namespace telqor
