// The object names of the controls of SaveCountDialog (the line count of a batch save), each named
// for what the control does, its caption beside it. The strings are the ones the program has always
// used.
#pragma once

#include <QString>

namespace telqor::names::save_count {

inline const QString kSaveCountDialog = QStringLiteral("frmhmsave");
inline const QString kCountLabel = QStringLiteral("Label1");     // 每个导出文件包含号码数:
inline const QString kCountEdit = QStringLiteral("EditA");       // "1000" at start
inline const QString kOkButton = QStringLiteral("BitBtn1");      // 确定
inline const QString kCancelButton = QStringLiteral("BitBtn2");  // 取消

}  // namespace telqor::names::save_count
