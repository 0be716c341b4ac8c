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
  SavedFiles saved = ExportNumbers(kind, list.Items(), db_, CarrierRule(context_.CurrentSettings()),
                                   context_.Folders().datedOutput, context_.ui);
  OfferSavedFolder(saved.closing, saved, context_.ui);
}

void SegmentActions::MoveByFeature(NumberList& from, NumberList& to, bool checkedOnly) {
  std::vector<std::string> expressions;
  if (!featurePatternDialog_->AskExpressions(checkedOnly, expressions)) return;
  telqor::MoveByFeature(from, to, expressions, scratch_, context_.ui);
}

void SegmentActions::MoveByType(NumberList& from, NumberList& to) {
  TypeSelection selection;
  if (!numberTypeDialog_->AskSelection(selection)) return;
  telqor::MoveByType(from, to, CarrierRule(context_.CurrentSettings()), selection, context_.ui);
}

}  // namespace telqor
