// RegionLookupDialog: the region quick lookup of mobile numbers: the number typed in "号码", looked up
// by its segment, answered by one more line of the log (never cleared, never saved). A mobile
// number may be typed as people write it ("138 0013 8000", "+86 138-0013-8000"); the log shows
// it as typed, its region and, when the carrier rule of the settings knows one, its carrier.
// Created once at start-up by the main window and kept until exit; the "工具" menu shows it
// modeless.
#pragma once

#include <QDialog>

#include "segments/segment_database.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QToolButton;

namespace telqor {

struct Settings;

class RegionLookupDialog : public QDialog {
  Q_OBJECT
 public:
  explicit RegionLookupDialog(const SegmentDatabase& db, QWidget* parent = nullptr);

  // The settings whose carrier prefixes name each number's carrier (owned by the caller and
  // outliving the dialog; read at each lookup, so a change in the settings dialog counts at
  // once). Unbound, the log shows no carrier.
  void Bind(const Settings* settings);

 protected:
  // Return in the number field looks up as "查找" does.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void LookUpClicked();

  const SegmentDatabase& db_;
  const Settings* settings_ = nullptr;

  // The controls, named as region_lookup_dialog_names.h says.
  QLabel* numberLabel_;
  QComboBox* numberCombo_;
  QToolButton* lookUpButton_;
  QPlainTextEdit* logEdit_;
};

}  // namespace telqor
