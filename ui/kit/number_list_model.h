// NumberListModel: the read-only, one-column view model of a NumberList (GBK items).
//
// The model does not own the list. rowCount is the row count of the last Reset (the list's
// Count then), so a list may change freely between resets; data decodes item i for
// DisplayRole, when the view asks, gives every row an unchecked check box (CheckStateRole,
// shown but not user-checkable), and answers nothing while the list's view-suspend
// flag is set or for a row the list no longer has. After changing the list, call Reset (the
// model reset takes the place of re-setting a virtual view's row count). User-interface
// thread only.
#pragma once

#include <QAbstractListModel>

#include "workspace/number_list.h"

namespace telqor {

class NumberListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  explicit NumberListModel(const NumberList* list, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  const NumberList* List() const { return list_; }

  // Takes the list's current Count as the row count and tells the views to fetch anew.
  void Reset();

 private:
  const NumberList* list_;
  int rows_ = 0;
};

}  // namespace telqor
