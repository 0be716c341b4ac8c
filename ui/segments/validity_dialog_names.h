// The object names of the controls of ValidityDialog ("手机号码格式有效性检查"), each named for what the
// control does, its caption beside it. The strings are the ones the program has always used.
#pragma once

#include <QString>

namespace telqor::names::validity {

inline const QString kValidityDialog = QStringLiteral("frmhmInvail");
inline const QString kRawGroup = QStringLiteral("GB0");    // 原始号码(支持拖放导入数据)
inline const QString kRawList = QStringLiteral("lv0");     // takes file drops
inline const QString kValidGroup = QStringLiteral("GB1");  // 有效号码
inline const QString kValidList = QStringLiteral("lv1");
inline const QString kInvalidGroup = QStringLiteral("GB2");  // 无效号码
inline const QString kInvalidList = QStringLiteral("lv2");
inline const QString kImportButton = QStringLiteral("SpeedButton2");       // 导入号码
inline const QString kAnalyseButton = QStringLiteral("SpeedButton1");      // 分析号码
inline const QString kSaveButton = QStringLiteral("SpeedButton3");         // 保存结果
inline const QString kCloseButton = QStringLiteral("SpeedButton5");        // 退出
inline const QString kCopyValidButton = QStringLiteral("SpeedButton4");    // 复制结果, in the valid list's group
inline const QString kCopyInvalidButton = QStringLiteral("SpeedButton6");  // 复制结果, in the invalid list's group

}  // namespace telqor::names::validity
