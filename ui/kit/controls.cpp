#include "ui/kit/controls.h"

#include <QAbstractScrollArea>
#include <QAction>
#include <QComboBox>
#include <QCursor>
#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>

#include "ui/kit/named.h"
#include "ui/kit/user_action.h"

namespace telqor {
namespace {

constexpr char kWired[] = "telqorWired";

void MarkWired(QObject* control) { control->setProperty(kWired, true); }
bool IsWired(const QObject* control) { return control->property(kWired).toBool(); }

// Disables the unwired items of menu; answers whether any item is left enabled.
bool DisableUnwiredItems(QMenu* menu) {
  bool anyEnabled = false;
  for (QAction* a : menu->actions()) {
    if (a->isSeparator()) continue;
    if (QMenu* sub = a->menu()) {
      a->setEnabled(DisableUnwiredItems(sub));
    } else if (!a->objectName().isEmpty() && !IsWired(a)) {
      a->setEnabled(false);
    }
    anyEnabled |= a->isEnabled();
  }
  return anyEnabled;
}

}  // namespace

QPushButton* Button(const QString& name, const QString& caption) {
  auto* b = Named<QPushButton>(name, caption);
  b->setMinimumWidth(b->fontMetrics().horizontalAdvance(caption) + 16);
  return b;
}

QToolButton* ToolButton(const QString& name, const QString& caption) {
  auto* b = Named<QToolButton>(name);
  b->setText(caption);
  b->setToolButtonStyle(Qt::ToolButtonTextOnly);
  return b;
}

QAction* MenuItem(QMenu* menu, const QString& name, const QString& caption) {
  QAction* a = menu->addAction(caption);
  a->setObjectName(name);
  return a;
}

QComboBox* EditableCombo(const QString& name) {
  auto* combo = Named<QComboBox>(name);
  combo->setEditable(true);
  combo->setCompleter(nullptr);
  combo->setInsertPolicy(QComboBox::NoInsert);
  return combo;
}

QHBoxLayout* Row(std::initializer_list<QWidget*> widgets, bool stretchAtEnd) {
  auto* row = new QHBoxLayout;
  for (QWidget* w : widgets) row->addWidget(w);
  if (stretchAtEnd) row->addStretch();
  return row;
}

void Wire(QAbstractButton* button, QObject* context, std::function<void()> handler) {
  MarkWired(button);
  button->setEnabled(true);
  QObject::connect(button, &QAbstractButton::clicked, context, Guarded(std::move(handler)));
}

void Wire(QAction* action, QObject* context, std::function<void()> handler) {
  MarkWired(action);
  action->setEnabled(true);
  QObject::connect(action, &QAction::triggered, context, Guarded(std::move(handler)));
}

void PopupAtMouse(QAbstractButton* button, QMenu* menu) {
  MarkWired(button);
  QObject::connect(button, &QAbstractButton::clicked, menu, [menu] { menu->popup(QCursor::pos()); });
}

void ContextMenu(QAbstractScrollArea* view, QMenu* menu) {
  view->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(view, &QWidget::customContextMenuRequested, menu,
                   [view, menu](const QPoint& pos) { menu->popup(view->viewport()->mapToGlobal(pos)); });
}

void DisableUnwired(QWidget* root) {
  for (QAbstractButton* b : root->findChildren<QAbstractButton*>()) {
    if (b->objectName().isEmpty() || IsWired(b)) continue;
    if (qobject_cast<QPushButton*>(b) || qobject_cast<QToolButton*>(b)) b->setEnabled(false);
  }
  QList<QMenu*> menus = root->findChildren<QMenu*>();
  if (auto* menu = qobject_cast<QMenu*>(root)) menus.prepend(menu);
  for (QMenu* menu : menus) DisableUnwiredItems(menu);
}

}  // namespace telqor
