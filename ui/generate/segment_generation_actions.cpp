#include "ui/generate/segment_generation_actions.h"

#include <QAbstractButton>
#include <QWidget>

#include "generate/segment_generation.h"
#include "ui/generate/segment_input_dialog.h"
#include "ui/kit/controls.h"
#include "ui/kit/find_control.h"
#include "ui/kit/qt_ui.h"
#include "ui/segments/segment_library_dialog.h"

namespace telqor {

using namespace Qt::StringLiterals;

SegmentGenerationActions::SegmentGenerationActions(AppContext& context, NumberList& source,
                                                   SegmentInputDialog* frmhdinput, SegmentLibraryDialog* frmhdmanager,
                                                   QObject* parent)
    : QObject(parent), context_(context), source_(source), frmhdinput_(frmhdinput), frmhdmanager_(frmhdmanager) {}

void SegmentGenerationActions::Attach(QWidget* listsTab) {
  Wire(FindControl<QAbstractButton>(listsTab, u"ToolButton1"_s), this, &SegmentGenerationActions::ToolButton1Click);
  Wire(FindControl<QAbstractButton>(listsTab, u"ToolButton2"_s), this, &SegmentGenerationActions::ToolButton2Click);
}

void SegmentGenerationActions::ToolButton1Click() {
  std::vector<std::string> lines;
  std::string lengthText;
  if (!frmhdinput_->AskSegments(lines, lengthText)) return;
  GenerateFromTypedSegments(lines, lengthText, source_, context_.ui);
}

void SegmentGenerationActions::ToolButton2Click() {
  if (ExecDialog(frmhdmanager_) != QDialog::Accepted) return;
  GenerateFromChosenSegments(frmhdmanager_->ImportList(), source_, context_.ui);
}

}  // namespace telqor
