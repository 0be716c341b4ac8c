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

#include "core/data_folders.h"
#include "core/settings.h"

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

  QLabel* modeLabel_;                   // "Label9" 处理模式
  QComboBox* modeCombo_;                // "CBCalMode" A, B
  QLabel* modeANote_;                   // "Label10" 模式A:…
  QLabel* modeBNote_;                   // "Label11" 模式B:…
  QGroupBox* prefixesGroup_;            // "GroupBox1" 号码前三位设置(用分号隔开)
  QLineEdit* mobilePrefixesEdit_;       // "EditMobile" 移动号码
  QLineEdit* unicomPrefixesEdit_;       // "EditUnicom" 联通号码
  QLineEdit* telecomPrefixesEdit_;      // "EditTelecom" 电信号码
  QLineEdit* broadnetPrefixesEdit_;     // "EditBroadnet" 广电号码
  QPushButton* currentPrefixesButton_;  // "SBCurrentPrefixes" 当前号段
  QCheckBox* mobileSeparatorsCheck_;    // "CBMobileSeparators" 识别分组书写的手机号(138 0013 8000)
  QGroupBox* foldersGroup_;             // "GroupBox3" 文件夹目录设定
  QLineEdit* toUseFolderEdit_;          // "EditD1" 待使用文件夹
  QPushButton* toUseBrowseButton_;      // "SpeedButton1" 浏览
  QLineEdit* usedFolderEdit_;           // "EditD2" 使用过文件夹
  QPushButton* usedBrowseButton_;       // "SpeedButton6" 浏览
  QLineEdit* outputFolderEdit_;         // "EditD3" 输出文件夹
  QPushButton* outputBrowseButton_;     // "SpeedButton7" 浏览
  QPushButton* okButton_;               // "BitBtn1" 确定
  QPushButton* cancelButton_;           // "BitBtn2" 取消
};

}  // namespace telqor
