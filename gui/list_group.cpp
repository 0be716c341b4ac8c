#include "gui/list_group.h"

#include <QDialog>
#include <QGroupBox>
#include <QTableView>
#include <QVBoxLayout>

#include "gui/number_view.h"

namespace telqor {

QTableView* AddListGroup(QDialog* dialog, QGroupBox*& group, const QString& groupName, const QString& caption,
                         const QString& listName, bool numberView) {
  group = new QGroupBox(caption, dialog);
  group->setObjectName(groupName);
  auto* view = new QTableView(group);
  view->setObjectName(listName);
  if (numberView) ConfigureNumberView(view);
  auto* box = new QVBoxLayout(group);
  box->addWidget(view);
  auto* layout = new QVBoxLayout(dialog);
  layout->addWidget(group);
  dialog->resize(640, 480);
  return view;
}

}  // namespace telqor
