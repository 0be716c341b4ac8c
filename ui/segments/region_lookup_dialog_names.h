// The object names of the controls of RegionLookupDialog ("手机号码地区速查"), each named for what the
// control does, its caption beside it. The strings are the ones the program has always used.
#pragma once

#include <QString>

namespace telqor::names::region_lookup {

inline const QString kRegionLookupDialog = QStringLiteral("frmhdSearch");
inline const QString kNumberLabel = QStringLiteral("Label1");  // 号码
inline const QString kNumberCombo = QStringLiteral("CBHm");
inline const QString kLookUpButton = QStringLiteral("SpeedButton1");  // 查找
inline const QString kLogEdit = QStringLiteral("Memolog");            // the answers, one a line

}  // namespace telqor::names::region_lookup
