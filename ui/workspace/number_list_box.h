// NumberListBox: one number list on screen: its group box, whose caption carries the count,
// and its view over a NumberListModel. It installs the list's refresh, and a double click on
// the view empties the list at once. Lives as long as the view; user-interface thread only.
#pragma once

#include <vector>

#include "core/program/ui.h"
#include "workspace/number_list.h"

class QGroupBox;
class QTableView;

namespace telqor {

class NumberListModel;

class NumberListBox {
 public:
  NumberListBox(NumberList& list, QGroupBox* group, QTableView* view, Ui& ui);
  ~NumberListBox();
  NumberListBox(const NumberListBox&) = delete;
  NumberListBox& operator=(const NumberListBox&) = delete;

  NumberList& List() const { return list_; }
  // The view shows the list's new count: model reset, caption with the count, repaint.
  void Refresh();
  // The rows selected in the view.
  std::vector<int> SelectedRows() const;

 private:
  NumberList& list_;
  QGroupBox* group_;
  QTableView* view_;
  NumberListModel* model_;  // owned by the view
};

}  // namespace telqor
