// NumberListModel: a read-only, one-column view model over a TSList of GBK items.
//
// The model does not own the list. rowCount is the row count of the last Reset (the list's
// Count then), so a list may change freely between resets; data decodes item i to UTF-8 for
// DisplayRole only, when the view asks, and answers nothing while the view-suspend flag is
// set or for a row the list no longer has. After changing the list, call Reset (the model
// reset takes the place of re-setting a virtual view's row count). User-interface thread only.
#pragma once

#include <QAbstractListModel>

#include "core/ts_list.h"

namespace telqor {

class NumberListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  explicit NumberListModel(const TSList* list, QObject* parent = nullptr);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

  const TSList* List() const { return list_; }

  // The view-suspend flag: set while an operation changes the list.
  bool Suspended() const { return suspended_; }
  void SetSuspended(bool suspended) { suspended_ = suspended; }

  // Takes the list's current Count as the row count and tells the views to fetch anew.
  void Reset();

 private:
  const TSList* list_;
  int rows_ = 0;
  bool suspended_ = false;
};

// Sets the view-suspend flag of a model for one scope, clearing it also when the scope ends
// by an exception.
class SuspendView {
 public:
  explicit SuspendView(NumberListModel& model) : model_(model) { model_.SetSuspended(true); }
  ~SuspendView() { model_.SetSuspended(false); }
  SuspendView(const SuspendView&) = delete;
  SuspendView& operator=(const SuspendView&) = delete;

 private:
  NumberListModel& model_;
};

}  // namespace telqor
