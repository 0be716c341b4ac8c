#include "ui/segments/segment_actions.h"

#include "segments/moves.h"
#include "ui/segments/feature_pattern_dialog.h"
#include "ui/segments/number_type_dialog.h"

namespace telqor {

SegmentActions::SegmentActions(AppContext& context, ItemList& scratch, const SegmentDatabase& db,
                               NumberTypeDialog* numberTypeDialog, FeaturePatternDialog* featurePatternDialog,
                               QObject* parent)
    : QObject(parent),
      context_(context),
      scratch_(scratch),
      db_(db),
      numberTypeDialog_(numberTypeDialog),
      featurePatternDialog_(featurePatternDialog) {}

void SegmentActions::Export(ExportKind kind, const NumberList& list) {
  SavedFiles saved;
  const CarrierRule carriers(context_.CurrentSettings());
  context_.InBackground({}, [&](Ui& ui) {
    saved = ExportNumbers(kind, list.Items(), db_, carriers, context_.Folders().datedOutput, ui);
  });
  OfferSavedFolder(saved.closing, saved, context_.ui);
}

void SegmentActions::MoveByFeature(NumberList& from, NumberList& to, bool checkedOnly) {
  std::vector<std::string> expressions;
  if (!featurePatternDialog_->AskExpressions(checkedOnly, expressions)) return;
  context_.InBackground({&from, &to}, [&](Ui& ui) { telqor::MoveByFeature(from, to, expressions, scratch_, ui); });
}

void SegmentActions::MoveByType(NumberList& from, NumberList& to) {
  TypeSelection selection;
  if (!numberTypeDialog_->AskSelection(selection)) return;
  const CarrierRule carriers(context_.CurrentSettings());
  context_.InBackground({&from, &to}, [&](Ui& ui) { telqor::MoveByType(from, to, carriers, selection, ui); });
}

}  // namespace telqor
