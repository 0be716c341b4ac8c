#include "ui/kit/clipboard.h"

#include <QApplication>
#include <QClipboard>

#include "ui/kit/gbk_text.h"

namespace telqor {

void CopyGbkToClipboard(const std::string& gbk) { QApplication::clipboard()->setText(FromGbkLossless(gbk)); }

std::string GbkFromClipboard() { return ToGbk(QApplication::clipboard()->text()); }

}  // namespace telqor
