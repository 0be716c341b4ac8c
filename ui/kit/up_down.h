// UpDown: a pair of small arrow buttons that steps a number shown in an associated line edit,
// within a range. The edit keeps the text (the user may type anything there); a step starts
// from the edit's text when it is an integer, else from the last position.
#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace telqor {

class UpDown : public QWidget {
  Q_OBJECT
 public:
  UpDown(QLineEdit* associate, int minimum, int maximum, int position, QWidget* parent = nullptr);

  int Position() const { return position_; }
  void SetPosition(int position);
  void Step(int delta);

 private:
  QLineEdit* associate_;
  QToolButton* up_;
  QToolButton* down_;
  int minimum_;
  int maximum_;
  int position_;
};

}  // namespace telqor
