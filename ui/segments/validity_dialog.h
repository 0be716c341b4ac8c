// ValidityDialog: the validity check of numbers against the segment database: numbers loaded
// from files (or dropped on the raw list) are split into valid ones (eleven characters, a known
// segment) and invalid ones, which can be saved or copied.
// Created once at start-up by the main window and kept until exit, with its three lists; the
// "工具" menu shows it modeless. User-interface thread only.
#pragma once

#include <QDialog>
#include <QString>
#include <filesystem>
#include <vector>

#include "segments/segment_database.h"
#include "ui/kit/app_context.h"
#include "workspace/number_list.h"

class QGroupBox;
class QTableView;
class QToolButton;

namespace telqor {

class ValidityDialog : public QDialog {
  Q_OBJECT
 public:
  ValidityDialog(AppContext& context, const SegmentDatabase& db, QWidget* parent = nullptr);

  // Appends the lines of the files to the raw list (the files dropped on it). A file that
  // cannot be read stops there; the files before it stay loaded.
  void LoadFiles(const std::vector<std::filesystem::path>& files);

  // The list that files may be dropped on (the main window routes the drop here).
  QWidget* DropList() const;

 private:
  // One of the three lists on screen: its group, whose caption carries the count, and its view.
  struct Pane {
    NumberList list{ListRole::Source};  // the role plays no part here: captions are our own
    QString label;                      // the caption before the count
    QGroupBox* group = nullptr;
    QTableView* view = nullptr;
  };
  void Build(Pane& pane, const QString& groupName, const QString& caption, const QString& viewName,
             const QString& label);
  void Copy(const Pane& pane);

  void AnalyseClicked();
  void ImportNumbersClicked();
  void SaveResultsClicked();
  void CopyValidClicked();
  void CopyInvalidClicked();

  AppContext& context_;
  const SegmentDatabase& db_;
  // The controls, named as validity_dialog_names.h says.
  Pane raw_, valid_, invalid_;
  QToolButton* importButton_;
  QToolButton* analyseButton_;
  QToolButton* saveButton_;
  QToolButton* closeButton_;
  QToolButton* copyValidButton_;    // in the valid list's group
  QToolButton* copyInvalidButton_;  // in the invalid list's group
};

}  // namespace telqor
