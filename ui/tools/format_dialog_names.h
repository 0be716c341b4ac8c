// The object names of the controls of FormatDialog ("数据输出格式转换"), each named for what the control
// does, its caption beside it. The strings are the ones the program has always used.
#pragma once

#include <QString>

namespace telqor::names::format {

inline const QString kFormatDialog = QStringLiteral("frmhmformat");
inline const QString kImportButton = QStringLiteral("SpeedButton1");   // 导入数据
inline const QString kConvertButton = QStringLiteral("SpeedButton2");  // 格式转换
inline const QString kSaveButton = QStringLiteral("SpeedButton3");     // 保存结果
inline const QString kCloseButton = QStringLiteral("SpeedButton5");    // 退出

inline const QString kSourceGroup = QStringLiteral("GB0");  // 原始数据(支持拖放导入数据), then the count
inline const QString kSourceList = QStringLiteral("lv0");   // takes file drops

// 格式化样式(%N%:表示编号 12345678901:表示数据;MyNo:表示序号)
inline const QString kTemplateGroup = QStringLiteral("GB");
inline const QString kTemplateCombo = QStringLiteral("CBA");          // the template files
inline const QString kBrowseButton = QStringLiteral("SpeedButton4");  // 浏览
inline const QString kTemplateEdit = QStringLiteral("MemoA");
inline const QString kStackEdit = QStringLiteral("EditA");  // 样式叠加数
inline const QString kStackUpDown = QStringLiteral("UpDown2");
inline const QString kCutEdit = QStringLiteral("EditB");  // 最后行删除位数
inline const QString kCutUpDown = QStringLiteral("UpDown3");
inline const QString kMaxNumberEdit = QStringLiteral("EditC");  // 最大编号
inline const QString kMaxNumberUpDown = QStringLiteral("UpDown1");
inline const QString kPerFileEdit = QStringLiteral("EditD");  // 每文件保存数
inline const QString kPerFileUpDown = QStringLiteral("UpDown4");

inline const QString kOutputList = QStringLiteral("Lv1");  // 输出样式

}  // namespace telqor::names::format
