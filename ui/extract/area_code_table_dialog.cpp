#include "ui/extract/area_code_table_dialog.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <system_error>

#include "core/file_io.h"
#include "extract/area_codes.h"
#include "ui/kit/controls.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/named.h"
#include "ui/kit/user_action.h"

namespace telqor {

using namespace Qt::StringLiterals;
namespace fs = std::filesystem;

AreaCodeTableDialog::AreaCodeTableDialog(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
  setObjectName(u"frmtelInfo"_s);
  setWindowTitle(u"固话区号参考"_s);
  setWindowFlags(Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  RichEdit1 = Named<QPlainTextEdit>(u"RichEdit1"_s);
  RichEdit1->setLineWrapMode(QPlainTextEdit::NoWrap);
  SpeedButton1 = Button(u"SpeedButton1"_s, u"关闭"_s);
  SpeedButton2 = Button(u"SpeedButton2"_s, u"浏览"_s);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(RichEdit1, 1);
  layout->addLayout(Row({SpeedButton2, SpeedButton1}));
  Wire(SpeedButton1, this, &AreaCodeTableDialog::SpeedButton1Click);
  Wire(SpeedButton2, this, &AreaCodeTableDialog::SpeedButton2Click);
  resize(640, 480);
}

void AreaCodeTableDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Shown from a menu action: an unreadable table goes to the status line like its errors.
  try {
    FormShow();
  } catch (...) {
    ReportCurrentException();
  }
}

void AreaCodeTableDialog::FormShow() {
  fs::path file = AreaCodeFile(context_.Folders().baseData);
  std::error_code error;
  if (fs::is_regular_file(file, error)) RichEdit1->setPlainText(FromGbk(ReadWholeFile(file)));
}

void AreaCodeTableDialog::SpeedButton1Click() { close(); }

void AreaCodeTableDialog::SpeedButton2Click() { context_.ui.OpenFolder(context_.Folders().baseData); }

}  // namespace telqor
