#include "ui/kit/number_list_model.h"

#include "ui/kit/gbk_text.h"

namespace telqor {

NumberListModel::NumberListModel(const NumberList* list, QObject* parent)
    : QAbstractListModel(parent), list_(list), rows_(list ? list->Items().Count() : 0) {}

int NumberListModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

QVariant NumberListModel::data(const QModelIndex& index, int role) const {
  if (!list_ || list_->Suspended() || !index.isValid() || index.column() != 0) return {};
  int row = index.row();
  if (row < 0 || row >= rows_ || row >= list_->Items().Count()) return {};
  // Every row shows an empty check box, as the lists always have.
  if (role == Qt::CheckStateRole) return Qt::Unchecked;
  if (role != Qt::DisplayRole) return {};
  return FromGbk(list_->Items().View(row));
}

void NumberListModel::Reset() {
  beginResetModel();
  rows_ = list_ ? list_->Items().Count() : 0;
  endResetModel();
}

}  // namespace telqor
