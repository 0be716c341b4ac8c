// The object names of the controls of SegmentInputDialog ("输入号段"), each named for what the control
// does, its caption beside it. The strings are the ones the program has always used.
#pragma once

#include <QString>

namespace telqor::names::segment_input {

inline const QString kSegmentInputDialog = QStringLiteral("frmhdinput");
inline const QString kSegmentsEdit = QStringLiteral("Memohd");  // one segment a line
inline const QString kLengthLabel = QStringLiteral("Label1");   // 号码总长度
inline const QString kLengthEdit = QStringLiteral("EditHMLEN");
inline const QString kLengthUpDown = QStringLiteral("UpDown1");
inline const QString kCheckButton = QStringLiteral("SpeedButton1");  // 7位号段有效检查
inline const QString kOkButton = QStringLiteral("BitBtn1");          // 确定
inline const QString kCancelButton = QStringLiteral("BitBtn2");      // 取消

}  // namespace telqor::names::segment_input
