#include "ui/kit/up_down.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

namespace telqor {

UpDown::UpDown(QLineEdit* associate, int minimum, int maximum, int position, QWidget* parent)
    : QWidget(parent),
      associate_(associate),
      up_(new QToolButton(this)),
      down_(new QToolButton(this)),
      minimum_(minimum),
      maximum_(maximum),
      position_(position) {
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (QToolButton* b : {up_, down_}) {
    b->setAutoRepeat(true);
    b->setFixedSize(18, 11);
    layout->addWidget(b);
  }
  connect(up_, &QToolButton::clicked, this, [this] { Step(1); });
  connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
  SetPosition(position);
}

void UpDown::SetPosition(int position) {
  position_ = std::clamp(position, minimum_, maximum_);
  if (associate_) associate_->setText(QString::number(position_));
}

void UpDown::Step(int delta) {
  bool ok = false;
  int typed = associate_ ? associate_->text().trimmed().toInt(&ok) : 0;
  SetPosition((ok ? typed : position_) + delta);
}

}  // namespace telqor
