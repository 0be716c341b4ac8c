// The object names of ListsTab's controls (tab "号码生成㈡"), each named for what the control does, its
// caption beside it. The strings are the ones the program has always used.
#pragma once

#include <QString>

namespace telqor::names::lists {

inline const QString kListsTab = QStringLiteral("TabSheet2");

// The source list "【原始号码】".
inline const QString kSourceGroup = QStringLiteral("GBRawData");                // 【原始号码】
inline const QString kImportSegmentsButton = QStringLiteral("ToolButton2");     // 导入号段
inline const QString kInputSegmentsButton = QStringLiteral("ToolButton1");      // 输入号段
inline const QString kImportSourceFilesButton = QStringLiteral("ToolButton3");  // 导入文件
inline const QString kPasteSourceButton = QStringLiteral("ToolButton5");        // 粘贴
inline const QString kClearSourceButton = QStringLiteral("ToolButton6");        // 清空
inline const QString kSortSourceButton = QStringLiteral("ToolButton16");        // 号码排序
inline const QString kShuffleSourceButton = QStringLiteral("ToolButton18");     // 号码乱序
inline const QString kDedupeSourceButton = QStringLiteral("ToolButton20");      // 去除重号
inline const QString kFilterOutSourceButton = QStringLiteral("ToolButton43");   // 滤除号码
inline const QString kMoreSourceButton = QStringLiteral("ToolButton23");        // 其它操作
inline const QString kSourceList = QStringLiteral("lv1");                       // takes file drops
// The menu of the source's "其它操作", also the list's context menu.
inline const QString kSourceMenu = QStringLiteral("PopupMenu5");
inline const QString kKeepSourceMobileItem = QStringLiteral("N25");             // 保留手机号码
inline const QString kKeepSourceNonMobileItem = QStringLiteral("N26");          // 保留非手机号码
inline const QString kNormalizeSourceItem = QStringLiteral("NNormalize1");      // 号码规范化
inline const QString kCopyAllSourceItem = QStringLiteral("N55");                // 复制所有号码
inline const QString kCopySourceSelectionItem = QStringLiteral("N58");          // 复制选择的号码
inline const QString kDeleteSourceSelectionItem = QStringLiteral("N57");        // 删除选择的号码
inline const QString kSourceStatsItem = QStringLiteral("NStats1");              // 号码统计
inline const QString kSourceLookupTableItem = QStringLiteral("NLookupTable1");  // 归属地查询表

// The moves between the lists.
inline const QString kMovesPanel = QStringLiteral("Panel4");
inline const QString kFeatureToTargetButton = QStringLiteral("SpeedButton13");  // 组合特征 →
inline const QString kTypeToTargetButton = QStringLiteral("SpeedButton15");     // 号码类型 →
inline const QString kAllToTargetButton = QStringLiteral("SpeedButton17");      // 全部号码 →
inline const QString kFeatureToSourceButton = QStringLiteral("SpeedButton14");  // 组合特征 ←
inline const QString kTypeToSourceButton = QStringLiteral("SpeedButton16");     // 号码类型 ←
inline const QString kAllToSourceButton = QStringLiteral("SpeedButton18");      // 全部号码 ←

// The target list "【目标号码】".
inline const QString kTargetGroup = QStringLiteral("GBDestData");              // 【目标号码】
inline const QString kSortTargetButton = QStringLiteral("ToolButton30");       // 号码排序
inline const QString kShuffleTargetButton = QStringLiteral("ToolButton32");    // 号码乱序
inline const QString kDedupeTargetButton = QStringLiteral("ToolButton34");     // 去除重号
inline const QString kFilterOutTargetButton = QStringLiteral("ToolButton36");  // 滤除号码
inline const QString kMoreTargetButton = QStringLiteral("ToolButton44");       // 其它操作
inline const QString kTargetList = QStringLiteral("lv2");
// The menu of the target's "其它操作", also the list's context menu.
inline const QString kTargetMenu = QStringLiteral("PopupMenu9");
inline const QString kNormalizeTargetItem = QStringLiteral("NNormalize2");      // 号码规范化
inline const QString kCopyAllTargetItem = QStringLiteral("N59");                // 复制所有号码
inline const QString kCopyTargetSelectionItem = QStringLiteral("N60");          // 复制选择的号码
inline const QString kDeleteTargetSelectionItem = QStringLiteral("N61");        // 删除选择的号码
inline const QString kClearTargetItem = QStringLiteral("N52");                  // 清空号码
inline const QString kTargetStatsItem = QStringLiteral("NStats2");              // 号码统计
inline const QString kTargetLookupTableItem = QStringLiteral("NLookupTable2");  // 归属地查询表

// The group "【导出号码】".
inline const QString kExportGroup = QStringLiteral("GroupBox3");            // 【导出号码】
inline const QString kExportSourceRadio = QStringLiteral("RBRaw");          // 原始号码
inline const QString kExportTargetRadio = QStringLiteral("RBDest");         // 目标号码
inline const QString kBatchExportButton = QStringLiteral("SpeedButton23");  // 分批导出号码
inline const QString kExportButton = QStringLiteral("SpeedButton24");       // 全部导出号码
inline const QString kExportFolderButton = QStringLiteral("SpeedButton2");  // 浏览导出目录
// The menu of "全部导出号码".
inline const QString kExportMenu = QStringLiteral("PopupMenu10");
inline const QString kExportAllItem = QStringLiteral("N46");              // 全部导出号码
inline const QString kExportByRegionItem = QStringLiteral("N48");         // 按地区导出
inline const QString kExportByCarrierItem = QStringLiteral("N49");        // 按号码类型(移动,联通等)导出
inline const QString kExportByRegionCarrierItem = QStringLiteral("N63");  // 按地区和号码类型(移动,联通等)导出
inline const QString kExportByRegionCarrierSegmentItem = QStringLiteral("N75");  // 按地区/号码类型/号段保存号码

}  // namespace telqor::names::lists
