#include "ui/tools/format_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/text/str_to_int.h"
#include "workspace/output_format.h"
#include "ui/kit/controls.h"
#include "ui/kit/double_click.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/named.h"
#include "ui/kit/number_view.h"
#include "ui/kit/qt_ui.h"
#include "ui/kit/up_down.h"
#include "ui/kit/user_action.h"
#include "ui/kit/number_list_model.h"
#include "ui/tools/format_dialog_names.h"
#include "workspace/list_operations.h"

namespace telqor {

using namespace Qt::StringLiterals;
using namespace names::format;

// The output list's model: its one column carries a caption ("输出样式", then "输出样式:" and
// the count once the list changed).
class FormatDialog::OutputModel : public NumberListModel {
 public:
  using NumberListModel::NumberListModel;
  QString caption = u"输出样式"_s;

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (orientation == Qt::Horizontal && section == 0 && role == Qt::DisplayRole) return caption;
    return NumberListModel::headerData(section, orientation, role);
  }
};

namespace {

// A count field: its line edit, with the up-down arrows beside it, under a label.
QLineEdit* CountField(QFormLayout* form, const QString& name, const QString& label, const QString& upDownName,
                      int position, UpDown*& upDown) {
  auto* edit = Named<QLineEdit>(name);
  edit->setMaximumWidth(70);
  upDown = new UpDown(edit, 0, 10000, position);
  upDown->setObjectName(upDownName);
  auto* field = new QWidget;
  auto* row = new QHBoxLayout(field);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(1);
  row->addWidget(edit);
  row->addWidget(upDown);
  row->addStretch();
  form->addRow(label, field);
  return edit;
}

int FieldValue(const QLineEdit* edit) { return StrToInt(edit->text().toStdString()); }

}  // namespace

FormatDialog::FormatDialog(AppContext& context, QWidget* parent)
    : QDialog(parent), context_(context), sourceLabel_(u"原始数据:"_s) {
  setObjectName(kFormatDialog);
  setWindowTitle(u"数据输出格式转换"_s);
  importButton_ = ToolButton(kImportButton, u"导入数据"_s);
  convertButton_ = ToolButton(kConvertButton, u"格式转换"_s);
  saveButton_ = ToolButton(kSaveButton, u"保存结果"_s);
  closeButton_ = ToolButton(kCloseButton, u"退出"_s);
  BuildSource();
  BuildTemplate();
  BuildOutput();
  auto* panes = new QHBoxLayout;
  panes->addWidget(sourceGroup_, 1);
  panes->addWidget(templateGroup_, 2);
  panes->addWidget(outputView_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(Row({importButton_, convertButton_, saveButton_, closeButton_}));
  layout->addLayout(panes, 1);
  resize(900, 520);
  Connect();
}

// The data to convert, its count in the group caption.
void FormatDialog::BuildSource() {
  sourceGroup_ = Named<QGroupBox>(kSourceGroup, u"原始数据(支持拖放导入数据)"_s);
  sourceView_ = NumberView(kSourceList);
  auto* sourceModel = new NumberListModel(&source_, sourceView_);
  sourceView_->setModel(sourceModel);
  (new QVBoxLayout(sourceGroup_))->addWidget(sourceView_);
  source_.SetOnRefresh([this, sourceModel] {
    sourceModel->Reset();
    sourceGroup_->setTitle(sourceLabel_ + QString::number(source_.Items().Count()));
    KeepPainting();
  });
}

// The template, chosen from the template files or typed, and the counts that shape the output.
void FormatDialog::BuildTemplate() {
  templateGroup_ = Named<QGroupBox>(kTemplateGroup, u"格式化样式(%N%:表示编号 12345678901:表示数据;MyNo:表示序号)"_s);
  templateCombo_ = Named<QComboBox>(kTemplateCombo);
  browseButton_ = ToolButton(kBrowseButton, u"浏览"_s);
  templateEdit_ = Named<QPlainTextEdit>(kTemplateEdit);
  templateEdit_->setLineWrapMode(QPlainTextEdit::NoWrap);
  auto* fields = new QFormLayout;
  stackEdit_ = CountField(fields, kStackEdit, u"样式叠加数"_s, kStackUpDown, 1, stackUpDown_);
  cutEdit_ = CountField(fields, kCutEdit, u"最后行删除位数"_s, kCutUpDown, 0, cutUpDown_);
  maxNumberEdit_ = CountField(fields, kMaxNumberEdit, u"最大编号"_s, kMaxNumberUpDown, 200, maxNumberUpDown_);
  perFileEdit_ = CountField(fields, kPerFileEdit, u"每文件保存数"_s, kPerFileUpDown, 200, perFileUpDown_);
  auto* templateBox = new QVBoxLayout(templateGroup_);
  auto* choice = new QHBoxLayout;
  choice->addWidget(templateCombo_, 1);
  choice->addWidget(browseButton_);
  templateBox->addLayout(choice);
  templateBox->addWidget(templateEdit_, 1);
  templateBox->addLayout(fields);
}

void FormatDialog::BuildOutput() {
  outputView_ = NumberView(kOutputList);
  outputView_->horizontalHeader()->show();
  outputModel_ = new OutputModel(&output_, outputView_);
  outputView_->setModel(outputModel_);
  output_.SetOnRefresh([this] {
    outputModel_->caption = u"输出样式:"_s + QString::number(output_.Items().Count());
    outputModel_->Reset();
    KeepPainting();
  });
}

void FormatDialog::Connect() {
  Wire(importButton_, this, &FormatDialog::ImportDataClicked);
  Wire(convertButton_, this, &FormatDialog::ConvertClicked);
  Wire(saveButton_, this, &FormatDialog::SaveResultsClicked);
  Wire(browseButton_, this, &FormatDialog::OpenTemplateFolderClicked);
  connect(closeButton_, &QToolButton::clicked, this, &QDialog::close);
  connect(templateCombo_, &QComboBox::activated, this, Guarded([this] { TemplateChanged(); }));
  OnDoubleClick(sourceView_->viewport(), [this] { ClearSource(); });
  OnDoubleClick(outputView_->viewport(), [this] { ClearOutput(); });
}

QWidget* FormatDialog::DropList() const { return sourceView_; }

// Shown from the menu, inside its action: the template list is made anew on every opening.
void FormatDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  ListTemplates();
}

