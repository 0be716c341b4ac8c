#include "ui/settings/settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <utility>

#include "segments/current_prefixes.h"
#include "ui/kit/controls.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/named.h"
#include "ui/kit/qt_ui.h"
#include "ui/settings/settings_dialog_names.h"

namespace telqor {

using namespace Qt::StringLiterals;
using namespace names::settings;

std::function<QString(QWidget*, const QString&)>& SettingsDialog::FolderPicker() {
  static std::function<QString(QWidget*, const QString&)> picker;
  return picker;
}

SettingsDialog::SettingsDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
  setObjectName(kSettingsDialog);
  setWindowTitle(u"基本参数设置"_s);
  setModal(true);
  BuildMode();
  BuildPrefixes();
  BuildFolders();
  mobileSeparatorsCheck_ = Named<QCheckBox>(kMobileSeparatorsCheck, u"识别分组书写的手机号(138 0013 8000)"_s);
  mobileSeparatorsCheck_->setToolTip(u"号码提取时也提取以空格或“-”分成3-4-4位书写的手机号，前面可带+86、86或0086"_s);
  okButton_ = Named<QPushButton>(kOkButton, u"确定"_s);
  cancelButton_ = Named<QPushButton>(kCancelButton, u"取消"_s);
  okButton_->setDefault(true);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(okButton_);
  buttons->addWidget(cancelButton_);
  auto* mode = new QHBoxLayout;
  mode->addWidget(modeLabel_);
  mode->addWidget(modeCombo_);
  mode->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(mode);
  layout->addWidget(modeANote_);
  layout->addWidget(modeBNote_);
  layout->addWidget(prefixesGroup_);
  layout->addWidget(mobileSeparatorsCheck_);
  layout->addWidget(foldersGroup_);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  Connect();
}

void SettingsDialog::BuildMode() {
  modeLabel_ = Named<QLabel>(kModeLabel, u"处理模式"_s);
  modeCombo_ = Named<QComboBox>(kModeCombo);
  modeCombo_->addItems({u"A"_s, u"B"_s});
  modeANote_ = Named<QLabel>(kModeANote, u"模式A:数据排序和比对不会丢失,但处理速度稍微慢。"_s);
  modeBNote_ = Named<QLabel>(kModeBNote, u"模式B:不排序，保留首次出现的顺序，数据同样不会丢失。"_s);
}

void SettingsDialog::BuildPrefixes() {
  prefixesGroup_ = Named<QGroupBox>(kPrefixesGroup, u"号码前三位设置(用分号隔开)"_s);
  mobilePrefixesEdit_ = Named<QLineEdit>(kMobilePrefixesEdit);
  unicomPrefixesEdit_ = Named<QLineEdit>(kUnicomPrefixesEdit);
  telecomPrefixesEdit_ = Named<QLineEdit>(kTelecomPrefixesEdit);
  broadnetPrefixesEdit_ = Named<QLineEdit>(kBroadnetPrefixesEdit);
  broadnetPrefixesEdit_->setToolTip(u"广电(中国广电,192号段)，第四家基础运营商；留空则这些号码不属于任何运营商"_s);
  currentPrefixesButton_ = Named<QPushButton>(kCurrentPrefixesButton, u"当前号段"_s);
  currentPrefixesButton_->setAutoDefault(false);
  currentPrefixesButton_->setToolTip(
      u"填入%1的号段分配(虚拟运营商算作所用网络的运营商；四位号段如1349、1704优先于三位号段)"_s.arg(
          FromUtf8(kCurrentPrefixesDate)));
  auto* prefixes = new QFormLayout(prefixesGroup_);
  prefixes->addRow(u"移动号码"_s, mobilePrefixesEdit_);
  prefixes->addRow(u"联通号码"_s, unicomPrefixesEdit_);
  prefixes->addRow(u"电信号码"_s, telecomPrefixesEdit_);
  prefixes->addRow(u"广电号码"_s, broadnetPrefixesEdit_);
  auto* current = new QHBoxLayout;
  current->addStretch();
  current->addWidget(currentPrefixesButton_);
  prefixes->addRow(current);
}

void SettingsDialog::BuildFolders() {
  foldersGroup_ = Named<QGroupBox>(kFoldersGroup, u"文件夹目录设定"_s);
  toUseFolderEdit_ = Named<QLineEdit>(kToUseFolderEdit);
  usedFolderEdit_ = Named<QLineEdit>(kUsedFolderEdit);
  outputFolderEdit_ = Named<QLineEdit>(kOutputFolderEdit);
  toUseBrowseButton_ = Named<QPushButton>(kToUseBrowseButton, u"浏览"_s);
  usedBrowseButton_ = Named<QPushButton>(kUsedBrowseButton, u"浏览"_s);
  outputBrowseButton_ = Named<QPushButton>(kOutputBrowseButton, u"浏览"_s);
  auto* folders = new QGridLayout(foldersGroup_);
  int row = 0;
  for (auto [label, edit, button] : {std::tuple{u"待使用文件夹"_s, toUseFolderEdit_, toUseBrowseButton_},
                                     std::tuple{u"使用过文件夹"_s, usedFolderEdit_, usedBrowseButton_},
                                     std::tuple{u"输出文件夹"_s, outputFolderEdit_, outputBrowseButton_}}) {
    folders->addWidget(new QLabel(label), row, 0);
    folders->addWidget(edit, row, 1);
    folders->addWidget(button, row, 2);
    edit->setMinimumWidth(360);
    button->setAutoDefault(false);
    ++row;
  }
}

