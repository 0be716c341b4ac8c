// The main window's number lists: their views, loading files, the list operations, the kind
// filters and filter-out (handlers of TfrmhmEx).
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QToolButton>

#include "app/double_click.h"
#include "app/frm_hm_ex.h"
#include "app/qt_ui.h"
#include "app/telqor_application.h"
#include "core/gbk.h"
#include "workspace/kind_filter.h"
#include "workspace/list_operations.h"
#include "workspace/number_list_model.h"

namespace telqor {

NumberListModel& TfrmhmEx::ModelOf(const NumberList& list) {
  if (&list == &workspace_) return *workspaceModel_;
  return &list == &source_ ? *sourceModel_ : *targetModel_;
}

QTableView* TfrmhmEx::ViewOf(const NumberList& list) {
  if (&list == &workspace_) return lv0;
  return &list == &source_ ? lv1 : lv2;
}

void TfrmhmEx::RefreshView(NumberList& list) {
  ModelOf(list).Reset();
  QGroupBox* group = &list == &workspace_ ? GroupBoxHmInfo : &list == &source_ ? GBRawData : GBDestData;
  group->setTitle(QString::fromStdString(list.Caption()));
  QCoreApplication::processEvents();
}

std::vector<int> TfrmhmEx::SelectedRows(const NumberList& list) {
  std::vector<int> rows;
  QItemSelectionModel* selection = ViewOf(list)->selectionModel();
  if (!selection) return rows;
  // Ranges, not one index per row: a whole selected list may hold millions of rows.
  for (const QItemSelectionRange& range : selection->selection())
    for (int r = range.top(); r <= range.bottom(); ++r) rows.push_back(r);
  return rows;
}

void TfrmhmEx::CopyToClipboard(const std::string& gbk) {
  QApplication::clipboard()->setText(QString::fromStdString(GbkToUtf8(gbk)));
}

void TfrmhmEx::SBLoadDataClick() {
  auto files = ChooseFilesToOpen(this, OpenDialogFolder());
  if (!files.empty()) LoadFilesInto(workspace_, files, AppUi());
}

void TfrmhmEx::ToolButton3Click() {
  auto files = ChooseFilesToOpen(this, OpenDialogFolder());
  if (!files.empty()) LoadFilesInto(source_, files, AppUi());
}

void TfrmhmEx::SpeedButton5Click() { SortNumbers(workspace_, AppUi()); }
void TfrmhmEx::SpeedButton6Click() { ShuffleNumbers(workspace_, AppUi()); }
void TfrmhmEx::SpeedButton8Click() { DedupeNumbers(workspace_, CurrentSettings().ModeB(), AppUi()); }
void TfrmhmEx::ToolButton16Click() { SortNumbers(source_, AppUi()); }
void TfrmhmEx::ToolButton18Click() { ShuffleNumbers(source_, AppUi()); }
void TfrmhmEx::ToolButton20Click() { DedupeNumbers(source_, CurrentSettings().ModeB(), AppUi()); }
void TfrmhmEx::ToolButton30Click() { SortNumbers(target_, AppUi()); }
void TfrmhmEx::ToolButton32Click() { ShuffleNumbers(target_, AppUi()); }
void TfrmhmEx::ToolButton34Click() { DedupeNumbers(target_, CurrentSettings().ModeB(), AppUi()); }
void TfrmhmEx::N18Click() { ClearNumbers(workspace_, AppUi()); }
void TfrmhmEx::ToolButton6Click() { ClearNumbers(source_, AppUi()); }
void TfrmhmEx::N52Click() { ClearNumbers(target_, AppUi()); }

void TfrmhmEx::N27Click() {
  PasteNumbers(workspace_, scratchList_, Utf8ToGbk(QApplication::clipboard()->text().toStdString()), AppUi());
}

void TfrmhmEx::ToolButton5Click() {
  PasteNumbers(source_, scratchList_, Utf8ToGbk(QApplication::clipboard()->text().toStdString()), AppUi());
}

void TfrmhmEx::N56Click() { DeleteSelected(workspace_, SelectedRows(workspace_), AppUi()); }
void TfrmhmEx::N57Click() { DeleteSelected(source_, SelectedRows(source_), AppUi()); }
void TfrmhmEx::N61Click() { DeleteSelected(target_, SelectedRows(target_), AppUi()); }
void TfrmhmEx::ii1Click() { CopyToClipboard(CopyAll(workspace_, AppUi())); }
void TfrmhmEx::N55Click() { CopyToClipboard(CopyAll(source_, AppUi())); }
void TfrmhmEx::N59Click() { CopyToClipboard(CopyAll(target_, AppUi())); }
void TfrmhmEx::N73Click() {
  CopyToClipboard(CopySelected(workspace_, scratchList_, SelectedRows(workspace_), AppUi()));
}
void TfrmhmEx::N58Click() { CopyToClipboard(CopySelected(source_, scratchList_, SelectedRows(source_), AppUi())); }
void TfrmhmEx::N60Click() { CopyToClipboard(CopySelected(target_, scratchList_, SelectedRows(target_), AppUi())); }
void TfrmhmEx::SpeedButton17Click() { CopyAcross(source_, target_, AppUi()); }
void TfrmhmEx::SpeedButton18Click() { CopyAcross(target_, source_, AppUi()); }
void TfrmhmEx::N23Click() { KeepKind(workspace_, Kind::Mobile, CurrentSettings(), AppUi()); }
void TfrmhmEx::N24Click() { KeepKind(workspace_, Kind::NonMobile, CurrentSettings(), AppUi()); }
void TfrmhmEx::N43Click() { KeepKind(workspace_, Kind::Landline, CurrentSettings(), AppUi()); }
void TfrmhmEx::N44Click() { KeepKind(workspace_, Kind::Custom1, CurrentSettings(), AppUi()); }
void TfrmhmEx::N45Click() { KeepKind(workspace_, Kind::Custom2, CurrentSettings(), AppUi()); }
void TfrmhmEx::N25Click() { KeepKind(source_, Kind::Mobile, CurrentSettings(), AppUi()); }
void TfrmhmEx::N26Click() { KeepKind(source_, Kind::NonMobile, CurrentSettings(), AppUi()); }

void TfrmhmEx::ToolButton43Click() {
  auto files = ChooseFilesToOpen(this, OpenDialogFolder());
  if (!files.empty()) FilterOut(source_, filterList_, files, "加载文件:", CurrentSettings().ModeB(), AppUi());
}

void TfrmhmEx::ToolButton36Click() {
  auto files = ChooseFilesToOpen(this, OpenDialogFolder());
  if (!files.empty()) FilterOut(target_, filterList_, files, "请等待,加载文件：", CurrentSettings().ModeB(), AppUi());
}

void TfrmhmEx::SpeedButton34Click() { OpenFolder(Folders().datedOutput); }

void TfrmhmEx::ConnectListHandlers() {
  for (NumberList* list : {&workspace_, &source_, &target_}) {
    list->SetOnRefresh([this, list] { RefreshView(*list); });
  }
  auto on = [this](auto* control, void (TfrmhmEx::*handler)()) {
    control->setEnabled(true);
    if constexpr (std::is_same_v<std::remove_pointer_t<decltype(control)>, QAction>) {
      connect(control, &QAction::triggered, this, Guarded([this, handler] { (this->*handler)(); }));
    } else {
      connect(control, &QAbstractButton::clicked, this, Guarded([this, handler] { (this->*handler)(); }));
    }
  };
  on(SBLoadData, &TfrmhmEx::SBLoadDataClick);
  on(ToolButton3, &TfrmhmEx::ToolButton3Click);
  on(SpeedButton5, &TfrmhmEx::SpeedButton5Click);
  on(SpeedButton6, &TfrmhmEx::SpeedButton6Click);
  on(SpeedButton8, &TfrmhmEx::SpeedButton8Click);
  on(ToolButton16, &TfrmhmEx::ToolButton16Click);
  on(ToolButton18, &TfrmhmEx::ToolButton18Click);
  on(ToolButton20, &TfrmhmEx::ToolButton20Click);
  on(ToolButton30, &TfrmhmEx::ToolButton30Click);
  on(ToolButton32, &TfrmhmEx::ToolButton32Click);
  on(ToolButton34, &TfrmhmEx::ToolButton34Click);
  on(N18, &TfrmhmEx::N18Click);
  on(ToolButton6, &TfrmhmEx::ToolButton6Click);
  on(N52, &TfrmhmEx::N52Click);
  on(N27, &TfrmhmEx::N27Click);
  on(ToolButton5, &TfrmhmEx::ToolButton5Click);
  on(N56, &TfrmhmEx::N56Click);
  on(N57, &TfrmhmEx::N57Click);
  on(N61, &TfrmhmEx::N61Click);
  on(ii1, &TfrmhmEx::ii1Click);
  on(N55, &TfrmhmEx::N55Click);
  on(N59, &TfrmhmEx::N59Click);
  on(N73, &TfrmhmEx::N73Click);
  on(N58, &TfrmhmEx::N58Click);
  on(N60, &TfrmhmEx::N60Click);
  on(SpeedButton17, &TfrmhmEx::SpeedButton17Click);
  on(SpeedButton18, &TfrmhmEx::SpeedButton18Click);
  on(N23, &TfrmhmEx::N23Click);
  on(N24, &TfrmhmEx::N24Click);
  on(N43, &TfrmhmEx::N43Click);
  on(N44, &TfrmhmEx::N44Click);
  on(N45, &TfrmhmEx::N45Click);
  on(N25, &TfrmhmEx::N25Click);
  on(N26, &TfrmhmEx::N26Click);
  on(ToolButton43, &TfrmhmEx::ToolButton43Click);
  on(ToolButton36, &TfrmhmEx::ToolButton36Click);
  on(SpeedButton34, &TfrmhmEx::SpeedButton34Click);
  MenuDataKindFilter->menuAction()->setEnabled(true);
  // Double-clicking a view empties its list at once.
  OnDoubleClick(lv0->viewport(), [this] { N18Click(); });
  OnDoubleClick(lv1->viewport(), [this] { ToolButton6Click(); });
  OnDoubleClick(lv2->viewport(), [this] { N52Click(); });
}

}  // namespace telqor
