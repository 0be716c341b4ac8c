// SegmentInputDialog: "输入号段(一行一个,手机号段一般前7位)", the dialog in which segments are typed,
// one a line, for "  输入号段   ", with the total length of the numbers and a check of the
// segments against the database. Created once at start-up and kept, so the typed text stays
// between uses; shown modally.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "segments/segment_database.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace telqor {

class UpDown;

class SegmentInputDialog : public QDialog {
  Q_OBJECT
 public:
  explicit SegmentInputDialog(const SegmentDatabase& db, QWidget* parent = nullptr);

  // Shows the dialog; on OK answers true with the lines of the segment field (GBK) and the length text.
  bool AskSegments(std::vector<std::string>& lines, std::string& lengthText);

 private:
  std::vector<std::string> Lines() const;
  void CheckSegmentsClicked();

  const SegmentDatabase& db_;
  // The controls, named as segment_input_dialog_names.h says.
  QPlainTextEdit* segmentsEdit_;  // one segment a line
  QLabel* lengthLabel_;
  QLineEdit* lengthEdit_;
  UpDown* lengthUpDown_;
  QToolButton* checkButton_;
  QPushButton* okButton_;
  QPushButton* cancelButton_;
};

}  // namespace telqor
