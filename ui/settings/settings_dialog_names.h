// The object names of the controls of SettingsDialog ("基本参数设置"), each named for what the control
// does, its caption beside it. The strings are the ones the program has always used.
#pragma once

#include <QString>

namespace telqor::names::settings {

inline const QString kSettingsDialog = QStringLiteral("frmhmsetting");

inline const QString kModeLabel = QStringLiteral("Label9");     // 处理模式
inline const QString kModeCombo = QStringLiteral("CBCalMode");  // A, B
inline const QString kModeANote = QStringLiteral("Label10");  // 模式A:数据排序和比对不会丢失,但处理速度稍微慢。
inline const QString kModeBNote = QStringLiteral("Label11");  // 模式B:不排序，保留首次出现的顺序…

inline const QString kPrefixesGroup = QStringLiteral("GroupBox1");            // 号码前三位设置(用分号隔开)
inline const QString kMobilePrefixesEdit = QStringLiteral("EditMobile");      // 移动号码
inline const QString kUnicomPrefixesEdit = QStringLiteral("EditUnicom");      // 联通号码
inline const QString kTelecomPrefixesEdit = QStringLiteral("EditTelecom");    // 电信号码
inline const QString kBroadnetPrefixesEdit = QStringLiteral("EditBroadnet");  // 广电号码
inline const QString kCurrentPrefixesButton = QStringLiteral("SBCurrentPrefixes");  // 当前号段
inline const QString kMobileSeparatorsCheck = QStringLiteral("CBMobileSeparators");  // 识别分组书写的手机号(…)

inline const QString kFoldersGroup = QStringLiteral("GroupBox3");           // 文件夹目录设定
inline const QString kToUseFolderEdit = QStringLiteral("EditD1");           // 待使用文件夹
inline const QString kToUseBrowseButton = QStringLiteral("SpeedButton1");   // 浏览
inline const QString kUsedFolderEdit = QStringLiteral("EditD2");            // 使用过文件夹
inline const QString kUsedBrowseButton = QStringLiteral("SpeedButton6");    // 浏览
inline const QString kOutputFolderEdit = QStringLiteral("EditD3");          // 输出文件夹
inline const QString kOutputBrowseButton = QStringLiteral("SpeedButton7");  // 浏览

inline const QString kOkButton = QStringLiteral("BitBtn1");      // 确定
inline const QString kCancelButton = QStringLiteral("BitBtn2");  // 取消

}  // namespace telqor::names::settings
