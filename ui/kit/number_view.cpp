#include "ui/kit/number_view.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPalette>
#include <QTableView>

namespace telqor {

void ConfigureNumberView(QTableView* view) {
  view->horizontalHeader()->hide();
  view->verticalHeader()->hide();
  view->horizontalHeader()->setStretchLastSection(true);
  view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
  view->setShowGrid(true);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setSelectionMode(QAbstractItemView::ExtendedSelection);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  view->setWordWrap(false);
  QPalette palette = view->palette();
  palette.setColor(QPalette::Base, Qt::white);
  view->setPalette(palette);
}

QTableView* NumberView(const QString& name) {
  auto* view = new QTableView;
  view->setObjectName(name);
  ConfigureNumberView(view);
  return view;
}

}  // namespace telqor
