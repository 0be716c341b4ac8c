// Finding a control of another form by its object name, for a subsystem that wires controls a
// lower panel created. A name that is not there is a fault of the program, not of the user:
// it stops the start-up with the name.
#pragma once

#include <QObject>
#include <QString>
#include <stdexcept>

namespace telqor {

template <typename T>
T* FindControl(QObject* root, const QString& name) {
  T* control = root->findChild<T*>(name);
  if (!control) throw std::logic_error("No control named " + name.toStdString());
  return control;
}

}  // namespace telqor
