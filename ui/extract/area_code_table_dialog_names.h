// The object names of the controls of AreaCodeTableDialog ("固话区号对照表"), each named for what the
// control does, its caption beside it. The strings are the ones the program has always used.
#pragma once

#include <QString>

namespace telqor::names::area_codes {

inline const QString kAreaCodeTableDialog = QStringLiteral("frmtelInfo");
inline const QString kTableEdit = QStringLiteral("RichEdit1");
inline const QString kCloseButton = QStringLiteral("SpeedButton1");       // 关闭
inline const QString kOpenFolderButton = QStringLiteral("SpeedButton2");  // 浏览: the base-data folder

}  // namespace telqor::names::area_codes
