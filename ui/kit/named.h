// Named: creates a widget (or any QObject) and gives it its object name, the control name by
// which handlers, tests and style sheets find it.
#pragma once

#include <QString>
#include <utility>

namespace telqor {

template <typename T, typename... Args>
T* Named(const QString& name, Args&&... args) {
  T* object = new T(std::forward<Args>(args)...);
  object->setObjectName(name);
  return object;
}

}  // namespace telqor
