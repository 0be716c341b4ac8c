// Building and wiring the controls of a form.
//
// Builders give each control its object name, the name by which tests find it. Wire is the
// one way to connect a control to its handler: as a user action (ui/kit/user_action.h), and
// enabled. DisableUnwired then disables every named button and menu item that nothing was
// wired to, so controls whose function is still to come never need a list of their own. A
// panel whose control asks for work done elsewhere in the forms sends a request signal from
// the control's handler; the shell connects it with ConnectRequest.
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <initializer_list>
#include <utility>

#include "ui/kit/user_action.h"

class QAbstractButton;
class QAbstractScrollArea;
class QAction;
class QComboBox;
class QHBoxLayout;
class QMenu;
class QPushButton;
class QToolButton;
class QWidget;

namespace telqor {

// A push button that may shrink to its caption when the window is narrow (the style's
// minimum of some 80 pixels would make a row of short captions push the window wide).
QPushButton* Button(const QString& name, const QString& caption);
QToolButton* ToolButton(const QString& name, const QString& caption);
QAction* MenuItem(QMenu* menu, const QString& name, const QString& caption);
// An editable combo box that keeps what is typed: no completion from its items (typing "10"
// must not become "1000") and Return adds nothing to the drop-down.
QComboBox* EditableCombo(const QString& name);
QHBoxLayout* Row(std::initializer_list<QWidget*> widgets, bool stretchAtEnd = true);

// Connects the button's clicks (the action's triggers) to handler as a user action, and
// enables the control.
void Wire(QAbstractButton* button, QObject* context, std::function<void()> handler);
void Wire(QAction* action, QObject* context, std::function<void()> handler);
template <typename Owner>
void Wire(QAbstractButton* button, Owner* owner, void (Owner::*handler)()) {
  Wire(button, owner, std::function<void()>([owner, handler] { (owner->*handler)(); }));
}
template <typename Owner>
void Wire(QAction* action, Owner* owner, void (Owner::*handler)()) {
  Wire(action, owner, std::function<void()>([owner, handler] { (owner->*handler)(); }));
}

// Connects a panel's request to the member of receiver that does the work. The request is sent
// by the handler of a wired control, so the work runs inside that control's user action; what
// it throws is shown by the error hook here, as the action would show it, and never unwinds
// through the frames of the signal.
template <typename Sender, typename... Args, typename Receiver>
void ConnectRequest(Sender* sender, void (Sender::*request)(Args...), Receiver* receiver,
                    void (Receiver::*work)(Args...)) {
  QObject::connect(sender, request, receiver, [receiver, work](Args... args) {
    try {
      (receiver->*work)(args...);
    } catch (...) {
      ReportCurrentException();
    }
  });
}

// The button shows the menu at the mouse position (and counts as wired).
void PopupAtMouse(QAbstractButton* button, QMenu* menu);
// The view's context menu.
void ContextMenu(QAbstractScrollArea* view, QMenu* menu);

// Disables every named push button, tool button and menu item below root (its menus too) that
// was not wired; a sub-menu stays enabled while one of its items is.
void DisableUnwired(QWidget* root);

}  // namespace telqor
