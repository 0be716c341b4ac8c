// The object names of the controls of AnalysisDialog ("固定格式数据分析"), each named for what the control
// does, its caption beside it. The strings are the ones the program has always used.
#pragma once

#include <QString>

namespace telqor::names::analysis {

inline const QString kAnalysisDialog = QStringLiteral("frmAataAnalysis");

// 输入设置: how the rows are read.
inline const QString kInputGroup = QStringLiteral("GroupBox1");   // 输入设置
inline const QString kDelimiterLabel = QStringLiteral("Label1");  // 当前行分隔符
inline const QString kDelimiterCombo = QStringLiteral("CBDelimiter");
inline const QString kReplaceFromEdit = QStringLiteral("EditStr1");   // the text to replace
inline const QString kReplaceArrowLabel = QStringLiteral("Label2");   // 替换字符 -》
inline const QString kReplaceToEdit = QStringLiteral("EditStr2");     // what replaces it
inline const QString kImportButton = QStringLiteral("SpeedButton3");  // 导 入...

// 输出设置: "第 [column] 列 [condition] [A] [B] 输出第 [out column] 列".
inline const QString kOutputGroup = QStringLiteral("GroupBox2");    // 输出设置 (…)
inline const QString kColumnLabel = QStringLiteral("Label3");       // 第
inline const QString kColumnEdit = QStringLiteral("EditColumnNo");  // the column tested
inline const QString kColumnUnitLabel = QStringLiteral("Label7");   // 列
inline const QString kConditionCombo = QStringLiteral("CBFix");     // >, =, <, []
inline const QString kValueAEdit = QStringLiteral("EditA");
inline const QString kValueBEdit = QStringLiteral("EditB");               // the upper bound of []
inline const QString kOutColumnLabel = QStringLiteral("Label4");          // 输出第
inline const QString kOutColumnEdit = QStringLiteral("EditOutColumnNo");  // the column output
inline const QString kOutColumnUnitLabel = QStringLiteral("Label8");      // 列
inline const QString kAnalyseButton = QStringLiteral("SpeedButton1");     // 分析
inline const QString kSaveButton = QStringLiteral("SpeedButton2");        // 保存文件

// The table and the values found.
inline const QString kDataGroup = QStringLiteral("GroupBox3");                  // 输入数据(单击列名排序)
inline const QString kDataTable = QStringLiteral("lv1");                        // takes file drops
inline const QString kExportSortedButton = QStringLiteral("SpeedButton6");      // 导出排序数据
inline const QString kExportClassifiedButton = QStringLiteral("SpeedButton7");  // 导出分类数据
inline const QString kOpenFolderButton = QStringLiteral("SpeedButton8");        // 打开目录
inline const QString kMatchGroup = QStringLiteral("GroupBox4");                 // 输出数据
inline const QString kMatchList = QStringLiteral("lv2");
// The menu of a column's sort.
inline const QString kSortMenu = QStringLiteral("PopupMenu1");
inline const QString kSortNumericItem = QStringLiteral("N1");  // 按数字大小排序
inline const QString kSortTextItem = QStringLiteral("N2");     // 按字符串排序

inline const QString kExportSortedNote = QStringLiteral("Label5");  // 导出排序数据:排序后的数据直接另存为文件。
inline const QString kExportClassifiedNote = QStringLiteral("Label6");  // 导出分类数据:以最后排序的列分类导出，…
inline const QString kStatusBar = QStringLiteral("StatusBar");
inline const QString kDataCountPanel = QStringLiteral("StatusPanel1");   // 原始数据
inline const QString kMatchCountPanel = QStringLiteral("StatusPanel2");  // 符合条件
inline const QString kRatioPanel = QStringLiteral("StatusPanel3");       // 比率
inline const QString kHintPanel = QStringLiteral("StatusPanel4");        // 清空数据请双击

}  // namespace telqor::names::analysis
