// SettingsDialog: the settings dialog "基本参数设置" (carrier prefixes, processing mode, the
// three managed folders, whether extraction takes grouped mobile numbers), with a button that
// fills in today's carrier prefixes.
//
// The main window creates it once, binds it to its settings and folders, and shows it modally
// from "参数设置". On show the controls are filled from memory; the dialog itself changes nothing:
// after OK, which a folder field naming a file cannot give, the caller copies the controls back
// with CopyBack and saves. Setting strings are GBK; the controls hold UTF-8 text.
// User-interface thread only.
#pragma once

#include <QDialog>
#include <QString>
#include <functional>

#include "core/program/data_folders.h"
#include "core/program/settings.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace telqor {

class SettingsDialog : public QDialog {
  Q_OBJECT
 public:
  explicit SettingsDialog(QWidget* parent = nullptr);

  // What the dialog shows: the settings in memory and the folders in effect (both owned by
  // the caller and outliving the dialog).
  void Bind(const Settings* settings, const DataFolders* folders);

  // Copies every bound control into settings (CalMode = the item index).
  void CopyBack(Settings& settings) const;

  // The folder picker of the "浏览" buttons: given the start folder, the chosen folder or an
  // empty text for Cancel. Tests replace it; empty means the platform's folder dialog.
  static std::function<QString(QWidget* parent, const QString& start)>& FolderPicker();

  // "确定": refused, with a box that says why, while a folder field names a file; the dialog
  // then stays open with everything as typed.
  void accept() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildMode();
  void BuildPrefixes();
  void BuildFolders();
  void Connect();
  // Fills every bound control from memory; the folder fields get the folders in effect.
  void FillControls();
  void Browse(QLineEdit* field, const std::filesystem::path& inEffect);
  // The three carrier prefix fields, each showing the start of its text.
  void SetPrefixes(const QString& mobile, const QString& unicom, const QString& telecom, const QString& broadnet);

  void BrowseToUseFolderClicked();
  void BrowseUsedFolderClicked();
  void BrowseOutputFolderClicked();
  // "当前号段": today's carrier prefixes into the three fields (kept only with 确定).
  void CurrentPrefixesClicked();

  const Settings* settings_ = nullptr;
  const DataFolders* folders_ = nullptr;

  // The controls, named as settings_dialog_names.h says.
  QLabel* modeLabel_;
  QComboBox* modeCombo_;  // B
  QLabel* modeANote_;
  QLabel* modeBNote_;
  QGroupBox* prefixesGroup_;
  QLineEdit* mobilePrefixesEdit_;
  QLineEdit* unicomPrefixesEdit_;
  QLineEdit* telecomPrefixesEdit_;
  QLineEdit* broadnetPrefixesEdit_;
  QPushButton* currentPrefixesButton_;
  QCheckBox* mobileSeparatorsCheck_;
  QGroupBox* foldersGroup_;
  QLineEdit* toUseFolderEdit_;
  QPushButton* toUseBrowseButton_;
  QLineEdit* usedFolderEdit_;
  QPushButton* usedBrowseButton_;
  QLineEdit* outputFolderEdit_;
  QPushButton* outputBrowseButton_;
  QPushButton* okButton_;
  QPushButton* cancelButton_;
};

}  // namespace telqor
