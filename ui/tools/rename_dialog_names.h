// The object names of the controls of RenameDialog ("文件批量改名"), each named for what the control
// does, its caption beside it. The strings are the ones the program has always used.
#pragma once

#include <QString>

namespace telqor::names::rename {

inline const QString kRenameDialog = QStringLiteral("frmRename");
inline const QString kFolderTree = QStringLiteral("STVData");      // the folders
inline const QString kFolderContents = QStringLiteral("SLVData");  // what the source folder holds
inline const QString kStatusBar = QStringLiteral("StatusBar");     // the source folder

// 源文件输入设置-文件名匹配: the files taken and their new names.
inline const QString kTakingGroup = QStringLiteral("GroupBox1");
inline const QString kMatchLabel = QStringLiteral("Label1");  // 文件名匹配
inline const QString kMatchEdit = QStringLiteral("EditA");
inline const QString kAppendCheck = QStringLiteral("CBAppend");      // 累加
inline const QString kTakeButton = QStringLiteral("SpeedButton1");   // 选取
inline const QString kClearButton = QStringLiteral("SpeedButton5");  // 清空
inline const QString kRenameList = QStringLiteral("lv1");            // 原始文件名, 新文件名
inline const QString kOldNameEdit = QStringLiteral("EditRaw");
inline const QString kEntryArrowLabel = QStringLiteral("Label3");  // ->
inline const QString kNewNameEdit = QStringLiteral("EditDest");
inline const QString kSetEntryButton = QStringLiteral("SBEditData");  // 设置

// 新文件名定义: how the new names are made.
inline const QString kDefinitionGroup = QStringLiteral("GroupBox2");
inline const QString kReplaceGroup = QStringLiteral("GroupBox3");
inline const QString kReplaceCheck = QStringLiteral("CBA");  // 替换内容
inline const QString kReplaceFromEdit = QStringLiteral("EditR1");
inline const QString kReplaceArrowLabel = QStringLiteral("Label4");  // ->
inline const QString kReplaceToEdit = QStringLiteral("EditR2");
inline const QString kPatternGroup = QStringLiteral("GroupBox4");
inline const QString kPatternCheck = QStringLiteral("CBB");  // 文件名重命名定义(#为数字)
inline const QString kPatternCombo = QStringLiteral("CBT");
inline const QString kStartNumberLabel = QStringLiteral("Label5");  // 开始数字
inline const QString kStartNumberEdit = QStringLiteral("EditNumCC");
inline const QString kCaseCombo = QStringLiteral("CBFF");               // 大小写不变, 小写, 大写
inline const QString kNewFolderCheck = QStringLiteral("CBUseNewPath");  // 输出到新目录
inline const QString kOutputFolderEdit = QStringLiteral("EditURL");
inline const QString kChooseOutputButton = QStringLiteral("SpeedButton6");  // 设置
inline const QString kOpenOutputButton = QStringLiteral("SpeedButton7");    // 打开
inline const QString kDeleteSourceCheck = QStringLiteral("CBD");            // 删除原来文件
inline const QString kPreviewButton = QStringLiteral("SpeedButton2");       // 预览
inline const QString kRenameButton = QStringLiteral("SpeedButton3");        // 更新

}  // namespace telqor::names::rename
