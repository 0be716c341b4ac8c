// The object names of the controls of HelpDialog ("使用说明"), each named for what the control does,
// its caption beside it. The strings are the ones the program has always used.
#pragma once

#include <QString>

namespace telqor::names::help {

inline const QString kHelpDialog = QStringLiteral("frmHelp");
inline const QString kBrowser = QStringLiteral("HelpBrowser");    // the guide
inline const QString kCloseButton = QStringLiteral("HelpClose");  // 关闭

}  // namespace telqor::names::help
