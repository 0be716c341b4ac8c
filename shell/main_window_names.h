// The object names of MainWindow's own controls (the menu, the status bar, the tabs), each named
// for what the control does, its caption beside it. The strings are the ones the program has always
// used.
#pragma once

#include <QString>

namespace telqor::names::window {

inline const QString kMainWindow = QStringLiteral("frmhmEx");

// The menu.
inline const QString kMenuBar = QStringLiteral("MainMenu1");
inline const QString kSystemMenu = QStringLiteral("MenuSystem");           // 系统
inline const QString kExitItem = QStringLiteral("N2");                     // 退出
inline const QString kSetupMenu = QStringLiteral("MenuSetup");             // 设置
inline const QString kSettingsItem = QStringLiteral("N33");                // 参数设置
inline const QString kToolsMenu = QStringLiteral("MenuTools");             // 工具
inline const QString kRegionLookupItem = QStringLiteral("N65");            // 手机号码地区速查
inline const QString kValidityCheckItem = QStringLiteral("N68");           // 手机号码格式有效性检查
inline const QString kFormatConversionItem = QStringLiteral("N69");        // 数据输出格式转换
inline const QString kDataAnalysisItem = QStringLiteral("N76");            // 固定格式数据分析
inline const QString kAreaCodeTableItem = QStringLiteral("N70");           // 固话区号对照表
inline const QString kOfficeToTextItem = QStringLiteral("wordexceltxt1");  // word/excel->txt
inline const QString kToAnsiItem = QStringLiteral("Ansi1");                // 文本->ANSI文本
inline const QString kToUtf8Item = QStringLiteral("Ansi2");                // 文本->UTF8文本
inline const QString kToUnicodeItem = QStringLiteral("Ansi3");             // 文本->Unicode文本
inline const QString kCleanBytesItem = QStringLiteral("N41");              // 二進制数据流预处理-(0~128)
inline const QString kBatchRenameItem = QStringLiteral("N28");             // 文件批量改名
inline const QString kMyDataFolderItem = QStringLiteral("N62");            // 我的数据目录
inline const QString kProgramFolderItem = QStringLiteral("N34");           // 系统目录
inline const QString kHelpMenu = QStringLiteral("MenuHelp");               // 帮助
inline const QString kHelpGuideItem = QStringLiteral("NHelpGuide");        // 使用说明
inline const QString kAboutItem = QStringLiteral("NHelpAbout");            // 关于 Telqor

// The status bar.
inline const QString kStatusBar = QStringLiteral("StatusBar");
inline const QString kClockPanel = QStringLiteral("StatusPanel0");
inline const QString kStatusPanel = QStringLiteral("StatusPanel1");  // the status text
inline const QString kProgressBar = QStringLiteral("StatusProgress");
inline const QString kStopWorkButton = QStringLiteral("SBStopWork");  // 停止: a list operation that may stop
inline const QString kTimer = QStringLiteral("Timer");                // the clock and the pending drops

// The tabs; the second and third are the panels' own (ListsTab, FileManagerTab).
inline const QString kTabs = QStringLiteral("PageControl1");
inline const QString kFirstTab = QStringLiteral("TabSheet1");  // 号码生成㈠

}  // namespace telqor::names::window
