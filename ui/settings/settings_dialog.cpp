#include "ui/settings/settings_dialog.h"

#include <QComboBox>
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

namespace telqor {

using namespace Qt::StringLiterals;

std::function<QString(QWidget*, const QString&)>& SettingsDialog::FolderPicker() {
  static std::function<QString(QWidget*, const QString&)> picker;
  return picker;
}

SettingsDialog::SettingsDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint) {
  setObjectName(u"frmhmsetting"_s);
  setWindowTitle(u"基本参数设置"_s);
  setModal(true);

  Label9 = Named<QLabel>(u"Label9"_s, u"处理模式"_s);
  CBCalMode = Named<QComboBox>(u"CBCalMode"_s);
  CBCalMode->addItems({u"A"_s, u"B"_s});
  Label10 = Named<QLabel>(u"Label10"_s, u"模式A:数据排序和比对不会丢失,但处理速度稍微慢。"_s);
  Label11 = Named<QLabel>(u"Label11"_s, u"模式B:处理速度稍快，但大数量(300万以上)时可能有丢失现象。"_s);

  GroupBox1 = Named<QGroupBox>(u"GroupBox1"_s, u"号码前三位设置(用分号隔开)"_s);
  EditMobile = Named<QLineEdit>(u"EditMobile"_s);
  EditUnicom = Named<QLineEdit>(u"EditUnicom"_s);
  EditTelecom = Named<QLineEdit>(u"EditTelecom"_s);
  SBCurrentPrefixes = Named<QPushButton>(u"SBCurrentPrefixes"_s, u"当前号段"_s);
  SBCurrentPrefixes->setAutoDefault(false);
  SBCurrentPrefixes->setToolTip(
      u"填入%1的号段分配(虚拟运营商算作所用网络的运营商；四位号段如1349、1704优先于三位号段)"_s.arg(
          FromUtf8(kCurrentPrefixesDate)));
  auto* prefixes = new QFormLayout(GroupBox1);
  prefixes->addRow(u"移动号码"_s, EditMobile);
  prefixes->addRow(u"联通号码"_s, EditUnicom);
  prefixes->addRow(u"电信号码"_s, EditTelecom);
  auto* current = new QHBoxLayout;
  current->addStretch();
  current->addWidget(SBCurrentPrefixes);
  prefixes->addRow(current);

  GroupBox3 = Named<QGroupBox>(u"GroupBox3"_s, u"文件夹目录设定"_s);
  EditD1 = Named<QLineEdit>(u"EditD1"_s);
  EditD2 = Named<QLineEdit>(u"EditD2"_s);
  EditD3 = Named<QLineEdit>(u"EditD3"_s);
  SpeedButton1 = Named<QPushButton>(u"SpeedButton1"_s, u"浏览"_s);
  SpeedButton6 = Named<QPushButton>(u"SpeedButton6"_s, u"浏览"_s);
  SpeedButton7 = Named<QPushButton>(u"SpeedButton7"_s, u"浏览"_s);
  auto* folders = new QGridLayout(GroupBox3);
  int row = 0;
  for (auto [label, edit, button] :
       {std::tuple{u"待使用文件夹"_s, EditD1, SpeedButton1}, std::tuple{u"使用过文件夹"_s, EditD2, SpeedButton6},
        std::tuple{u"输出文件夹"_s, EditD3, SpeedButton7}}) {
    folders->addWidget(new QLabel(label), row, 0);
    folders->addWidget(edit, row, 1);
    folders->addWidget(button, row, 2);
    edit->setMinimumWidth(360);
    button->setAutoDefault(false);
    ++row;
  }

  BitBtn1 = Named<QPushButton>(u"BitBtn1"_s, u"确定"_s);
  BitBtn2 = Named<QPushButton>(u"BitBtn2"_s, u"取消"_s);
  BitBtn1->setDefault(true);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(BitBtn1);
  buttons->addWidget(BitBtn2);

  auto* mode = new QHBoxLayout;
  mode->addWidget(Label9);
  mode->addWidget(CBCalMode);
  mode->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(mode);
  layout->addWidget(Label10);
  layout->addWidget(Label11);
  layout->addWidget(GroupBox1);
  layout->addWidget(GroupBox3);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  Wire(SpeedButton1, this, &SettingsDialog::SpeedButton1Click);
  Wire(SpeedButton6, this, &SettingsDialog::SpeedButton6Click);
  Wire(SpeedButton7, this, &SettingsDialog::SpeedButton7Click);
  Wire(SBCurrentPrefixes, this, &SettingsDialog::CurrentPrefixesClick);
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
  connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void SettingsDialog::Bind(const Settings* settings, const DataFolders* folders) {
  settings_ = settings;
  folders_ = folders;
}

void SettingsDialog::FormShow() {
  if (!settings_ || !folders_) return;
  // Any non-zero mode is mode B.
  CBCalMode->setCurrentIndex(settings_->ModeB() ? 1 : 0);
  EditMobile->setText(FromGbk(settings_->mobiletag));
  EditUnicom->setText(FromGbk(settings_->unicomtag));
  EditTelecom->setText(FromGbk(settings_->telecomtag));
  EditD1->setText(FolderDisplayText(folders_->toUse));
  EditD2->setText(FolderDisplayText(folders_->usedFiles));
  EditD3->setText(FolderDisplayText(folders_->otherData));
}

void SettingsDialog::CopyBack(Settings& settings) const {
  settings.CalMode = CBCalMode->currentIndex();
  settings.mobiletag = ToGbk(EditMobile->text());
  settings.unicomtag = ToGbk(EditUnicom->text());
  settings.telecomtag = ToGbk(EditTelecom->text());
  settings.MywillUseDataPath = ToGbk(EditD1->text());
  settings.MyUsedDataPath = ToGbk(EditD2->text());
  settings.MyOtherDataPath = ToGbk(EditD3->text());
}

void SettingsDialog::accept() {
  for (auto [field, title] : {std::pair{EditD1, u"待使用文件夹"_s}, std::pair{EditD2, u"使用过文件夹"_s},
                              std::pair{EditD3, u"输出文件夹"_s}}) {
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
  FormShow();
  QDialog::showEvent(event);
  if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

void SettingsDialog::Browse(QLineEdit* field, const std::filesystem::path& inEffect) {
  QString start = FolderDisplayText(inEffect);
  QString chosen = FolderPicker()
                       ? FolderPicker()(this, start)
                       : QFileDialog::getExistingDirectory(this, QString(), start, QFileDialog::ShowDirsOnly);
  if (chosen.isEmpty()) return;
  const QChar separator = QChar::fromLatin1(std::filesystem::path::preferred_separator);
  if (!chosen.endsWith(separator)) chosen += separator;
  field->setText(chosen);
}

void SettingsDialog::SpeedButton1Click() {
  if (folders_) Browse(EditD1, folders_->toUse);
}

void SettingsDialog::SpeedButton6Click() {
  if (folders_) Browse(EditD2, folders_->usedFiles);
}

void SettingsDialog::CurrentPrefixesClick() {
  EditMobile->setText(FromUtf8(kCurrentPrefixes.mobile));
  EditUnicom->setText(FromUtf8(kCurrentPrefixes.unicom));
  EditTelecom->setText(FromUtf8(kCurrentPrefixes.telecom));
}

void SettingsDialog::SpeedButton7Click() {
  if (folders_) Browse(EditD3, folders_->otherData);
}

}  // namespace telqor
