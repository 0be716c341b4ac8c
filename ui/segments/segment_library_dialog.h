// SegmentLibraryDialog: the segment library dialog "导入号段": the region tree, the segments of the
// chosen city that pass the carrier filter, and the marks of the segments already used.
//
// Created once at start-up by the main window and kept until exit, with the chosen city, the
// check boxes and the import list; shown modally by "   导入号段   ", which then generates the
// segments of its import list. The used marks live in the database; "hdsel.txt" is written by
// the pop-up menu's marks and by an import that remembers, never at exit. User-interface
// thread only.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "segments/segment_database.h"
#include "ui/kit/app_context.h"

class QAction;
class QCheckBox;
class QLabel;
class QMenu;
class QPushButton;
class QStatusBar;
class QTableView;
class QTreeWidget;

namespace telqor {

class SegmentLibraryDialog : public QDialog {
  Q_OBJECT
 public:
  SegmentLibraryDialog(AppContext& context, SegmentDatabase& db, QWidget* parent = nullptr);

  // Shows what the load of the database said ("号段总数:" in the first status panel) and
  // fills the region tree.
  void ShowLoadReport(const SegmentLoadReport& report);
  // The segments chosen by the last "导入号段号码": sorted, each once.
  const std::vector<std::string>& ImportList() const { return importList_; }

 private:
  class SegmentModel;

  void BuildRegionTree();
  void BuildSegmentList();
  void BuildFooter();
  void BuildStatusBar();
  void Connect();
  void FilterByCarrier();
  void RefreshList();
  // The rows selected in the segment view, in index order.
  std::vector<int> SelectedRows() const;
  void SaveUsed() const;

  // A click or a double click on the region tree.
  void RegionTreeClicked();
  // Any of the three carrier check boxes.
  void CarrierClicked();
  void SelectAllClicked();
  void SelectNoneClicked();
  void MarkUsedClicked();
  void MarkUnusedClicked();
  void ImportSegmentsClicked();
  void ImportSegmentListClicked();

  AppContext& context_;
  SegmentDatabase& db_;
  const City* city_ = nullptr;      // the city chosen last
  std::vector<std::string> shown_;  // its segments that pass the carrier filter, sorted
  std::vector<std::string> importList_;
  bool busy_ = false;  // a city is being chosen
  SegmentModel* model_;

  // The controls, named as segment_library_dialog_names.h says.
  QTreeWidget* regionTree_;  // provinces and their cities
  QCheckBox* mobileCheck_;
  QCheckBox* unicomCheck_;
  QCheckBox* telecomCheck_;
  QCheckBox* broadnetCheck_;
  QLabel* summaryLabel_;  // what data is loaded, and from where
  QLabel* hintLabel_;
  QTableView* segmentView_;
  QMenu* segmentMenu_;
  QAction* selectAllItem_;
  QAction* selectNoneItem_;
  QAction* markUsedItem_;
  QAction* markUnusedItem_;
  QCheckBox* excludeUsedCheck_;
  QCheckBox* rememberCheck_;
  QPushButton* importButton_;
  QPushButton* cancelButton_;
  QPushButton* refreshButton_;
  QStatusBar* statusBar_;
  QLabel* statusPanels_[4];
};

}  // namespace telqor
