#include "tools/frm_hm_format.h"

#include <QGroupBox>
#include <QTableView>
#include <QVBoxLayout>

#include "app/number_view.h"

namespace telqor {

using namespace Qt::StringLiterals;

Tfrmhmformat::Tfrmhmformat(QWidget* parent) : QDialog(parent) {
  setObjectName(u"frmhmformat"_s);
  setWindowTitle(u"数据输出格式转换"_s);
  GB0 = new QGroupBox(u"原始数据(支持拖放导入数据)"_s, this);
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
