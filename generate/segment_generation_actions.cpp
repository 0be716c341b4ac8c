#include "generate/segment_generation_actions.h"

#include <QAbstractButton>
#include <QWidget>

#include "generate/frm_hd_input.h"
#include "generate/segment_generation.h"
#include "gui/controls.h"
#include "gui/find_control.h"
#include "gui/qt_ui.h"
#include "segments/frm_hd_manager.h"

namespace telqor {

using namespace Qt::StringLiterals;

SegmentGenerationActions::SegmentGenerationActions(AppContext& context, NumberList& source, Tfrmhdinput* frmhdinput,
                                                   Tfrmhdmanager* frmhdmanager, QObject* parent)
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
