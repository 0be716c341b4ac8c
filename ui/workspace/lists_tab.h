// ListsTab: the tab "号码生成㈡": the source list "【原始号码】" and the target list "【目标号码】"
// with their tool bars and menus, the moves between them, and the group "【导出号码】".
//
// The main window owns the lists, the context and the count dialog; the tab owns its controls
// and their handlers. The controls whose work belongs to the segment subsystems (segment import
// and input, moves by feature and type, exports by region and carrier) ask for it with a
// request signal, which the shell hands on. User-interface thread only.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>

#include "segments/region_export.h"
#include "ui/kit/app_context.h"
#include "ui/kit/drop_site.h"
#include "workspace/number_list.h"

class QAction;
class QFrame;
class QGroupBox;
class QMenu;
class QPushButton;
class QRadioButton;
class QTableView;
class QToolButton;

namespace telqor {

class NumberListBox;
class SaveCountDialog;

class ListsTab : public QWidget {
  Q_OBJECT
 public:
  ListsTab(AppContext& context, NumberLists& lists, SaveCountDialog* countDialog, QWidget* parent = nullptr);
  ~ListsTab() override;

  DropSites Drops() const;

 signals:
  // "全部导出号码" by region and carrier: list is the one the radio buttons choose, empty or not.
  void ExportRequested(ExportKind kind, const NumberList& list);
  // "号码统计" and "归属地查询表" of a list's "其它操作" menu; sent for an empty list too.
  void StatsRequested(const NumberList& list);
  void LookupTableRequested(const NumberList& list);
  // "组合特征": the numbers of from that the patterns chosen in the feature dialog match go to
  // to; towards the target only the checked patterns count, back every pattern.
  void MoveByFeatureRequested(NumberList& from, NumberList& to, bool checkedOnly);
  // "号码类型": the numbers of from of the carriers or range chosen in the type dialog go to to.
  void MoveByTypeRequested(NumberList& from, NumberList& to);
  // "输入号段" and "导入号段": the source list gets the numbers of typed or chosen segments.
  void InputSegmentsRequested();
  void ImportSegmentsRequested();

 private:
  void BuildSource();
  void BuildMoves();
  void BuildTarget();
  void BuildExport();
  void Connect();
  void FilterOutFromFiles(NumberList& list, const char* loadingPrefix);
  // Runs work on list off the window's thread.
  void ChangeInBackground(NumberList& list, const std::function<void(NumberList&, Ui&)>& work);
  // The list the export group works on, as the radio buttons choose.
  NumberList& ChosenList();

  // Handlers: the source list.
  void InputSegmentsClicked();
  void ImportSegmentsClicked();
  void ImportSourceFilesClicked();
  void PasteSourceClicked();
  void ClearSourceClicked();
  void SortSourceClicked();
  void ShuffleSourceClicked();
  void DedupeSourceClicked();
  void FilterOutSourceClicked();
  void KeepSourceMobileClicked();
  void KeepSourceNonMobileClicked();
  void NormalizeSourceClicked();
  void CopyAllSourceClicked();
  void CopySourceSelectionClicked();
  void DeleteSourceSelectionClicked();
  // The target list.
  void SortTargetClicked();
  void ShuffleTargetClicked();
  void DedupeTargetClicked();
  void FilterOutTargetClicked();
  void CopyAllTargetClicked();
  void CopyTargetSelectionClicked();
  void DeleteTargetSelectionClicked();
  void ClearTargetClicked();
  void NormalizeTargetClicked();
  // Moves and export.
  void FeatureToTargetClicked();
  void FeatureToSourceClicked();
  void TypeToTargetClicked();
  void TypeToSourceClicked();
  void AllToTargetClicked();
  void AllToSourceClicked();
  void BatchExportClicked();
  void ExportAllClicked();
  void ExportByKindClicked(ExportKind kind);
  void ExportFolderClicked();

  AppContext& context_;
  NumberLists& lists_;
  SaveCountDialog* countDialog_;
  std::unique_ptr<NumberListBox> sourceBox_;
  std::unique_ptr<NumberListBox> targetBox_;

  // The controls, named as lists_tab_names.h says.
  QGroupBox* sourceGroup_;
  QToolButton* importSegmentsButton_;
  QToolButton* inputSegmentsButton_;
  QToolButton* importFilesButton_;
  QToolButton* pasteSourceButton_;
  QToolButton* clearSourceButton_;
  QToolButton* sortSourceButton_;
  QToolButton* shuffleSourceButton_;
  QToolButton* dedupeSourceButton_;
  QToolButton* filterOutSourceButton_;
  QToolButton* moreSourceButton_;
  QTableView* sourceView_;
  QMenu* sourceMenu_;
  QAction* keepSourceMobileItem_;
  QAction* keepSourceNonMobileItem_;
  QAction* normalizeSourceItem_;
  QAction* copyAllSourceItem_;
  QAction* copySourceSelectionItem_;
  QAction* deleteSourceSelectionItem_;
  QAction* statsSourceItem_;
  QAction* lookupTableSourceItem_;
  QFrame* movesPanel_;
  QToolButton* featureToTargetButton_;
  QToolButton* featureToSourceButton_;
  QToolButton* typeToTargetButton_;
  QToolButton* typeToSourceButton_;
  QToolButton* allToTargetButton_;
  QToolButton* allToSourceButton_;
  QGroupBox* targetGroup_;
  QToolButton* sortTargetButton_;
  QToolButton* shuffleTargetButton_;
  QToolButton* dedupeTargetButton_;
  QToolButton* filterOutTargetButton_;
  QToolButton* moreTargetButton_;
  QTableView* targetView_;
  QMenu* targetMenu_;
  QAction* normalizeTargetItem_;
  QAction* copyAllTargetItem_;
  QAction* copyTargetSelectionItem_;
  QAction* deleteTargetSelectionItem_;
  QAction* clearTargetItem_;
  QAction* statsTargetItem_;
  QAction* lookupTableTargetItem_;
  QGroupBox* exportGroup_;
  QRadioButton* exportSourceRadio_;
  QRadioButton* exportTargetRadio_;
  QPushButton* batchExportButton_;
  QPushButton* exportButton_;
  QPushButton* exportFolderButton_;
  QMenu* exportMenu_;
  QAction* exportAllItem_;
  QAction* byRegionItem_;
  QAction* byCarrierItem_;
  QAction* byRegionCarrierItem_;
  QAction* byRegionCarrierSegmentItem_;
};

}  // namespace telqor
