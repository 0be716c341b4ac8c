#include "ui/kit/double_click.h"

#include <QEvent>
#include <QWidget>

#include "ui/kit/user_action.h"

namespace telqor {
namespace {

class DoubleClickFilter : public QObject {
 public:
  DoubleClickFilter(QObject* parent, std::function<void()> handler) : QObject(parent), handler_(std::move(handler)) {}

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::MouseButtonDblClick) Guarded(handler_)();
    return false;
  }

 private:
  std::function<void()> handler_;
};

}  // namespace

void OnDoubleClick(QWidget* widget, std::function<void()> handler) {
  widget->installEventFilter(new DoubleClickFilter(widget, std::move(handler)));
}

}  // namespace telqor
