#include "tools/frm_rename.h"

namespace telqor {

using namespace Qt::StringLiterals;

TfrmRename::TfrmRename(AppContext& context, QWidget* parent) : QDialog(parent), context_(context) {
  setObjectName(u"frmRename"_s);
  setWindowTitle(u"文件批量改名"_s);
  resize(640, 480);
}

}  // namespace telqor
