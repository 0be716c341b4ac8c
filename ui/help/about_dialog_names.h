// The object names of the controls of AboutDialog ("关于 Telqor"), each named for what the control
// does, its caption beside it. The strings are the ones the program has always used.
#pragma once

#include <QString>

namespace telqor::names::about {

inline const QString kAboutDialog = QStringLiteral("frmAbout");
inline const QString kVersionLabel = QStringLiteral("AboutVersion");
inline const QString kSegmentsLabel = QStringLiteral("AboutSegments");  // the segment data loaded
inline const QString kLicencesLabel = QStringLiteral("AboutLicences");
inline const QString kLicenceText = QStringLiteral("AboutLicenceText");  // the shipped list's licence in full
inline const QString kCloseButton = QStringLiteral("AboutClose");        // 关闭

}  // namespace telqor::names::about
