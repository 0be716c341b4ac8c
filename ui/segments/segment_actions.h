// The segment subsystem's work that controls of the panels ask for: the exports by region,
// carrier and segment of the workspace's "保存" menu and of the "全部导出号码" menu of the tab
// "号码生成㈡", and the moves "组合特征" and "号码类型" between the source and the target list.
// The shell connects the panels' requests to it once.
#pragma once

#include <QObject>

#include "segments/region_export.h"
#include "segments/segment_database.h"
#include "ui/kit/app_context.h"
#include "workspace/number_list.h"

namespace telqor {

class NumberTypeDialog;
class FeaturePatternDialog;

class SegmentActions : public QObject {
  Q_OBJECT
 public:
  // scratch is the list the feature moves work through.
  SegmentActions(AppContext& context, ItemList& scratch, const SegmentDatabase& db, NumberTypeDialog* numberTypeDialog,
                 FeaturePatternDialog* featurePatternDialog, QObject* parent = nullptr);

  // Writes list into the dated output folder, split as kind says, never over a file there;
  // tells how many files and numbers and offers to open the folder.
  void Export(ExportKind kind, const NumberList& list);
  // Copies the numbers of from that the patterns chosen in the feature dialog match onto to
  // (only the checked patterns when checkedOnly); nothing when the dialog is cancelled.
  void MoveByFeature(NumberList& from, NumberList& to, bool checkedOnly);
  // Copies the numbers of from of the carriers or range chosen in the type dialog onto to;
  // nothing when the dialog is cancelled.
  void MoveByType(NumberList& from, NumberList& to);

 private:
  AppContext& context_;
  ItemList& scratch_;
  const SegmentDatabase& db_;
  NumberTypeDialog* numberTypeDialog_;
  FeaturePatternDialog* featurePatternDialog_;
};

}  // namespace telqor
