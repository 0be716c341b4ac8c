// The object names of the controls of NumberTypeDialog (the carriers or range of "号码类型"), each
// named for what the control does, its caption beside it. The strings are the ones the program has
// always used.
#pragma once

#include <QString>

namespace telqor::names::number_types {

inline const QString kNumberTypeDialog = QStringLiteral("frmhdsel");
inline const QString kMobileCheck = QStringLiteral("CBMobile");      // 移动号码
inline const QString kUnicomCheck = QStringLiteral("CBUnicom");      // 联通号码
inline const QString kTelecomCheck = QStringLiteral("CBTelecom");    // 电信号码
inline const QString kBroadnetCheck = QStringLiteral("CBBroadnet");  // 广电号码
inline const QString kRangeCheck = QStringLiteral("CBSelHD");        // 指定号码范围
inline const QString kRangeStartEdit = QStringLiteral("EditStart");
inline const QString kRangeEndEdit = QStringLiteral("EditEnd");
inline const QString kOkButton = QStringLiteral("BitBtn1");      // 确定
inline const QString kCancelButton = QStringLiteral("BitBtn2");  // 取消

}  // namespace telqor::names::number_types