void SettingsDialog::Connect() {
  Wire(toUseBrowseButton_, this, &SettingsDialog::BrowseToUseFolderClicked);
  Wire(usedBrowseButton_, this, &SettingsDialog::BrowseUsedFolderClicked);
  Wire(outputBrowseButton_, this, &SettingsDialog::BrowseOutputFolderClicked);
  Wire(currentPrefixesButton_, this, &SettingsDialog::CurrentPrefixesClicked);
  connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void SettingsDialog::Bind(const Settings* settings, const DataFolders* folders) {
  settings_ = settings;
  folders_ = folders;
}

void SettingsDialog::FillControls() {
  if (!settings_ || !folders_) return;
  // The combo box lists A, B; any non-zero stored mode is B.
  modeCombo_->setCurrentIndex(settings_->Comparison() == CompareMode::kByHash ? 1 : 0);
  SetPrefixes(FromGbk(settings_->mobilePrefixes), FromGbk(settings_->unicomPrefixes), FromGbk(settings_->telecomPrefixes),
              FromGbk(settings_->broadnetPrefixes));
  mobileSeparatorsCheck_->setChecked(settings_->mobileSeparators != 0);
  toUseFolderEdit_->setText(FolderToQString(folders_->toUse));
  usedFolderEdit_->setText(FolderToQString(folders_->usedFiles));
  outputFolderEdit_->setText(FolderToQString(folders_->otherData));
}

void SettingsDialog::CopyBack(Settings& settings) const {
  settings.processingMode = modeCombo_->currentIndex();
  settings.mobilePrefixes = ToGbk(mobilePrefixesEdit_->text());
  settings.unicomPrefixes = ToGbk(unicomPrefixesEdit_->text());
  settings.telecomPrefixes = ToGbk(telecomPrefixesEdit_->text());
  settings.broadnetPrefixes = ToGbk(broadnetPrefixesEdit_->text());
  settings.mobileSeparators = mobileSeparatorsCheck_->isChecked() ? 1 : 0;
  const std::filesystem::path program = folders_ ? folders_->program : std::filesystem::path();
  settings.toUseFilesFolder = TypedFolderSetting(toUseFolderEdit_->text().toStdString(), program);
  settings.usedFilesFolder = TypedFolderSetting(usedFolderEdit_->text().toStdString(), program);
  settings.otherDataFolder = TypedFolderSetting(outputFolderEdit_->text().toStdString(), program);
}

void SettingsDialog::accept() {
  for (auto [field, title] :
       {std::pair{toUseFolderEdit_, u"待使用文件夹"_s}, std::pair{usedFolderEdit_, u"使用过文件夹"_s},
        std::pair{outputFolderEdit_, u"输出文件夹"_s}}) {
    std::string problem = FolderSettingProblem(ToGbk(field->text()));
    if (problem.empty()) continue;
    InformBox(this, title + u"："_s + FromUtf8(problem) + u"。\n请指定一个文件夹，或留空使用默认文件夹。"_s);
    field->setFocus();
    field->selectAll();
    return;
  }
  QDialog::accept();
}

void SettingsDialog::showEvent(QShowEvent* event) {
  FillControls();
  QDialog::showEvent(event);
  if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

void SettingsDialog::Browse(QLineEdit* field, const std::filesystem::path& inEffect) {
  QString start = FolderToQString(inEffect);
  QString chosen = FolderPicker()
                       ? FolderPicker()(this, start)
                       : QFileDialog::getExistingDirectory(this, QString(), start, QFileDialog::ShowDirsOnly);
  if (chosen.isEmpty()) return;
  chosen = QDir::toNativeSeparators(chosen);
  const QChar separator = QChar::fromLatin1(std::filesystem::path::preferred_separator);
  if (!chosen.endsWith(separator)) chosen += separator;
  field->setText(chosen);
}

void SettingsDialog::BrowseToUseFolderClicked() {
  if (folders_) Browse(toUseFolderEdit_, folders_->toUse);
}

void SettingsDialog::BrowseUsedFolderClicked() {
  if (folders_) Browse(usedFolderEdit_, folders_->usedFiles);
}

void SettingsDialog::CurrentPrefixesClicked() {
  SetPrefixes(FromUtf8(kCurrentPrefixes.mobile), FromUtf8(kCurrentPrefixes.unicom), FromUtf8(kCurrentPrefixes.telecom),
              FromUtf8(kCurrentPrefixes.broadnet));
}

void SettingsDialog::SetPrefixes(const QString& mobile, const QString& unicom, const QString& telecom,
                                 const QString& broadnet) {
  for (auto [edit, text] : {std::pair{mobilePrefixesEdit_, mobile}, std::pair{unicomPrefixesEdit_, unicom},
                            std::pair{telecomPrefixesEdit_, telecom}, std::pair{broadnetPrefixesEdit_, broadnet}}) {
    edit->setText(text);
    edit->setCursorPosition(0);  // a list longer than the field shows its first prefixes, not its last
  }
}

void SettingsDialog::BrowseOutputFolderClicked() {
  if (folders_) Browse(outputFolderEdit_, folders_->otherData);
}

}  // namespace telqor
