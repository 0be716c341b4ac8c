// AboutDialog: "关于 Telqor": the program's name and version, the segment data in use (how many
// segments were loaded, from which file, whether it is the list shipped with the program) and
// the licences of that list and of the libraries the programs link, the list's licence in full.
// It is handed what it shows; created on the first "帮助 > 关于 Telqor" by the main window and
// kept until exit (the segments are read once per run), shown modeless.
#pragma once

#include <QDialog>
#include <QString>
#include <filesystem>

#include "core/program/data_folders.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace telqor {

// The program's version as the build names it ("1.1").
QString ProgramVersion();

struct SegmentDataFacts {
  int segmentCount = 0;
  std::filesystem::path segmentFile;  // 基础数据/手机号段.txt
  // The notice the shipped list is written with stands in the base-data folder.
  bool shipped = false;
};
SegmentDataFacts SegmentDataFactsOf(const DataFolders& folders, int segmentCount);

class AboutDialog : public QDialog {
  Q_OBJECT
 public:
  explicit AboutDialog(const SegmentDataFacts& facts, QWidget* parent = nullptr);

 private:
  void CloseClicked();

  // The controls, named as about_dialog_names.h says.
  QLabel* versionLabel_;
  QLabel* segmentsLabel_;
  QLabel* licencesLabel_;
  QPlainTextEdit* licenceText_;  // the shipped list's licence in full
  QPushButton* closeButton_;
};

}  // namespace telqor
