// The object names of the controls of SegmentLibraryDialog (the segment library, "导入号段"), each
// named for what the control does, its caption beside it. The strings are the ones the program has
// always used.
#pragma once

#include <QString>

namespace telqor::names::segment_library {

inline const QString kSegmentLibraryDialog = QStringLiteral("frmhdmanager");
inline const QString kRegionTree = QStringLiteral("tvzone");  // provinces and their cities

// The segments of the city chosen.
inline const QString kMobileCheck = QStringLiteral("CBMobile");      // 移动号码
inline const QString kUnicomCheck = QStringLiteral("CBUnicom");      // 联通号码
inline const QString kTelecomCheck = QStringLiteral("CBTelecom");    // 电信号码
inline const QString kBroadnetCheck = QStringLiteral("CBBroadnet");  // 广电号码
inline const QString kHintLabel = QStringLiteral("Label1");  // 多选号段请使用 [Shift] 或者 [Ctrl]。…
inline const QString kSegmentList = QStringLiteral("lv");    // 号段库
inline const QString kSegmentMenu = QStringLiteral("PopupMenu1");
inline const QString kSelectAllItem = QStringLiteral("N1");           // 全选
inline const QString kSelectNoneItem = QStringLiteral("N2");          // 全不选
inline const QString kMarkUsedItem = QStringLiteral("N4");            // 当前选择号段设置为已经使用过
inline const QString kMarkUnusedItem = QStringLiteral("N5");          // 当前选择号段设置为没有使用过
inline const QString kExcludeUsedCheck = QStringLiteral("CBUsedHd");  // 排除已使用过号码段
inline const QString kRememberCheck = QStringLiteral("CBRemhd");      // 记忆当前使用号段

// Under the lists.
inline const QString kSummaryLabel = QStringLiteral("LabelDataSummary");  // what data is loaded, and from where
inline const QString kImportButton = QStringLiteral("BitBtn1");           // 导入号段号码
inline const QString kCancelButton = QStringLiteral("BitBtn2");           // 取消
inline const QString kImportSegmentListButton = QStringLiteral("SBImportSegmentList");  // 从文件更新号段库
inline const QString kStatusBar = QStringLiteral("StatusBar");
inline const QString kTotalPanel = QStringLiteral("StatusPanel1");      // 号段总数
inline const QString kCityPanel = QStringLiteral("StatusPanel2");       // the province and city chosen
inline const QString kCityTotalPanel = QStringLiteral("StatusPanel3");  // 总号段数: the city's
inline const QString kCityNotePanel = QStringLiteral("StatusPanel4");  // 已经使用过, 当前可供选择的号码, or to wait

}  // namespace telqor::names::segment_library
