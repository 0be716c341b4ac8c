// The object names of ExtractionPanel's controls (group "搜索号码-支持拖放文件(夹) "), each named for what the
// control does, its caption beside it. The strings are the ones the program has always used.
#pragma once

#include <QString>

namespace telqor::names::extraction {

inline const QString kExtractionPanel = QStringLiteral("ExtractionPanel");
inline const QString kExtractionGroup = QStringLiteral("GroupBox12");  // 搜索号码-支持拖放文件(夹)

// The files to extract from.
inline const QString kExtractionFilesGroup = QStringLiteral("GroupBox11");  // 带号码文件解析(txt|html|Doc|Excel...)
inline const QString kExtractionFileList = QStringLiteral("ListBoxF");      // takes file drops
inline const QString kImportFilesButton = QStringLiteral("SBLoadFiles");       // 导入文件
inline const QString kImportFolderButton = QStringLiteral("SBLoadDirs");       // 导入文件夹
inline const QString kDeleteFilesButton = QStringLiteral("SBDeleteSelFiles");  // 删除选择文件
inline const QString kClearFilesButton = QStringLiteral("SBClearfiles");       // 清空
// The file list's context menu.
inline const QString kExtractionFileMenu = QStringLiteral("PopupMenu4");
inline const QString kImportFilesItem = QStringLiteral("N19");  // 导入文件
inline const QString kClearFilesItem = QStringLiteral("N21");   // 清空文件
inline const QString kDeleteFilesItem = QStringLiteral("N20");  // 删除选择文件

// The pasted text to extract from.
inline const QString kPasteGroup = QStringLiteral("GroupBox4");  // 号码内容 粘帖在此处
inline const QString kPasteBox = QStringLiteral("MemoNoInput");

// What to look for, and the runs.
inline const QString kMobileCheck = QStringLiteral("CBMobile");      // 手机
inline const QString kLandlineCheck = QStringLiteral("CBTels");      // 固话
inline const QString kEmailCheck = QStringLiteral("CBEmails");       // Email
inline const QString kRegexCheck = QStringLiteral("CBReg");          // 正则
inline const QString kAreaCodeModeCombo = QStringLiteral("CBZoneKind");  // 附加前一区号 / 指定区号 / 不处理
inline const QString kAreaCodeEdit = QStringLiteral("EditZone");         // the area code given
inline const QString kRegexEdit = QStringLiteral("EditReg");         // 输入正则表达式
inline const QString kExtractToWorkspaceButton = QStringLiteral("SBhmSearchOut");  // 提取到号码整理框
inline const QString kExtractToFilesButton = QStringLiteral("SBHmSearchSave");     // 提取保存到文件
inline const QString kStopExtractionButton = QStringLiteral("SBStopSearch");       // 停止

}  // namespace telqor::names::extraction
