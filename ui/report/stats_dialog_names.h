// The object names of the controls of StatsDialog ("号码统计"), each named for what the control does,
// its caption beside it. The strings are the ones the program has always used.
#pragma once

#include <QString>

namespace telqor::names::stats {

inline const QString kStatsDialog = QStringLiteral("StatsForm");
inline const QString kTotalsLabel = QStringLiteral("LabelStatsTotals");
inline const QString kPages = QStringLiteral("TabStats");
inline const QString kRegionTree = QStringLiteral("TreeStatsRegions");        // 按省份
inline const QString kCarrierTree = QStringLiteral("TreeStatsCarriers");      // 按运营商
inline const QString kProvinceChart = QStringLiteral("ChartStatsProvinces");  // 省份图表
inline const QString kCarrierChart = QStringLiteral("ChartStatsCarriers");    // 运营商图表
inline const QString kSaveTableButton = QStringLiteral("SBSaveStatsTable");   // 保存表格
inline const QString kSaveChartButton = QStringLiteral("SBSaveStatsChart");   // 保存图表
inline const QString kCloseButton = QStringLiteral("SBCloseStats");           // 关闭

}  // namespace telqor::names::stats
