// WorkspacePanel: the group "号码整理框" of the first tab: the workspace list with its buttons
// and menus (list operations, kind filters, clipboard, saving) and the editors panel under it
// (pattern replacement; prefixes and suffixes).
//
// The main window owns the lists, the context and the count dialog; the panel owns its
// controls and their handlers. The items of the "保存" menu that export by region and carrier
// ask for their work with ExportRequested: it belongs to the segment database, and the shell
// hands it on. User-interface thread only.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "segments/region_export.h"
#include "ui/kit/app_context.h"
#include "ui/kit/drop_site.h"
#include "workspace/kind_filter.h"
#include "workspace/number_list.h"

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLineEdit;
class QMenu;
class QPushButton;
class QTableView;

namespace telqor {

class NumberListBox;
class SaveCountDialog;

class WorkspacePanel : public QWidget {
  Q_OBJECT
 public:
  WorkspacePanel(AppContext& context, NumberLists& lists, SaveCountDialog* countDialog, QWidget* parent = nullptr);
  ~WorkspacePanel() override;

  DropSites Drops() const;

 signals:
  // An item of the "保存" menu asks for the workspace list to be exported as kind says; never
  // sent for an empty list.
  void ExportRequested(ExportKind kind, const NumberList& list);
  // "号码统计" and "归属地查询表" of a list's "其它操作" menu; sent for an empty list too.
  void StatsRequested(const NumberList& list);
  void LookupTableRequested(const NumberList& list);

 private:
  void BuildList();
  void BuildEditors();
  void Connect();
  // Runs work on the workspace list off the window's thread.
  void ChangeInBackground(const std::function<void(NumberList&, Ui&)>& work);
  void KeepKindInBackground(NumberKind kind);

  // Handlers.
  void ImportDataClicked();
  void SortClicked();
  void ShuffleClicked();
  void DedupeClicked();
  void OutputFolderClicked();
  void KeepMobileClicked();
  void KeepNonMobileClicked();
  void KeepLandlineClicked();
  void KeepCustom1Clicked();
  void KeepCustom2Clicked();
  void ToggleEditorsClicked();
  void NormalizeClicked();
  void DeleteSelectedClicked();
  void CopyAllClicked();
  void CopySelectedClicked();
  void PasteClicked();
  void ClearClicked();
  void BatchSaveClicked();
  void SaveAllClicked();
  void ExportByKindClicked(ExportKind kind);
  void ReplaceClicked();
  void AddAffixesClicked();

  AppContext& context_;
  NumberLists& lists_;
  SaveCountDialog* countDialog_;
  std::unique_ptr<NumberListBox> box_;

  QGroupBox* workspaceGroup_;            // "GroupBoxHmInfo" 号码整理框
  QTableView* workspaceView_;            // "lv0"
  QPushButton* sortButton_;              // "SpeedButton5" 排序
  QPushButton* shuffleButton_;           // "SpeedButton6" 乱序
  QPushButton* dedupeButton_;            // "SpeedButton8" 去重
  QPushButton* moreButton_;              // "SpeedButton7" 其它操作
  QPushButton* saveButton_;              // "SpeedButton9" 保存
  QPushButton* outputFolderButton_;      // "SpeedButton34" 目录
  QPushButton* importButton_;            // "SBLoadData" 导入数据
  QMenu* moreMenu_;                      // "PopupMenu3"
  QMenu* kindFilterMenu_;                // "MenuDataKindFilter" 数据类型过滤
  QAction* keepMobileItem_;              // "N23" 保留手机号码
  QAction* keepNonMobileItem_;           // "N24" 保留非手机号码
  QAction* keepLandlineItem_;            // "N43" 保留电话号码
  QAction* keepCustom1Item_;             // "N44" 保留自定义Ⅰ
  QAction* keepCustom2Item_;             // "N45" 保留自定义Ⅱ
  QAction* editorsItem_;                 // "N40" 前后缀和内容替换
  QAction* normalizeItem_;               // "NNormalize0" 号码规范化
  QAction* deleteSelectedItem_;          // "N56" 删除选择的数据
  QAction* copyAllItem_;                 // "ii1" 复制全部数据
  QAction* copySelectedItem_;            // "N73" 复制选择数据
  QAction* pasteItem_;                   // "N27" 粘帖数据
  QAction* clearItem_;                   // "N18" 清空数据
  QAction* statsItem_;                   // "NStats0" 号码统计
  QAction* lookupTableItem_;             // "NLookupTable0" 归属地查询表
  QMenu* saveMenu_;                      // "PopupMenu6"
  QAction* batchSaveItem_;               // "N30" 分批保存号码
  QAction* saveAllItem_;                 // "N31" 全部保存号码
  QAction* byRegionItem_;                // "N50" 按地区保存号码
  QAction* byCarrierItem_;               // "N53" 按号码类型(移动,联通等)保存号码
  QAction* byRegionCarrierItem_;         // "N64" 按地区和号码类型(移动,联通等)保存号码
  QAction* byRegionCarrierSegmentItem_;  // "N74" 按地区/号码类型/号段保存号码
  QFrame* editorsPanel_;                 // "Panelhmprex"
  QGroupBox* replaceGroup_;              // "GroupBox5" 数据内容替换-支持正则表达式
  QComboBox* patternCombo_;              // "CBA"
  QComboBox* replacementCombo_;          // "CBB"
  QPushButton* replaceButton_;           // "SpeedButton22" 替换
  QGroupBox* affixGroup_;                // "GroupBox9" 前后缀附加(…)
  QComboBox* lengthCombo_;               // "CBDataLen"
  QLineEdit* prefixEdit_;                // "Edit3"
  QLineEdit* suffixEdit_;                // "Edit4"
  QPushButton* affixButton_;             // "SpeedButton35" 附加
};

}  // namespace telqor
