// TfrmtelInfo: the landline area-code table.
// Created once at start-up by the main window and kept until exit; the "工具" menu shows it
// modeless.
#pragma once

#include <QDialog>

namespace telqor {

class TfrmtelInfo : public QDialog {
  Q_OBJECT
 public:
  explicit TfrmtelInfo(QWidget* parent = nullptr);
};

}  // namespace telqor
