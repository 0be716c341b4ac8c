// The object names of FileManagerTab's controls (tab "文件管理") and of its two managed folders, each
// named for what the control does, its caption beside it. The strings are the ones the program has
// always used.
#pragma once

#include <QString>

namespace telqor::names::files {

inline const QString kFileManagerTab = QStringLiteral("TabSheet3");

// The managed folder "§待使用文件§".
inline const QString kToUseGroup = QStringLiteral("GroupBox7");  // §待使用文件§
inline const QString kToUseList = QStringLiteral("CLBwilluse");
inline const QString kToUseToolbarButton = QStringLiteral("SpeedButton26");    // 工具栏
inline const QString kToUseSetFolderButton = QStringLiteral("SpeedButton29");  // 目录设定
inline const QString kToUseOpenButton = QStringLiteral("SpeedButton32");       // 打开
inline const QString kToUseMenu = QStringLiteral("PopupMenu1");
inline const QString kRefreshToUseItem = QStringLiteral("N15");    // 刷新
inline const QString kCheckAllToUseItem = QStringLiteral("N8");    // 文件全选
inline const QString kCheckNoneToUseItem = QStringLiteral("N10");  // 文件全不选
inline const QString kMergeToUseItem = QStringLiteral("N12");      // 选择文件->合并
inline const QString kDeleteToUseItem = QStringLiteral("N13");     // 选择文件->删除
inline const QString kDedupeToUseItem = QStringLiteral("N7");      // 选择文件->去重复
inline const QString kShuffleToUseItem = QStringLiteral("N35");    // 选择文件->乱序
inline const QString kSplitToUseItem = QStringLiteral("N37");      // 选择文件->分割行数
inline const QString kCompareWithUsedItem = QStringLiteral("N6");  // 跟已经使用文件比较生成新文件
inline const QString kMarkAsUsedItem = QStringLiteral("N17");      // 选择文件设定为已经使用过文件
inline const QString kOpenToUseFolderItem = QStringLiteral("N9");  // 打开目录

// The managed folder "§使用过文件§".
inline const QString kUsedGroup = QStringLiteral("GroupBox8");  // §使用过文件§
inline const QString kUsedList = QStringLiteral("CLBused");
inline const QString kUsedToolbarButton = QStringLiteral("SpeedButton25");    // 工具栏
inline const QString kUsedSetFolderButton = QStringLiteral("SpeedButton30");  // 目录设定
inline const QString kUsedOpenButton = QStringLiteral("SpeedButton33");       // 打开
inline const QString kUsedMenu = QStringLiteral("PopupMenu2");
inline const QString kRefreshUsedItem = QStringLiteral("MenuItem1");      // 刷新
inline const QString kCheckAllUsedItem = QStringLiteral("MenuItem3");     // 文件全选
inline const QString kCheckNoneUsedItem = QStringLiteral("MenuItem4");    // 文件全不选
inline const QString kMergeUsedItem = QStringLiteral("MenuItem6");        // 选择文件->合并
inline const QString kDeleteUsedItem = QStringLiteral("MenuItem7");       // 选择文件->删除
inline const QString kDedupeUsedItem = QStringLiteral("MenuItem8");       // 选择文件->去重复
inline const QString kShuffleUsedItem = QStringLiteral("N36");            // 选择文件->乱序
inline const QString kSplitUsedItem = QStringLiteral("N38");              // 选择文件->分割行数
inline const QString kOpenUsedFolderItem = QStringLiteral("MenuItem11");  // 打开目录

// The comparison "文件比对".
inline const QString kComparisonGroup = QStringLiteral("GroupBox1");                // 文件比对
inline const QString kNewFileLabel = QStringLiteral("Label4");                      // 新文件
inline const QString kNewFileEdit = QStringLiteral("EditA");                        // takes file drops
inline const QString kBrowseNewFileButton = QStringLiteral("SpeedButton10");        // 浏览
inline const QString kReferenceFileLabel = QStringLiteral("Label5");                // 原文件
inline const QString kReferenceFileEdit = QStringLiteral("EditB");                  // takes file drops
inline const QString kBrowseReferenceFileButton = QStringLiteral("SpeedButton11");  // 浏览
inline const QString kCompareButton = QStringLiteral("BitBtn2");                    // 比对生成
inline const QString kComparisonFolderButton = QStringLiteral("BitBtn1");           // 浏览生成文件夹

// The general file list "要转换文件" and its output folder.
inline const QString kGeneralFilesGroup = QStringLiteral("GroupBox6");      // 要转换文件
inline const QString kGeneralFilesTitle = QStringLiteral("LabelLB1");       // 通用文件管理-支持拖放操作
inline const QString kGeneralFileList = QStringLiteral("LB1");              // takes file drops
inline const QString kAddFilesButton = QStringLiteral("SpeedButton12");     // 加入文件
inline const QString kRemoveFilesButton = QStringLiteral("SpeedButton19");  // 删除文件
inline const QString kMergeFilesButton = QStringLiteral("SpeedButton20");   // 合并文件
inline const QString kSplitFilesButton = QStringLiteral("SpeedButton21");   // 分割文件
inline const QString kDedupeFilesButton = QStringLiteral("SpeedButton1");   // 去重文件
inline const QString kShuffleFilesButton = QStringLiteral("SpeedButton4");  // 乱序文件
inline const QString kGeneralFileMenu = QStringLiteral("PopupMenu7");
inline const QString kOpenFileFolderItem = QStringLiteral("N39");     // 打开当前文件的目录
inline const QString kOutputFolderLabel = QStringLiteral("Label11");  // 输出目录指定：
inline const QString kOutputFolderEdit = QStringLiteral("EditURL");
inline const QString kBesideFilesRadio = QStringLiteral("RBSelA");               // 转换文件目录
inline const QString kFixedFolderRadio = QStringLiteral("RBSelB");               // 固定文件目录
inline const QString kSetOutputFolderButton = QStringLiteral("SpeedButton28");   // 设定
inline const QString kOpenOutputFolderButton = QStringLiteral("SpeedButton31");  // 打开

}  // namespace telqor::names::files
