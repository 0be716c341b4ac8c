#include "ui/segments/segment_generation_actions.h"

#include "generate/segment_generation.h"
#include "ui/segments/segment_input_dialog.h"
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
  context_.InBackground({&source_}, [&](Ui& ui) { GenerateFromTypedSegments(lines, lengthText, source_, ui); });
}

void SegmentGenerationActions::ImportSegments() {
  if (ExecDialog(segmentLibraryDialog_) != QDialog::Accepted) return;
  const auto& chosen = segmentLibraryDialog_->ImportList();
  context_.InBackground({&source_}, [&](Ui& ui) { GenerateFromChosenSegments(chosen, source_, ui); });
}

}  // namespace telqor
