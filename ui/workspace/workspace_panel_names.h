// The object names of WorkspacePanel's controls (group "号码整理框"), each named for what the control
// does, its caption beside it. The strings are the ones the program has always used.
#pragma once

#include <QString>

namespace telqor::names::workspace {

inline const QString kWorkspacePanel = QStringLiteral("WorkspacePanel");
inline const QString kWorkspaceGroup = QStringLiteral("GroupBoxHmInfo");     // 号码整理框
inline const QString kWorkspaceList = QStringLiteral("lv0");                 // takes file drops
inline const QString kSortButton = QStringLiteral("SpeedButton5");           // 排序
inline const QString kShuffleButton = QStringLiteral("SpeedButton6");        // 乱序
inline const QString kDedupeButton = QStringLiteral("SpeedButton8");         // 去重
inline const QString kMoreButton = QStringLiteral("SpeedButton7");           // 其它操作
inline const QString kSaveButton = QStringLiteral("SpeedButton9");           // 保存
inline const QString kOutputFolderButton = QStringLiteral("SpeedButton34");  // 目录
inline const QString kImportDataButton = QStringLiteral("SBLoadData");       // 导入数据

// The menu of "其它操作", also the list's context menu.
inline const QString kMoreMenu = QStringLiteral("PopupMenu3");
inline const QString kKindFilterMenu = QStringLiteral("MenuDataKindFilter");  // 数据类型过滤
inline const QString kKeepMobileItem = QStringLiteral("N23");                 // 保留手机号码
inline const QString kKeepNonMobileItem = QStringLiteral("N24");              // 保留非手机号码
inline const QString kKeepLandlineItem = QStringLiteral("N43");               // 保留电话号码
inline const QString kKeepCustom1Item = QStringLiteral("N44");                // 保留自定义Ⅰ
inline const QString kKeepCustom2Item = QStringLiteral("N45");                // 保留自定义Ⅱ
inline const QString kEditorsItem = QStringLiteral("N40");                    // 前后缀和内容替换
inline const QString kNormalizeItem = QStringLiteral("NNormalize0");          // 号码规范化
inline const QString kDeleteSelectedItem = QStringLiteral("N56");             // 删除选择的数据
inline const QString kCopyAllItem = QStringLiteral("ii1");                    // 复制全部数据
inline const QString kCopySelectedItem = QStringLiteral("N73");               // 复制选择数据
inline const QString kPasteItem = QStringLiteral("N27");                      // 粘帖数据
inline const QString kClearItem = QStringLiteral("N18");                      // 清空数据
inline const QString kStatsItem = QStringLiteral("NStats0");                  // 号码统计
inline const QString kLookupTableItem = QStringLiteral("NLookupTable0");      // 归属地查询表

// The menu of "保存".
inline const QString kSaveMenu = QStringLiteral("PopupMenu6");
inline const QString kBatchSaveItem = QStringLiteral("N30");      // 分批保存号码
inline const QString kSaveAllItem = QStringLiteral("N31");        // 全部保存号码
inline const QString kSaveByRegionItem = QStringLiteral("N50");   // 按地区保存号码
inline const QString kSaveByCarrierItem = QStringLiteral("N53");  // 按号码类型(移动,联通等)保存号码
inline const QString kSaveByRegionCarrierItem = QStringLiteral("N64");  // 按地区和号码类型(移动,联通等)保存号码
inline const QString kSaveByRegionCarrierSegmentItem = QStringLiteral("N74");  // 按地区/号码类型/号段保存号码

// The editors panel under the list, shown and hidden by "前后缀和内容替换".
inline const QString kEditorsPanel = QStringLiteral("Panelhmprex");
inline const QString kReplaceGroup = QStringLiteral("GroupBox5");       // 数据内容替换-支持正则表达式
inline const QString kPatternCombo = QStringLiteral("CBA");             // what to replace
inline const QString kReplaceArrowLabel = QStringLiteral("Label8");     // ->
inline const QString kReplacementCombo = QStringLiteral("CBB");         // what it becomes
inline const QString kReplaceButton = QStringLiteral("SpeedButton22");  // 替换
inline const QString kAffixGroup = QStringLiteral("GroupBox9");  // 前后缀附加(在选择的长度数据前增加,0表示没有限制)
inline const QString kLengthLabel = QStringLiteral("Label13");  // 数据长度
inline const QString kLengthCombo = QStringLiteral("CBDataLen");
inline const QString kAffixLabel = QStringLiteral("Label12");  // 前后缀
inline const QString kPrefixEdit = QStringLiteral("Edit3");
inline const QString kSuffixEdit = QStringLiteral("Edit4");
inline const QString kAffixButton = QStringLiteral("SpeedButton35");  // 附加

}  // namespace telqor::names::workspace
