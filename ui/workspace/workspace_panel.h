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

  // The controls, named as workspace_panel_names.h says.
  QGroupBox* workspaceGroup_;
  QTableView* workspaceView_;
  QPushButton* sortButton_;
  QPushButton* shuffleButton_;
  QPushButton* dedupeButton_;
  QPushButton* moreButton_;
  QPushButton* saveButton_;
  QPushButton* outputFolderButton_;
  QPushButton* importButton_;
  QMenu* moreMenu_;
  QMenu* kindFilterMenu_;
  QAction* keepMobileItem_;
  QAction* keepNonMobileItem_;
  QAction* keepLandlineItem_;
  QAction* keepCustom1Item_;
  QAction* keepCustom2Item_;
  QAction* editorsItem_;
  QAction* normalizeItem_;
  QAction* deleteSelectedItem_;
  QAction* copyAllItem_;
  QAction* copySelectedItem_;
  QAction* pasteItem_;
  QAction* clearItem_;
  QAction* statsItem_;
  QAction* lookupTableItem_;
  QMenu* saveMenu_;
  QAction* batchSaveItem_;
  QAction* saveAllItem_;
  QAction* byRegionItem_;
  QAction* byCarrierItem_;
  QAction* byRegionCarrierItem_;
  QAction* byRegionCarrierSegmentItem_;
  QFrame* editorsPanel_;
  QGroupBox* replaceGroup_;
  QComboBox* patternCombo_;
  QComboBox* replacementCombo_;
  QPushButton* replaceButton_;
  QGroupBox* affixGroup_;
  QComboBox* lengthCombo_;
  QLineEdit* prefixEdit_;
  QLineEdit* suffixEdit_;
  QPushButton* affixButton_;
};

}  // namespace telqor
