#include "ui/kit/list_group.h"

#include <QDialog>
#include <QGroupBox>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/kit/named.h"
#include "ui/kit/number_view.h"

namespace telqor {

QTableView* AddListGroup(QDialog* dialog, QGroupBox*& group, const QString& groupName, const QString& caption,
                         const QString& listName, bool numberView) {
  group = new QGroupBox(caption, dialog);
  group->setObjectName(groupName);
  QTableView* view = numberView ? NumberView(listName) : Named<QTableView>(listName);
  auto* box = new QVBoxLayout(group);
  box->addWidget(view);
  auto* layout = new QVBoxLayout(dialog);
  layout->addWidget(group);
  dialog->resize(640, 480);
  return view;
}

}  // namespace telqor
