#include "segments/frm_hm_invail.h"

#include <QGroupBox>
#include <QTableView>
#include <QVBoxLayout>

#include "app/number_view.h"

namespace telqor {

using namespace Qt::StringLiterals;

TfrmhmInvail::TfrmhmInvail(QWidget* parent) : QDialog(parent) {
  setObjectName(u"frmhmInvail"_s);
  setWindowTitle(u"手机号码格式有效性检查-根据现有号段数据库"_s);
  GB0 = new QGroupBox(u"原始号码(支持拖放导入数据)"_s, this);
  GB0->setObjectName(u"GB0"_s);
  lv0 = new QTableView(GB0);
  lv0->setObjectName(u"lv0"_s);
  ConfigureNumberView(lv0);
  auto* box = new QVBoxLayout(GB0);
  box->addWidget(lv0);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(GB0);
  resize(640, 480);
}

}  // namespace telqor
