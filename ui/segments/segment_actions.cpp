#include "ui/segments/segment_actions.h"

#include <QAbstractButton>
#include <QAction>
#include <QRadioButton>
#include <QWidget>

#include "segments/moves.h"
#include "ui/kit/controls.h"
#include "ui/kit/find_control.h"
#include "ui/segments/feature_pattern_dialog.h"
#include "ui/segments/number_type_dialog.h"

namespace telqor {

using namespace Qt::StringLiterals;

SegmentActions::SegmentActions(AppContext& context, NumberLists& lists, const SegmentDatabase& db,
                               NumberTypeDialog* frmhdsel, FeaturePatternDialog* frmhmRegex, QObject* parent)
    : QObject(parent), context_(context), lists_(lists), db_(db), frmhdsel_(frmhdsel), frmhmRegex_(frmhmRegex) {}

void SegmentActions::Attach(QWidget* workspacePanel, QWidget* listsTab) {
  struct Item {
    const char16_t* name;
    ExportKind kind;
  };
  for (auto [name, kind] : {Item{u"N50", ExportKind::Region}, Item{u"N53", ExportKind::Carrier},
                            Item{u"N64", ExportKind::RegionCarrier}, Item{u"N74", ExportKind::RegionCarrierSegment}})
    Wire(FindControl<QAction>(workspacePanel, QString::fromUtf16(name)), this,
         [this, k = kind] { ExportWorkspace(k); });
  for (auto [name, kind] : {Item{u"N48", ExportKind::Region}, Item{u"N49", ExportKind::Carrier},
                            Item{u"N63", ExportKind::RegionCarrier}, Item{u"N75", ExportKind::RegionCarrierSegment}})
    Wire(FindControl<QAction>(listsTab, QString::fromUtf16(name)), this, [this, k = kind] { ExportChosen(k); });
  RBDest = FindControl<QRadioButton>(listsTab, u"RBDest"_s);
  Wire(FindControl<QAbstractButton>(listsTab, u"SpeedButton13"_s), this, &SegmentActions::SpeedButton13Click);
  Wire(FindControl<QAbstractButton>(listsTab, u"SpeedButton14"_s), this, &SegmentActions::SpeedButton14Click);
  Wire(FindControl<QAbstractButton>(listsTab, u"SpeedButton15"_s), this, &SegmentActions::SpeedButton15Click);
  Wire(FindControl<QAbstractButton>(listsTab, u"SpeedButton16"_s), this, &SegmentActions::SpeedButton16Click);
}

void SegmentActions::ExportWorkspace(ExportKind kind) {
  if (lists_.workspace.Items().Count() == 0) return;
  ExportNumbers(kind, lists_.workspace.Items(), db_, CarrierRule(context_.CurrentSettings()),
                context_.Folders().datedOutput, context_.ui);
}

void SegmentActions::ExportChosen(ExportKind kind) {
  const NumberList& chosen = RBDest->isChecked() ? lists_.target : lists_.source;
  ExportNumbers(kind, chosen.Items(), db_, CarrierRule(context_.CurrentSettings()), context_.Folders().datedOutput,
                context_.ui);
}

void SegmentActions::MoveByType(NumberList& from, NumberList& to) {
  TypeSelection selection;
  if (!frmhdsel_->AskSelection(selection)) return;
  telqor::MoveByType(from, to, CarrierRule(context_.CurrentSettings()), selection, context_.ui);
}

void SegmentActions::MoveByFeature(NumberList& from, NumberList& to, bool checkedOnly) {
  std::vector<std::string> expressions;
  if (!frmhmRegex_->AskExpressions(checkedOnly, expressions)) return;
  telqor::MoveByFeature(from, to, expressions, lists_.scratch, context_.ui);
}

void SegmentActions::SpeedButton13Click() { MoveByFeature(lists_.source, lists_.target, true); }
void SegmentActions::SpeedButton14Click() { MoveByFeature(lists_.target, lists_.source, false); }
void SegmentActions::SpeedButton15Click() { MoveByType(lists_.source, lists_.target); }
void SegmentActions::SpeedButton16Click() { MoveByType(lists_.target, lists_.source); }

}  // namespace telqor
