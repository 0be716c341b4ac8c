#include "ui/workspace/number_list_box.h"

#include <QGroupBox>
#include <QItemSelectionModel>
#include <QTableView>

#include "ui/kit/background_work.h"
#include "ui/kit/double_click.h"
#include "ui/kit/gbk_text.h"
#include "ui/kit/user_action.h"
#include "ui/kit/number_list_model.h"
#include "workspace/list_operations.h"

namespace telqor {

NumberListBox::NumberListBox(NumberList& list, QGroupBox* group, QTableView* view, Ui& ui)
    : list_(list), group_(group), view_(view), model_(new NumberListModel(&list, view)) {
  view_->setModel(model_);
  // A background work refreshes from its own thread; the view changes only on the window's.
  list_.SetOnRefresh([this] { RunOnUiThread([this] { Refresh(); }); });
  OnDoubleClick(view_->viewport(), [this, &ui] { ClearNumbers(list_, ui); });
}

NumberListBox::~NumberListBox() { list_.SetOnRefresh(nullptr); }

void NumberListBox::Refresh() {
  model_->Reset();
  group_->setTitle(FromUtf8(list_.Caption()));
  KeepPainting();
}

std::vector<int> NumberListBox::SelectedRows() const {
  std::vector<int> rows;
  QItemSelectionModel* selection = view_->selectionModel();
  if (!selection) return rows;
  // Ranges, not one index per row: a whole selected list may hold millions of rows.
  for (const QItemSelectionRange& range : selection->selection())
    for (int r = range.top(); r <= range.bottom(); ++r) rows.push_back(r);
  return rows;
}

}  // namespace telqor