void FormatDialog::ListTemplates() {
  templateCombo_->clear();
  for (const auto& name : TemplateNames(FormatFolder(context_.Folders()))) templateCombo_->addItem(PathToQString(name));
  templateCombo_->setCurrentIndex(-1);
}

// The chosen template goes into the template field as it stands, its line breaks included; its
// head and tail are the ones beside it from now on.
void FormatDialog::TemplateChanged() {
  QString name = templateCombo_->currentText().trimmed();
  if (name.isEmpty()) return;
  std::filesystem::path file = FormatFolder(context_.Folders()) / PathFromQString(templateCombo_->currentText());
  templateEdit_->setPlainText(FromGbkLossless(LoadTemplate(file)).replace(u"\r\n"_s, u"\n"_s));
  templateFile_ = file;
}

std::string FormatDialog::TemplateText() const { return TemplateWithCrLf(ToGbk(templateEdit_->toPlainText())); }

void FormatDialog::LoadFiles(const std::vector<std::filesystem::path>& files) {
  sourceLabel_ = u"原始数据:"_s;
  LoadFilesInto(source_, files, context_.ui);
}

void FormatDialog::ClearSource() {
  sourceLabel_ = u"原始号码:"_s;
  ChangeList(source_, context_.ui, nullptr, nullptr, [](ItemList& items) { items.Clear(); });
}

void FormatDialog::ClearOutput() {
  ChangeList(output_, context_.ui, nullptr, nullptr, [](ItemList& items) { items.Clear(); });
}

void FormatDialog::ImportDataClicked() {
  auto files = ChooseFilesToOpen(this, context_.OpenDialogFolder());
  if (!files.empty()) LoadFiles(files);
}

// Every field is read before the output list changes, so a field that is no number (or a
// maximum number of 0) leaves the last result on screen.
void FormatDialog::ConvertClicked() {
  FormatOptions options;
  options.stack = FieldValue(stackEdit_);
  options.cut = FieldValue(cutEdit_);
  options.maxNumber = FieldValue(maxNumberEdit_);
  std::string templ = TemplateText();
  ChangeList(output_, context_.ui, nullptr, nullptr,
             [&](ItemList& items) { ConvertToFormat(source_.Items(), templ, options, items); });
  InformBox(this, u"数据转换完成"_s);
}

// The name chosen is the start of every file's name, its extension kept.
void FormatDialog::SaveResultsClicked() {
  std::filesystem::path base = ChooseFileToSave(this, context_.OpenDialogFolder(), u"txt|*.txt"_s);
  if (base.empty()) return;
  int perFile = FieldValue(perFileEdit_);
  Frames frames = templateFile_.empty() ? Frames{} : FramesOf(templateFile_);
  std::vector<std::filesystem::path> written;
  SaveFormatted(output_.Items(), base, perFile, frames, written);
  InformBox(this, u"完成!"_s);
}

// A new program folder has no template folder yet: it is made here, where the user goes to put
// templates into it.
void FormatDialog::OpenTemplateFolderClicked() { context_.ui.OpenFolder(MakeFormatFolder(context_.Folders())); }

}  // namespace telqor
