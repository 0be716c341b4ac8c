#include "ui/generate/segment_generation_actions.h"

#include "generate/segment_generation.h"
#include "ui/generate/segment_input_dialog.h"
#include "ui/kit/qt_ui.h"
#include "ui/segments/segment_library_dialog.h"

namespace telqor {

SegmentGenerationActions::SegmentGenerationActions(AppContext& context, NumberList& source,
                                                   SegmentInputDialog* segmentInputDialog,
                                                   SegmentLibraryDialog* segmentLibraryDialog, QObject* parent)
    : QObject(parent),
      context_(context),
      source_(source),
      segmentInputDialog_(segmentInputDialog),
      segmentLibraryDialog_(segmentLibraryDialog) {}

void SegmentGenerationActions::InputSegments() {
  std::vector<std::string> lines;
  std::string lengthText;
  if (!segmentInputDialog_->AskSegments(lines, lengthText)) return;
  GenerateFromTypedSegments(lines, lengthText, source_, context_.ui);
}

void SegmentGenerationActions::ImportSegments() {
  if (ExecDialog(segmentLibraryDialog_) != QDialog::Accepted) return;
  GenerateFromChosenSegments(segmentLibraryDialog_->ImportList(), source_, context_.ui);
}

}  // namespace telqor
