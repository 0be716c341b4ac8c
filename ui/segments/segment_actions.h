// The segment subsystem's work behind controls that lower panels create: the exports by
// region, carrier and segment of the workspace's "保存" menu (N50, N53, N64, N74) and of the
// "全部导出号码" menu of the tab "号码生成㈡" (N48, N49, N63, N75, on the list RBRaw/RBDest
// choose), and the moves "组合特征" and "号码类型" between the source and the target list
// (SpeedButton13 to SpeedButton16). The shell attaches it to the panels once.
#pragma once

#include <QObject>

#include "segments/region_export.h"
#include "segments/segment_database.h"
#include "ui/kit/app_context.h"
#include "workspace/number_list.h"

class QRadioButton;
class QWidget;

namespace telqor {

class NumberTypeDialog;
class FeaturePatternDialog;

class SegmentActions : public QObject {
  Q_OBJECT
 public:
  SegmentActions(AppContext& context, NumberLists& lists, const SegmentDatabase& db, NumberTypeDialog* frmhdsel,
                 FeaturePatternDialog* frmhmRegex, QObject* parent = nullptr);

  // Wires the controls of the workspace panel and the lists tab, found by their object names.
  void Attach(QWidget* workspacePanel, QWidget* listsTab);

  void SpeedButton13Click();
  void SpeedButton14Click();
  void SpeedButton15Click();
  void SpeedButton16Click();

 private:
  // The "保存" items do nothing for an empty workspace list.
  void ExportWorkspace(ExportKind kind);
  // The "全部导出号码" items always run, on the list the radio buttons choose.
  void ExportChosen(ExportKind kind);
  void MoveByType(NumberList& from, NumberList& to);
  void MoveByFeature(NumberList& from, NumberList& to, bool checkedOnly);

  AppContext& context_;
  NumberLists& lists_;
  const SegmentDatabase& db_;
  NumberTypeDialog* frmhdsel_;
  FeaturePatternDialog* frmhmRegex_;
  QRadioButton* RBDest = nullptr;
};

}  // namespace telqor
