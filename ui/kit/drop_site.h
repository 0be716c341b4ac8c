// A widget that takes file drops, and what kind of drop target it is. Panels and dialogs list
// theirs; the main window routes the drops.
#pragma once

#include <vector>

class QWidget;

namespace telqor {

// The widgets that accept file drops.
enum class DropTarget {
  kExtractionFiles,     // the extraction's file list
  kGeneralFiles,        // the general file list of the tab "文件管理"
  kNewFileField,        // the comparison's new file
  kReferenceFileField,  // the comparison's reference file
  kWorkspaceList,
  kSourceList,
  kValidityList,  // the validity check dialog's list
  kFormatList,    // the format conversion dialog's list
  kAnalysisList,  // the data analysis dialog's list
};

// What a drop on a target does: append every path, take the first path as the field's text,
// or (after the user confirms) leave a pending action for the next timer tick.
struct DropDelivery {
  enum class Kind { kAppendAll, kFirstPath, kConfirmThenPending };
  Kind kind;
  int pendingAction;  // 1..5 for kConfirmThenPending, else 0
};

// Pending drop actions, performed by the main window's timer.
inline constexpr int kDropNone = 0;
inline constexpr int kDropToWorkspace = 1;
inline constexpr int kDropToSource = 2;
inline constexpr int kDropToValidityCheck = 3;
inline constexpr int kDropToFormatConversion = 4;
inline constexpr int kDropToDataAnalysis = 5;

DropDelivery DropDeliveryFor(DropTarget target);

// The question asked before a drop leaves a pending action (UTF-8).
inline constexpr char kDropImportQuestion[] = "确定文件数据导入吗?";

struct DropSite {
  QWidget* widget;
  DropTarget target;
};

using DropSites = std::vector<DropSite>;

}  // namespace telqor
