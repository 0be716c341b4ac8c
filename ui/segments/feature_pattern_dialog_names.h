// The object names of the controls of FeaturePatternDialog (the patterns of "组合特征"), each named for
// what the control does, its caption beside it. The strings are the ones the program has always
// used.
#pragma once

#include <QString>

namespace telqor::names::feature_patterns {

inline const QString kFeaturePatternDialog = QStringLiteral("frmhmRegex");
inline const QString kFileCombo = QStringLiteral("CBRegexFiles");  // the named-pattern files
inline const QString kPatternList = QStringLiteral("lv");          // 名称, 表达式, a check box a row
inline const QString kNameEdit = QStringLiteral("EditName");
inline const QString kExpressionEdit = QStringLiteral("EditValue");
inline const QString kSaveButton = QStringLiteral("BitBtn3");         // 保存
inline const QString kNewButton = QStringLiteral("BitBtn4");          // 新建
inline const QString kDeleteButton = QStringLiteral("BitBtn6");       // 删除
inline const QString kBrowseButton = QStringLiteral("SpeedButton4");  // 浏览
inline const QString kOkButton = QStringLiteral("BitBtn1");           // 确定
inline const QString kCancelButton = QStringLiteral("BitBtn2");       // 取消

}  // namespace telqor::names::feature_patterns
