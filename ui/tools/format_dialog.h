// FormatDialog: the output format conversion driven by templates. Data items imported from
// files (or dropped on the source list) are poured into the template being edited, stacked and
// cut into the output list, which is saved to numbered files framed by the template's head and
// tail.
// Created once at start-up by the main window and kept until exit, with its lists; the "工具"
// menu shows it modeless. User-interface thread only.
#pragma once

#include <QDialog>
#include <QString>
#include <filesystem>
#include <vector>

#include "ui/kit/app_context.h"
#include "workspace/number_list.h"

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QShowEvent;
class QTableView;
class QToolButton;

namespace telqor {

class UpDown;

class FormatDialog : public QDialog {
  Q_OBJECT
 public:
  explicit FormatDialog(AppContext& context, QWidget* parent = nullptr);

  // Appends the lines of the files to the source list (the files dropped on it). A file that
  // cannot be read stops there; the files before it stay loaded.
  void LoadFiles(const std::vector<std::filesystem::path>& files);

  // The list that files may be dropped on (the main window routes the drop here).
  QWidget* DropList() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  class OutputModel;

  void BuildSource();
  void BuildTemplate();
  void BuildOutput();
  void Connect();
  void ListTemplates();
  void TemplateChanged();
  void ImportDataClicked();
  void ConvertClicked();
  void SaveResultsClicked();
  void OpenTemplateFolderClicked();
  void ClearSource();
  void ClearOutput();
  // The template as GBK bytes, CR LF between the lines of the template field.
  std::string TemplateText() const;

  AppContext& context_;
  NumberList source_{ListRole::Source};  // roles play no part here: captions are our own
  NumberList output_{ListRole::Source};
  QString sourceLabel_;                 // what the source group's caption says before the count
  std::filesystem::path templateFile_;  // the template chosen last; none yet: no head, no tail
  OutputModel* outputModel_ = nullptr;

  // The controls, named as format_dialog_names.h says.
  QToolButton* importButton_;
  QToolButton* convertButton_;
  QToolButton* saveButton_;
  QToolButton* closeButton_;
  QGroupBox* sourceGroup_ = nullptr;  // then the count
  QTableView* sourceView_ = nullptr;  // takes file drops
  QGroupBox* templateGroup_;
  QComboBox* templateCombo_;  // the template files
  QToolButton* browseButton_;
  QPlainTextEdit* templateEdit_;
  QLineEdit* stackEdit_;
  UpDown* stackUpDown_;
  QLineEdit* cutEdit_;
  UpDown* cutUpDown_;
  QLineEdit* maxNumberEdit_;
  UpDown* maxNumberUpDown_;
  QLineEdit* perFileEdit_;
  UpDown* perFileUpDown_;
  QTableView* outputView_;
};

}  // namespace telqor
