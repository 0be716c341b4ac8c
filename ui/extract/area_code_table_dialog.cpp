#include "ui/extract/area_code_table_dialog.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <system_error>

#include "core/io/file_io.h"
#include "extract/area_codes.h"
#include "ui/extract/area_code_table_dialog_names.h"
#include "ui/kit/controls.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/named.h"
#include "ui/kit/user_action.h"

namespace telqor {

using namespace Qt::StringLiterals;
using namespace names::area_codes;
namespace fs = std::filesystem;

AreaCodeTableDialog::AreaCodeTableDialog(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
  setObjectName(kAreaCodeTableDialog);
  setWindowTitle(u"固话区号参考"_s);
  setWindowFlags(Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  tableEdit_ = Named<QPlainTextEdit>(kTableEdit);
  tableEdit_->setLineWrapMode(QPlainTextEdit::NoWrap);
  closeButton_ = Button(kCloseButton, u"关闭"_s);
  browseButton_ = Button(kOpenFolderButton, u"浏览"_s);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tableEdit_, 1);
  layout->addLayout(Row({browseButton_, closeButton_}));
  Wire(closeButton_, this, &AreaCodeTableDialog::CloseClicked);
  Wire(browseButton_, this, &AreaCodeTableDialog::OpenDataFolderClicked);
  resize(640, 480);
}

void AreaCodeTableDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Shown from a menu action: an unreadable table goes to the status line like its errors.
  try {
    ShowTable();
  } catch (...) {
    ReportCurrentException();
  }
}

void AreaCodeTableDialog::ShowTable() {
  fs::path file = AreaCodeFile(context_.Folders().baseData);
  std::error_code error;
  if (fs::is_regular_file(file, error)) tableEdit_->setPlainText(FromGbk(ReadWholeFile(file)));
}

void AreaCodeTableDialog::CloseClicked() { close(); }

void AreaCodeTableDialog::OpenDataFolderClicked() { context_.ui.OpenFolder(context_.Folders().baseData); }

}  // namespace telqor
